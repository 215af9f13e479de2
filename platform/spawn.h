// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Starting a program that outlives this one: it is no child of ours, so it never becomes a
// zombie and ending the bar never ends it.

// How a watched program ended: its exit code, or -1 when a signal ended it.
using ExitWatch = std::function<void(int exitCode)>;

// Starts `program` (an absolute path) with `arguments` in `workingDirectory` (empty: ours).
// Returns the empty text once it runs, else why it could not start. With `onExit`, a small
// watcher process waits for the program and `onExit` runs from the event loop when it ends;
// the caller never waits for that.
QString startProgram(const QString& program, const QStringList& arguments,
                     const QString& workingDirectory, const ExitWatch& onExit = {});
