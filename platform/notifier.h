#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QSystemTrayIcon;

// Passive messages to the user that never wait for an answer: a desktop notification over
// the session bus, else the tray icon's message while the icon shows, else nothing.
class Notifier : public QObject {
    Q_OBJECT
public:
    explicit Notifier(QSystemTrayIcon* tray, QObject* parent = nullptr);

    void show(const QString& summary, const QString& body);

private:
    void showOnTray(const QString& summary, const QString& body);

    QPointer<QSystemTrayIcon> m_tray;
};

// The notice of a failed launch: Cannot open "Notes" / why.
void notifyLaunchFailure(Notifier& notifier, const QString& caption, const QString& why);
