// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/errorbox.h"

#include "widgets/dialogs.h"

void showErrorBox(const QString& message) {
    Dialogs::show(nullptr, {QMessageBox::Critical, QStringLiteral("Larkspan"),
                            errorBoxText(message), QMessageBox::Ok, QMessageBox::Ok});
}
