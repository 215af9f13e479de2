// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Installs the program's translation and Qt's own for the first preferred language the
// program has one for. English, the texts' own language, needs none; a missing or damaged
// file leaves the texts English.
void installTranslations(QCoreApplication& application);
