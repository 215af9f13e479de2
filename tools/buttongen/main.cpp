// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures of the Settings window's buttons and the menu's own entry icons: 18 x 18
// pixels (12 x 12 for the record navigators) on a transparent ground, flat shapes with a one-pixel
// outline in the colours of the default skin. Drawn from shapes only, so that every run writes the
// same files.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

// The default skin's ink and badge.
const QColor kInk(0x4A, 0x36, 0x8F);
const QColor kPlate(0x6A, 0x4F, 0xC8);
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kPaperShade(0xF3, 0xEE, 0xFF);

struct Tint {
    QColor fill;
    QColor shade; // the back of a folder, the darker half of a shape
    QColor edge;
};
const Tint kBlue{QColor(0x5B, 0x9B, 0xE6), QColor(0x3F, 0x7B, 0xCC), QColor(0x25, 0x55, 0x9C)};
const Tint kYellow{QColor(0xF5, 0xC8, 0x4C), QColor(0xE2, 0xA8, 0x2C), QColor(0xA8, 0x76, 0x12)};
const Tint kGreen{QColor(0x3C, 0xB0, 0x5A), QColor(0x2E, 0x94, 0x4A), QColor(0x1E, 0x6E, 0x36)};
const Tint kRed{QColor(0xE0, 0x4A, 0x3F), QColor(0xC2, 0x36, 0x2D), QColor(0x8E, 0x22, 0x1C)};

// Outlines run through pixel centres, so one-pixel strokes stay sharp at the designed size.
QPen edge(const QColor& c) {
    return QPen(c, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// A folder lying open towards the viewer: the back with its tab, then the front flap.
void paintFolder(QPainter& p, const Tint& tint) {
    QPainterPath back;
    back.moveTo(1.5, 4.5);
    back.lineTo(6.5, 4.5);
    back.lineTo(8.0, 6.0);
    back.lineTo(15.5, 6.0);
    back.lineTo(15.5, 15.5);
    back.lineTo(1.5, 15.5);
    back.closeSubpath();
    p.setPen(edge(tint.edge));
    p.setBrush(tint.shade);
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(1.5, 15.5);
    front.lineTo(3.5, 8.5);
    front.lineTo(17.5, 8.5);
    front.lineTo(15.5, 15.5);
    front.closeSubpath();
    p.setBrush(tint.fill);
    p.drawPath(front);
}

// A small window: title band in the skin's badge colour over a white client area. The
// badges of the three commands sit on its lower right corner.
void paintWindow(QPainter& p) {
    p.setPen(edge(kInk));
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 1.5, 13, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(kPlate);
    p.drawRect(QRectF(1, 2, 12, 3));
    p.setBrush(kPaperShade);
    p.drawRect(QRectF(2, 6, 10, 7));
}

// A shape with a white rim, so that it stands apart from the window beneath it.
void paintBadge(QPainter& p, const QPainterPath& shape, const Tint& tint) {
    p.setPen(QPen(kPaper, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(edge(tint.edge));
    p.setBrush(tint.fill);
    p.drawPath(shape);
}

void paintOpen(QPainter& p) {
    paintFolder(p, kBlue);
    // An arrow leaving the folder upwards and to the right.
    QPainterPath arrow;
    arrow.moveTo(7.5, 11.0);
    arrow.cubicTo(7.5, 7.0, 9.5, 5.0, 13.0, 4.5);
    p.setPen(QPen(kPaper, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow);
    QPainterPath head;
    head.moveTo(17.0, 4.5);
    head.lineTo(12.5, 1.0);
    head.lineTo(12.5, 8.0);
    head.closeSubpath();
    p.drawPath(head);
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arrow);
    p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kInk);
    p.drawPath(head);
}

void paintSave(QPainter& p) {
    QPainterPath body;
    body.moveTo(1.5, 1.5);
    body.lineTo(14.0, 1.5);
    body.lineTo(16.5, 4.0);
    body.lineTo(16.5, 16.5);
    body.lineTo(1.5, 16.5);
    body.closeSubpath();
    p.setPen(edge(kInk));
    p.setBrush(kPlate);
    p.drawPath(body);
    // The metal shutter with its window, and the paper label.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD9, 0xD4, 0xE6));
    p.drawRect(QRectF(4, 2, 9, 5));
    p.setBrush(kInk);
    p.drawRect(QRectF(10, 3, 2, 3));
    p.setPen(edge(kInk));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 9.5, 11, 7));
    p.setPen(edge(QColor(0xB9, 0xAE, 0xE0)));
    p.drawLine(QPointF(5.5, 11.5), QPointF(12.5, 11.5));
    p.drawLine(QPointF(5.5, 13.5), QPointF(12.5, 13.5));
}

void paintNew(QPainter& p) {
    paintWindow(p);
    QPainterPath plus;
    plus.addRect(QRectF(12.5, 8.5, 3, 9));
    plus.addRect(QRectF(9.5, 11.5, 9, 3));
    plus.setFillRule(Qt::WindingFill);
    paintBadge(p, plus.simplified(), kGreen);
}

void paintEdit(QPainter& p) {
    paintWindow(p);
    // A pencil lying from the lower left to the upper right, point downwards.
    p.save();
    p.translate(12.5, 12.5);
    p.rotate(-45);
    QPainterPath pencil;
    pencil.moveTo(-6.0, 0);
    pencil.lineTo(-3.5, -1.75);
    pencil.lineTo(5.5, -1.75);
    pencil.lineTo(5.5, 1.75);
    pencil.lineTo(-3.5, 1.75);
    pencil.closeSubpath();
    paintBadge(p, pencil, kYellow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF6, 0xE1, 0xB8)); // bare wood at the point
    QPainterPath wood;
    wood.moveTo(-5.3, 0);
    wood.lineTo(-3.5, -1.25);
    wood.lineTo(-3.5, 1.25);
    wood.closeSubpath();
    p.drawPath(wood);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-5.4, 0), 0.7, 0.7);
    p.setBrush(QColor(0xE8, 0x8A, 0xA8)); // the rubber
    p.drawRect(QRectF(3.9, -1.25, 1.2, 2.5));
    p.restore();
}

