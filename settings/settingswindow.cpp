// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingswindow.h"

#include "core/appdir.h"
#include "core/menufile.h"
#include "core/programfiles.h"
#include "desktopentry/newentries.h"
#include "platform/menushortcut.h"
#include "platform/shortcutstore.h"
#include "settings/applicationpicker.h"
#include "settings/entrydialog.h"
#include "settings/referencelists.h"
#include "settings/settingslogic.h"
#include "settings/settingswidgets.h"
#include "settings/shortcutdialog.h"
#include "widgets/bevelline.h"
#include "widgets/dialogs.h"
#include "widgets/errorbox.h"
#include "widgets/textroom.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolButton>
#include <limits>

namespace {

//: The name of the file type, then "|" and its pattern, which stays as it is.
const char* const kMenuFilter = QT_TRANSLATE_NOOP("SettingsWindow", "My Menu Files(*.ini)|*.ini");

} // namespace

SettingsWindow::SettingsWindow(ProgramFiles& files, EntryDialog& entryDialog, QWidget* parent,
                               const std::function<void(const QString&)>& reportError)
    : FixedDialog(parent, u"FrmSettings"_qs, tr("Settings"), {952, 630}), m_files(files),
      m_entryDialog(entryDialog) {
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"sTab1"_qs);
    m_tabs->setGeometry(8, 8, 410, 257);
    m_applicationsTab = new QWidget;
    m_applicationsTab->setObjectName(u"TabApps"_qs);
    m_tabs->addTab(m_applicationsTab, tr("Applications"));

    const auto button = [this](const QString& name, int x, const QString& tip,
                               const QString& picture) {
        QToolButton* b = makeFlatButton(m_applicationsTab, name, {x, 3, 28, 28}, picture);
        b->setToolTip(tip);
        return b;
    };
    m_openButton = button(u"cmdOpen"_qs, 8, tr("Open menu"), u"open"_qs);
    m_saveButton = button(u"cmdSave"_qs, 36, tr("Save menu"), u"save"_qs);
    m_buttonSeparator = new BevelLine(Qt::Vertical, m_applicationsTab);
    m_buttonSeparator->setObjectName(u"lnSpacer"_qs);
    m_buttonSeparator->setGeometry(69, 4, 9, 25);
    m_newButton = button(u"cmdNew"_qs, 78, tr("New application"), u"new"_qs);
    m_editButton = button(u"cmdEdit"_qs, 106, tr("Edit application"), u"edit"_qs);
    m_deleteButton = button(u"cmdDelete"_qs, 134, tr("Delete application"), u"delete"_qs);

    m_entryList = new MenuEntryList(m_applicationsTab);
    m_entryList->setObjectName(u"LstItems"_qs);
    m_entryList->setGeometry(3, 37, 387, 182);
    m_entryList->setContextMenuPolicy(Qt::CustomContextMenu);

    m_entryMenu = new QMenu(this);
    m_entryMenu->setObjectName(u"mnuItems"_qs);
    const auto item = [this](const QString& name, const QString& text) {
        QAction* action = m_entryMenu->addAction(text);
        action->setObjectName(name);
        return action;
    };
    m_addInstalledAction = item(u"mnuAddInstalled"_qs, tr("Add installed application…"));
    m_entryMenu->addSeparator();
    m_moveUpAction = item(u"mnuMoveUp"_qs, tr("Move up"));
    m_moveDownAction = item(u"mnuMoveDown"_qs, tr("Move down"));
    m_tryAction = item(u"mnuTry"_qs, tr("Try it"));
    m_entryMenu->addSeparator();
    //: Context menu of the list of entries: edit the selected entry
    m_editAction = item(u"mnuEdit"_qs, tr("Edit"));
    //: Context menu of the list of entries: delete the selected entry
    m_deleteAction = item(u"mnuDelete"_qs, tr("Delete"));
    m_entryMenu->addSeparator();
    //: Context menu of the list of entries: take back the last change of the menu
    m_undoAction = item(u"mnuUndo"_qs, tr("Undo"));
    m_undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    //: Context menu of the list of entries: make the change taken back again
    m_redoAction = item(u"mnuRedo"_qs, tr("Redo"));
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The window's too, so that the keys work while the menu is closed.
    addActions({m_undoAction, m_redoAction});

    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setObjectName(u"cmdClose"_qs);
    m_closeButton->setGeometry(870, 595, 75, 28);
    widenToText(m_closeButton, true);
    m_closeButton->setDefault(true);
    m_shortcutButton = new QPushButton(tr("Keyboard shortcut\u2026"), this);
    m_shortcutButton->setObjectName(u"cmdShortcut"_qs);
    m_shortcutButton->setToolTip(tr("The key that opens the launcher menu"));
    m_shortcutButton->setGeometry(8, 595, 160, 28);
    m_clearLaunchHistoryButton = new QPushButton(tr("Clear launch history"), this);
    m_clearLaunchHistoryButton->setObjectName(u"cmdClearLaunchHistory"_qs);
    m_clearLaunchHistoryButton->setGeometry(176, 595, 150, 28);
    m_clearLaunchHistoryButton->setToolTip(
        tr("Forget which entries you open most; the menu's filter lists those first"));
    widenToText(m_clearLaunchHistoryButton, false);

    const auto group = [this](const QString& name, const QRect& box, const QString& title) {
        auto* g = new QGroupBox(title, this);
        g->setObjectName(name);
        g->setGeometry(box);
        return g;
    };
    m_windowsMmcBox = group(u"GroupBox1"_qs, {8, 281, 441, 308}, tr("List of Windows MMC Records"));
    m_serverMmcBox =
        group(u"GroupBox2"_qs, {464, 281, 481, 308}, tr("List of Windows Server MMC Records"));
    m_runCommandsBox = group(u"GroupBox3"_qs, {464, 8, 481, 257}, tr("Run Commands"));

    // Each handler shows its own failure in the error box before it could reach Qt.
    const auto handled = [this](void (SettingsWindow::*handler)()) {
        return [this, handler] { reportingErrors([this, handler] { (this->*handler)(); }); };
    };
    connect(m_entryList, &QListWidget::itemSelectionChanged, this,
            handled(&SettingsWindow::selectionChanged));
    connect(m_entryList, &MenuEntryList::doubleClickedAnywhere, this,
            handled(&SettingsWindow::editSelected));
    connect(m_entryList, &MenuEntryList::deletePressed, this,
            handled(&SettingsWindow::deleteSelected));
    connect(m_newButton, &QToolButton::clicked, this, handled(&SettingsWindow::addEntry));
    connect(m_editButton, &QToolButton::clicked, this, handled(&SettingsWindow::editSelected));
    connect(m_deleteButton, &QToolButton::clicked, this, handled(&SettingsWindow::deleteSelected));
    connect(m_openButton, &QToolButton::clicked, this, handled(&SettingsWindow::openMenuFile));
    connect(m_saveButton, &QToolButton::clicked, this, handled(&SettingsWindow::saveMenuCopy));
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_shortcutButton, &QPushButton::clicked, this,
            handled(&SettingsWindow::editMenuShortcut));
    connect(m_clearLaunchHistoryButton, &QPushButton::clicked, this,
            handled(&SettingsWindow::clearLaunchHistory));
    connect(m_addInstalledAction, &QAction::triggered, this,
            handled(&SettingsWindow::addInstalledApplication));
    connect(m_moveUpAction, &QAction::triggered, this, handled(&SettingsWindow::moveSelectedUp));
    connect(m_moveDownAction, &QAction::triggered, this,
            handled(&SettingsWindow::moveSelectedDown));
    connect(m_tryAction, &QAction::triggered, this, handled(&SettingsWindow::trySelected));
    connect(m_editAction, &QAction::triggered, this, handled(&SettingsWindow::editSelected));
    connect(m_deleteAction, &QAction::triggered, this, handled(&SettingsWindow::deleteSelected));
    connect(m_undoAction, &QAction::triggered, this, handled(&SettingsWindow::undo));
    connect(m_redoAction, &QAction::triggered, this, handled(&SettingsWindow::redo));
    connect(m_entryList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { reportingErrors([&] { showEntryMenu(at); }); });
    // Queued: after the drop has ended, so that an error box holds up no program.
    connect(
        m_entryList, &MenuEntryList::moveRequested, this,
        [this](int from, int to) { reportingErrors([&] { moveLine(from, to); }); },
        Qt::QueuedConnection);
    connect(
        m_entryList, &MenuEntryList::urlsDropped, this,
        [this](const QList<QUrl>& urls) { reportingErrors([&] { addDropped(urls); }); },
        Qt::QueuedConnection);

    m_referenceData.open([&](const QString& message) {
        if (reportError)
            reportError(message);
    });
}

