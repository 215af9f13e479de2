#include "settings/settingswindow.h"

TFrmSettings::TFrmSettings(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setFixedSize(952, 630);
}
TFrmSettings* FrmSettings = nullptr;
