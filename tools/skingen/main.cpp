// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the default skin, the program icon and the built-in button pictures.
// Everything is drawn from shapes, without fonts, so that every run writes the same files.

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cstdio>

namespace {

// The bar window's own background, under the built-in pictures.
const QColor kBarLavender(226, 198, 255);

// The default skin.
const QColor kSkinTop(0xF7, 0xF3, 0xFE);
const QColor kSkinBottom(0xEC, 0xE3, 0xFB);
const QColor kSkinEdge(0xD3, 0xC4, 0xF0);
const QColor kInk(0x4A, 0x36, 0x8F);
const QColor kPlate(0x6A, 0x4F, 0xC8);
const QColor kPlateDark(0x57, 0x3E, 0xAE);
const QColor kPetalLight(0xF3, 0xEE, 0xFF);
const QColor kPetalMid(0xD9, 0xCD, 0xFF);
const QColor kStem(0xB8, 0xE0, 0xC2);
const QColor kHeart(0x8E, 0x74, 0xE8);

struct Shape {
    QPainterPath path;
    QBrush brush;
};

// A larkspur spike in a unit square: five-petalled florets getting smaller towards the top
// of the stem, and two leaves at its foot.
QList<Shape> flowerShapes() {
    QList<Shape> shapes;
    QPainterPath stemPath;
    stemPath.addRoundedRect(QRectF(0.47, 0.16, 0.06, 0.80), 0.03, 0.03);
    QPainterPath leaf;
    leaf.moveTo(0.5, 0.95);
    leaf.cubicTo(0.34, 0.93, 0.22, 0.86, 0.16, 0.78);
    leaf.cubicTo(0.30, 0.78, 0.44, 0.84, 0.5, 0.95);
    stemPath.addPath(leaf);
    stemPath.addPath(QTransform(-1, 0, 0, 1, 1, 0).map(leaf));
    stemPath.setFillRule(Qt::WindingFill);
    shapes.append({stemPath, kStem});

    struct Floret {
        double x, y, r;
    };
    const Floret florets[] = {
        {0.31, 0.66, 0.19}, {0.69, 0.50, 0.17}, {0.34, 0.35, 0.145}, {0.64, 0.22, 0.115}};
    for (const Floret& f : florets) {
        QPainterPath blossom;
        // Five petals around the heart, with gaps between them.
        for (int i = 0; i < 5; ++i) {
            QPainterPath petal;
            petal.addEllipse(QPointF(0, -f.r * 0.52), f.r * 0.34, f.r * 0.48);
            QTransform t;
            t.translate(f.x, f.y);
            t.rotate(i * 72.0 + 8.0);
            blossom.addPath(t.map(petal));
        }
        blossom.setFillRule(Qt::WindingFill);
        shapes.append({blossom, kPetalLight});
        QPainterPath heart;
        heart.addEllipse(QPointF(f.x, f.y), f.r * 0.24, f.r * 0.24);
        shapes.append({heart, kHeart});
    }
    QPainterPath bud;
    bud.addEllipse(QPointF(0.5, 0.09), 0.065, 0.075);
    shapes.append({bud, kPetalMid});
    return shapes;
}

void paintShapes(QPainter& p, const QList<Shape>& shapes, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width(), box.height());
    p.setPen(Qt::NoPen);
    for (const Shape& s : shapes) {
        p.setBrush(s.brush);
        p.drawPath(s.path);
    }
    p.restore();
}

// ---- Bar tiles ---------------------------------------------------------------------------

enum class Glyph { Start, About, Customize, Minimize };

void paintSkinBackground(QPainter& p, const QRect& r) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, kSkinTop);
    g.setColorAt(1, kSkinBottom);
    p.fillRect(r, g);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), kSkinEdge);
}

struct TileColors {
    QColor ink;    // strokes of the glyphs
    QColor plate;  // the Start button's badge
    QColor ground; // what the knobs of the sliders are filled with
};

// The Start badge's flower, placed by hand on the pixel grid: at this size the shapes of the
// icon would blur into each other.
void paintTileFlower(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kStem);
    p.drawRect(QRectF(14.5, 10, 1, 13.5));
    QPainterPath leaf;
    leaf.moveTo(15.5, 23.5);
    leaf.cubicTo(17, 21, 19, 20.5, 21, 20.5);
    leaf.cubicTo(20, 22.5, 18, 23.5, 15.5, 23.5);
    p.drawPath(leaf);
    struct Floret {
        double x, y, r;
        QColor color;
    };
    const Floret florets[] = {{12.2, 19.2, 2.9, kPetalLight},
                              {17.6, 16.0, 2.6, kPetalLight},
                              {12.6, 12.9, 2.3, kPetalLight},
                              {17.1, 10.1, 1.9, kPetalMid},
                              {14.9, 7.2, 1.4, kPetalMid}};
    for (const Floret& f : florets) {
        p.setBrush(f.color);
        p.drawEllipse(QPointF(f.x, f.y), f.r, f.r);
    }
}

