// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bevelline.h"

#include <QPainter>

void BevelLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool horizontal = m_orientation == Qt::Horizontal;
    for (int i = 0; i < 2; ++i) {
        p.setPen(palette().color(i == 0 ? QPalette::Dark : QPalette::Light));
        if (horizontal)
            p.drawLine(0, i, width() - 1, i);
        else
            p.drawLine(i, 0, i, height() - 1);
    }
}
