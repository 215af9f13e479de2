// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QStringList>

// The languages the user wants messages in, best first, read as GNU gettext and the desktop's
// programs read them: LANGUAGE, a colon list, unless the messages' locale is C or POSIX; then
// the first of LC_ALL, LC_MESSAGES and LANG that is set. Names lose their codeset and
// modifier ("pt_BR.UTF-8" gives "pt_BR"); the C locale gives none.
QStringList preferredLanguages(const QProcessEnvironment& environment);