void paintGlyph(QPainter& p, Glyph glyph, const QPointF& origin, const TileColors& colors) {
    p.save();
    p.translate(origin);
    p.setRenderHint(QPainter::Antialiasing);
    // Straight strokes are 2 pixels wide and sit on whole pixels, so that they stay sharp.
    const QPen stroke(colors.ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (glyph) {
    case Glyph::Start:
        p.setPen(Qt::NoPen);
        p.setBrush(colors.plate);
        p.drawRoundedRect(QRectF(4, 4, 22, 22), 6, 6);
        paintTileFlower(p);
        break;
    case Glyph::About:
        p.setPen(QPen(colors.ink, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(15, 15), 8.5, 8.5);
        p.setPen(Qt::NoPen);
        p.setBrush(colors.ink);
        p.drawEllipse(QPointF(15, 10.6), 1.25, 1.25);
        p.drawRect(QRectF(14, 13, 2, 7));
        break;
    case Glyph::Customize: {
        // Three sliders with their knobs at different places.
        p.setPen(QPen(colors.ink, 2.0, Qt::SolidLine, Qt::FlatCap));
        const double ys[] = {10, 15, 20};
        const double knobs[] = {18.5, 11.5, 16.5};
        for (double y : ys)
            p.drawLine(QPointF(7, y), QPointF(23, y));
        p.setPen(QPen(colors.ink, 1.5));
        p.setBrush(colors.ground);
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QPointF(knobs[i], ys[i]), 2.25, 2.25);
        break;
    }
    case Glyph::Minimize: {
        p.setPen(stroke);
        p.setBrush(Qt::NoBrush);
        QPainterPath chevron;
        chevron.moveTo(10, 10);
        chevron.lineTo(15, 15);
        chevron.lineTo(20, 10);
        p.drawPath(chevron);
        p.setPen(QPen(colors.ink, 2.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(9, 20), QPointF(21, 20));
        break;
    }
    }
    p.restore();
}

QImage drawBar() {
    QImage bar(150, 30, QImage::Format_RGB32);
    QPainter p(&bar);
    paintSkinBackground(p, bar.rect());
    const Glyph glyphs[] = {Glyph::Start, Glyph::About, Glyph::Customize, Glyph::Minimize};
    for (int i = 0; i < 4; ++i)
        paintGlyph(p, glyphs[i], QPointF(30 * i, 0), {kInk, kPlate, QColor(0xF2, 0xEC, 0xFD)});
    return bar;
}

// Scale 2 gives the "@2x" pictures that Qt picks on screens of twice the density.
QImage drawBuiltin(Glyph glyph, int scale) {
    QImage tile(30 * scale, 30 * scale, QImage::Format_RGB32);
    tile.fill(kBarLavender);
    QPainter p(&tile);
    p.scale(scale, scale);
    paintGlyph(p, glyph, QPointF(0, 0), {QColor(0x3A, 0x24, 0x78), kPlateDark, kBarLavender});
    return tile;
}

// A quiet weave for the menu: the top-left pixel is the plain colour, which also draws the
// frame of every unselected item.
QImage drawMenu() {
    QImage menu(4, 4, QImage::Format_RGB32);
    const QRgb plain = qRgb(0xFB, 0xF9, 0xFF);
    const QRgb fleck = qRgb(0xF5, 0xF1, 0xFD);
    menu.fill(plain);
    menu.setPixel(2, 2, fleck);
    return menu;
}

// ---- Program icon ------------------------------------------------------------------------

// The badge and the flower of the large icons, in a unit square.
QList<Shape> iconShapes() {
    QList<Shape> shapes;
    QPainterPath plate;
    plate.addRoundedRect(QRectF(0.03, 0.03, 0.94, 0.94), 0.22, 0.22);
    QLinearGradient g(0, 0, 0, 1);
    g.setColorAt(0, QColor(0x7B, 0x5F, 0xD9));
    g.setColorAt(1, QColor(0x5A, 0x40, 0xB8));
    shapes.append({plate, g});
    QTransform t;
    t.translate(0.16, 0.12);
    t.scale(0.68, 0.78);
    for (const Shape& s : flowerShapes())
        shapes.append({t.map(s.path), s.brush});
    return shapes;
}

QImage drawIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const QList<Shape> shapes = iconShapes();
    if (size > 24) {
        paintShapes(p, shapes, QRectF(0, 0, size, size));
        return icon;
    }
    // Petals would blur at tray sizes: these take the Start button's simpler spike.
    paintShapes(p, shapes.first(1), QRectF(0, 0, size, size));
    p.scale(size / 22.0, size / 22.0);
    p.translate(-4, -4);
    paintTileFlower(p);
    return icon;
}

QString svgColor(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString svgPath(const QPainterPath& path, double scale) {
    QString d;
    QTextStream out(&d);
    out.setRealNumberPrecision(5);
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            // Every figure here is a filled outline, so each one is closed.
            if (i > 0)
                out << 'Z';
            out << 'M' << e.x * scale << ' ' << e.y * scale;
        } else if (e.isLineTo()) {
            out << 'L' << e.x * scale << ' ' << e.y * scale;
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            out << 'C' << e.x * scale << ' ' << e.y * scale << ' ' << c2.x * scale << ' '
                << c2.y * scale << ' ' << end.x * scale << ' ' << end.y * scale;
            i += 2;
        }
    }
    if (!path.isEmpty())
        out << 'Z';
    return d;
}

