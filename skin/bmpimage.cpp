// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/bmpimage.h"

#include "core/error.h"
#include "core/safefile.h"

#include <QCoreApplication>
#include <array>
#include <bit>
#include <cerrno>

namespace {

// A skin picture is small; claims beyond these are damage, not pictures.
constexpr qint64 kMaxDimension = 32768;
constexpr qint64 kMaxPixels = qint64(64) * 1024 * 1024;
constexpr qint64 kMaxFileSize = qint64(256) * 1024 * 1024;
// An RLE run of two bytes paints at most 255 pixels; the allowance keeps tiny pictures that
// skip most of their area with end-of-line and end-of-bitmap codes readable.
constexpr qint64 kMaxRlePixelsPerByte = 256;
constexpr qint64 kRlePixelAllowance = 65536;

constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiRle8 = 1;
constexpr quint32 kBiRle4 = 2;
constexpr quint32 kBiBitfields = 3;

constexpr QRgb kBlack = 0xFF000000;

[[noreturn]] void invalid() {
    throw LarkspanError(QCoreApplication::translate("BmpImage", "Bitmap image is not valid"));
}

// Little-endian reads that fail as a damaged bitmap instead of reading past the end.
class Bytes {
public:
    explicit Bytes(QByteArrayView bytes) : m_bytes(bytes) {}

    qint64 size() const { return m_bytes.size(); }
    quint8 u8(qint64 pos) const {
        if (pos < 0 || pos >= size())
            invalid();
        return quint8(m_bytes[pos]);
    }
    quint16 u16(qint64 pos) const { return quint16(u8(pos) | u8(pos + 1) << 8); }
    quint32 u32(qint64 pos) const { return u16(pos) | quint32(u16(pos + 2)) << 16; }
    qint32 i32(qint64 pos) const { return qint32(u32(pos)); }
    const quint8* data(qint64 pos) const {
        return reinterpret_cast<const quint8*>(m_bytes.data()) + pos;
    }

private:
    QByteArrayView m_bytes;
};

// One colour channel of a bit-field pixel, scaled to 8 bits.
class Channel {
public:
    explicit Channel(quint32 mask) : m_mask(mask) {
        if (mask == 0)
            return;
        m_shift = std::countr_zero(mask);
        m_bits = std::popcount(mask);
        // Gaps in a mask make no sense for a colour channel.
        if (std::countl_zero(mask) + m_shift + m_bits != 32)
            invalid();
        m_max = (quint64(1) << m_bits) - 1;
    }
    quint32 value(quint32 pixel) const {
        if (m_mask == 0)
            return 0;
        const quint32 v = (pixel & m_mask) >> m_shift;
        if (m_bits >= 8)
            return v >> (m_bits - 8);
        return quint32(v * 255 / m_max);
    }

private:
    quint32 m_mask = 0;
    int m_shift = 0;
    int m_bits = 0;
    quint64 m_max = 1;
};

struct Header {
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = kBiRgb;
    std::array<quint32, 3> masks{};
    QList<QRgb> palette;
    qint64 dataOffset = 0;
};

Header readHeader(const Bytes& in) {
    Header h;
    const qint64 headerSize = in.u32(14);
    const qint64 dataOffset = in.u32(10);
    qint64 paletteStart = 14 + headerSize;
    qint64 paletteEntrySize = 4;
    qint64 colorsUsed = 0;

    if (headerSize == 12) {
        h.width = in.u16(18);
        h.height = in.u16(20);
        h.bitCount = in.u16(24);
        paletteEntrySize = 3;
        if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24)
            invalid();
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
               headerSize == 124) {
        in.u8(14 + headerSize - 1);
        h.width = in.i32(18);
        h.height = in.i32(22);
        h.bitCount = in.u16(28);
        h.compression = in.u32(30);
        colorsUsed = in.u32(46);
        if (h.compression == kBiBitfields) {
            // The info header is followed by the three masks; the later versions hold them.
            for (int i = 0; i < 3; ++i)
                h.masks[i] = in.u32(54 + 4 * i);
            if (headerSize == 40)
                paletteStart += 12;
        }
    } else {
        invalid();
    }

    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    if (h.width < 1 || h.height < 1 || h.width > kMaxDimension || h.height > kMaxDimension ||
        h.width * h.height > kMaxPixels)
        invalid();

