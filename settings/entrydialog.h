#pragma once

#include "settings/settingswidgets.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The entry dialog: caption and target of one menu entry. Made once at start-up and shown
// modally (exec) by the Settings window, which sets EditMode first and, to edit, puts the
// entry into AppInfo. On OK the texts as typed are in AppInfo and DialogResult is 1; Cancel
// sets DialogResult to 0; the title bar's close button changes neither.
class EntryDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit EntryDialog(QWidget* parent = nullptr);

protected:
    void aboutToShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdOKClick();
    void cmdCancelClick();
    void cmdOpenClick();
    void cmdFolderClick();

private:
    static void setWhiteBackground(QLineEdit* field);

    QLabel* lblCaption;
    QLineEdit* txtCaption;
    QLabel* lblApplication;
    QLineEdit* txtAppPath;
    QToolButton* cmdOpen;
    QToolButton* cmdFolder;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

// The one instance, made by the start-up sequence.
extern EntryDialog* frmAddNew;
