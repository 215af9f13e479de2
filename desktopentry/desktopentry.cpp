// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopentry/desktopentry.h"

#include "desktopentry/commandline.h"

#include <QFile>
#include <QList>
#include <QStandardPaths>

namespace {

// A desktop entry is a few lines; anything far larger is not one, and reading it would stall
// the menu.
constexpr qint64 DesktopEntryMaxSize = 1 << 20;

QString unescapeDesktopString(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i].unicode()) {
        case u's':
            out += u' ';
            break;
        case u'n':
            out += u'\n';
            break;
        case u't':
            out += u'\t';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'\\':
            out += u'\\';
            break;
        default:
            // Not a string escape: left for the Exec quoting rules, which know \" \$ and \`.
            out += u'\\';
            out += value[i];
        }
    }
    return out;
}

} // namespace

QString messagesLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& content, const QString& location,
                                              const QString& locale) {
    const qsizetype at = locale.indexOf(u'@');
    const QString modifier = at < 0 ? QString() : locale.mid(at);
    QString language = at < 0 ? locale : locale.left(at);
    language.truncate(language.indexOf(u'.') < 0 ? language.size() : language.indexOf(u'.'));
    const QString shortLanguage =
        language.left(language.indexOf(u'_') < 0 ? language.size() : language.indexOf(u'_'));
    // Only the keys used are kept: a desktop's files carry dozens of translations of each.
    enum Key {
        Type,
        Exec,
        Name,
        Icon,
        Path,
        Url,
        Terminal,
        NoDisplay,
        Hidden,
        OnlyShowIn,
        NotShowIn,
        LocalName
    };
    QStringList keys{u"Type"_qs,   u"Exec"_qs,       u"Name"_qs,     u"Icon"_qs,
                     u"Path"_qs,   u"URL"_qs,        u"Terminal"_qs, u"NoDisplay"_qs,
                     u"Hidden"_qs, u"OnlyShowIn"_qs, u"NotShowIn"_qs};
    // The localised names, most specific first; a part the locale lacks repeats a candidate.
    if (!language.isEmpty())
        for (const QString& suffix :
             {language + modifier, language, shortLanguage + modifier, shortLanguage})
            keys.append(u"Name["_qs + suffix + u']');

    const QString text = QString::fromUtf8(content);
    bool inGroup = false;
    bool found = false;
    QList<std::optional<QString>> values(keys.size());
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            if (inGroup)
                break;
            inGroup = line == u"[Desktop Entry]";
            found = found || inGroup;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inGroup || equals < 0)
            continue;
        const QStringView key = line.left(equals).trimmed();
        const qsizetype index = keys.indexOf(key);
        if (index >= 0 && !values[index])
            values[index] = unescapeDesktopString(line.mid(equals + 1).trimmed());
    }
    if (!found)
        return std::nullopt;
    const auto value = [&](qsizetype key) { return values[key].value_or(QString()); };
    DesktopEntry entry;
    entry.type = value(Type);
    entry.exec = value(Exec);
    entry.name = value(Name);
    for (qsizetype i = LocalName; i < keys.size(); ++i) {
        if (values[i]) {
            entry.name = *values[i];
            break;
        }
    }
    entry.icon = value(Icon);
    entry.path = value(Path);
    entry.url = value(Url);
    entry.terminal = value(Terminal) == u"true";
    entry.noDisplay = value(NoDisplay) == u"true";
    entry.hidden = value(Hidden) == u"true";
    entry.onlyShowIn = value(OnlyShowIn).split(u';', Qt::SkipEmptyParts);
    entry.notShowIn = value(NotShowIn).split(u';', Qt::SkipEmptyParts);
    entry.location = location;
    return entry;
}

std::optional<DesktopEntry> readDesktopEntry(const QString& path, const QString& locale) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > DesktopEntryMaxSize)
        return std::nullopt;
    return parseDesktopEntry(file.read(DesktopEntryMaxSize), path, locale);
}

bool isListedOn(const DesktopEntry& entry, const QStringList& currentDesktops) {
    const auto anyCurrent = [&](const QStringList& desktops) {
        for (const QString& desktop : currentDesktops)
            if (desktops.contains(desktop))
                return true;
        return false;
    };
    return !entry.noDisplay && !entry.hidden &&
           (entry.onlyShowIn.isEmpty() || anyCurrent(entry.onlyShowIn)) &&
           !anyCurrent(entry.notShowIn);
}

std::optional<QStringList> desktopExecArguments(const DesktopEntry& entry) {
    const auto words = splitCommandLine(entry.exec);
    if (!words)
        return std::nullopt;
    QStringList arguments;
    for (const QString& word : *words) {
        if (word == u"%i") {
            if (!entry.icon.isEmpty())
                arguments << u"--icon"_qs << entry.icon;
            continue;
        }
        QString argument;
        bool onlyFieldCodes = true;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (word[i] != u'%') {
                argument += word[i];
                onlyFieldCodes = false;
                continue;
            }
            if (++i == word.size())
                return std::nullopt;
            switch (word[i].unicode()) {
            case u'%':
                argument += u'%';
                onlyFieldCodes = false;
                break;
            case u'c':
                argument += entry.name;
                break;
            case u'k':
                argument += entry.location;
                break;
            // No files or URLs are handed over, and the rest are deprecated: all expand to
            // nothing.
            case u'f':
            case u'F':
            case u'u':
            case u'U':
            case u'i':
            case u'd':
            case u'D':
            case u'n':
            case u'N':
            case u'v':
            case u'm':
                break;
            default:
                return std::nullopt;
            }
        }
        // A word that was only field codes expanding to nothing is no argument at all.
        if (!(argument.isEmpty() && onlyFieldCodes && !word.isEmpty()))
            arguments.append(argument);
    }
    if (arguments.isEmpty())
        return std::nullopt;
    return arguments;
}

QString installedDesktopEntry(const QString& id) {
    if (!id.endsWith(u".desktop") || id.contains(u'/'))
        return {};
    return QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
}
