// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QSystemTrayIcon;

// Shows a message without any service of the desktop, such as a window beside the bar.
using LocalMessage = std::function<void(const QString& summary, const QString& body)>;

// Passive messages to the user that never wait for an answer: a desktop notification over
// the session bus, else the tray icon's message while the icon shows, else `local`.
class Notifier : public QObject {
    Q_OBJECT
public:
    explicit Notifier(QSystemTrayIcon* tray, LocalMessage local = {}, QObject* parent = nullptr);

    void show(const QString& summary, const QString& body);

private:
    void showWithoutService(const QString& summary, const QString& body);

    QPointer<QSystemTrayIcon> m_tray;
    LocalMessage m_local;
};

// The notice of a failed launch: Cannot open "Notes" / why.
void notifyLaunchFailure(Notifier& notifier, const QString& caption, const QString& why);