// The reference lists' widgets and the applications picker are made before the first showing,
// not at start-up, where the bar waits for them; the lists follow the tables in whatever state
// opening left them.
void SettingsWindow::setVisible(bool visible) {
    if (visible && !m_applicationPicker) {
        m_applicationPicker = new ApplicationPicker(this);
        buildReferenceLists(m_referenceData, m_windowsMmcBox, m_serverMmcBox, m_runCommandsBox);
        setTabOrder(m_tabs, m_shortcutButton);
        setTabOrder(m_shortcutButton, m_clearLaunchHistoryButton);
        setTabOrder(m_clearLaunchHistoryButton, m_closeButton);
        setTabOrder(m_closeButton, m_windowsMmcBox);
        setTabOrder(m_windowsMmcBox, m_serverMmcBox);
        setTabOrder(m_serverMmcBox, m_runCommandsBox);
    }
    FixedDialog::setVisible(visible);
}

void SettingsWindow::aboutToShow() {
    loadMenuList();
}

void SettingsWindow::loadMenuList() {
    m_files.reopenMenuFile();
    m_files.menuHistory().follow(m_files.menu().fileName());
    enableUndoRedo();
    fillList(m_files.menu().entries());
    if (m_entryList->count() > 0) {
        m_entryList->setCurrentRow(0);
        m_selectedEntry = 1;
        m_entryList->setFocus();
    }
}

