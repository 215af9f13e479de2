#pragma once

#include <QApplication>
#include <QString>

// The application's error box: title "Larkspan", error icon, OK.
void showErrorBox(const QString& message);

// An application whose event loop catches the failures that escape event handlers.
class LarkspanApplication : public QApplication {
public:
    LarkspanApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
