// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profileinteger.h"

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

std::optional<quint32> parseHex(QStringView digits) {
    if (digits.isEmpty())
        return std::nullopt;
    quint32 value = 0;
    int significant = 0;
    for (QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        if (significant > 0 || d != 0)
            ++significant;
        if (significant > 8)
            return std::nullopt;
        value = (value << 4) | quint32(d);
    }
    return value;
}

std::optional<qint32> parseDecimal(QStringView digits, bool negative) {
    if (digits.isEmpty())
        return std::nullopt;
    const quint64 limit = negative ? 2147483648ULL : 2147483647ULL;
    quint64 value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return negative ? qint32(-qint64(value)) : qint32(value);
}

} // namespace

std::optional<qint32> parseProfileInteger(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const QStringView rest = text.mid(i);
    qsizetype prefix = 0;
    if (rest.startsWith(u"0x", Qt::CaseInsensitive))
        prefix = 2;
    else if (rest.startsWith(u'$') || rest.startsWith(u'x') || rest.startsWith(u'X'))
        prefix = 1;
    if (prefix == 0)
        return parseDecimal(rest, negative);

    const auto bits = parseHex(rest.mid(prefix));
    if (!bits)
        return std::nullopt;
    // Negation wraps in 32 bits, as the stored bit pattern does.
    return qint32(negative ? 0u - *bits : *bits);
}
