// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/skincolor.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <functional>

class QPainter;

// The colours of colors.ini; 0 until a skin is loaded.
struct SkinColors {
    TColor highlight = 0; // a selected menu item's fill
    TColor outline = 0;   // its frame
    TColor line = 0;      // a separator's line
    TColor font = 0;      // an unselected item's text
    TColor hover = 0;     // a selected item's text
    TColor caption = 0;   // the bar's caption label
};

// The pictures and colours of the skin.
struct Skin {
    QImage bar;  // bar.bmp, five 30 x 30 tiles side by side
    QImage menu; // menu.bmp, the background pattern of the launcher menu
    SkinColors colors;
};

inline constexpr int kBarTileSize = 30;
inline constexpr int kBackgroundTile = 4;

// Loads the skin in `folder` (Configuration::skinFolder): bar.bmp into skin.bar, menu.bmp
// into skin.menu, then skin.colors from colors.ini, and last hands the caption colour to
// setCaptionColor (may be empty) for the caption label.
// Throws LarkspanError when a picture cannot be loaded; what was loaded before stays and the
// later steps do not run, so the colours keep their values and the caption is not recoloured.
void LoadSkin(const QString& folder, Skin& skin,
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
