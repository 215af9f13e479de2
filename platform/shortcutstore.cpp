// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shortcutstore.h"

#include "core/error.h"
#include "core/safefile.h"
#include "desktopentry/newentries.h"
#include "x11/desktopwindow.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <system_error>

namespace {

// Runs one of the desktop's tools to its end; its output, or a LarkspanError in its words.
QByteArray runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        throw LarkspanError(MenuShortcutStore::tr("%1 could not be started.").arg(program));
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        throw LarkspanError(
            MenuShortcutStore::tr("%1 did not answer within 10 seconds.").arg(program));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw LarkspanError(
            MenuShortcutStore::tr("%1 %2 failed: %3")
                .arg(program, arguments.value(0),
                     QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));
    return process.readAllStandardOutput();
}

// --- GNOME ------------------------------------------------------------------------------

const QString kMediaKeys = u"org.gnome.settings-daemon.plugins.media-keys"_qs;
const QString kOurPath =
    u"/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/larkspan/"_qs;
// Where the desktop's own bindings live, besides the custom ones.
const QStringList kGnomeBindingSchemas{
    u"org.gnome.desktop.wm.keybindings"_qs, u"org.gnome.shell.keybindings"_qs,
    u"org.gnome.mutter.keybindings"_qs, u"org.gnome.mutter.wayland.keybindings"_qs, kMediaKeys};

// The strings of a value in GVariant's text form ('a', "b", ['c', 'd']), unescaped.
QStringList gvariantStrings(const QString& text) {
    QStringList strings;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar quote = text[i];
        if (quote != u'\'' && quote != u'"')
            continue;
        QString s;
        for (++i; i < text.size() && text[i] != quote; ++i) {
            if (text[i] == u'\\' && i + 1 < text.size())
                ++i;
            s += text[i];
        }
        strings << s;
    }
    return strings;
}

QString gvariantString(QString text) {
    return u'\'' + text.replace(u'\\', u"\\\\"_qs).replace(u'\'', u"\\'"_qs) + u'\'';
}

QString gvariantStringArray(const QStringList& strings) {
    if (strings.isEmpty())
        return u"@as []"_qs;
    QStringList quoted;
    for (const QString& s : strings)
        quoted << gvariantString(s);
    return u'[' + quoted.join(u", "_qs) + u']';
}

// "switch-input-source" as "Switch input source".
QString wordsOfKeyName(QString key) {
    key.replace(u'-', u' ');
    if (!key.isEmpty())
        key[0] = key[0].toUpper();
    return key;
}

class GnomeStore : public MenuShortcutStore {
public:
    QString desktopName() const override { return u"GNOME"_qs; }

    std::optional<QKeyCombination> current() override {
        if (!customPaths().contains(kOurPath))
            return std::nullopt;
        return keysOfGtkAccelerator(customValue(kOurPath, u"binding"_qs));
    }

    QString takenBy(QKeyCombination keys) override {
        const QString schemas = QString::fromUtf8(gsettings({u"list-schemas"_qs}));
        for (const QString& schema : kGnomeBindingSchemas) {
            if (!schemas.split(u'\n').contains(schema))
                continue;
            const QString lines = QString::fromUtf8(gsettings({u"list-recursively"_qs, schema}));
            for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts)) {
                const QStringList fields = line.split(u' ');
                if (fields.size() < 3)
                    continue;
                for (const QString& accelerator : gvariantStrings(fields.mid(2).join(u' ')))
                    if (keysOfGtkAccelerator(accelerator) == keys)
                        return wordsOfKeyName(fields[1]);
            }
        }
        for (const QString& path : customPaths())
            if (path != kOurPath && keysOfGtkAccelerator(customValue(path, u"binding"_qs)) == keys)
                return customValue(path, u"name"_qs);
        return {};
    }

    void set(QKeyCombination keys, const QString& command) override {
        const auto accelerator = gtkAccelerator(keys);
        if (!accelerator)
            throw LarkspanError(tr("GNOME cannot bind this key."));
        const QStringList paths = customPaths();
        const bool listed = paths.contains(kOurPath);
        const QStringList keyNames{u"name"_qs, u"command"_qs, u"binding"_qs};
        QStringList before;
        for (const QString& key : keyNames)
            before << customValue(kOurPath, key);
        // The binding is complete before its path makes it count.
        try {
            const QStringList values{tr("Larkspan menu"), command, *accelerator};
            for (qsizetype i = 0; i < keyNames.size(); ++i)
                gsettings(
                    {u"set"_qs, customSchema(kOurPath), keyNames[i], gvariantString(values[i])});
            if (!listed)
                setCustomPaths(paths + QStringList{kOurPath});
        } catch (const LarkspanError&) {
            try {
                if (listed)
                    for (qsizetype i = 0; i < keyNames.size(); ++i)
                        gsettings({u"set"_qs, customSchema(kOurPath), keyNames[i],
                                   gvariantString(before[i])});
                else
                    gsettings({u"reset-recursively"_qs, customSchema(kOurPath)});
            } catch (const LarkspanError&) {
                // The first failure is the one to tell; the settings refused the undo too.
            }
            throw;
        }
    }

    void clear() override {
        QStringList paths = customPaths();
        if (paths.removeAll(kOurPath) > 0)
            setCustomPaths(paths);
        gsettings({u"reset-recursively"_qs, customSchema(kOurPath)});
    }

