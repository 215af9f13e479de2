#include "core/tools.h"

std::unique_ptr<ProfileFile> ConfigIni;
std::unique_ptr<ProfileFile> MenuIni;
QString MenuFileName;
MenuEntry AppInfo;
int SelectedItem = 0;
bool EditMode = false;
int DialogResult = 0;

QRect BarRect;
