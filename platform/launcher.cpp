#include "platform/launcher.h"

#include "platform/spawn.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <utility>

namespace {

// A desktop entry is a few lines; anything far larger is not one, and reading it would stall
// the menu.
constexpr qint64 DesktopEntryMaxSize = 1 << 20;

// How long the opener's failure still counts as the answer to the user's click.
constexpr qint64 OpenerVerdictMs = 30000;

bool isWordBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isEscapableInDoubleQuotes(QChar c) {
    return c == u'"' || c == u'\\' || c == u'$' || c == u'`';
}

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

// The executable a first word stands for: a path when it holds "/", else a command on PATH.
QString programFor(const QString& word) {
    if (word.isEmpty())
        return {};
    if (word.contains(u'/')) {
        const QFileInfo info(word);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(word);
}

// The desktop's default application for a path or URL. Paths arrive absolute and URLs begin
// with a letter, so the argument is never read as an option.
LaunchDecision failed(const QString& why) {
    return {std::nullopt, why};
}

// Why a first word names no program.
QString noProgramReason(const QString& word) {
    if (!word.contains(u'/'))
        return u"no program \"%1\" is found"_qs.arg(word);
    const QFileInfo info(word);
    if (!info.exists())
        return u"%1 does not exist"_qs.arg(word);
    return u"%1 is not executable"_qs.arg(word);
}

LaunchDecision openerPlan(const QString& pathOrUrl) {
    const QString opener = QStandardPaths::findExecutable(u"xdg-open"_qs);
    if (opener.isEmpty())
        return failed(u"xdg-open, which opens %1, is not installed"_qs.arg(pathOrUrl));
    return {LaunchPlan{opener, {pathOrUrl}, {}}, {}};
}

LaunchDecision desktopEntryPlan(const QString& path) {
    const auto entry = readDesktopEntry(path);
    if (!entry)
        return failed(u"%1 is no desktop entry"_qs.arg(path));
    if (entry->type == u"Link")
        return isUrl(entry->url) ? openerPlan(entry->url)
                                 : failed(u"%1 links to no URL"_qs.arg(path));
    if (!entry->type.isEmpty() && entry->type != u"Application")
        return failed(u"%1 is no application"_qs.arg(path));
    auto words = desktopExecArguments(*entry);
    if (!words)
        return failed(u"%1 has no command that can run"_qs.arg(path));
    const QString first = words->takeFirst();
    const QString program = programFor(first);
    if (program.isEmpty())
        return failed(noProgramReason(first));
    LaunchPlan plan{program, *words, entry->path};
    if (entry->terminal) {
        // Debian's terminal alternative runs everything after -e as the command and its
        // arguments.
        const QString terminal = QStandardPaths::findExecutable(u"x-terminal-emulator"_qs);
        if (terminal.isEmpty())
            return failed(u"%1 needs a terminal, and none is installed"_qs.arg(path));
        plan.arguments.prepend(plan.program);
        plan.arguments.prepend(u"-e"_qs);
        plan.program = terminal;
    }
    return {plan, {}};
}

// What a single name stands for. `named` is false when the name means nothing, so that the
// caller may try it as a command line; an existing file that cannot be started stays named.
struct NameResolution {
    bool named = false;
    LaunchDecision decision;
};

NameResolution resolveName(const QString& name) {
    if (name.contains(u'/')) {
        const QFileInfo info(name);
        if (info.exists()) {
            const QString path = info.absoluteFilePath();
            if (info.isDir())
                return {true, openerPlan(path)};
            if (name.endsWith(u".desktop"))
                return {true, desktopEntryPlan(path)};
            if (info.isExecutable())
                return {true, {LaunchPlan{path, {}, {}}, {}}};
            return {true, openerPlan(path)};
        }
    }
    if (isUrl(name))
        return {true, openerPlan(name)};
    if (!name.contains(u'/')) {
        const QString program = programFor(name);
        if (!program.isEmpty())
            return {true, {LaunchPlan{program, {}, {}}, {}}};
    }
    return {false, failed(noProgramReason(name))};
}

} // namespace

bool isUrl(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 2 || colon + 1 >= text.size())
        return false;
    for (qsizetype i = 0; i < colon; ++i) {
        const char16_t c = text[i].unicode();
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        const bool other = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
        if (!letter && !(i > 0 && other))
            return false;
    }
    return true;
}

QString expandEnvironmentStrings(const QString& text, const EnvironmentLookup& lookup) {
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(u'%', from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'%', open + 1);
        if (close < 0) {
            out += QStringView(text).mid(from);
            break;
        }
        out += QStringView(text).mid(from, open - from);
        const QString name = text.mid(open + 1, close - open - 1);
        const std::optional<QString> value = name.isEmpty() ? std::nullopt : lookup(name);
        if (value)
            out += *value;
        else
            out += QStringView(text).mid(open, close - open + 1);
        from = close + 1;
    }
    return out;
}

