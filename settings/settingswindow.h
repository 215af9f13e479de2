#pragma once

#include <QDialog>

// The Settings window: the menu entries and the reference lists.
class TFrmSettings : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSettings(QWidget* parent = nullptr);
};

extern TFrmSettings* FrmSettings;
