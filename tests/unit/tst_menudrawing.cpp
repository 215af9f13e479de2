// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/menudrawing.h"
#include "widgets/uifont.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

const QColor kCanvas(1, 2, 3);

SkinColors colours() {
    SkinColors c;
    c.highlight = 0xFF0000; // blue
    c.outline = 0x00FF00;   // green
    c.hover = 0x0000FF;     // red
    c.font = 0x000000;
    c.line = 0x00FFFF; // yellow
    return c;
}

QImage drawItem(const QString& caption, bool selected, const QImage& background,
                QSize size = QSize(160, 22), const SkinColors& colors = colours()) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kCanvas);
    QPainter painter(&image);
    DrawMenuItem(painter, QRect(QPoint(0, 0), size), caption, selected,
                 {uiFont(12), background, colors});
    return image;
}

int countColour(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

QImage pattern() {
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixelColor(x, y, QColor(200 + x * 10, 180 + y * 20, 100));
    return image;
}

} // namespace

class TestMenuDrawing : public QObject {
    Q_OBJECT
private slots:
    void selectedItem();
    void unselectedItemOnPattern();
    void separatorLine_data();
    void separatorLine();
    void noColourLeavesWhatIsBeneath();
    void ampersands();
    void textIsCutAtTheEdges();
};

void TestMenuDrawing::selectedItem() {
    const QImage image = drawItem(u"&Notepad"_qs, true, pattern());
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::green));
    QCOMPARE(image.pixelColor(159, 21), QColor(Qt::green));
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(10, 11), QColor(Qt::blue));
    // Text starts 26 pixels in, in the hover colour.
    QCOMPARE(countColour(image, QRect(1, 1, 25, 20), QColor(Qt::red)), 0);
    QVERIFY(countColour(image, QRect(26, 1, 133, 20), QColor(Qt::red)) > 20);
    // Bold: more text pixels than the same caption unselected.
    const auto inked = [](const QImage& img, const QColor& fill) {
        return 133 * 20 - countColour(img, QRect(26, 1, 133, 20), fill);
    };
    SkinColors blackOnWhite = colours();
    blackOnWhite.highlight = 0xFFFFFF;
    blackOnWhite.hover = 0;
    blackOnWhite.font = 0;
    const QImage bold = drawItem(u"Notepad"_qs, true, QImage(), QSize(160, 22), blackOnWhite);
    QImage plainBackground(1, 1, QImage::Format_RGB32);
    plainBackground.fill(Qt::white);
    const QImage regular =
        drawItem(u"Notepad"_qs, false, plainBackground, QSize(160, 22), blackOnWhite);
    QVERIFY(inked(bold, Qt::white) > inked(regular, Qt::white));
}

void TestMenuDrawing::unselectedItemOnPattern() {
    const QImage back = pattern();
    const QImage image = drawItem(u"Files"_qs, false, back);
    const QColor frame = back.pixelColor(0, 0);
    QCOMPARE(image.pixelColor(0, 10), frame);
    QCOMPARE(image.pixelColor(159, 10), frame);
    QCOMPARE(image.pixelColor(80, 0), frame);
    // The pattern repeats from the item's corner in both directions.
    for (const QPoint p : {QPoint(1, 1), QPoint(5, 7), QPoint(13, 19), QPoint(150, 20)})
        QCOMPARE(image.pixelColor(p), back.pixelColor(p.x() % 4, p.y() % 3));
    int dark = 0;
    for (int y = 1; y < 21; ++y)
        for (int x = 26; x < 159; ++x)
            dark += image.pixelColor(x, y).lightness() < 90;
    QVERIFY(dark > 10);
}

void TestMenuDrawing::separatorLine_data() {
    QTest::addColumn<int>("height");
    QTest::newRow("even") << 8;
    QTest::newRow("odd") << 9;
}

void TestMenuDrawing::separatorLine() {
    QFETCH(int, height);
    const QImage image = drawItem(u"-"_qs, false, pattern(), QSize(100, height));
    const int middle = height / 2;
    for (int x : {0, 1, 50, 99})
        QCOMPARE(image.pixelColor(x, middle), QColor(Qt::yellow));
    QCOMPARE(countColour(image, image.rect(), QColor(Qt::yellow)), 100);
}

void TestMenuDrawing::noColourLeavesWhatIsBeneath() {
    SkinColors none = colours();
    none.highlight = none.outline = none.hover = clNone;
    const QImage image = drawItem(u"Nothing"_qs, true, pattern(), QSize(160, 22), none);
    QCOMPARE(countColour(image, image.rect(), kCanvas), image.width() * image.height());
}

void TestMenuDrawing::ampersands() {
    QImage white(1, 1, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QImage drawn = drawItem(u"Save && Exit"_qs, false, white);
    QImage expected(160, 22, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setFont(uiFont(12));
        painter.setPen(Qt::black);
        painter.drawText(QRect(26, 0, 134, 22), Qt::AlignLeft | Qt::AlignVCenter,
                         u"Save & Exit"_qs);
    }
    QCOMPARE(drawn.copy(26, 1, 130, 20), expected.copy(26, 1, 130, 20));
    // A single "&" underlines: more ink than the plain caption, same letters.
    const QImage marked = drawItem(u"&Save"_qs, false, white);
    const QImage plain = drawItem(u"Save"_qs, false, white);
    QVERIFY(countColour(marked, marked.rect(), Qt::white) <
            countColour(plain, plain.rect(), Qt::white));
}

void TestMenuDrawing::textIsCutAtTheEdges() {
    QImage white(1, 1, QImage::Format_RGB32);
    white.fill(Qt::white);
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawMenuItem(painter, QRect(10, 10, 60, 20), u"A very long caption that goes on"_qs, false,
                     {uiFont(12), white, colours()});
    }
    QCOMPARE(countColour(image, QRect(70, 0, 130, 40), Qt::white), 130 * 40);
}

QTEST_MAIN(TestMenuDrawing)
#include "tst_menudrawing.moc"
