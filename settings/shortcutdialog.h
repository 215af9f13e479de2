// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QKeyCombination>
#include <optional>

class MenuShortcutStore;
class QKeySequenceEdit;
class QLabel;
class QPushButton;

// Records the key combination that opens the launcher menu and writes it into the desktop's
// own shortcut settings (`store`), showing the one in force and what else holds a new one.
// Without a store it shows the command to bind by hand, as selectable text.
class MenuShortcutDialog : public QDialog {
    Q_OBJECT
public:
    // `store` (may be null) must outlive the dialog; `desktop` names the desktop in texts.
    MenuShortcutDialog(MenuShortcutStore* store, const QString& command, const QString& desktop,
                       QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showCurrent();
    void keysChanged();
    void setRecorded();
    void clearBinding();

    MenuShortcutStore* m_store;
    QString m_command;
    std::optional<QKeyCombination> m_recorded;
    QLabel* m_currentLabel = nullptr;
    QKeySequenceEdit* m_keysEdit = nullptr;
    QLabel* m_statusLabel = nullptr;
    QPushButton* m_setButton = nullptr;
    QPushButton* m_clearButton = nullptr;
};
