// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/environmentstrings.h"
#include "platform/launchplan.h"

#include <QString>
#include <functional>

// Opening the target of a menu entry; what it opens is decided by decideLaunch.

// Why opening a target failed, in words for the user.
using LaunchFailure = std::function<void(const QString& why)>;

// Expands, plans and starts the target as a detached process that never blocks the caller
// and leaves no child behind. True when a process was started. Every failure goes to the log
// and to `onFailure`: at once when nothing could start, or from the event loop when the
// desktop's opener (xdg-open) ends without success.
bool openTarget(const QString& target, const LaunchFailure& onFailure = {});
