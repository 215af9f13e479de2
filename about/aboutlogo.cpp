// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutlogo.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace {

// All coordinates are on a 48 x 48 grid and scaled to the requested size.
constexpr double Grid = 48.0;

const QColor Deep(96, 44, 160);   // lowest, fully open flowers
const QColor Pale(226, 198, 255); // the bar's colour, for the buds at the tip
const QColor Outline(58, 22, 104);
const QColor Eye(250, 246, 255);
const QColor StemGreen(72, 128, 70);
const QColor LeafLight(132, 186, 112);

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

struct Floret {
    QPointF centre;
    double radius;
    double turn; // degrees; keeps neighbouring flowers from looking stamped
};

void drawLeaf(QPainter& p, QPointF base, QPointF tip, double bulge) {
    const QPointF mid = (base + tip) / 2;
    const QPointF along = tip - base;
    const QPointF normal(-along.y(), along.x());
    const double len = std::hypot(along.x(), along.y());
    const QPointF side = normal / len * bulge;
    QPainterPath leaf(base);
    leaf.quadTo(mid + side, tip);
    leaf.quadTo(mid - side * 0.35, base);
    QLinearGradient fill(base, tip);
    fill.setColorAt(0, StemGreen);
    fill.setColorAt(1, LeafLight);
    p.setPen(QPen(StemGreen.darker(140), 0.5));
    p.setBrush(fill);
    p.drawPath(leaf);
}

void drawFloret(QPainter& p, const Floret& f, const QColor& colour) {
    const double r = f.radius;
    p.save();
    p.translate(f.centre);
    p.rotate(f.turn);

    // The spur, the mark of the larkspur, reaching up behind the petals.
    QPainterPath spur(QPointF(-r * 0.28, -r * 0.3));
    spur.quadTo(QPointF(-r * 0.2, -r * 1.15), QPointF(r * 0.35, -r * 1.45));
    spur.quadTo(QPointF(r * 0.05, -r * 0.9), QPointF(r * 0.3, -r * 0.3));
    spur.closeSubpath();
    p.setPen(QPen(Outline, 0.45));
    p.setBrush(colour.darker(115));
    p.drawPath(spur);

    QRadialGradient petalFill(QPointF(0, 0), r);
    petalFill.setColorAt(0, colour.lighter(135));
    petalFill.setColorAt(1, colour);
    p.setBrush(petalFill);
    p.setPen(QPen(Outline, 0.5));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.rotate(i * 72.0);
        p.drawEllipse(QPointF(0, -r * 0.5), r * 0.4, r * 0.52);
        p.restore();
    }

    p.setPen(Qt::NoPen);
    p.setBrush(Eye);
    p.drawEllipse(QPointF(0, 0), r * 0.27, r * 0.27);
    p.setBrush(Outline);
    p.drawEllipse(QPointF(0, 0), r * 0.11, r * 0.11);
    p.restore();
}

} // namespace

QImage drawLarkspanLogo(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Grid, size / Grid);

    QPainterPath stem(QPointF(23.5, 47));
    stem.cubicTo(QPointF(22.5, 34), QPointF(26.5, 18), QPointF(25, 4));
    p.setPen(QPen(StemGreen, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);

    drawLeaf(p, QPointF(23.4, 45.5), QPointF(7, 40), 3.6);
    drawLeaf(p, QPointF(23.6, 44.5), QPointF(41, 44), -3.2);

    // From the tip down, so the larger open flowers overlap the buds above them.
    const std::array<Floret, 7> florets{{
        {{25.2, 5.2}, 3.0, 10},
        {{20.8, 10.0}, 4.0, -20},
        {{29.8, 14.6}, 5.0, 25},
        {{17.6, 20.4}, 6.0, -15},
        {{31.2, 26.0}, 6.8, 20},
        {{16.4, 31.6}, 7.4, -25},
        {{30.4, 37.0}, 7.6, 12},
    }};
    for (std::size_t i = 0; i < florets.size(); ++i) {
        const double t = double(i) / double(florets.size() - 1);
        drawFloret(p, florets[i], mix(Pale, Deep, std::pow(t, 0.8)));
    }
    return image;
}
