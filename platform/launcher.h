#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Opening the target of a menu entry: a folder, document, URL, program, desktop entry or a
// command line. Nothing here ever runs a shell: the text of a menu file is split into
// words by quoting rules and handed to the started program as its arguments.

// The value of an environment variable, or nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<QString>(const QString& name)>;

// Replaces every %NAME% by the variable's value. An unknown name stays as written with both
// its percent signs, and scanning goes on after it; "%%" and a lone "%" stay as they are.
// Values are not expanded again.
QString expandEnvironmentStrings(const QString& text, const EnvironmentLookup& lookup);

// The process environment as a lookup.
std::optional<QString> processEnvironmentLookup(const QString& name);

// Splits a command line into words by the quoting rules of the POSIX shell: single quotes
// keep everything literally, double quotes let a backslash escape only \" \\ \$ and \`, a
// backslash outside quotes takes the next character literally. Everything else, ; | & > $(
// and backquotes included, is an ordinary character. Nothing for an unterminated quote.
std::optional<QStringList> splitCommandLine(const QString& commandLine);

// Whether the text starts with a URL scheme of two characters or more ("https:", not "C:").
bool isUrl(const QString& text);

// The keys of a desktop entry file's [Desktop Entry] group that launching and listing need,
// with the string escapes (\s \n \t \r \\) undone.
struct DesktopEntry {
    QString type;
    QString exec;
    QString name; // in the language asked for when the file has it
    QString icon;
    QString path;
    QString url;
    bool terminal = false;
    bool noDisplay = false;
    bool hidden = false;
    QStringList onlyShowIn;
    QStringList notShowIn;
    QString location; // the file the entry came from
};

// The language of messages as desktop files name it: LC_ALL, LC_MESSAGES or LANG, whichever is
// set first, e.g. "de_DE.UTF-8@euro".
QString messagesLocale();

// Nothing when the content has no [Desktop Entry] group. The name is the best match of
// Name[lang_COUNTRY@MODIFIER], Name[lang_COUNTRY], Name[lang@MODIFIER], Name[lang] and Name
// for `locale` (its encoding part ignored).
std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& content, const QString& location,
                                              const QString& locale = messagesLocale());

// The desktop entry in the file at `path`; nothing when it cannot be read, is far larger than
// any desktop entry, or is none.
std::optional<DesktopEntry> readDesktopEntry(const QString& path,
                                             const QString& locale = messagesLocale());

// Whether a menu of the desktops `currentDesktops` (XDG_CURRENT_DESKTOP's parts) lists the
// entry: not NoDisplay, not Hidden, and allowed by OnlyShowIn and NotShowIn.
bool isListedOn(const DesktopEntry& entry, const QStringList& currentDesktops);

// The command line of the entry's Exec value as words, field codes expanded for a launch
// without files or URLs. Nothing when the value is empty, has an unterminated quote or a
// field code the entry format does not know.
std::optional<QStringList> desktopExecArguments(const DesktopEntry& entry);

// What opening a target comes down to: one program started with its arguments, in the given
// working folder (empty: this program's current folder).
struct LaunchPlan {
    QString program;
    QStringList arguments;
    QString workingDirectory;
    friend bool operator==(const LaunchPlan&, const LaunchPlan&) = default;
};

// A plan, or why there is none, in words for the user ("/home/u/notes.txt does not exist").
struct LaunchDecision {
    std::optional<LaunchPlan> plan;
    QString failure;
};

// Decides, without starting anything, how a target opens. The whole text, its %NAME%
// variables expanded, is first taken as one name: an existing folder or document (handed to
// xdg-open), a desktop entry file, an executable file, a URL, a command on PATH. A name
// without "/" is only looked up on PATH, never in the current folder. Failing that, the
// unexpanded text is split into words, variables are expanded inside each word, and the
// first word, a path or a command on PATH, starts with the rest as its arguments. Nothing
// when the target names nothing that can be started; the decision says why.
LaunchDecision decideLaunch(const QString& target, const EnvironmentLookup& lookup);
std::optional<LaunchPlan> planLaunch(const QString& target, const EnvironmentLookup& lookup);

// Why opening a target failed, in words for the user.
using LaunchFailure = std::function<void(const QString& why)>;

// Expands, plans and starts the target as a detached process that never blocks the caller
// and leaves no child behind. True when a process was started. Every failure goes to the log
// and to `onFailure`: at once when nothing could start, or from the event loop when the
// desktop's opener (xdg-open) ends without success.
bool openTarget(const QString& target, const LaunchFailure& onFailure = {});