void SettingsWindow::fillList(const QList<MenuEntry>& entries) {
    m_entryList->clear();
    for (const MenuEntry& entry : entries)
        m_entryList->addItem(ListLineText(entry.caption));
    m_shown = entries;
}

void SettingsWindow::showEntries(const QList<MenuEntry>& entries, int row) {
    fillList(entries);
    if (m_entryList->count() > 0)
        m_entryList->setCurrentRow(qBound(0, row, m_entryList->count() - 1));
}

std::optional<int> SettingsWindow::rowInFile(int row) {
    const QList<MenuEntry> entries = m_files.menu().entries();
    if (entries == m_shown)
        return row;
    const MenuEntry wanted = m_shown.value(row);
    const int n = numberOfEntry(entries, wanted, row + 1);
    showEntries(entries, n > 0 ? n - 1 : row);
    tellListRenewed(n > 0 ? std::nullopt : std::optional(wanted));
    return n > 0 ? std::optional(n - 1) : std::nullopt;
}

void SettingsWindow::tellListRenewed(const std::optional<MenuEntry>& gone) {
    const QString text =
        gone ? tr("Another program changed the menu file, so the list has been brought up to "
                  "date. \"%1\" is no longer in it.")
                   .arg(ListLineText(gone->caption))
             : tr("Another program changed the menu file, so the list has been brought up to "
                  "date.");
    inform(text);
}

void SettingsWindow::inform(const QString& text) {
    Dialogs::show(this, {QMessageBox::Information, tr("Information"), text, QMessageBox::Ok,
                         QMessageBox::Ok});
}

void SettingsWindow::recordStep(const SafeFile::Change& change, int selectedBefore,
                                int selectedAfter) {
    m_files.menuHistory().record(change, selectedBefore, selectedAfter);
    enableUndoRedo();
}

