#include "platform/errorbox.h"

#include "platform/dialogs.h"

void showErrorBox(const QString& message) {
    Dialogs::show(nullptr, {QMessageBox::Critical, QStringLiteral("Larkspan"),
                            errorBoxText(message), QMessageBox::Ok, QMessageBox::Ok});
}
