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

// Process-wide state shared by the windows.
extern std::unique_ptr<ProfileFile> ConfigIni;
extern std::unique_ptr<ProfileFile> MenuIni;
extern QString MenuFileName;
extern MenuEntry AppInfo;
extern int SelectedItem;
extern bool EditMode;
extern int DialogResult;

extern QRect BarRect;
