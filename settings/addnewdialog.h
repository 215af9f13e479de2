#pragma once

#include <QDialog>

// The entry dialog: caption and target of one menu entry.
class TfrmAddNew : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAddNew(QWidget* parent = nullptr);
};

extern TfrmAddNew* frmAddNew;
