// SPDX-License-Identifier: GPL-3.0-or-later
// KDE Plasma's global shortcuts: kglobalshortcutsrc, a desktop file, kglobalaccel.
#include "core/error.h"
#include "core/safefile.h"
#include "platform/shortcutstore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <system_error>

namespace {

const QString kKdeDesktopFile = u"larkspan-menu.desktop"_qs;
const QByteArray kKdeGroup = "[services][larkspan-menu.desktop]";

// A group of a KConfig file: its header line and where its bytes start and end (at the next
// header or the end of the file).
struct ConfigGroup {
    QByteArray header;
    qsizetype start = 0;
    qsizetype end = 0;
};

QList<ConfigGroup> configGroups(const QByteArray& text) {
    QList<ConfigGroup> groups;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype next = text.indexOf('\n', at);
        next = next < 0 ? text.size() : next + 1;
        if (text[at] == '[') {
            if (!groups.isEmpty())
                groups.last().end = at;
            groups << ConfigGroup{text.mid(at, next - at).trimmed(), at, text.size()};
        }
        at = next;
    }
    return groups;
}

std::optional<ConfigGroup> ourGroup(const QByteArray& text) {
    for (const ConfigGroup& group : configGroups(text))
        if (group.header == kKdeGroup)
            return group;
    return std::nullopt;
}

// "Meta+Space\tMeta+S,none,Friendly name": the keys in force come first, tab-separated.
bool holdsKeys(const QByteArray& value, QKeyCombination keys) {
    const QStringList inForce = QString::fromUtf8(value).section(u',', 0, 0).split(u'\t');
    return std::any_of(inForce.begin(), inForce.end(),
                       [&](const QString& k) { return keysOfKdeShortcut(k) == keys; });
}

class KdeStore : public MenuShortcutStore {
public:
    KdeStore(QString configFile, QString applicationsFolder)
        : m_configFile(std::move(configFile)),
          m_desktopFile(applicationsFolder + u'/' + kKdeDesktopFile) {}

    QString desktopName() const override { return u"KDE Plasma"_qs; }

    std::optional<QKeyCombination> current() override {
        const QByteArray text = SafeFile::read(m_configFile).value_or(QByteArray());
        const auto group = ourGroup(text);
        if (!group)
            return std::nullopt;
        for (const QByteArray& line : text.mid(group->start, group->end - group->start).split('\n'))
            if (line.startsWith("_launch="))
                return keysOfKdeShortcut(QString::fromUtf8(line.mid(8)).section(u',', 0, 0));
        return std::nullopt;
    }

    QString takenBy(QKeyCombination keys) override {
        const QByteArray text = SafeFile::read(m_configFile).value_or(QByteArray());
        for (const ConfigGroup& group : configGroups(text)) {
            if (group.header == kKdeGroup)
                continue;
            for (const QByteArray& line :
                 text.mid(group.start, group.end - group.start).split('\n')) {
                const qsizetype equals = line.indexOf('=');
                if (equals <= 0 || !holdsKeys(line.mid(equals + 1), keys))
                    continue;
                // The action's own friendly name, else the application's desktop file.
                const QString friendly = QString::fromUtf8(line.mid(equals + 1)).section(u',', 2);
                if (!friendly.isEmpty())
                    return friendly;
                return line.startsWith("_launch=")
                           ? QString::fromUtf8(group.header).section(u'[', -1).chopped(1)
                           : QString::fromUtf8(line.left(equals));
            }
        }
        return {};
    }

