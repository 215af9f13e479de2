// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
class QProcessEnvironment;

// Installs the program's translation and Qt's own for the first language `environment` names
// that the program has one for; they stay installed while `owner` lives. English, the texts'
// own language, needs none; a missing or damaged file leaves the texts English.
void installTranslations(const QProcessEnvironment& environment, QObject& owner);
