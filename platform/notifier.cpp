// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/notifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSystemTrayIcon>
#include <QVariantMap>

Notifier::Notifier(QSystemTrayIcon* tray, LocalMessage local, QObject* parent)
    : QObject(parent), m_tray(tray), m_local(std::move(local)) {}

void Notifier::show(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        showWithoutService(summary, body);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        u"org.freedesktop.Notifications"_qs, u"/org/freedesktop/Notifications"_qs,
        u"org.freedesktop.Notifications"_qs, u"Notify"_qs);
    call << u"Larkspan"_qs << 0u << u"larkspan"_qs << summary << body << QStringList()
         << QVariantMap() << -1;
    // Answered later, or with an error when no notification server runs.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, summary, body] {
        watcher->deleteLater();
        if (watcher->isError())
            showWithoutService(summary, body);
    });
}

void Notifier::showWithoutService(const QString& summary, const QString& body) {
    if (m_tray && m_tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        m_tray->showMessage(summary, body, QSystemTrayIcon::Warning);
    else if (m_local)
        m_local(summary, body);
}

void notifyLaunchFailure(Notifier& notifier, const QString& caption, const QString& why) {
    notifier.show(QCoreApplication::translate("Notifier", "Cannot open \"%1\"").arg(caption), why);
}
