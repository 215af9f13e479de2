// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/menudrawing.h"

#include "core/menufile.h"
#include "skin/skincolor.h"

#include <QPainter>

void DrawMenuText(QPainter& painter, const QRect& rect, const QString& text) {
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawText(
        rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
    painter.restore();
}

void DrawMenuItem(QPainter& painter, const QRect& rect, const QString& caption, bool selected,
                  const MenuLook& look) {
    QFont font = look.font;
    font.setBold(selected);
    painter.setFont(font);

    QBrush fill;
    QColor frame;
    QColor text;
    if (selected) {
        fill = QBrush(toQColor(look.colors.highlight));
        frame = toQColor(look.colors.outline);
        text = toQColor(look.colors.hover);
    } else {
        if (look.background.isNull()) {
            fill = painter.background();
            frame = fill.color();
        } else {
            fill = QBrush(look.background);
            frame = look.background.pixelColor(0, 0);
        }
        text = toQColor(look.colors.font);
    }
    // The pattern starts at the menu's own top-left corner, like a brush of the menu window,
    // and is enlarged by whole pixels at higher densities.
    painter.setBrushOrigin(0, 0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.fillRect(rect, fill);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), frame);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), frame);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), frame);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), frame);

    if (!IsSeparator(caption)) {
        painter.setPen(text);
        DrawMenuText(painter, rect.adjusted(26, 0, 0, 0), caption);
    } else {
        const int y = rect.top() + rect.height() / 2;
        painter.fillRect(QRect(rect.left(), y, rect.width(), 1), toQColor(look.colors.line));
    }
}
