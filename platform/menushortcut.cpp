// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/menushortcut.h"

#include "desktopentry/commandline.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QRegularExpression>
#include <array>
#include <utility>

namespace {

const QString kTrigger = u"larkspan-action"_qs;

// X keysym names, which GTK accelerators and openbox's keys both use; letters and digits are
// handled apart.
const std::pair<Qt::Key, const char*> kKeyNames[] = {
    {Qt::Key_Space, "space"},
    {Qt::Key_Return, "Return"},
    {Qt::Key_Escape, "Escape"},
    {Qt::Key_Tab, "Tab"},
    {Qt::Key_Backspace, "BackSpace"},
    {Qt::Key_Insert, "Insert"},
    {Qt::Key_Delete, "Delete"},
    {Qt::Key_Home, "Home"},
    {Qt::Key_End, "End"},
    {Qt::Key_PageUp, "Page_Up"},
    {Qt::Key_PageDown, "Page_Down"},
    {Qt::Key_Left, "Left"},
    {Qt::Key_Right, "Right"},
    {Qt::Key_Up, "Up"},
    {Qt::Key_Down, "Down"},
    {Qt::Key_Print, "Print"},
    {Qt::Key_Pause, "Pause"},
    {Qt::Key_Menu, "Menu"},
    {Qt::Key_Comma, "comma"},
    {Qt::Key_Period, "period"},
    {Qt::Key_Slash, "slash"},
    {Qt::Key_Minus, "minus"},
    {Qt::Key_Equal, "equal"},
    {Qt::Key_Semicolon, "semicolon"},
    {Qt::Key_Apostrophe, "apostrophe"},
    {Qt::Key_QuoteLeft, "grave"},
    {Qt::Key_BracketLeft, "bracketleft"},
    {Qt::Key_BracketRight, "bracketright"},
    {Qt::Key_Backslash, "backslash"},
    {Qt::Key_Plus, "plus"},
    {Qt::Key_Asterisk, "asterisk"},
    {Qt::Key_Exclam, "exclam"},
    {Qt::Key_At, "at"},
    {Qt::Key_NumberSign, "numbersign"},
    {Qt::Key_Dollar, "dollar"},
    {Qt::Key_Percent, "percent"},
    {Qt::Key_Ampersand, "ampersand"},
    {Qt::Key_ParenLeft, "parenleft"},
    {Qt::Key_ParenRight, "parenright"},
};

std::optional<QString> keyName(Qt::Key key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return QString(QChar(u'a' + (key - Qt::Key_A)));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return QString(QChar(u'0' + (key - Qt::Key_0)));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return u"F"_qs + QString::number(key - Qt::Key_F1 + 1);
    for (const auto& [k, name] : kKeyNames)
        if (k == key)
            return QString::fromLatin1(name);
    return std::nullopt;
}

std::optional<Qt::Key> keyOfName(const QString& name) {
    if (name.size() == 1 && name[0].toLower() >= u'a' && name[0].toLower() <= u'z')
        return Qt::Key(Qt::Key_A + (name[0].toLower().unicode() - u'a'));
    if (name.size() == 1 && name[0] >= u'0' && name[0] <= u'9')
        return Qt::Key(Qt::Key_0 + (name[0].unicode() - u'0'));
    static const QRegularExpression function(u"^F([1-9][0-9]?)$"_qs);
    if (const auto m = function.match(name); m.hasMatch() && m.captured(1).toInt() <= 35)
        return Qt::Key(Qt::Key_F1 + m.captured(1).toInt() - 1);
    for (const auto& [k, keyName] : kKeyNames)
        if (name.compare(QLatin1String(keyName), Qt::CaseInsensitive) == 0)
            return k;
    return std::nullopt;
}

struct ModifierName {
    Qt::KeyboardModifier modifier;
    const char* gtk;
    const char* openbox;
};
// In the order GTK writes them.
const std::array<ModifierName, 4> kModifiers{{{Qt::ShiftModifier, "Shift", "S"},
                                              {Qt::ControlModifier, "Primary", "C"},
                                              {Qt::AltModifier, "Alt", "A"},
                                              {Qt::MetaModifier, "Super", "W"}}};

std::optional<Qt::KeyboardModifier> modifierOfGtkName(const QString& name) {
    const QString n = name.toLower();
    if (n == u"shift")
        return Qt::ShiftModifier;
    if (n == u"primary" || n == u"control" || n == u"ctrl" || n == u"ctl")
        return Qt::ControlModifier;
    if (n == u"alt" || n == u"mod1")
        return Qt::AltModifier;
    if (n == u"super" || n == u"mod4")
        return Qt::MetaModifier;
    return std::nullopt;
}

std::optional<Qt::KeyboardModifier> modifierOfOpenboxName(const QString& name) {
    if (name == u"S")
        return Qt::ShiftModifier;
    if (name == u"C")
        return Qt::ControlModifier;
    if (name == u"A" || name == u"Mod1")
        return Qt::AltModifier;
    if (name == u"W" || name == u"Mod4")
        return Qt::MetaModifier;
    return std::nullopt;
}

// Keypad keys and AltGr are refused: the stores' names do not tell them apart.
bool hasOnlyShortcutModifiers(QKeyCombination keys) {
    return !(keys.keyboardModifiers() &
             ~(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// A store's words for `keys`: the modifiers in GTK's order, each as `modifierText` writes it,
// then the key's name.
template <typename ModifierText>
std::optional<QString> keysText(QKeyCombination keys, ModifierText modifierText) {
    const auto name = keyName(keys.key());
    if (!name || !hasOnlyShortcutModifiers(keys))
        return std::nullopt;
    QString text;
    for (const ModifierName& m : kModifiers)
        if (keys.keyboardModifiers() & m.modifier)
            text += modifierText(m);
    return text + *name;
}

} // namespace

QString menuShortcutCommand(const QString& programFolder) {
    QString path = QFileInfo(programFolder + u'/' + kTrigger).absoluteFilePath();
    static const QRegularExpression needsQuotes(u"[\\s'\"\\\\$`]"_qs);
    if (path.contains(needsQuotes)) {
        // Double quotes are what every desktop's parser reads alike; inside them only these
        // four characters need a backslash.
        static const QRegularExpression special(u"([\"\\\\$`])"_qs);
        path = u'"' + path.replace(special, u"\\\\1"_qs) + u'"';
    }
    return path + u" menu"_qs;
}

bool isMenuShortcutCommand(const QString& command) {
    const auto words = splitCommandLine(command);
    return words && words->size() == 2 && words->at(1) == u"menu" &&
           QFileInfo(words->at(0)).fileName() == kTrigger;
}

bool isAcceptedShortcut(QKeyCombination keys) {
    const Qt::Key key = keys.key();
    if (!keyName(key) || !hasOnlyShortcutModifiers(keys))
        return false;
    const bool functionKey = key >= Qt::Key_F1 && key <= Qt::Key_F35;
    return functionKey ||
           (keys.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

std::optional<QString> gtkAccelerator(QKeyCombination keys) {
    return keysText(keys, [](const ModifierName& m) { return u'<' + QLatin1String(m.gtk) + u'>'; });
}

std::optional<QKeyCombination> keysOfGtkAccelerator(const QString& accelerator) {
    static const QRegularExpression modifier(u"^<([A-Za-z0-9]+)>"_qs);
    Qt::KeyboardModifiers modifiers;
    QString rest = accelerator.trimmed();
    for (auto m = modifier.match(rest); m.hasMatch(); m = modifier.match(rest)) {
        const auto mod = modifierOfGtkName(m.captured(1));
        if (!mod)
            return std::nullopt;
        modifiers |= *mod;
        rest = rest.mid(m.capturedLength());
    }
    const auto key = keyOfName(rest);
    if (!key)
        return std::nullopt;
    return QKeyCombination(modifiers, *key);
}

std::optional<QString> openboxKey(QKeyCombination keys) {
    return keysText(keys, [](const ModifierName& m) { return QLatin1String(m.openbox) + u'-'; });
}

std::optional<QKeyCombination> keysOfOpenboxKey(const QString& key) {
    QStringList parts = key.trimmed().split(u'-');
    const auto name = keyOfName(parts.takeLast());
    if (!name)
        return std::nullopt;
    Qt::KeyboardModifiers modifiers;
    for (const QString& part : parts) {
        const auto mod = modifierOfOpenboxName(part);
        if (!mod)
            return std::nullopt;
        modifiers |= *mod;
    }
    return QKeyCombination(modifiers, *name);
}

QString kdeShortcut(QKeyCombination keys) {
    return QKeySequence(keys).toString(QKeySequence::PortableText);
}

std::optional<QKeyCombination> keysOfKdeShortcut(const QString& shortcut) {
    const QKeySequence sequence = QKeySequence::fromString(shortcut, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        return std::nullopt;
    return sequence[0];
}

ShortcutDesktop shortcutDesktopFor(const QStringList& currentDesktops) {
    // Desktops run by GNOME's settings daemon keep its custom keybindings.
    for (const QString& desktop : currentDesktops) {
        const QString d = desktop.toLower();
        if (d == u"gnome" || d == u"unity" || d == u"budgie")
            return ShortcutDesktop::Gnome;
        if (d == u"x-cinnamon" || d == u"cinnamon")
            return ShortcutDesktop::Cinnamon;
        if (d == u"xfce")
            return ShortcutDesktop::Xfce;
        if (d == u"kde")
            return ShortcutDesktop::Kde;
        if (d == u"openbox" || d == u"lxde")
            return ShortcutDesktop::Openbox;
    }
    return ShortcutDesktop::Unsupported;
}
