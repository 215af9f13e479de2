// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/skin.h"

#include "core/appdir.h"
#include "core/profilefile.h"
#include "skin/bmpimage.h"
#include "skin/skincolor.h"

#include <QPainter>
#include <cstring>

namespace {

struct ColorKey {
    const char16_t* key;
    const char16_t* defaultText;
    TColor fallback;
    TColor SkinColors::*member;
};

// The order of the colour file's keys is the order they are read in.
const ColorKey kColorKeys[] = {
    {u"MnuItem.Highlight", u"#0000ff", 0xFF0000, &SkinColors::highlight},
    {u"MnuItem.outline", u"#0000ff", 0xFF0000, &SkinColors::outline},
    {u"Line.color", u"#000000", 0x000000, &SkinColors::line},
    {u"font.color", u"#000000", 0x000000, &SkinColors::font},
    {u"font.hover", u"#ff0000", 0x0000FF, &SkinColors::hover},
    {u"caption.color", u"#000000", 0x000000, &SkinColors::caption},
};

// Floor division, so that the pattern also lines up left of and above the origin.
int floorMod(int value, int divisor) {
    const int r = value % divisor;
    return r < 0 ? r + divisor : r;
}

} // namespace

void LoadSkin(const QString& folder, Skin& skin,
              const std::function<void(TColor)>& setCaptionColor) {
    const ProfileFile colors(folder + u"colors.ini"_qs);
    skin.bar = loadBmpFile(folder + u"bar.bmp"_qs);
    skin.menu = loadBmpFile(folder + u"menu.bmp"_qs);
    for (const ColorKey& c : kColorKeys) {
        const QString text = colors.ReadString(u"colors"_qs, QString::fromUtf16(c.key),
                                               QString::fromUtf16(c.defaultText));
        skin.colors.*c.member = HtmlToColor(text, c.fallback);
    }
    if (setCaptionColor)
        setCaptionColor(skin.colors.caption);
}

QImage GetBarTile(const QImage& barImage, int index) {
    QImage tile(kBarTileSize, kBarTileSize, QImage::Format_RGB888);
    tile.fill(Qt::white);
    const qint64 left = qint64(kBarTileSize) * index;
    if (left < 0 || left >= barImage.width())
        return tile;
    const QRect block(int(left), 0, kBarTileSize, kBarTileSize);
    const QRect present = block.intersected(barImage.rect());
    if (present.isEmpty())
        return tile;
    // Converted first so that alpha is dropped rather than blended: the copy is exact.
    const QImage part = barImage.copy(present).convertToFormat(QImage::Format_RGB888);
    const int dx = present.x() - block.x();
    const int dy = present.y() - block.y();
    for (int y = 0; y < part.height(); ++y)
        memcpy(tile.scanLine(dy + y) + 3 * dx, part.constScanLine(y), size_t(3 * part.width()));
    return tile;
}

QList<TileCopy> BackgroundTileCopies(const QRect& area) {
    QList<TileCopy> copies;
    if (area.isEmpty())
        return copies;
    const int firstX = area.left() - floorMod(area.left(), kBarTileSize);
    const int firstY = area.top() - floorMod(area.top(), kBarTileSize);
    for (int y = firstY; y <= area.bottom(); y += kBarTileSize) {
        for (int x = firstX; x <= area.right(); x += kBarTileSize) {
            const QRect target = QRect(x, y, kBarTileSize, kBarTileSize).intersected(area);
            copies.append({target, target.translated(-x, -y)});
        }
    }
    return copies;
}

void PaintBarBackground(QPainter& painter, const QImage& barImage, const QRect& area) {
    if (area.isEmpty())
        return;
    const QImage tile = GetBarTile(barImage, kBackgroundTile);
    for (const TileCopy& copy : BackgroundTileCopies(area))
        painter.drawImage(copy.target, tile, copy.source);
}