std::optional<QString> processEnvironmentLookup(const QString& name) {
    // The C library would read "A=B" as the variable A with a value starting "B=".
    if (name.isEmpty() || name.contains(u'=') || name.contains(QChar(0)))
        return std::nullopt;
    const QByteArray key = name.toLocal8Bit();
    if (!qEnvironmentVariableIsSet(key.constData()))
        return std::nullopt;
    return qEnvironmentVariable(key.constData());
}

std::optional<QStringList> splitCommandLine(const QString& commandLine) {
    enum class Quote { None, Single, Double };
    QStringList words;
    QString word;
    bool inWord = false; // so that "" gives an empty word
    Quote quote = Quote::None;
    const qsizetype size = commandLine.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = commandLine[i];
        switch (quote) {
        case Quote::None:
            if (isWordBlank(c)) {
                if (inWord)
                    words.append(std::exchange(word, QString()));
                inWord = false;
                continue;
            }
            inWord = true;
            if (c == u'\'')
                quote = Quote::Single;
            else if (c == u'"')
                quote = Quote::Double;
            else if (c == u'\\' && i + 1 < size)
                word += commandLine[++i];
            else
                word += c;
            break;
        case Quote::Single:
            if (c == u'\'')
                quote = Quote::None;
            else
                word += c;
            break;
        case Quote::Double:
            if (c == u'"')
                quote = Quote::None;
            else if (c == u'\\' && i + 1 < size && isEscapableInDoubleQuotes(commandLine[i + 1]))
                word += commandLine[++i];
            else
                word += c;
            break;
        }
    }
    if (quote != Quote::None)
        return std::nullopt;
    if (inWord)
        words.append(word);
    return words;
}

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

LaunchDecision decideLaunch(const QString& target, const EnvironmentLookup& lookup) {
    const QString whole = expandEnvironmentStrings(target, lookup);
    if (whole.trimmed().isEmpty())
        return failed(u"the entry has no target"_qs);
    // An argument cannot hold a zero character; it would be cut short without a word.
    if (whole.contains(QChar(0)))
        return failed(u"the target holds a zero character"_qs);
    if (NameResolution resolved = resolveName(whole); resolved.named)
        return resolved.decision;
    // Split before expanding, as a shell treats a quoted variable: a value's blanks and
    // quotes never add or break words.
    auto words = splitCommandLine(target);
    if (!words)
        return failed(u"the target has a quote that is not closed"_qs);
    if (words->isEmpty())
        return failed(u"the entry has no target"_qs);
    for (QString& word : *words)
        word = expandEnvironmentStrings(word, lookup);
    if (words->size() == 1)
        return resolveName(words->first()).decision;
    const QString program = programFor(words->first());
    if (program.isEmpty())
        return failed(noProgramReason(words->first()));
    return {LaunchPlan{program, words->mid(1), {}}, {}};
}

std::optional<LaunchPlan> planLaunch(const QString& target, const EnvironmentLookup& lookup) {
    return decideLaunch(target, lookup).plan;
}

bool openTarget(const QString& target, const LaunchFailure& onFailure) {
    const auto fail = [target, onFailure](const QString& why) {
        qWarning("Cannot open \"%s\": %s", qUtf8Printable(target), qUtf8Printable(why));
        if (onFailure)
            onFailure(why);
    };
    const LaunchDecision decision = decideLaunch(target, processEnvironmentLookup);
    if (!decision.plan) {
        fail(decision.failure);
        return false;
    }
    const LaunchPlan& plan = *decision.plan;
    // Only the opener's end tells whether something opened; a program's exit code is its own.
    ExitWatch openerEnd;
    if (QFileInfo(plan.program).fileName() == u"xdg-open") {
        QElapsedTimer sinceStart;
        sinceStart.start();
        // The opener may run the application it picked until that ends, and then pass on
        // its exit code: by then the user has long seen it open.
        openerEnd = [fail, sinceStart, what = plan.arguments.value(0)](int exitCode) {
            if (exitCode == 0 || sinceStart.hasExpired(OpenerVerdictMs))
                return;
            fail(exitCode < 0
                     ? u"xdg-open was stopped before it opened %1"_qs.arg(what)
                     : u"xdg-open could not open %1 (exit code %2)"_qs.arg(what).arg(exitCode));
        };
    }
    const QString error =
        startProgram(plan.program, plan.arguments, plan.workingDirectory, openerEnd);
    if (!error.isEmpty()) {
        fail(u"%1 cannot be started: %2"_qs.arg(plan.program, error));
        return false;
    }
    return true;
}