    switch (h.compression) {
    case kBiRgb:
        if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 16 &&
            h.bitCount != 24 && h.bitCount != 32)
            invalid();
        if (h.bitCount == 16)
            h.masks = {0x7C00, 0x03E0, 0x001F};
        else if (h.bitCount == 32)
            h.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
        break;
    case kBiRle8:
    case kBiRle4:
        // Compressed rows always run bottom-up.
        if (h.bitCount != (h.compression == kBiRle8 ? 8 : 4) || h.topDown)
            invalid();
        break;
    case kBiBitfields:
        if (h.bitCount != 16 && h.bitCount != 32)
            invalid();
        break;
    default:
        invalid();
    }

    if (dataOffset < paletteStart || dataOffset > in.size())
        invalid();
    h.dataOffset = dataOffset;

    if (h.bitCount <= 8) {
        const qint64 maxColors = qint64(1) << h.bitCount;
        const qint64 wanted = colorsUsed == 0 ? maxColors : qMin(colorsUsed, maxColors);
        // Entries that the pixel data overlaps are left out; their indices read as black.
        const qint64 present = qMin(wanted, (dataOffset - paletteStart) / paletteEntrySize);
        h.palette.reserve(present);
        for (qint64 i = 0; i < present; ++i) {
            const qint64 at = paletteStart + i * paletteEntrySize;
            h.palette.append(qRgb(in.u8(at + 2), in.u8(at + 1), in.u8(at)));
        }
    }
    return h;
}

QRgb paletteColor(const QList<QRgb>& palette, int index) {
    return index < palette.size() ? palette[index] : kBlack;
}

QImage newImage(const Header& h) {
    QImage image(int(h.width), int(h.height), QImage::Format_RGB32);
    if (image.isNull())
        invalid();
    return image;
}

QImage decodeUncompressed(const Bytes& in, const Header& h) {
    const qint64 stride = (h.width * h.bitCount + 31) / 32 * 4;
    // The last row may go without its padding.
    const qint64 lastRow = (h.width * h.bitCount + 7) / 8;
    if ((h.height - 1) * stride + lastRow > in.size() - h.dataOffset)
        invalid();

    QImage image = newImage(h);
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    const int width = int(h.width);
    for (qint64 row = 0; row < h.height; ++row) {
        const quint8* src = in.data(h.dataOffset + row * stride);
        auto* dst =
            reinterpret_cast<QRgb*>(image.scanLine(int(h.topDown ? row : h.height - 1 - row)));
        switch (h.bitCount) {
        case 1:
            for (int x = 0; x < width; ++x)
                dst[x] = paletteColor(h.palette, src[x >> 3] >> (7 - (x & 7)) & 1);
            break;
        case 4:
            for (int x = 0; x < width; ++x)
                dst[x] = paletteColor(h.palette, (x & 1) ? src[x >> 1] & 0x0F : src[x >> 1] >> 4);
            break;
        case 8:
            for (int x = 0; x < width; ++x)
                dst[x] = paletteColor(h.palette, src[x]);
            break;
        case 16:
            for (int x = 0; x < width; ++x) {
                const quint32 p = src[2 * x] | src[2 * x + 1] << 8;
                dst[x] = qRgb(int(red.value(p)), int(green.value(p)), int(blue.value(p)));
            }
            break;
        case 24:
            for (int x = 0; x < width; ++x)
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
            break;
        case 32:
            for (int x = 0; x < width; ++x) {
                const quint8* s = src + 4 * x;
                const quint32 p = s[0] | s[1] << 8 | s[2] << 16 | quint32(s[3]) << 24;
                dst[x] = qRgb(int(red.value(p)), int(green.value(p)), int(blue.value(p)));
            }
            break;
        }
    }
    return image;
}

