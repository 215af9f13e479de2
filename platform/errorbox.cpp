#include "platform/errorbox.h"

#include "platform/dialogs.h"

#include <QApplication>

void showErrorBox(const QString& message) {
    Dialogs::show(QApplication::activeWindow(),
                  {QMessageBox::Critical, QStringLiteral("Larkspan"), errorBoxText(message),
                   QMessageBox::Ok, QMessageBox::Ok});
}
