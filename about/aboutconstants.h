// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The developer named by the About window's link and the page the link opens: the
// project's own name and home page, kept here only.
namespace About {

inline constexpr QStringView DeveloperName = u"Larkspan";
inline constexpr QStringView DeveloperPage = u"https://larkspan.example.org/";

} // namespace About
