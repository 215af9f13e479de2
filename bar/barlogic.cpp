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

QPoint bringOnScreen(const QRect& window, const QList<QRect>& screens) {
    const QRect* nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect& screen : screens) {
        if (screen.intersects(window))
            return window.topLeft();
        const qint64 d = distanceSquared(window, screen);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    if (!nearest)
        return window.topLeft();
    return {clampInto(window.left(), window.width(), nearest->left(), nearest->width()),
            clampInto(window.top(), window.height(), nearest->top(), nearest->height())};
}
