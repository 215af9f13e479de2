// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menufile.h"
#include "core/menuhistory.h"
#include "settings/data/referencedata.h"
#include "settings/menuentrylist.h"
#include "settings/settingswidgets.h"

#include <functional>
#include <optional>

class ApplicationPicker;
class EntryDialog;
class ProgramFiles;
class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;

// The Settings window: edits the entries of the current menu file, every change written at
// once and kept as a step that Undo takes back; the rest of the window holds the reference
// lists. Made once at start-up and shown
// modally (exec) again and again; every showing reloads the menu file. Adding and editing
// go through the entry dialog. The reference lists' database is opened once, while the window
// is made, and stays open until it goes.
class SettingsWindow : public FixedDialog {
    Q_OBJECT
public:
    // `files` and `entryDialog` must outlive the window. Each failure to open the database or
    // one of its tables goes to `reportError` (without one it goes unreported), and the window
    // is made all the same.
    SettingsWindow(ProgramFiles& files, EntryDialog& entryDialog, QWidget* parent = nullptr,
                   const std::function<void(const QString&)>& reportError = {});

    void loadMenuList();
    void updateEntry(int n, const MenuEntry& entry);
    // Deletes the entry line n shows, wherever another program may have moved it in the file.
    void deleteEntry(int n);
    // Entry `from` becomes entry `to` in the file, then in the list, and stays selected.
    void moveEntry(int from, int to);
    // Appends the entries to the file and the list and selects the last of them.
    void appendEntries(const QList<MenuEntry>& entries);
    // The number of the entry the commands act on: the selected line's, kept while no line
    // is selected; 0 before any was.
    int selectedEntry() const { return m_selectedEntry; }

    // How "Try it" opens entry n, as the menu would; without one the command is not offered.
    void setRunEntry(std::function<bool(int n, const MenuEntry& entry)> runEntry) {
        m_runEntry = std::move(runEntry);
    }

    void setVisible(bool visible) override;

protected:
    void aboutToShow() override;

private:
    void selectionChanged();
    void addEntry();
    void editSelected();
    void deleteSelected();
    void openMenuFile();
    void saveMenuCopy();
    void showEntryMenu(const QPoint& at);
    // Rows counted from 0.
    void moveLine(int from, int to);
    void addDropped(const QList<QUrl>& urls);
    void addInstalledApplication();
    void moveSelectedUp();
    void moveSelectedDown();
    void trySelected();
    void editMenuShortcut();
    void clearLaunchHistory();
    // Appends the entries after whatever the file holds by then, as the list shows afterwards.
    void addEntries(const QList<MenuEntry>& entries);
    void fillList(const QList<MenuEntry>& entries);
    // Fills the list anew and selects `row`, or the last line.
    void showEntries(const QList<MenuEntry>& entries, int row);
    void removeLine(int row);
    // Another program may have changed the file since the list was filled, so that a line
    // number no longer names the entry the line shows: then the list is brought up to date,
    // the user is told, and the line of the entry `row` showed is selected. Its row now, or
    // nothing when that entry is gone.
    std::optional<int> rowInFile(int row);
    void tellListRenewed(const std::optional<MenuEntry>& gone);
    void inform(const QString& text);
    // Every change the window writes becomes a step that Undo takes back.
    void recordStep(const SafeFile::Change& change, int selectedBefore, int selectedAfter);
    void undo();
    void redo();
    // The list as the file holds it after an undo or redo, with the step's entry selected;
    // `refusal` tells the user when the step was refused.
    void showTurn(const MenuHistory::Turn& turn, const QString& refusal);
    void enableUndoRedo();

    ProgramFiles& m_files;
    EntryDialog& m_entryDialog;
    int m_selectedEntry = 0;
    QList<MenuEntry> m_shown; // what the list shows, as the file held it
    QTabWidget* m_tabs;
    QWidget* m_applicationsTab;
    QToolButton* m_openButton;
    QToolButton* m_saveButton;
    QWidget* m_buttonSeparator;
    QToolButton* m_newButton;
    QToolButton* m_editButton;
    QToolButton* m_deleteButton;
    MenuEntryList* m_entryList;
    QPushButton* m_closeButton;
    QPushButton* m_shortcutButton;
    QPushButton* m_clearLaunchHistoryButton;
    QMenu* m_entryMenu;
    QAction* m_addInstalledAction;
    QAction* m_moveUpAction;
    QAction* m_moveDownAction;
    QAction* m_tryAction;
    QAction* m_editAction;
    QAction* m_deleteAction;
    QAction* m_undoAction;
    QAction* m_redoAction;
    // The reference lists' boxes, placed and captioned, filled by their own code.
    QGroupBox* m_windowsMmcBox;
    QGroupBox* m_serverMmcBox;
    QGroupBox* m_runCommandsBox;
    ApplicationPicker* m_applicationPicker = nullptr;
    std::function<bool(int n, const MenuEntry& entry)> m_runEntry;
    ReferenceData m_referenceData;
};
