// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QUrl>
#include <optional>

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