    void set(QKeyCombination keys, const QString& command) override {
        const QByteArray launch = "_launch=" + kdeShortcut(keys).toUtf8() + "\n";
        // The desktop file alone binds nothing, so it goes first.
        writeFile(m_desktopFile, [&](const QByteArray&) {
            return "[Desktop Entry]\nType=Application\nName=" +
                   MenuShortcutStore::tr("Larkspan menu").toUtf8() + "\nExec=" +
                   QString(command).replace(u'\\', u"\\\\"_qs).replace(u'%', u"%%"_qs).toUtf8() +
                   "\nNoDisplay=true\nX-KDE-GlobalAccel-CommandShortcut=true\n";
        });
        writeFile(m_configFile, [&](QByteArray text) {
            if (const auto group = ourGroup(text)) {
                const qsizetype line = text.indexOf("\n_launch=", group->start);
                if (line >= 0 && line < group->end) {
                    const qsizetype end = text.indexOf('\n', line + 1);
                    return text.replace(line + 1, (end < 0 ? text.size() : end + 1) - line - 1,
                                        launch);
                }
                return text.insert(text.indexOf('\n', group->start) + 1, launch);
            }
            const QByteArray gap = text.isEmpty() || text.endsWith("\n\n") ? ""
                                   : text.endsWith('\n')                   ? "\n"
                                                                           : "\n\n";
            return text + gap + kKdeGroup + "\n" + launch;
        });
        tellKglobalaccel(keys.toCombined());
    }

    void clear() override {
        writeFile(m_configFile, [&](QByteArray text) {
            if (const auto group = ourGroup(text)) {
                const bool last = group->end == text.size();
                text.remove(group->start, group->end - group->start);
                // The blank line set() put before a group it appended.
                if (last && text.endsWith("\n\n"))
                    text.chop(1);
            }
            return text;
        });
        if (QFile::exists(m_desktopFile) && !QFile::remove(m_desktopFile))
            throw LarkspanError(MenuShortcutStore::tr("Cannot delete \"%1\".")
                                    .arg(SafeFile::shownPath(m_desktopFile)));
        tellKglobalaccel(std::nullopt);
    }

private:
    static void writeFile(const QString& fileName,
                          const std::function<QByteArray(QByteArray)>& change) {
        try {
            QDir().mkpath(QFileInfo(fileName).absolutePath());
            SafeFile::update(fileName, [&](const std::optional<QByteArray>& old) {
                return change(old.value_or(QByteArray()));
            });
        } catch (const std::system_error& e) {
            throw LarkspanError(MenuShortcutStore::tr("Cannot write \"%1\". %2")
                                    .arg(SafeFile::shownPath(fileName),
                                         QString::fromLocal8Bit(e.code().message())));
        }
    }

    // A running kglobalaccel keeps the shortcuts in memory and writes them back over the
    // file: it is given the new keys itself.
    static void tellKglobalaccel(std::optional<int> keys) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        const QString service = u"org.kde.kglobalaccel"_qs;
        if (!bus.interface() || !bus.interface()->isServiceRegistered(service))
            return;
        const QStringList action{kKdeDesktopFile, u"_launch"_qs,
                                 MenuShortcutStore::tr("Larkspan menu"),
                                 MenuShortcutStore::tr("Larkspan menu")};
        const auto call = [&](const QString& method, const QVariantList& arguments) {
            QDBusMessage message = QDBusMessage::createMethodCall(
                service, u"/kglobalaccel"_qs, u"org.kde.KGlobalAccel"_qs, method);
            message.setArguments(arguments);
            const QDBusMessage reply = bus.call(message, QDBus::Block, 10000);
            if (reply.type() == QDBusMessage::ErrorMessage)
                throw LarkspanError(MenuShortcutStore::tr("KDE's shortcut service failed: %1")
                                        .arg(reply.errorMessage()));
        };
        call(u"doRegister"_qs, {action});
        call(u"setForeignShortcut"_qs,
             {action, QVariant::fromValue(keys ? QList<int>{*keys} : QList<int>{})});
        if (!keys)
            call(u"unregister"_qs, {kKdeDesktopFile, u"_launch"_qs});
    }

    QString m_configFile;
    QString m_desktopFile;
};

} // namespace

std::unique_ptr<MenuShortcutStore> kdeShortcutStore(const QString& configFile,
                                                    const QString& applicationsFolder) {
    return std::make_unique<KdeStore>(configFile, applicationsFolder);
}