void SettingsWindow::enableUndoRedo() {
    m_undoAction->setEnabled(m_files.menuHistory().canUndo());
    m_redoAction->setEnabled(m_files.menuHistory().canRedo());
}

void SettingsWindow::undo() {
    showTurn(m_files.menuHistory().undo(),
             tr("Another program changed the menu file, so the last change cannot be undone."));
}

void SettingsWindow::redo() {
    showTurn(m_files.menuHistory().redo(),
             tr("Another program changed the menu file, so the change cannot be redone."));
}

void SettingsWindow::showTurn(const MenuHistory::Turn& turn, const QString& refusal) {
    showEntries(m_files.menu().entries(),
                turn.refused ? m_entryList->selectedRow() : turn.selected - 1);
    m_selectedEntry = m_entryList->selectedRow() + 1;
    enableUndoRedo();
    if (turn.refused)
        inform(refusal);
}

void SettingsWindow::appendEntries(const QList<MenuEntry>& entries) {
    // A redo selects the file's last entry, the last one added.
    m_files.appendToMenu(entries, m_selectedEntry, std::numeric_limits<int>::max());
    enableUndoRedo();
    for (const MenuEntry& entry : entries)
        m_entryList->addItem(ListLineText(entry.caption));
    m_shown += entries;
    m_entryList->setCurrentRow(m_entryList->count() - 1);
}

void SettingsWindow::addEntries(const QList<MenuEntry>& entries) {
    if (entries.isEmpty())
        return;
    appendEntries(entries);
    // The additions go after whatever another program left: no command was misdirected.
    const QList<MenuEntry> inFile = m_files.menu().entries();
    if (inFile != m_shown)
        showEntries(inFile, std::numeric_limits<int>::max());
    m_selectedEntry = m_entryList->selectedRow() + 1;
}

void SettingsWindow::moveEntry(int from, int to) {
    // A failed rewrite throws first: file and list stay as they were.
    recordStep(m_files.menu().move(from, to), from, to);
    m_entryList->insertItem(to - 1, m_entryList->takeItem(from - 1));
    m_shown.move(from - 1, to - 1);
    m_entryList->setCurrentRow(to - 1);
    m_selectedEntry = to;
}

void SettingsWindow::updateEntry(int n, const MenuEntry& entry) {
    recordStep(m_files.menu().update(n, entry), n, n);
    m_entryList->item(n - 1)->setText(ListLineText(entry.caption));
    m_shown[n - 1] = entry;
}

void SettingsWindow::deleteEntry(int n) {
    // A failed rewrite throws before the list changes: the line stays while the file
    // still holds the entry.
    const MenuEntry asked = m_shown.value(n - 1);
    const MenuFile::Removal removal = m_files.menu().remove(asked, n);
    if (removal.before == m_shown) {
        removeLine(removal.number - 1);
    } else {
        QList<MenuEntry> left = removal.before;
        if (removal.number > 0)
            left.removeAt(removal.number - 1);
        showEntries(left, removal.number > 0 ? removal.number - 1 : n - 1);
        tellListRenewed(removal.number > 0 ? std::nullopt : std::optional(asked));
    }
    m_selectedEntry = m_entryList->selectedRow() + 1;
    recordStep(removal.change, removal.number, m_selectedEntry);
}

void SettingsWindow::removeLine(int row) {
    const int count = m_entryList->count();
    delete m_entryList->takeItem(row);
    m_shown.removeAt(row);
    const int next = RowAfterRemoving(count, row);
    if (next >= 0)
        m_entryList->setCurrentRow(next);
}

void SettingsWindow::selectionChanged() {
    const int row = m_entryList->selectedRow();
    if (row >= 0)
        m_selectedEntry = row + 1;
}

void SettingsWindow::addEntry() {
    if (const auto entry = m_entryDialog.edit({}))
        addEntries({*entry});
}

