// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Splits a command line into words by the quoting rules of the POSIX shell: single quotes
// keep everything literally, double quotes let a backslash escape only \" \\ \$ and \`, a
// backslash outside quotes takes the next character literally. Everything else, ; | & > $(
// and backquotes included, is an ordinary character. Nothing for an unterminated quote.
std::optional<QStringList> splitCommandLine(const QString& commandLine);
