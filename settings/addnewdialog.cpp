#include "settings/addnewdialog.h"

TfrmAddNew::TfrmAddNew(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAddNew"));
    setWindowTitle(QStringLiteral("Application"));
    setFixedSize(386, 159);
}
TfrmAddNew* frmAddNew = nullptr;
