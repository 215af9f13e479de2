// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/menuentrylist.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyledItemDelegate>

namespace {

class FixedLineHeight : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 15};
    }
};

} // namespace

MenuEntryList::MenuEntryList(QWidget* parent) : QListWidget(parent) {
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setItemDelegate(new FixedLineHeight(this));
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
}

int MenuEntryList::selectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.constFirst());
}

QItemSelectionModel::SelectionFlags MenuEntryList::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event) == QItemSelectionModel::NoUpdate
               ? QItemSelectionModel::NoUpdate
               : QItemSelectionModel::ClearAndSelect;
}

void MenuEntryList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    const bool up = event->key() == Qt::Key_Up;
    if ((up || event->key() == Qt::Key_Down) && event->modifiers() == Qt::AltModifier) {
        const int row = selectedRow();
        const int to = row + (up ? -1 : 1);
        if (row >= 0 && to >= 0 && to < count())
            emit moveRequested(row, to);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void MenuEntryList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    m_pressedAt =
        event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()
            ? std::optional(event->position().toPoint())
            : std::nullopt;
}

// The drag starts at the first move past the drag distance, whatever the selection did.
void MenuEntryList::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressedAt && (event->buttons() & Qt::LeftButton)) {
        if ((event->position().toPoint() - *m_pressedAt).manhattanLength() >=
            QApplication::startDragDistance()) {
            m_pressedAt.reset();
            // Not the view's own drag, which takes a line out when it ends as a move.
            auto* drag = new QDrag(this);
            drag->setMimeData(model()->mimeData(selectedIndexes()));
            drag->exec(Qt::MoveAction);
        }
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void MenuEntryList::mouseReleaseEvent(QMouseEvent* event) {
    m_pressedAt.reset();
    QListWidget::mouseReleaseEvent(event);
}

void MenuEntryList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != this && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        QListWidget::dragEnterEvent(event);
}

void MenuEntryList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this && event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        return;
    }
    QListWidget::dragMoveEvent(event);
    if (event->source() == this)
        event->acceptProposedAction();
}

void MenuEntryList::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (event->source() != this) {
        if (event->mimeData()->hasUrls()) {
            event->acceptProposedAction();
            emit urlsDropped(event->mimeData()->urls());
        }
        return;
    }
    event->acceptProposedAction();
    const int from = selectedRow();
    const QPoint at = event->position().toPoint();
    const QModelIndex under = indexAt(at);
    int before = count();
    if (under.isValid())
        before = under.row() + (at.y() >= visualRect(under).center().y() ? 1 : 0);
    const int to = before > from ? before - 1 : before;
    if (from >= 0 && to != from)
        emit moveRequested(from, to);
}

void MenuEntryList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    emit doubleClickedAnywhere();
}