// Two bars of the given size crossing at `centre`, with corners of the given radius.
QPainterPath crossShape(const QPointF& centre, const QSizeF& bar, qreal radius) {
    QPainterPath cross;
    for (int angle : {45, -45}) {
        QPainterPath arm;
        arm.addRoundedRect(QRectF(QPointF(-bar.width() / 2, -bar.height() / 2), bar), radius,
                           radius);
        QTransform t;
        t.translate(centre.x(), centre.y());
        t.rotate(angle);
        cross.addPath(t.map(arm));
    }
    cross.setFillRule(Qt::WindingFill);
    return cross.simplified();
}

void paintDelete(QPainter& p) {
    paintWindow(p);
    paintBadge(p, crossShape(QPointF(13.5, 12.5), QSizeF(9.2, 3), 0.8), kRed);
}

void paintFolderButton(QPainter& p) {
    paintFolder(p, kYellow);
}

// The record navigator's pictures, 12 x 12: arrows in the skin's badge colour, the commands
// in the badge tints of the window's buttons.

void paintNavigatorShape(QPainter& p, const QPainterPath& shape, const QColor& fill,
                         const QColor& outline) {
    p.setPen(edge(outline));
    p.setBrush(fill);
    p.drawPath(shape);
}

QPainterPath leftArrow(qreal tip) {
    QPainterPath arrow;
    arrow.moveTo(tip, 6.0);
    arrow.lineTo(tip + 5.0, 1.5);
    arrow.lineTo(tip + 5.0, 10.5);
    arrow.closeSubpath();
    return arrow;
}

// The arrows pointing right are the left ones seen in a mirror.
void mirror(QPainter& p) {
    p.translate(12, 0);
    p.scale(-1, 1);
}

void paintNavFirst(QPainter& p) {
    QPainterPath bar;
    bar.addRect(QRectF(1.5, 1.5, 2, 9));
    paintNavigatorShape(p, bar, kPlate, kInk);
    paintNavigatorShape(p, leftArrow(4.5), kPlate, kInk);
}

void paintNavPrior(QPainter& p) {
    paintNavigatorShape(p, leftArrow(3.5), kPlate, kInk);
}

void paintNavNext(QPainter& p) {
    mirror(p);
    paintNavPrior(p);
}

void paintNavLast(QPainter& p) {
    mirror(p);
    paintNavFirst(p);
}

void paintNavInsert(QPainter& p) {
    QPainterPath plus;
    plus.addRect(QRectF(4.5, 1.5, 3, 9));
    plus.addRect(QRectF(1.5, 4.5, 9, 3));
    plus.setFillRule(Qt::WindingFill);
    paintNavigatorShape(p, plus.simplified(), kGreen.fill, kGreen.edge);
}

void paintNavDelete(QPainter& p) {
    QPainterPath minus;
    minus.addRect(QRectF(1.5, 4.5, 9, 3));
    paintNavigatorShape(p, minus, kRed.fill, kRed.edge);
}

