// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/uifont.h"

#include <QStringList>

QFont uiFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({u"Segoe UI"_qs, u"Noto Sans UI"_qs, u"Noto Sans"_qs, u"DejaVu Sans"_qs});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