private:
    static QByteArray gsettings(const QStringList& arguments) {
        return runTool(u"gsettings"_qs, arguments);
    }
    static QString customSchema(const QString& path) {
        return kMediaKeys + u".custom-keybinding:"_qs + path;
    }
    static QString customValue(const QString& path, const QString& key) {
        return gvariantStrings(QString::fromUtf8(gsettings({u"get"_qs, customSchema(path), key})))
            .value(0);
    }
    static QStringList customPaths() {
        return gvariantStrings(
            QString::fromUtf8(gsettings({u"get"_qs, kMediaKeys, u"custom-keybindings"_qs})));
    }
    static void setCustomPaths(const QStringList& paths) {
        gsettings({u"set"_qs, kMediaKeys, u"custom-keybindings"_qs, gvariantStringArray(paths)});
    }
};

// --- Xfce -------------------------------------------------------------------------------

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
        const auto accelerator = gtkAccelerator(keys);
        if (!accelerator)
            throw LarkspanError(tr("Xfce cannot bind this key."));
        const QVariantMap values = properties(kXfceCommands);
        const QString taken = values.value(*accelerator).toString();
        if (values.contains(*accelerator) && !isMenuShortcutCommand(taken))
            throw LarkspanError(tr("%1 is already bound to \"%2\".").arg(*accelerator, taken));
        call(u"SetProperty"_qs, {kXfceChannel, kXfceCommands + *accelerator,
                                 QVariant::fromValue(QDBusVariant(command))});
        try {
            for (const QString& old : ourAccelerators(values))
                if (old != *accelerator)
                    reset(kXfceCommands + old);
        } catch (const LarkspanError&) {
            try {
                reset(kXfceCommands + *accelerator);
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
            throw LarkspanError(tr("Xfce's settings service failed: %1").arg(reply.errorMessage()));
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
            throw LarkspanError(tr("Xfce's settings service failed: %1").arg(reply.errorMessage()));
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

// --- KDE Plasma -------------------------------------------------------------------------

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
            return "[Desktop Entry]\nType=Application\nName=" + tr("Larkspan menu").toUtf8() +
                   "\nExec=" +
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
            throw LarkspanError(
                tr("Cannot delete \"%1\".").arg(SafeFile::shownPath(m_desktopFile)));
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
            throw LarkspanError(tr("Cannot write \"%1\". %2")
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
        const QStringList action{kKdeDesktopFile, u"_launch"_qs, tr("Larkspan menu"),
                                 tr("Larkspan menu")};
        const auto call = [&](const QString& method, const QVariantList& arguments) {
            QDBusMessage message = QDBusMessage::createMethodCall(
                service, u"/kglobalaccel"_qs, u"org.kde.KGlobalAccel"_qs, method);
            message.setArguments(arguments);
            const QDBusMessage reply = bus.call(message, QDBus::Block, 10000);
            if (reply.type() == QDBusMessage::ErrorMessage)
                throw LarkspanError(
                    tr("KDE's shortcut service failed: %1").arg(reply.errorMessage()));
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

// --- openbox ----------------------------------------------------------------------------

// A <keybind> element directly inside <keyboard>, by its bytes in the file.
struct Keybind {
    qsizetype start = 0;
    qsizetype end = 0;
    QString key;
    QByteArray body;
};

QString xmlText(const QByteArray& bytes) {
    return QString::fromUtf8(bytes)
        .replace(u"&lt;"_qs, u"<"_qs)
        .replace(u"&gt;"_qs, u">"_qs)
        .replace(u"&quot;"_qs, u"\""_qs)
        .replace(u"&apos;"_qs, u"'"_qs)
        .replace(u"&amp;"_qs, u"&"_qs);
}

QByteArray xmlEscaped(const QString& text) {
    return text.toHtmlEscaped().replace(u'\'', u"&apos;"_qs).toUtf8();
}

// Comments are skipped: the shipped rc.xml holds commented-out bindings.
QList<Keybind> keybindsIn(const QByteArray& text, qsizetype from, qsizetype to) {
    static const QRegularExpression keyAttribute(u"\\bkey\\s*=\\s*[\"']([^\"']*)[\"']"_qs);
    QList<Keybind> keybinds;
    Keybind open;
    int depth = 0;
    for (qsizetype at = text.indexOf('<', from); at >= 0 && at < to;
         at = text.indexOf('<', at + 1)) {
        const QByteArrayView rest = QByteArrayView(text).sliced(at);
        if (rest.startsWith("<!--")) {
            at = text.indexOf("-->", at);
            if (at < 0)
                break;
        } else if (rest.startsWith("</keybind>")) {
            if (--depth == 0) {
                open.end = at + 10;
                open.body = text.mid(open.start, open.end - open.start);
                keybinds << open;
            }
        } else if (rest.startsWith("<keybind") && rest.size() > 8 &&
                   (rest[8] == '>' || QChar(rest[8]).isSpace())) {
            const qsizetype close = text.indexOf('>', at);
            if (close < 0)
                break;
            const bool empty = text[close - 1] == '/';
            if (depth == 0) {
                open = Keybind{at, close + 1,
                               keyAttribute.match(xmlText(text.mid(at, close - at))).captured(1),
                               text.mid(at, close + 1 - at)};
                if (empty)
                    keybinds << open;
            }
            if (!empty)
                ++depth;
            at = close;
        }
    }
    return keybinds;
}

// The text of the first <command> or <execute> inside a keybind.
QString commandOf(const QByteArray& body) {
    static const QRegularExpression command(u"<(command|execute)>([^<]*)</\\1>"_qs);
    return xmlText(command.match(QString::fromUtf8(body)).captured(2).toUtf8());
}

bool isBlank(QByteArrayView bytes) {
    return bytes.trimmed().isEmpty();
}

class OpenboxStore : public MenuShortcutStore {
public:
    OpenboxStore(QString rcFile, QString seedFile)
        : m_rcFile(std::move(rcFile)), m_seedFile(std::move(seedFile)) {}

    QString desktopName() const override { return u"openbox"_qs; }

    std::optional<QKeyCombination> current() override {
        const QByteArray text = content();
        for (const Keybind& k : keybinds(text))
            if (isMenuShortcutCommand(commandOf(k.body)))
                return keysOfOpenboxKey(k.key);
        return std::nullopt;
    }

    QString takenBy(QKeyCombination keys) override {
        const QByteArray text = content();
        static const QRegularExpression action(u"<action\\s+name\\s*=\\s*[\"']([^\"']*)"_qs);
        for (const Keybind& k : keybinds(text)) {
            const QString command = commandOf(k.body);
            if (keysOfOpenboxKey(k.key) == keys && !isMenuShortcutCommand(command))
                return command.isEmpty() ? action.match(QString::fromUtf8(k.body)).captured(1)
                                         : command;
        }
        return {};
    }

    void set(QKeyCombination keys, const QString& command) override {
        const auto key = openboxKey(keys);
        if (!key)
            throw LarkspanError(tr("openbox cannot bind this key."));
        const QByteArray keybind = "<keybind key=\"" + xmlEscaped(*key) +
                                   "\"><action name=\"Execute\"><command>" + xmlEscaped(command) +
                                   "</command></action></keybind>";
        write([&](QByteArray text) {
            if (const auto ours = ourKeybind(text))
                return text.replace(ours->start, ours->end - ours->start, keybind);
            const qsizetype end = text.indexOf("</keyboard>");
            if (end < 0) {
                const qsizetype last = text.lastIndexOf("</openbox_config>");
                if (last < 0)
                    throw LarkspanError(tr("%1 is not a configuration of openbox.")
                                            .arg(SafeFile::shownPath(m_rcFile)));
                return text.insert(last, "<keyboard>\n  " + keybind + "\n</keyboard>\n");
            }
            // On a line of its own, indented one step deeper than the closing tag.
            const qsizetype lineStart = text.lastIndexOf('\n', end) + 1;
            const QByteArray indent = text.mid(lineStart, end - lineStart);
            if (isBlank(indent))
                return text.insert(lineStart, indent + "  " + keybind + "\n");
            return text.insert(end, keybind);
        });
    }

    void clear() override {
        write([&](QByteArray text) {
            const auto ours = ourKeybind(text);
            if (!ours)
                return text;
            qsizetype start = ours->start;
            qsizetype end = ours->end;
            // Its whole line goes when it stands alone on it, as set() put it.
            const qsizetype lineStart = text.lastIndexOf('\n', start - 1) + 1;
            qsizetype lineEnd = text.indexOf('\n', end);
            if (lineEnd < 0)
                lineEnd = text.size();
            if (isBlank(QByteArrayView(text).sliced(lineStart, start - lineStart)) &&
                isBlank(QByteArrayView(text).sliced(end, lineEnd - end))) {
                start = lineStart;
                end = qMin(lineEnd + 1, text.size());
            }
            return text.remove(start, end - start);
        });
    }

private:
    QByteArray content() const {
        if (const auto text = SafeFile::read(m_rcFile))
            return *text;
        return SafeFile::read(m_seedFile).value_or(QByteArray());
    }
    static QList<Keybind> keybinds(const QByteArray& text) {
        const qsizetype start = text.indexOf("<keyboard");
        const qsizetype end = text.indexOf("</keyboard>");
        return start < 0 || end < 0 ? QList<Keybind>() : keybindsIn(text, start + 9, end);
    }
    static std::optional<Keybind> ourKeybind(const QByteArray& text) {
        for (const Keybind& k : keybinds(text))
            if (isMenuShortcutCommand(commandOf(k.body)))
                return k;
        return std::nullopt;
    }
    void write(const std::function<QByteArray(QByteArray)>& change) {
        try {
            QDir().mkpath(QFileInfo(m_rcFile).absolutePath());
            SafeFile::update(m_rcFile, [&](const std::optional<QByteArray>& old) {
                if (old)
                    return change(*old);
                const auto seed = SafeFile::read(m_seedFile);
                if (!seed)
                    throw LarkspanError(
                        tr("Neither %1 nor %2 can be read.")
                            .arg(SafeFile::shownPath(m_rcFile), SafeFile::shownPath(m_seedFile)));
                return change(*seed);
            });
        } catch (const std::system_error& e) {
            throw LarkspanError(tr("Cannot write \"%1\". %2")
                                    .arg(SafeFile::shownPath(m_rcFile),
                                         QString::fromLocal8Bit(e.code().message())));
        }
        // The file is in place either way; a window manager that cannot be reached reads it
        // when it next starts.
        try {
            runTool(u"openbox"_qs, {u"--reconfigure"_qs});
        } catch (const LarkspanError&) {
        }
    }

    QString m_rcFile;
    QString m_seedFile;
};

} // namespace

std::unique_ptr<MenuShortcutStore> gnomeShortcutStore() {
    return std::make_unique<GnomeStore>();
}

std::unique_ptr<MenuShortcutStore> xfceShortcutStore() {
    return std::make_unique<XfceStore>();
}

std::unique_ptr<MenuShortcutStore> kdeShortcutStore(const QString& configFile,
                                                    const QString& applicationsFolder) {
    return std::make_unique<KdeStore>(configFile, applicationsFolder);
}

std::unique_ptr<MenuShortcutStore> openboxShortcutStore(const QString& rcFile,
                                                        const QString& seedFile) {
    return std::make_unique<OpenboxStore>(rcFile, seedFile);
}

QString openboxFileToWrite(const QString& inForce, const QString& configHome, bool lxde) {
    if (!inForce.isEmpty() && inForce.startsWith(QDir(configHome).absolutePath() + u'/'))
        return inForce;
    return configHome + (lxde ? u"/openbox/lxde-rc.xml"_qs : u"/openbox/rc.xml"_qs);
}

std::unique_ptr<MenuShortcutStore> menuShortcutStoreOfDesktop() {
    const QStringList desktops = currentDesktops();
    switch (shortcutDesktopFor(desktops)) {
    case ShortcutDesktop::Gnome:
        return gnomeShortcutStore();
    case ShortcutDesktop::Xfce:
        return xfceShortcutStore();
    case ShortcutDesktop::Kde:
        return kdeShortcutStore(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                u"/kglobalshortcutsrc"_qs,
            QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
    case ShortcutDesktop::Openbox: {
        // openbox names the file it read on the root window.
        const QString inForce = QString::fromUtf8(DesktopWindow::rootWindowText("_OB_CONFIG_FILE"));
        const bool lxde = desktops.contains(u"LXDE"_qs, Qt::CaseInsensitive);
        const QString seed = QFileInfo::exists(inForce)
                                 ? inForce
                                 : QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                                                          u"openbox/rc.xml"_qs);
        return openboxShortcutStore(
            openboxFileToWrite(
                inForce, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                lxde),
            seed);
    }
    case ShortcutDesktop::Unsupported:
        break;
    }
    return nullptr;
}
