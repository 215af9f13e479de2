// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/launchermenu.h"
#include "platform/entryicons.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

constexpr int kIconsPerTurn = 4; // lookups between two turns of the event loop
constexpr int kIconLeft = 5;     // in the 26-pixel gutter before the text

} // namespace

void LauncherMenu::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    const int strip = scrollStripHeight();
    const int pinned = pinnedHeight();
    if (pinned > 0 && dirty.top() < pinned)
        paintRow(painter, 0, rowGeometry(0));
    painter.setClipRect(QRect(0, pinned + strip, width(), viewportHeight()));
    const int first = m_rows.rowAt(qMax(dirty.top(), pinned + strip) - strip + m_offset);
    for (int row = qMax(first, pinned > 0 ? 1 : 0); row < m_rows.size(); ++row) {
        const QRect r = rowGeometry(row);
        if (r.top() > dirty.bottom())
            break;
        if (r.isValid())
            paintRow(painter, row, r);
    }
    if (strip == 0)
        return;
    painter.setClipping(false);
    const QBrush fill = m_look.background.isNull() ? palette().window() : QBrush(m_look.background);
    painter.setBrushOrigin(0, 0);
    for (const bool down : {false, true}) {
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = QRect(0, down ? height() - strip : pinned, width(), strip);
        painter.fillRect(arrow.rect, fill);
        style()->drawPrimitive(down ? QStyle::PE_IndicatorArrowDown : QStyle::PE_IndicatorArrowUp,
                               &arrow, &painter, this);
    }
}

void LauncherMenu::paintRow(QPainter& painter, int row, const QRect& rect) {
    const MenuRow& item = rows()[row];
    if (item.tag == kFilterLineTag) {
        DrawMenuItem(painter, rect, QString(), false, m_look);
        painter.setFont(m_look.font);
        // Text longer than the line shows its end, where the caret is.
        const QRect line = rect.adjusted(kIconLeft, 0, -kIconLeft, 0);
        const QString prompt = u"/ "_qs;
        const QString caret = u"_"_qs;
        const QFontMetrics fm = painter.fontMetrics();
        const int room = line.width() - fm.horizontalAdvance(prompt) - fm.horizontalAdvance(caret);
        const QString shown = fm.elidedText(m_filter.text(), Qt::ElideLeft, qMax(room, 0));
        DrawMenuText(painter, line, prompt + QString(shown).replace(u'&', u"&&"_qs) + caret);
        return;
    }
    if (item.tag == kNoMatchTag) {
        painter.save();
        painter.setOpacity(0.5);
        DrawMenuItem(painter, rect, item.caption, false, m_look);
        painter.restore();
        return;
    }
    DrawMenuItem(painter, rect, item.caption, row == m_active, m_look);
    drawIcon(painter, item, rect);
}

void LauncherMenu::drawIcon(QPainter& painter, const MenuRow& row, const QRect& rect) {
    if (row.target.isEmpty())
        return;
    const std::optional<QPixmap> icon =
        m_icons ? m_icons->cached(row.target, devicePixelRatioF()) : std::nullopt;
    if (!icon) {
        if (!m_pendingIcons.contains(row.target))
            m_pendingIcons.append(row.target);
        if (!m_iconTimer.isActive())
            m_iconTimer.start(0);
        return;
    }
    if (!icon->isNull())
        painter.drawPixmap(rect.left() + kIconLeft,
                           rect.top() + (rect.height() - EntryIcons::kSize) / 2, *icon);
}

// A few lookups per turn of the event loop, so that the menu answers keys and the pointer
// while icons come in.
void LauncherMenu::loadPendingIcons() {
    if (!m_icons)
        m_icons = std::make_unique<EntryIcons>();
    for (int i = 0; i < kIconsPerTurn && !m_pendingIcons.isEmpty(); ++i)
        m_icons->pixmap(m_pendingIcons.takeFirst(), devicePixelRatioF());
    if (!m_pendingIcons.isEmpty())
        m_iconTimer.start(0);
    update();
}
