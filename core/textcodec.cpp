// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace {

// 0x80..0x9F of Windows-1252; its five unassigned bytes map to the C1 controls of the
// same number, as the Windows converter does, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decode1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? kHigh1252[u - 0x80] : char16_t(u));
    }
    return text;
}

std::optional<QByteArray> encode1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = char(u);
            continue;
        }
        qsizetype i = 0;
        while (i < qsizetype(kHigh1252.size()) && kHigh1252[i] != u)
            ++i;
        if (i == qsizetype(kHigh1252.size()))
            return std::nullopt;
        *out++ = char(0x80 + i);
    }
    return bytes;
}

// The caller has taken off the one byte order mark that tells the encoding; any further
// U+FEFF is text and must survive a rewrite.
QString decodeStrict(QStringConverter::Encoding encoding, QByteArrayView bytes, bool* ok) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless |
                                         QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    *ok = !decoder.hasError();
    return text;
}

} // namespace

DecodedText decodeText(const QByteArray& bytes) {
    const QByteArrayView view(bytes);
    bool ok = false;
    if (view.startsWith("\xEF\xBB\xBF")) {
        QString text = decodeStrict(QStringConverter::Utf8, view.sliced(3), &ok);
        return {text, TextEncoding::Utf8Bom};
    }
    if (view.startsWith("\xFF\xFE"))
        return {decodeStrict(QStringConverter::Utf16LE, view.sliced(2), &ok),
                TextEncoding::Utf16LeBom};
    if (view.startsWith("\xFE\xFF"))
        return {decodeStrict(QStringConverter::Utf16BE, view.sliced(2), &ok),
                TextEncoding::Utf16BeBom};
    QString text = decodeStrict(QStringConverter::Utf8, view, &ok);
    if (ok)
        return {text, TextEncoding::Utf8};
    return {decode1252(view), TextEncoding::Windows1252};
}

std::optional<QByteArray> encodeText(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case TextEncoding::Utf16LeBom: {
        QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    }
    case TextEncoding::Utf16BeBom: {
        QStringEncoder encoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    }
    case TextEncoding::Windows1252:
        return encode1252(text);
    }
    return std::nullopt;
}
