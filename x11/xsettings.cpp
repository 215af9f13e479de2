// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11/xsettings.h"

#include <QtEndian>

std::optional<QString> xsettingsString(const QByteArray& blob, const QString& name) {
    // Byte order, 3 unused bytes, serial, count; then the settings, each padded to 4 bytes.
    if (blob.size() < 12)
        return std::nullopt;
    const bool big = blob[0] != 0;
    const auto* data = reinterpret_cast<const uchar*>(blob.constData());
    const qsizetype size = blob.size();
    const auto u16 = [&](qsizetype at) {
        return big ? qFromBigEndian<quint16>(data + at) : qFromLittleEndian<quint16>(data + at);
    };
    const auto u32 = [&](qsizetype at) {
        return big ? qFromBigEndian<quint32>(data + at) : qFromLittleEndian<quint32>(data + at);
    };
    const auto padded = [](qint64 n) { return (n + 3) & ~qint64(3); };
    const quint32 count = u32(8);
    qsizetype at = 12;
    for (quint32 i = 0; i < count; ++i) {
        if (at + 4 > size)
            return std::nullopt;
        const uchar type = data[at];
        const qint64 nameLength = u16(at + 2);
        const qint64 valueAt = at + 4 + padded(nameLength) + 4; // after the last-change serial
        if (valueAt > size)
            return std::nullopt;
        const QByteArray settingName = blob.mid(at + 4, nameLength);
        qint64 next = 0;
        switch (type) {
        case 0: // integer
        case 2: // colour: four 16-bit channels
            next = valueAt + (type == 0 ? 4 : 8);
            break;
        case 1: { // string
            if (valueAt + 4 > size)
                return std::nullopt;
            const qint64 length = u32(valueAt);
            next = valueAt + 4 + padded(length);
            if (next > size)
                return std::nullopt;
            if (settingName == name.toUtf8())
                return QString::fromUtf8(blob.mid(valueAt + 4, length));
            break;
        }
        default:
            return std::nullopt;
        }
        if (next > size)
            return std::nullopt;
        at = next;
    }
    return std::nullopt;
}
