// SPDX-License-Identifier: GPL-3.0-or-later
// GNOME's custom keybindings through the gsettings tool.
#include "core/error.h"
#include "platform/shortcutstore.h"

namespace {

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
        return runDesktopTool(u"gsettings"_qs, arguments);
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

} // namespace

std::unique_ptr<MenuShortcutStore> gnomeShortcutStore() {
    return std::make_unique<GnomeStore>();
}
