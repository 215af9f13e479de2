#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// A release on a picture button counts when it is the left button and lies within the
// picture, both far edges included: x = width or y = height still counts.
bool IsReleaseInside(const QSize& picture, Qt::MouseButton button, int x, int y);

// Where a window must go so that it can be seen: unchanged while it overlaps any screen,
// otherwise pulled onto the nearest screen (a monitor unplugged since the last run).
QPoint bringOnScreen(const QRect& window, const QList<QRect>& screens);
