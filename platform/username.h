// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// The login name of the user the program runs as, held to the capacity the About window
// was designed for: the platform is asked with room for 255 UTF-16 code units, the
// terminating zero included, so a name of 255 code units or more counts as a failure.

// Shown whenever the name cannot be had.
inline constexpr QStringView UserNameFallback = u"this-PC";
// The most code units a name may have and still be shown.
inline constexpr qsizetype UserNameCapacity = 254;

// The raw name as the platform gives it (bytes in the locale's encoding), or nothing when
// the platform refuses.
using UserNameLookup = std::function<std::optional<QByteArray>()>;

// The name to show for a raw lookup result: the text up to its first zero byte, or the
// fallback when the lookup failed, the name is empty or it does not fit the capacity.
QString userNameOrFallback(const std::optional<QByteArray>& rawName);

// The login name of the effective user from the password database, or nothing.
std::optional<QByteArray> effectiveUserLoginName();

// The name to show, from the current lookup; never reports a failure.
QString GetCurrentUserName();

// Test side: replaces the password-database lookup; an empty function brings it back.
void setUserNameLookupForTesting(UserNameLookup lookup);