void SettingsWindow::editSelected() {
    if (m_entryList->selectedRow() < 0)
        return;
    const auto row = rowInFile(m_entryList->selectedRow());
    if (!row)
        return;
    const auto edited = m_entryDialog.edit(m_shown[*row]);
    if (!edited)
        return;
    updateEntry(*row + 1, *edited);
    // Another program may have written while the dialog was open.
    const QList<MenuEntry> inFile = m_files.menu().entries();
    if (inFile != m_shown) {
        showEntries(inFile, *row);
        tellListRenewed(std::nullopt);
    }
}

void SettingsWindow::deleteSelected() {
    if (m_entryList->selectedRow() < 0)
        return;
    const auto row = rowInFile(m_entryList->selectedRow());
    if (!row)
        return;
    const QString line = m_entryList->item(*row)->text();
    const auto answer = Dialogs::show(
        this, {QMessageBox::Information, tr("Confirm"),
               tr("Are you sure you want to delete \"%1\"").arg(line),
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes});
    if (answer == QMessageBox::Yes)
        deleteEntry(*row + 1);
}

void SettingsWindow::openMenuFile() {
    //: Title of the file dialog that opens a menu file
    const QString path = Dialogs::openFileName(this, tr("Open"), QtNameFilter(tr(kMenuFilter)));
    if (path.isEmpty())
        return;
    m_files.useMenuFile(path);
    loadMenuList();
    m_files.config().storeMenuFileName(path);
}

void SettingsWindow::saveMenuCopy() {
    const QString path =
        //: Title of the file dialog that saves a copy of the menu file
        Dialogs::saveFileName(this, tr("Save"), QtNameFilter(tr(kMenuFilter)), u"ini"_qs);
    if (path.isEmpty())
        return;
    SaveMenuCopy(m_files, path);
}

void SettingsWindow::showEntryMenu(const QPoint& at) {
    const int row = m_entryList->selectedRow();
    for (QAction* action :
         {m_moveUpAction, m_moveDownAction, m_tryAction, m_editAction, m_deleteAction})
        action->setEnabled(row >= 0);
    m_moveUpAction->setEnabled(row > 0);
    m_moveDownAction->setEnabled(row >= 0 && row + 1 < m_entryList->count());
    m_tryAction->setVisible(bool(m_runEntry));
    m_entryMenu->popup(m_entryList->viewport()->mapToGlobal(at));
}

void SettingsWindow::moveLine(int from, int to) {
    // In a list brought up to date the move goes on only while the line shows its entry.
    if (rowInFile(from) == from && to < m_entryList->count())
        moveEntry(from + 1, to + 1);
}

void SettingsWindow::addDropped(const QList<QUrl>& urls) {
    addEntries(entriesForDroppedUrls(urls));
}

void SettingsWindow::addInstalledApplication() {
    m_applicationPicker->load(readInstalledApplications(applicationFolders(), currentDesktops()));
    if (m_applicationPicker->exec() != QDialog::Accepted)
        return;
    if (const auto application = m_applicationPicker->chosen())
        addEntries({entryForApplication(*application)});
}

void SettingsWindow::moveSelectedUp() {
    const int row = m_entryList->selectedRow();
    if (row > 0)
        moveLine(row, row - 1);
}

void SettingsWindow::moveSelectedDown() {
    const int row = m_entryList->selectedRow();
    if (row >= 0 && row + 1 < m_entryList->count())
        moveLine(row, row + 1);
}

void SettingsWindow::trySelected() {
    if (!m_runEntry || m_entryList->selectedRow() < 0)
        return;
    if (const auto row = rowInFile(m_entryList->selectedRow()))
        m_runEntry(*row + 1, m_shown[*row]);
}

void SettingsWindow::editMenuShortcut() {
    const auto store = menuShortcutStoreOfDesktop();
    const QStringList desktops = currentDesktops();
    const QString desktop = store                ? store->desktopName()
                            : desktops.isEmpty() ? tr("this desktop")
                                                 : desktops.join(u'/');
    MenuShortcutDialog dialog(
        store.get(), menuShortcutCommand(QCoreApplication::applicationDirPath()), desktop, this);
    dialog.exec();
}

void SettingsWindow::clearLaunchHistory() {
    m_files.launchHistory().clear();
}
