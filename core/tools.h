#pragma once

#include "core/profilefile.h"

#include <QRect>
#include <QString>
#include <memory>

// One menu entry on its way between the menu file, the entry dialog and the launcher.
struct MenuEntry {
    QString caption;
    QString target;
};

// 0x00BBGGRR; clNone stands for no colour.
using TColor = quint32;
inline constexpr TColor clNone = 0x1FFFFFFF;

// Process-wide state shared by the windows.
extern std::unique_ptr<ProfileFile> ConfigIni;
extern std::unique_ptr<ProfileFile> MenuIni;
extern QString MenuFileName;
extern MenuEntry AppInfo;
extern int SelectedItem;
extern bool EditMode;
extern int DialogResult;

extern TColor HighlightColor;
extern TColor OutlineColor;
extern TColor LineColor;
extern TColor FontColor;
extern TColor HoverColor;
extern TColor CaptionColor;
extern QRect BarRect;
