// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, all PNG, read as PNG by name: Qt's usual reading asks every
// image-format plugin about the file first, which loads them all at start-up.
QPixmap pngPicture(const QString& path);
// With the @2x file beside it, where there is one, for screens of twice the density.
QIcon pngIcon(const QString& path);
