#pragma once

#include "core/tools.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <functional>

class QPainter;

// The pictures of the skin.
struct SkinImages {
    QImage bar;  // bar.bmp, five 30 x 30 tiles side by side
    QImage menu; // menu.bmp, the background pattern of the launcher menu
};

inline constexpr int kBarTileSize = 30;
inline constexpr int kBackgroundTile = 4;

// Loads the skin in `folder` (Configuration::skinFolder): bar.bmp into
// images.bar, menu.bmp into images.menu, then the six colour globals from colors.ini, and
// last hands CaptionColor to setCaptionColor (may be empty) for the caption label.
// Throws LarkspanError when a picture cannot be loaded; what was loaded before stays and the
// later steps do not run, so the colours keep their values and the caption is not recoloured.
void LoadSkin(const QString& folder, SkinImages& images,
              const std::function<void(TColor)>& setCaptionColor);

// A new 30 x 30 picture, 24 bits per pixel: the tile at x = 30 * index, y = 0 of the bar
// picture, copied pixel for pixel. Parts outside the bar picture are white.
QImage GetBarTile(const QImage& barImage, int index);

// Where the bar's paint puts copies of the background tile: a pattern whose copies start at the
// window's top-left corner and every 30 pixels from there, cut to `area`.
struct TileCopy {
    QRect target; // in window coordinates
    QRect source; // the part of the 30 x 30 tile
};
QList<TileCopy> BackgroundTileCopies(const QRect& area);

// The bar's background: tile 4 of the bar picture repeated over `area`.
// An empty area paints nothing.
void PaintBarBackground(QPainter& painter, const QImage& barImage, const QRect& area);
