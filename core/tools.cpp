#include "core/tools.h"

std::unique_ptr<ProfileFile> ConfigIni;
std::unique_ptr<ProfileFile> MenuIni;
QString MenuFileName;
MenuEntry AppInfo;
int SelectedItem = 0;
bool EditMode = false;
int DialogResult = 0;

TColor HighlightColor = 0;
TColor OutlineColor = 0;
TColor LineColor = 0;
TColor FontColor = 0;
TColor HoverColor = 0;
TColor CaptionColor = 0;
QRect BarRect;
