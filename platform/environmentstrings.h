// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

// %NAME% variables in the targets of menu entries.

// The value of an environment variable, or nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<QString>(const QString& name)>;

// Replaces every %NAME% by the variable's value. An unknown name stays as written with both
// its percent signs, and scanning goes on after it; "%%" and a lone "%" stay as they are.
// Values are not expanded again.
QString expandEnvironmentStrings(const QString& text, const EnvironmentLookup& lookup);

// The process environment as a lookup.
std::optional<QString> processEnvironmentLookup(const QString& name);
