#pragma once

#include "core/tools.h"
#include "settings/data/referencedata.h"
#include "settings/settingswidgets.h"

#include <QListWidget>
#include <QUrl>
#include <functional>
#include <optional>

class ApplicationPicker;
class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

// The list of menu entries: one line selectable, which stays selected (a click beside the
// lines or with Ctrl keeps it), and no editing in place. A line dragged to another place, or
// moved with Alt+Up and Alt+Down, is only asked for: the window moves it once the file has.
// Files and URLs dropped from other programs are handed on.
class MenuEntryList : public QListWidget {
    Q_OBJECT
public:
    explicit MenuEntryList(QWidget* parent);

    // The row of the selected line, or -1.
    int selectedRow() const;

signals:
    void deletePressed();
    void doubleClickedAnywhere();
    // Rows counted from 0; `to` is the row the line is to have afterwards.
    void moveRequested(int from, int to);
    void urlsDropped(const QList<QUrl>& urls);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::optional<QPoint> m_pressedAt; // a press on a line that may become a drag
};

// The Settings window: edits the entries of the current menu file, every change written at
// once; the rest of the window holds the reference lists. Made once at start-up and shown
// modally (exec) again and again; every showing reloads the menu file. Adding and editing
// go through the entry dialog frmAddNew, which must exist by then. The reference lists' database
// is opened once, while the window is made, and stays open until it goes.
class SettingsWindow : public FixedDialog {
    Q_OBJECT
public:
    // Each failure to open the database or one of its tables goes to `reportError` (without
    // one it goes unreported), and the window is made all the same.
    explicit SettingsWindow(QWidget* parent = nullptr,
                          const std::function<void(const QString&)>& reportError = {});

    void LoadMenuList();
    void AppendItem();
    void UpdateItem(int n);
    void DeleteItem(int n);
    static void DeleteSelectedListItem(MenuEntryList* list);
    // Entry `from` becomes entry `to` in the file, then in the list, and stays selected.
    void MoveItem(int from, int to);
    // Appends the entries to the file and the list and selects the last of them.
    void AppendItems(const QList<MenuEntry>& entries);

    // How "Try it" opens entry n once read into AppInfo, as the menu would; without one the
    // command is not offered.
    void setRunEntry(std::function<bool(int n)> runEntry) { m_runEntry = std::move(runEntry); }

    void setVisible(bool visible) override;

    // The reference lists' boxes, placed and captioned, filled by their own code.
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;

protected:
    void aboutToShow() override;

private slots:
    void LstItemsClick();
    void LstItemsDblClick();
    void LstItemsKeyDown();
    void cmdNewClick();
    void cmdEditClick();
    void cmdDeleteClick();
    void cmdOpenClick();
    void cmdSaveClick();
    void cmdCloseClick();
    void LstItemsContextPopup(const QPoint& at);
    void LstItemsDragDrop(int from, int to);
    void LstItemsUrlsDrop(const QList<QUrl>& urls);
    void mnuAddInstalledClick();
    void mnuMoveUpClick();
    void mnuMoveDownClick();
    void mnuTryClick();

private:
    // Appends the entries after whatever the file holds by then, as the list shows afterwards.
    void addEntries(const QList<MenuEntry>& entries);
    void fillList(const QStringList& captions);
    // Another program may have changed the file since the list was filled, so that a line
    // number no longer names the entry the line shows: then the list is filled anew, `row`
    // (or the last line) is selected, and the result is true.
    bool refillIfStale(int row);

    QTabWidget* sTab1;
    QWidget* TabApps;
    QToolButton* cmdOpen;
    QToolButton* cmdSave;
    QWidget* lnSpacer;
    QToolButton* cmdNew;
    QToolButton* cmdEdit;
    QToolButton* cmdDelete;
    MenuEntryList* LstItems;
    QPushButton* cmdClose;
    QMenu* mnuItems;
    QAction* mnuAddInstalled;
    QAction* mnuMoveUp;
    QAction* mnuMoveDown;
    QAction* mnuTry;
    QAction* mnuEdit;
    QAction* mnuDelete;
    ApplicationPicker* frmApplications = nullptr;
    std::function<bool(int n)> m_runEntry;
    ReferenceData m_referenceData;
};

// The one instance, made by the start-up sequence.
extern SettingsWindow* FrmSettings;
