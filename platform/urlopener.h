// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <functional>

// Opens a web address in the user's default browser. Returns at once; a failure (no
// browser, no network) is ignored, as nothing useful can be done about it.
namespace UrlOpener {

void open(const QUrl& url);

// Test side: replaces the real opener; an empty function brings the real one back.
using Opener = std::function<void(const QUrl&)>;
void setOpenerForTesting(Opener opener);

} // namespace UrlOpener
