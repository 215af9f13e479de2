// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorbox.h"

#include "app/translations.h"

#include <QProcessEnvironment>

LarkspanApplication::LarkspanApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Larkspan"));
    // Only the bar's closing ends the program, not the last of its dialogs going away
    // while the bar sits in the tray.
    setQuitOnLastWindowClosed(false);
    // Before any window is made, so that every text is read in the user's language.
    installTranslations(QProcessEnvironment::systemEnvironment(), *this);
}

bool LarkspanApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const LarkspanError& e) {
        showErrorBox(e.message());
    }
    return true;
}
