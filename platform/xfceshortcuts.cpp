// SPDX-License-Identifier: GPL-3.0-or-later
// Xfce's keyboard shortcuts through xfconfd on the session bus.
#include "core/error.h"
#include "platform/shortcutstore.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const QString kXfceChannel = u"xfce4-keyboard-shortcuts"_qs;
const QString kXfceCommands = u"/commands/custom/"_qs;
const QString kXfceWindowManager = u"/xfwm4/custom/"_qs;

class XfceStore : public MenuShortcutStore {
public:
    QString desktopName() const override { return u"Xfce"_qs; }

    std::optional<QKeyCombination> current() override {
        const auto ours = ourAccelerators(properties(kXfceCommands));
        if (ours.isEmpty())
            return std::nullopt;
        return keysOfGtkAccelerator(ours.first());
    }

    QString takenBy(QKeyCombination keys) override {
        for (const QString& base : {kXfceCommands, kXfceWindowManager}) {
            const QVariantMap values = properties(base);
            for (auto it = values.begin(); it != values.end(); ++it)
                if (keysOfGtkAccelerator(it.key()) == keys &&
                    !isMenuShortcutCommand(it.value().toString()))
                    return it.value().toString();
        }
        return {};
    }

    void set(QKeyCombination keys, const QString& command) override {
        const QString accelerator = bindable(gtkAccelerator(keys));
        const QVariantMap values = properties(kXfceCommands);
        const QString taken = values.value(accelerator).toString();
        if (values.contains(accelerator) && !isMenuShortcutCommand(taken))
            throw LarkspanError(
                MenuShortcutStore::tr("%1 is already bound to \"%2\".").arg(accelerator, taken));
        call(u"SetProperty"_qs, {kXfceChannel, kXfceCommands + accelerator,
                                 QVariant::fromValue(QDBusVariant(command))});
        try {
            for (const QString& old : ourAccelerators(values))
                if (old != accelerator)
                    reset(kXfceCommands + old);
        } catch (const LarkspanError&) {
            try {
                reset(kXfceCommands + accelerator);
            } catch (const LarkspanError&) {
                // The first failure is the one to tell.
            }
            throw;
        }
    }

    void clear() override {
        for (const QString& old : ourAccelerators(properties(kXfceCommands)))
            reset(kXfceCommands + old);
    }

private:
    static QDBusMessage call(const QString& method, const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            u"org.xfce.Xfconf"_qs, u"/org/xfce/Xfconf"_qs, u"org.xfce.Xfconf"_qs, method);
        message.setArguments(arguments);
        const QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, 10000);
        if (reply.type() == QDBusMessage::ErrorMessage)
            throw LarkspanError(MenuShortcutStore::tr("Xfce's settings service failed: %1")
                                    .arg(reply.errorMessage()));
        return reply;
    }
    static void reset(const QString& property) {
        call(u"ResetProperty"_qs, {kXfceChannel, property, true});
    }
    // The accelerators directly under `base` and their values; none while the channel or
    // the folder does not exist yet.
    static QVariantMap properties(const QString& base) {
        QDBusMessage message =
            QDBusMessage::createMethodCall(u"org.xfce.Xfconf"_qs, u"/org/xfce/Xfconf"_qs,
                                           u"org.xfce.Xfconf"_qs, u"GetAllProperties"_qs);
        message.setArguments({kXfceChannel, base.chopped(1)});
        const QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, 10000);
        if (reply.type() == QDBusMessage::ErrorMessage) {
            if (reply.errorName().startsWith(u"org.xfce.Xfconf.Error"_qs))
                return {};
            throw LarkspanError(MenuShortcutStore::tr("Xfce's settings service failed: %1")
                                    .arg(reply.errorMessage()));
        }
        QVariantMap values;
        const QVariantMap all = qdbus_cast<QVariantMap>(reply.arguments().value(0));
        for (auto it = all.begin(); it != all.end(); ++it) {
            const QString accelerator = it.key().mid(base.size());
            if (it.key().startsWith(base) && !accelerator.contains(u'/'))
                values.insert(accelerator, it.value());
        }
        return values;
    }
    static QStringList ourAccelerators(const QVariantMap& values) {
        QStringList ours;
        for (auto it = values.begin(); it != values.end(); ++it)
            if (isMenuShortcutCommand(it.value().toString()))
                ours << it.key();
        return ours;
    }
};

} // namespace

std::unique_ptr<MenuShortcutStore> xfceShortcutStore() {
    return std::make_unique<XfceStore>();
}
