// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/skincolor.h"

#include "core/profileinteger.h"

TColor HtmlToColor(const QString& text, TColor fallback) {
    if (!text.startsWith(u'#'))
        return clNone;
    // Blue, green, red: the pairs swap so that the number comes out as 0x00BBGGRR.
    // mid() past the end gives nothing, so short texts lose their missing pairs.
    const QString digits = text.mid(5, 2) + text.mid(3, 2) + text.mid(1, 2);
    const auto value = parseProfileInteger(u'$' + digits);
    return value ? TColor(*value) : fallback;
}

QColor toQColor(TColor color) {
    if (color == clNone)
        return QColor(Qt::transparent);
    return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}
