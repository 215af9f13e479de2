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

// Whether the text starts with a URL scheme of two characters or more ("https:", not "C:").
bool isUrl(const QString& text);

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
