// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/launchermenu.h"
#include "bar/menulogic.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

// The keys of the filter; false for those the menu handles as always.
bool LauncherMenu::filterKey(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (!m_filter.isActive()) {
        if (event->text() == u"/" || (control && event->key() == Qt::Key_F)) {
            startFilter();
            return true;
        }
        return false;
    }
    if (event->matches(QKeySequence::Paste)) { // Ctrl+V, Shift+Insert
        paste(QClipboard::Clipboard);
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        stopFilter();
        return true;
    case Qt::Key_Backspace:
        setFilterText(m_filter.text().chopped(qMin<qsizetype>(1, m_filter.text().size())));
        return true;
    case Qt::Key_Space:
        setFilterText(m_filter.text() + u' ');
        return true;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed[0].isPrint() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    setFilterText(m_filter.text() + typed);
    return true;
}

// The filter is one line: what was copied goes in up to its first line break.
void LauncherMenu::paste(QClipboard::Mode mode) {
    const QString copied = QGuiApplication::clipboard()->text(mode);
    const qsizetype end = std::find_if(copied.begin(), copied.end(),
                                       [](QChar c) { return c == u'\n' || c == u'\r'; }) -
                          copied.begin();
    if (end > 0)
        setFilterText(m_filter.text() + copied.first(end));
}

// Moves the highlight `step` selectable rows on; a single step wraps around at the ends, a
// page stops there. From no highlight, forward starts at the top and backward at the bottom.
void LauncherMenu::moveActive(int step) {
    const int count = int(m_rows.size());
    const int direction = step > 0 ? 1 : -1;
    int row = m_active;
    int target = -1;
    int moved = 0;
    for (int visited = 0; visited <= count && moved < std::abs(step); ++visited) {
        row += direction;
        if (row < 0 || row >= count) {
            if (target >= 0 || std::abs(step) > 1)
                break;
            row = row < 0 ? count - 1 : 0;
        }
        if (isSelectable(row)) {
            target = row;
            ++moved;
        }
    }
    if (target >= 0)
        setActiveRow(target);
}

void LauncherMenu::activateEdge(bool last) {
    const int count = int(m_rows.size());
    for (int i = 0; i < count; ++i) {
        const int row = last ? count - 1 - i : i;
        if (isSelectable(row)) {
            setActiveRow(row);
            return;
        }
    }
}

void LauncherMenu::choose(int row) {
    m_chosen = row;
    hide();
}

void LauncherMenu::keyPressEvent(QKeyEvent* event) {
    if (filterKey(event))
        return;
    if (m_filter.isActive() && !event->text().isEmpty() && event->text()[0].isPrint())
        return; // no access keys while filtering
    const int page = qMax(1, viewportHeight() / qMax(1, m_rows.itemHeight()) - 1);
    switch (event->key()) {
    case Qt::Key_Down:
        moveActive(1);
        return;
    case Qt::Key_Up:
        moveActive(-1);
        return;
    case Qt::Key_PageDown:
        moveActive(page);
        return;
    case Qt::Key_PageUp:
        moveActive(-page);
        return;
    case Qt::Key_Home:
        activateEdge(false);
        return;
    case Qt::Key_End:
        activateEdge(true);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_active >= 0)
            choose(m_active);
        return;
    case Qt::Key_Escape:
        hide();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !typed[0].isPrint() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return;
    QStringList captions;
    QList<bool> selectable;
    captions.reserve(m_rows.size());
    selectable.reserve(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i) {
        captions.append(rows()[i].caption);
        selectable.append(isSelectable(i));
    }
    const KeyMatch match = matchTypedCharacter(captions, selectable, typed[0], m_active);
    if (match.index < 0)
        return;
    setActiveRow(match.index);
    if (match.chooses)
        choose(match.index);
}

void LauncherMenu::followPointer(QPoint at) {
    if (!rect().contains(at)) {
        pointerLeft();
        return;
    }
    const int strip = scrollStripHeight();
    const int top = pinnedHeight();
    m_scrollStep = 0;
    if (at.y() >= top && at.y() < top + strip)
        m_scrollStep = -m_rows.itemHeight();
    else if (strip > 0 && at.y() >= height() - strip)
        m_scrollStep = m_rows.itemHeight();
    if (m_scrollStep == 0)
        m_scrollTimer.stop();
    else if (!m_scrollTimer.isActive())
        m_scrollTimer.start();
    highlight(rowAt(at), true);
}

// The highlight the pointer made goes with it; one made with the keys stays.
void LauncherMenu::pointerLeft() {
    m_scrollTimer.stop();
    if (m_activeByPointer)
        setActiveRow(-1);
}

void LauncherMenu::mouseMoveEvent(QMouseEvent* event) {
    followPointer(event->position().toPoint());
}

void LauncherMenu::leaveEvent(QEvent*) {
    pointerLeft();
}

void LauncherMenu::mousePressEvent(QMouseEvent* event) {
    // A press outside closes the menu and, on this platform, goes no further: a press on
    // Start closes it without opening it again.
    if (!rect().contains(event->position().toPoint()))
        hide();
}

void LauncherMenu::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the selection into the filter line, as into any X text field.
    if (event->button() == Qt::MiddleButton && m_filter.isActive() &&
        rect().contains(event->position().toPoint())) {
        paste(QClipboard::Selection);
        return;
    }
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    const int row = rowAt(event->position().toPoint());
    if (isSelectable(row))
        choose(row);
}

void LauncherMenu::wheelEvent(QWheelEvent* event) {
    if (m_scrolls)
        scrollBy(-event->angleDelta().y() * 3 * m_rows.itemHeight() / 120);
    followPointer(event->position().toPoint());
}
