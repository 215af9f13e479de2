// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/textroom.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

void widenToText(QPushButton* button, bool keepRightEdge) {
    QStyleOptionButton option;
    option.initFrom(button);
    const int contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    // A little space either side, so that a widened button's text does not touch its frame.
    constexpr int breathingSpace = 8;
    const int needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() +
                       (button->width() - contents) + breathingSpace;
    if (needed <= button->width())
        return;
    QRect box = button->geometry();
    if (keepRightEdge)
        box.setLeft(box.right() + 1 - needed);
    else
        box.setWidth(needed);
    button->setGeometry(box);
}
