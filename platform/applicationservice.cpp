// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/applicationservice.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QTimer>

ApplicationService::ApplicationService(QStringList actions, QObject* parent)
    : QObject(parent), m_actions(std::move(actions)) {}

ApplicationService::~ApplicationService() {
    if (m_bus) {
        m_bus->unregisterService(QLatin1String(kServiceName));
        m_bus->unregisterObject(QLatin1String(kObjectPath));
    }
}

bool ApplicationService::registerOn(const QDBusConnection& bus) {
    if (!bus.isConnected())
        return false;
    QDBusConnection connection(bus);
    if (!connection.registerObject(QLatin1String(kObjectPath), this,
                                   QDBusConnection::ExportScriptableSlots))
        return false;
    if (!connection.registerService(QLatin1String(kServiceName))) {
        connection.unregisterObject(QLatin1String(kObjectPath));
        return false;
    }
    m_bus = connection;
    return true;
}

void ApplicationService::Activate(const QVariantMap&) {
    QTimer::singleShot(0, this, &ApplicationService::activated);
}

void ApplicationService::ActivateAction(const QString& name, const QVariantList&,
                                        const QVariantMap&) {
    if (!m_actions.contains(name)) {
        sendErrorReply(QDBusError::InvalidArgs, tr("There is no action \"%1\".").arg(name));
        return;
    }
    QTimer::singleShot(0, this, [this, name] { emit actionActivated(name); });
}

QStringList ApplicationService::ListActions() const {
    return m_actions;
}