QString drawIconSvg() {
    QString svg;
    QTextStream out(&svg);
    const int size = 256;
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size << "\" height=\"" << size
        << "\" viewBox=\"0 0 " << size << ' ' << size << "\">\n";
    out << "  <defs>\n    <linearGradient id=\"plate\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        << "      <stop offset=\"0\" stop-color=\"#7b5fd9\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"#5a40b8\"/>\n"
        << "    </linearGradient>\n  </defs>\n";
    const QList<Shape> shapes = iconShapes();
    for (qsizetype i = 0; i < shapes.size(); ++i) {
        const QString fill =
            i == 0 ? QStringLiteral("url(#plate) #6a4fc8") : svgColor(shapes[i].brush.color());
        out << "  <path fill=\"" << fill << "\" stroke=\"none\" d=\""
            << svgPath(shapes[i].path, size) << "\"/>\n";
    }
    out << "</svg>\n";
    return svg;
}

// ---- Files -------------------------------------------------------------------------------

// 24 bits per pixel, bottom-up, with the plain info header: the form every reader knows.
QByteArray bmp24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int stride = (image.width() * 3 + 3) & ~3;
    const quint32 dataSize = quint32(stride * image.height());
    QByteArray out;
    auto u16 = [&](quint16 v) {
        out.append(char(v & 0xFF));
        out.append(char(v >> 8));
    };
    auto u32 = [&](quint32 v) {
        u16(quint16(v & 0xFFFF));
        u16(quint16(v >> 16));
    };
    out.append("BM");
    u32(54 + dataSize);
    u32(0);
    u32(54);
    u32(40);
    u32(quint32(image.width()));
    u32(quint32(image.height()));
    u16(1);
    u16(24);
    u32(0);
    u32(dataSize);
    u32(3780); // 96 pixels per inch
    u32(3780);
    u32(0);
    u32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
        }
        out.append(stride - image.width() * 3, '\0');
    }
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool writePng(const QString& path, const QImage& image) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The colours that go with the pictures above, in the colour file's own "#rrggbb" form.
const char kColorsIni[] = "[colors]\r\n"
                          "MnuItem.Highlight=#e4d9fb\r\n"
                          "MnuItem.outline=#8c72d8\r\n"
                          "Line.color=#d3c4f0\r\n"
                          "font.color=#2d2545\r\n"
                          "font.hover=#3b2682\r\n"
                          "caption.color=#4a368f\r\n";

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen <resources folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    ok &= writeFile(out.filePath(QStringLiteral("skins/default/bar.bmp")), bmp24(drawBar()));
    ok &= writeFile(out.filePath(QStringLiteral("skins/default/menu.bmp")), bmp24(drawMenu()));
    ok &=
        writeFile(out.filePath(QStringLiteral("skins/default/colors.ini")), QByteArray(kColorsIni));
    const struct {
        Glyph glyph;
        const char* name;
    } builtins[] = {{Glyph::Start, "start"},
                    {Glyph::About, "about"},
                    {Glyph::Customize, "customize"},
                    {Glyph::Minimize, "minimize"}};
    for (const auto& b : builtins) {
        const QString name = QStringLiteral("builtin/") + QLatin1String(b.name);
        ok &= writePng(out.filePath(name + QStringLiteral(".png")),
                       drawBuiltin(b.glyph, 1).convertToFormat(QImage::Format_RGB888));
        ok &= writePng(out.filePath(name + QStringLiteral("@2x.png")),
                       drawBuiltin(b.glyph, 2).convertToFormat(QImage::Format_RGB888));
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok &= writePng(out.filePath(QStringLiteral("icons/larkspan-%1.png").arg(size)),
                       drawIcon(size));
    ok &= writeFile(out.filePath(QStringLiteral("icons/larkspan.svg")), drawIconSvg().toUtf8());
    return ok ? 0 : 1;
}
