// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/barlogic.h"

#include <algorithm>
#include <limits>

bool IsReleaseInside(const QSize& picture, Qt::MouseButton button, int x, int y) {
    return button == Qt::LeftButton && x >= 0 && x <= picture.width() && y >= 0 &&
           y <= picture.height();
}

namespace {

qint64 distanceSquared(const QRect& a, const QRect& b) {
    const qint64 dx = std::max({qint64(b.left()) - a.right(), qint64(a.left()) - b.right(), 0LL});
    const qint64 dy = std::max({qint64(b.top()) - a.bottom(), qint64(a.top()) - b.bottom(), 0LL});
    return dx * dx + dy * dy;
}

int clampInto(int start, int length, int areaStart, int areaLength) {
    return std::clamp(start, areaStart, areaStart + std::max(areaLength - length, 0));
}

} // namespace

QPoint keepInWorkArea(const QRect& window, const QList<QRect>& workAreas) {
    const QRect* home = nullptr;
    qint64 mostCovered = 0;
    qint64 nearest = std::numeric_limits<qint64>::max();
    for (const QRect& area : workAreas) {
        const QRect covered = area & window;
        const qint64 coveredSize = qint64(covered.width()) * covered.height();
        const qint64 distance = distanceSquared(window, area);
        if (coveredSize > mostCovered || (mostCovered == 0 && distance < nearest)) {
            home = &area;
            mostCovered = coveredSize;
            nearest = distance;
        }
    }
    if (!home)
        return window.topLeft();
    return {clampInto(window.left(), window.width(), home->left(), home->width()),
            clampInto(window.top(), window.height(), home->top(), home->height())};
}
