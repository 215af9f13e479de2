// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap decoder on arbitrary bytes: it either fails with its one error or gives a
// picture no larger than the bytes can describe, and every pixel of it is set.
#include "core/error.h"
#include "skin/bmpimage.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Uncompressed pixels take at least one bit each; RLE may claim 256 pixels a byte and a
// little more for tiny pictures.
bool sizeJustified(const QImage& image, size_t bytes) {
    const qint64 pixels = qint64(image.width()) * image.height();
    return pixels <= qint64(bytes) * 256 + 65536;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QImage image;
    try {
        image = decodeBmp(QByteArrayView(data, qsizetype(size)));
    } catch (const LarkspanError& e) {
        if (e.message() != QLatin1String("Bitmap image is not valid"))
            std::abort();
        return 0;
    }
    if (size == 0) {
        if (!image.isNull())
            std::abort();
        return 0;
    }
    if (image.isNull() || image.format() != QImage::Format_RGB32 || !sizeJustified(image, size))
        std::abort();
    // Every pixel is opaque: one that the decoder never wrote would show as garbage.
    quint32 all = 0xFF000000;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            all &= line[x];
    }
    if ((all & 0xFF000000) != 0xFF000000)
        std::abort();
    return 0;
}
