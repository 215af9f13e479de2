#include "bar/skincolor.h"

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

TColor HtmlToColor(const QString& text, TColor fallback) {
    if (!text.startsWith(u'#'))
        return clNone;
    // Blue, green, red: the pairs swap so that the number comes out as 0x00BBGGRR.
    // mid() past the end gives nothing, so short texts lose their missing pairs.
    const QString digits = text.mid(5, 2) + text.mid(3, 2) + text.mid(1, 2);
    if (digits.isEmpty())
        return fallback;
    TColor value = 0;
    for (const QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return fallback;
        value = value << 4 | TColor(digit);
    }
    return value;
}

QColor toQColor(TColor color) {
    if (color == clNone)
        return QColor(Qt::transparent);
    return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}
