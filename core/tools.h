#pragma once

#include <QtGlobal>

// 0x00BBGGRR; clNone stands for no colour.
using TColor = quint32;
inline constexpr TColor clNone = 0x1FFFFFFF;

extern TColor HighlightColor;
extern TColor OutlineColor;
extern TColor LineColor;
extern TColor FontColor;
extern TColor HoverColor;
extern TColor CaptionColor;
