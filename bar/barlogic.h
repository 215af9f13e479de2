// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// A release on a picture button counts when it is the left button and lies within the
// picture, both far edges included: x = width or y = height still counts.
bool IsReleaseInside(const QSize& picture, Qt::MouseButton button, int x, int y);

// Where a window must go to lie wholly inside the work area of its screen (the one it covers
// most, else the nearest: a monitor unplugged since the last run), clear of panels.
QPoint keepInWorkArea(const QRect& window, const QList<QRect>& workAreas);
