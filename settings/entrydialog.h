// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menufile.h"
#include "settings/settingswidgets.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

// The entry dialog: caption and target of one menu entry. Made once at start-up and shown
// modally by the Settings window.
class EntryDialog : public FixedDialog {
    Q_OBJECT
public:
    explicit EntryDialog(QWidget* parent = nullptr);

    // Shows `entry` for editing (an empty one for a new entry) and returns the texts as typed
    // on OK; nothing on Cancel or the title bar's close button.
    std::optional<MenuEntry> edit(const MenuEntry& entry);
    // What edit does without waiting: the entry that a showing starts from, and afterwards
    // the texts as they were when OK was last pressed.
    void setEntry(const MenuEntry& entry) { m_entry = entry; }
    const MenuEntry& entry() const { return m_entry; }

protected:
    void aboutToShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void accepted();
    void cancelled();
    void chooseFile();
    void chooseFolder();

private:
    static void setWhiteBackground(QLineEdit* field);

    QLabel* m_captionLabel;
    QLineEdit* m_captionField;
    QLabel* m_targetLabel;
    QLineEdit* m_targetField;
    QToolButton* m_fileButton;
    QToolButton* m_folderButton;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    MenuEntry m_entry;
};
