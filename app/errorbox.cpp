#include "app/errorbox.h"

#include "core/error.h"

#include <QMessageBox>

void showErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Larkspan"), errorBoxText(message),
                    QMessageBox::Ok);
    box.exec();
}

LarkspanApplication::LarkspanApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Larkspan"));
    setApplicationDisplayName(QStringLiteral("Larkspan"));
}

bool LarkspanApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const LarkspanError& e) {
        showErrorBox(e.message());
    }
    return true;
}
