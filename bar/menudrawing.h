// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/skin.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// What the launcher menu's items are drawn with.
struct MenuLook {
    QFont font;        // the bar's font; selected items take its bold form
    QImage background; // menu.bmp, repeated under unselected items and separators
    SkinColors colors;
};

// One item of the launcher menu, separators included, in the skin's colours. A colour of
// clNone draws nothing, leaving what lies beneath; without a menu picture unselected items
// are filled with the painter's background brush.
void DrawMenuItem(QPainter& painter, const QRect& rect, const QString& caption, bool selected,
                  const MenuLook& look);

// The caption on one line, vertically centred from the rectangle's left edge, cut at its
// edges; "&" underlines the next character and "&&" is one "&".
void DrawMenuText(QPainter& painter, const QRect& rect, const QString& text);