QImage decodeRle(const Bytes& in, const Header& h) {
    const qint64 length = in.size() - h.dataOffset;
    // Runs and skips let a few bytes claim any size: hold the claim to what the bytes can paint.
    if (h.width * h.height > length * kMaxRlePixelsPerByte + kRlePixelAllowance)
        invalid();

    QImage image = newImage(h);
    image.fill(kBlack);
    const bool rle4 = h.compression == kBiRle4;
    const quint8* data = in.data(h.dataOffset);
    const qint64 width = h.width;
    const qint64 height = h.height;
    qint64 x = 0;
    qint64 y = 0; // counted from the bottom row
    qint64 pos = 0;
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(int(height - 1)));
    auto moveTo = [&](qint64 newX, qint64 newY) {
        x = qMin(newX, width);
        if (newY != y && newY < height)
            line = reinterpret_cast<QRgb*>(image.scanLine(int(height - 1 - newY)));
        y = newY;
    };

    for (;;) {
        if (y >= height)
            return image;
        if (pos + 2 > length) {
            // A stream may end without its end-of-bitmap code once every row is complete.
            if (y == height - 1 && x >= width)
                return image;
            invalid();
        }
        const int count = data[pos];
        const int value = data[pos + 1];
        pos += 2;
        if (count > 0) {
            const qint64 n = qMin<qint64>(count, width - x);
            for (qint64 i = 0; i < n; ++i) {
                const int index = rle4 ? ((i & 1) ? value & 0x0F : value >> 4) : value;
                line[x + i] = paletteColor(h.palette, index);
            }
            x += n;
            continue;
        }
        switch (value) {
        case 0: // end of line
            moveTo(0, y + 1);
            break;
        case 1: // end of bitmap
            return image;
        case 2: // delta
            if (pos + 2 > length)
                invalid();
            moveTo(x + data[pos], y + data[pos + 1]);
            pos += 2;
            break;
        default: { // absolute run of `value` pixels, padded to a 16-bit boundary
            const qint64 bytes = rle4 ? (value + 1) / 2 : value;
            if (pos + bytes > length)
                invalid();
            const qint64 n = qMin<qint64>(value, width - x);
            for (qint64 i = 0; i < n; ++i) {
                const int index =
                    rle4 ? ((i & 1) ? data[pos + i / 2] & 0x0F : data[pos + i / 2] >> 4)
                         : data[pos + i];
                line[x + i] = paletteColor(h.palette, index);
            }
            x += n;
            pos += (bytes + 1) & ~qint64(1);
            break;
        }
        }
    }
}

// The system's text for an error, without the trailing blanks, line breaks and full stops
// that some texts end with.
QString reasonText(int error) {
    QString text = qt_error_string(error);
    while (!text.isEmpty() && (text.back().isSpace() || text.back() == u'.'))
        text.chop(1);
    return text;
}

[[noreturn]] void cannotOpen(const QString& shownPath, const QString& reason) {
    throw LarkspanError(QCoreApplication::translate("BmpImage", "Cannot open file \"%1\". %2")
                            .arg(shownPath, reason));
}

} // namespace

QImage decodeBmp(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return QImage();
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        invalid();
    const Bytes in(bytes);
    const Header header = readHeader(in);
    if (header.compression == kBiRle8 || header.compression == kBiRle4)
        return decodeRle(in, header);
    return decodeUncompressed(in, header);
}

QImage loadBmpFile(const QString& path) {
    const QString shown = SafeFile::shownPath(path);
    int error = 0;
    const auto bytes = SafeFile::read(path, &error, kMaxFileSize);
    if (!bytes) {
        if (error == EFBIG)
            invalid();
        cannotOpen(shown, error == ENODEV
                              ? QCoreApplication::translate("BmpImage", "Not a regular file")
                              : reasonText(error));
    }
    return decodeBmp(*bytes);
}