// A pencil writing towards the lower left, as on the window's edit button.
void paintNavEdit(QPainter& p) {
    p.translate(6, 6);
    p.rotate(-45);
    QPainterPath pencil;
    pencil.moveTo(-6.0, 0);
    pencil.lineTo(-3.5, -2.0);
    pencil.lineTo(5.5, -2.0);
    pencil.lineTo(5.5, 2.0);
    pencil.lineTo(-3.5, 2.0);
    pencil.closeSubpath();
    paintNavigatorShape(p, pencil, kYellow.fill, kYellow.edge);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-5.2, 0), 0.8, 0.8);
}

void paintNavPost(QPainter& p) {
    QPainterPath tick;
    tick.moveTo(1.5, 6.5);
    tick.lineTo(4.5, 9.5);
    tick.lineTo(10.5, 2.5);
    p.setPen(QPen(kGreen.edge, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    p.setPen(QPen(kGreen.fill, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void paintNavCancel(QPainter& p) {
    paintNavigatorShape(p, crossShape(QPointF(6, 6), QSizeF(10, 3), 0), kRed.fill, kRed.edge);
}

// The menu's own icons of 16 x 16, for desktops whose icon theme has none: drawn on the
// 18-pixel grid of the buttons and scaled down.

void paintEntryFolder(QPainter& p) {
    p.scale(16.0 / 18, 16.0 / 18);
    paintFolder(p, kYellow);
}

void paintEntryDocument(QPainter& p) {
    QPainterPath page;
    page.moveTo(2.5, 0.5);
    page.lineTo(9.5, 0.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 15.5);
    page.lineTo(2.5, 15.5);
    page.closeSubpath();
    p.setPen(edge(kInk));
    p.setBrush(kPaper);
    p.drawPath(page);
    p.setBrush(kPaperShade);
    p.drawPolygon(QPolygonF{QPointF(9.5, 0.5), QPointF(9.5, 4.5), QPointF(13.5, 4.5)});
    p.setPen(edge(QColor(0xB9, 0xAE, 0xE0)));
    for (qreal y : {7.5, 9.5, 11.5, 13.5})
        p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
}

void paintEntryProgram(QPainter& p) {
    p.translate(1, 1);
    paintWindow(p);
}

void paintEntryWebPage(QPainter& p) {
    const QPointF centre(8, 8);
    p.setPen(edge(kBlue.edge));
    p.setBrush(kBlue.fill);
    p.drawEllipse(centre, 7, 7);
    p.setPen(edge(kPaper));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 3, 6.5);
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
}

void paintEntryMail(QPainter& p) {
    p.setPen(edge(kInk));
    p.setBrush(kPaper);
    p.drawRect(QRectF(0.5, 3.5, 15, 10));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{QPointF(0.5, 3.5), QPointF(8, 9.5), QPointF(15.5, 3.5)});
}

// Scale 2 gives the "@2x" pictures that Qt picks on screens of twice the density.
QImage draw(const std::function<void(QPainter&)>& paint, int size, int scale) {
    QImage image(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    paint(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool writePng(const QString& path, const QImage& image) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "buttongen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: buttongen <resources folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* folder;
        const char* name;
        void (*paint)(QPainter&);
        int size;
    } pictures[] = {{"settings", "open", paintOpen, 18},
                    {"settings", "save", paintSave, 18},
                    {"settings", "new", paintNew, 18},
                    {"settings", "edit", paintEdit, 18},
                    {"settings", "delete", paintDelete, 18},
                    {"settings", "folder", paintFolderButton, 18},
                    {"settings", "nav-first", paintNavFirst, 12},
                    {"settings", "nav-prior", paintNavPrior, 12},
                    {"settings", "nav-next", paintNavNext, 12},
                    {"settings", "nav-last", paintNavLast, 12},
                    {"settings", "nav-insert", paintNavInsert, 12},
                    {"settings", "nav-delete", paintNavDelete, 12},
                    {"settings", "nav-edit", paintNavEdit, 12},
                    {"settings", "nav-post", paintNavPost, 12},
                    {"settings", "nav-cancel", paintNavCancel, 12},
                    {"entryicons", "folder", paintEntryFolder, 16},
                    {"entryicons", "document", paintEntryDocument, 16},
                    {"entryicons", "program", paintEntryProgram, 16},
                    {"entryicons", "web-page", paintEntryWebPage, 16},
                    {"entryicons", "mail", paintEntryMail, 16}};
    bool ok = true;
    for (const auto& picture : pictures) {
        const QString name = QLatin1String(picture.folder) + u'/' + QLatin1String(picture.name);
        ok &= writePng(out.filePath(name + QStringLiteral(".png")),
                       draw(picture.paint, picture.size, 1));
        ok &= writePng(out.filePath(name + QStringLiteral("@2x.png")),
                       draw(picture.paint, picture.size, 2));
    }
    return ok ? 0 : 1;
}
