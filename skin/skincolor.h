// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

// 0x00BBGGRR; clNone stands for no colour.
using TColor = quint32;
inline constexpr TColor clNone = 0x1FFFFFFF;

// A colour text of the skin's colour file ("#rrggbb") as a colour value 0x00BBGGRR.
// A text that does not begin with "#" gives clNone; one that begins with "#" but does not
// read as hexadecimal gives the fallback. Short forms are not widened: "#abc" is 0x000CAB.
TColor HtmlToColor(const QString& text, TColor fallback);

// The colour value for QPainter. clNone means "no colour": it becomes a fully transparent
// QColor, so whatever is drawn with it leaves the pixels beneath unchanged. Other values
// use their low 24 bits.
QColor toQColor(TColor color);
