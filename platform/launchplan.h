// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/environmentstrings.h"

#include <QString>
#include <QStringList>
#include <optional>

// How the target of a menu entry opens, decided without starting anything. Nothing here ever
// runs a shell: the text of a menu file is split into words by quoting rules and handed to the
// started program as its arguments.

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

// Decides how a target opens: a folder, document, URL, program, desktop entry or a command
// line. The whole text, its %NAME% variables expanded, is first taken as one name: an existing
// folder or document (handed to xdg-open), a desktop entry file, an executable file, a URL, an
// installed application's desktop file ID, a command on PATH. A name without "/" is only looked up
// on PATH, never in the current folder. Failing that, the unexpanded text is split into words,
// variables are expanded inside each word, and the first word, a path or a command on PATH, starts
// with the rest as its arguments. Nothing when the target names nothing that can be started; the
// decision says why.
LaunchDecision decideLaunch(const QString& target, const EnvironmentLookup& lookup);
std::optional<LaunchPlan> planLaunch(const QString& target, const EnvironmentLookup& lookup);

// Why the desktop's opener (xdg-open) ended with `exitCode` (-1: it was stopped) on
// `pathOrUrl`, in the user's words: what is missing, such as an application for the file's type.
QString openerFailure(const QString& pathOrUrl, int exitCode);
