// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <optional>

// The program on the session bus as org.larkspan.Larkspan, through the desktop's
// org.freedesktop.Application interface: a key binding or a desktop entry's action reaches the
// running copy with `gapplication action org.larkspan.Larkspan NAME`.
class ApplicationService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    static constexpr auto kServiceName = "org.larkspan.Larkspan";
    static constexpr auto kObjectPath = "/org/larkspan/Larkspan";

    explicit ApplicationService(QStringList actions, QObject* parent = nullptr);
    ~ApplicationService() override;

    // Takes the name on `bus`; false without a bus or when another copy holds the name, and
    // the program goes on without it.
    bool registerOn(const QDBusConnection& bus);
    // The answer to a name that is none of the actions, here and on the action socket.
    static QString noSuchAction(const QString& name);

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap& platformData);
    Q_SCRIPTABLE void ActivateAction(const QString& name, const QVariantList& parameter,
                                     const QVariantMap& platformData);
    Q_SCRIPTABLE QStringList ListActions() const;

signals:
    // Delivered after the call has been answered: what they open may run a modal loop.
    void activated();
    void actionActivated(const QString& name);

private:
    QStringList m_actions;
    std::optional<QDBusConnection> m_bus;
};
