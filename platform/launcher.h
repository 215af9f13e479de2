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

// The keys of a desktop entry file's [Desktop Entry] group that launching needs, with the
// string escapes (\s \n \t \r \\) undone.
struct DesktopEntry {
    QString type;
    QString exec;
    QString name;
    QString icon;
    QString path;
    QString url;
    bool terminal = false;
    QString location; // the file the entry came from
};

// Nothing when the content has no [Desktop Entry] group.
std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& content, const QString& location);

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

// Decides, without starting anything, how an already expanded target opens. The whole text
// is first taken as one name: an existing folder or document (handed to xdg-open), a
// desktop entry file, an executable file, a URL, a command on PATH. A name without "/"
// is only looked up on PATH, never in the current folder. Failing that, the text is split
// into words and the first word, a path or a command on PATH, starts with the rest as its
// arguments. No plan when the target names nothing that can be started.
LaunchDecision decideLaunch(const QString& expandedTarget);
std::optional<LaunchPlan> planLaunch(const QString& expandedTarget);

// Why opening a target failed, in words for the user.
using LaunchFailure = std::function<void(const QString& why)>;

// Expands, plans and starts the target as a detached process that never blocks the caller
// and leaves no child behind. True when a process was started. Every failure goes to the log
// and to `onFailure`: at once when nothing could start, or from the event loop when the
// desktop's opener (xdg-open) ends without success.
bool openTarget(const QString& target, const LaunchFailure& onFailure = {});
