// SPDX-License-Identifier: GPL-3.0-or-later
// GNOME's and Cinnamon's custom keybindings through the gsettings tool.
#include "core/error.h"
#include "platform/shortcutstore.h"

namespace {

// Where a desktop keeps custom keybindings in GSettings: GNOME's settings daemon lists their
// paths, Cinnamon their names, and Cinnamon's binding is an array.
struct KeybindingSchemas {
    QString desktop;
    QString listSchema;
    QString listKey;
    QString customSchema; // relocatable, one per binding
    QString customFolder; // where their paths start
    bool listHoldsNames;
    bool bindingIsArray;
    QStringList bindingSchemas; // the desktop's own bindings
};

const KeybindingSchemas kGnome{
    u"GNOME"_qs,
    u"org.gnome.settings-daemon.plugins.media-keys"_qs,
    u"custom-keybindings"_qs,
    u"org.gnome.settings-daemon.plugins.media-keys.custom-keybinding"_qs,
    u"/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/"_qs,
    false,
    false,
    {u"org.gnome.desktop.wm.keybindings"_qs, u"org.gnome.shell.keybindings"_qs,
     u"org.gnome.mutter.keybindings"_qs, u"org.gnome.mutter.wayland.keybindings"_qs,
     u"org.gnome.settings-daemon.plugins.media-keys"_qs}};

const KeybindingSchemas kCinnamon{
    u"Cinnamon"_qs,
    u"org.cinnamon.desktop.keybindings"_qs,
    u"custom-list"_qs,
    u"org.cinnamon.desktop.keybindings.custom-keybinding"_qs,
    u"/org/cinnamon/desktop/keybindings/custom-keybindings/"_qs,
    true,
    true,
    {u"org.cinnamon.desktop.keybindings.wm"_qs, u"org.cinnamon.desktop.keybindings.media-keys"_qs}};

const QString kOurName = u"larkspan"_qs;

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

class GSettingsStore : public MenuShortcutStore {
public:
    explicit GSettingsStore(const KeybindingSchemas& schemas)
        : m_schemas(schemas),
          m_ours(m_schemas.listHoldsNames ? kOurName : m_schemas.customFolder + kOurName + u'/') {}

    QString desktopName() const override { return m_schemas.desktop; }

    std::optional<QKeyCombination> current() override {
        if (!customList().contains(m_ours))
            return std::nullopt;
        return keysOfGtkAccelerator(customValue(m_ours, u"binding"_qs));
    }

    QString takenBy(QKeyCombination keys) override {
        const QStringList installed =
            QString::fromUtf8(gsettings({u"list-schemas"_qs})).split(u'\n');
        for (const QString& schema : m_schemas.bindingSchemas) {
            if (!installed.contains(schema))
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
        for (const QString& entry : customList())
            if (entry != m_ours && keysOfGtkAccelerator(customValue(entry, u"binding"_qs)) == keys)
                return customValue(entry, u"name"_qs);
        return {};
    }

    void set(QKeyCombination keys, const QString& command) override {
        const QString accelerator = bindable(gtkAccelerator(keys));
        const QStringList list = customList();
        const bool listed = list.contains(m_ours);
        const QStringList keyNames{u"name"_qs, u"command"_qs, u"binding"_qs};
        QStringList before;
        for (const QString& key : keyNames)
            before << customValue(m_ours, key);
        // The binding is complete before the list makes it count.
        try {
            const QStringList values{MenuShortcutStore::tr("Larkspan menu"), command, accelerator};
            for (qsizetype i = 0; i < keyNames.size(); ++i)
                setCustomValue(keyNames[i], values[i]);
            if (!listed)
                setCustomList(list + QStringList{m_ours});
        } catch (const LarkspanError&) {
            try {
                if (listed)
                    for (qsizetype i = 0; i < keyNames.size(); ++i)
                        setCustomValue(keyNames[i], before[i]);
                else
                    gsettings({u"reset-recursively"_qs, customSchema(m_ours)});
            } catch (const LarkspanError&) {
                // The first failure is the one to tell; the settings refused the undo too.
            }
            throw;
        }
    }

    void clear() override {
        QStringList list = customList();
        if (list.removeAll(m_ours) > 0)
            setCustomList(list);
        gsettings({u"reset-recursively"_qs, customSchema(m_ours)});
    }

private:
    static QByteArray gsettings(const QStringList& arguments) {
        return runDesktopTool(u"gsettings"_qs, arguments);
    }
    QString customSchema(const QString& entry) const {
        return m_schemas.customSchema + u':' +
               (m_schemas.listHoldsNames ? m_schemas.customFolder + entry + u'/' : entry);
    }
    QString customValue(const QString& entry, const QString& key) const {
        return gvariantStrings(QString::fromUtf8(gsettings({u"get"_qs, customSchema(entry), key})))
            .value(0);
    }
    void setCustomValue(const QString& key, const QString& value) const {
        const bool array = key == u"binding" && m_schemas.bindingIsArray;
        gsettings({u"set"_qs, customSchema(m_ours), key,
                   array ? gvariantStringArray(value.isEmpty() ? QStringList() : QStringList{value})
                         : gvariantString(value)});
    }
    QStringList customList() const {
        return gvariantStrings(
            QString::fromUtf8(gsettings({u"get"_qs, m_schemas.listSchema, m_schemas.listKey})));
    }
    void setCustomList(const QStringList& list) const {
        gsettings({u"set"_qs, m_schemas.listSchema, m_schemas.listKey, gvariantStringArray(list)});
    }

    const KeybindingSchemas& m_schemas;
    QString m_ours; // our entry in the list
};

} // namespace

std::unique_ptr<MenuShortcutStore> gnomeShortcutStore() {
    return std::make_unique<GSettingsStore>(kGnome);
}

std::unique_ptr<MenuShortcutStore> cinnamonShortcutStore() {
    return std::make_unique<GSettingsStore>(kCinnamon);
}
