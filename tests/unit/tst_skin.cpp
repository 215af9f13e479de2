// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"
#include "core/config.h"
#include "core/error.h"
#include "core/profilefile.h"
#include "skin/skin.h"
#include "skin/skincolor.h"
#include "support/testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every pixel different, so that a misplaced copy shows.
QImage patterned(int width, int height, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y, x / 256 * 16 + 1));
    return image;
}

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QList<quint32> colorsOf(const Skin& skin) {
    const SkinColors& c = skin.colors;
    return {c.highlight, c.outline, c.line, c.font, c.hover, c.caption};
}

const QList<quint32> kDefaults = {0xFF0000, 0xFF0000, 0, 0, 0x0000FF, 0};

} // namespace

class TestSkin : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadsPicturesAndColours();
    void colours_data();
    void colours();
    void folderEntry_data();
    void folderEntry();
    void pictureFailures_data();
    void pictureFailures();
    void zeroByteBarIsEmptyPicture();
    void defaultSkin();
    void shippedPictures_data();
    void shippedPictures();
    void barTile_data();
    void barTile();
    void barTileDropsAlpha();
    void backgroundCopies_data();
    void backgroundCopies();
    void paintsBackground();

private:
    QString skinDir() const { return m_appDir + u"skins/default/"_qs; }
    void writeSkin(const QString& folder, const QByteArray& colors);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_appDir;
    QImage m_bar = patterned(150, 30);
    QImage m_menu = patterned(4, 22);
};

void TestSkin::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_appDir = m_dir->path() + u'/';
    setAppDirForTesting(m_appDir);
    writeBytes(m_appDir + u"config.ini"_qs, "[skin]\r\nfile=$apppath$\\skins\\default\\\r\n");
}

void TestSkin::cleanup() {
    setAppDirForTesting(std::nullopt);
}

void TestSkin::writeSkin(const QString& folder, const QByteArray& colors) {
    QDir().mkpath(folder);
    writeBytes(folder + u"bar.bmp"_qs, bmpBytes(m_bar));
    writeBytes(folder + u"menu.bmp"_qs, bmpBytes(m_menu));
    if (!colors.isNull())
        writeBytes(folder + u"colors.ini"_qs, colors);
}

void TestSkin::loadsPicturesAndColours() {
    writeSkin(skinDir(), "[colors]\r\nMnuItem.Highlight=#010203\r\nMnuItem.outline=#040506\r\n"
                         "Line.color=#070809\r\nfont.color=#0a0b0c\r\nfont.hover=#0d0e0f\r\n"
                         "caption.color=#102030\r\n");
    Skin skin;
    QList<TColor> captions;
    LoadSkin(Configuration().skinFolder(), skin, [&](TColor c) { captions.append(c); });
    QCOMPARE(skin.bar, m_bar);
    QCOMPARE(skin.menu, m_menu);
    QCOMPARE(colorsOf(skin),
             (QList<quint32>{0x030201, 0x060504, 0x090807, 0x0C0B0A, 0x0F0E0D, 0x302010}));
    QCOMPARE(captions, QList<TColor>{0x302010});
}

void TestSkin::colours_data() {
    QTest::addColumn<QByteArray>("colors"); // null: no colour file
    QTest::addColumn<QList<quint32>>("expected");

    auto with = [](int index, quint32 value) {
        QList<quint32> list = kDefaults;
        list[index] = value;
        return list;
    };
    QTest::newRow("no colour file") << QByteArray() << kDefaults;
    QTest::newRow("empty colour file") << QByteArray("") << kDefaults;
    QTest::newRow("other section")
        << QByteArray("[colours]\r\nfont.color=#00ff00\r\n") << kDefaults;
    QTest::newRow("green") << QByteArray("[colors]\r\nfont.color=#00ff00\r\n") << with(3, 0x00FF00);
    QTest::newRow("green in capitals")
        << QByteArray("[colors]\r\nfont.color=#00FF00\r\n") << with(3, 0x00FF00);
    QTest::newRow("keys are case-blind")
        << QByteArray("[COLORS]\r\nFONT.COLOR=#00ff00\r\n") << with(3, 0x00FF00);
    QTest::newRow("empty value is no colour")
        << QByteArray("[colors]\r\nfont.color=\r\n") << with(3, clNone);
    QTest::newRow("not hex gives the fallback")
        << QByteArray("[colors]\r\nMnuItem.Highlight=#zzzzzz\r\n") << with(0, 0xFF0000);
    QTest::newRow("# alone gives the fallback")
        << QByteArray("[colors]\r\nMnuItem.Highlight=#\r\n") << with(0, 0xFF0000);
    QTest::newRow("colour name is no colour")
        << QByteArray("[colors]\r\nMnuItem.Highlight=blue\r\n") << with(0, clNone);
    QTest::newRow("hover fallback is red")
        << QByteArray("[colors]\r\nfont.hover=#red\r\n") << with(4, 0x0000FF);
    QTest::newRow("outline fallback is blue")
        << QByteArray("[colors]\r\nMnuItem.outline=#blue\r\n") << with(1, 0xFF0000);
    QTest::newRow("caption fallback is black")
        << QByteArray("[colors]\r\ncaption.color=#nope\r\n") << with(5, 0);
    QTest::newRow("short form") << QByteArray("[colors]\r\nLine.color=#abc\r\n")
                                << with(2, 0x000CAB);
    QTest::newRow("first seven characters")
        << QByteArray("[colors]\r\nLine.color=#123456789\r\n") << with(2, 0x563412);
}

void TestSkin::colours() {
    QFETCH(QByteArray, colors);
    QFETCH(QList<quint32>, expected);
    writeSkin(skinDir(), colors);
    Skin skin;
    TColor caption = 0x777777;
    LoadSkin(Configuration().skinFolder(), skin, [&](TColor c) { caption = c; });
    QCOMPARE(colorsOf(skin), expected);
    QCOMPARE(caption, expected[5]);
}

void TestSkin::folderEntry_data() {
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("folder"); // relative to the application folder, or absolute

    QTest::newRow("default") << QByteArray("[skin]\r\nfile=$apppath$\\skins\\default\\\r\n")
                             << u"skins/default/"_qs;
    QTest::newRow("token in capitals")
        << QByteArray("[skin]\r\nfile=$APPPATH$\\other\\\r\n") << u"other/"_qs;
    QTest::newRow("empty entry: bare names in the application folder")
        << QByteArray("[skin]\r\nfile=\r\n") << u""_qs;
    QTest::newRow("no entry") << QByteArray("[menu]\r\nfile=x\r\n") << u""_qs;
    QTest::newRow("relative folder") << QByteArray("[skin]\r\nfile=mine\\\r\n") << u"mine/"_qs;
    QTest::newRow("absolute folder")
        << QByteArray("[skin]\r\nfile=%1/elsewhere/\r\n") << u"%1/elsewhere/"_qs;
}

void TestSkin::folderEntry() {
    QFETCH(QByteArray, config);
    QFETCH(QString, folder);
    QTemporaryDir other;
    config.replace("%1", QFile::encodeName(other.path()));
    folder.replace(u"%1"_qs, other.path());
    const QString full = QDir::isAbsolutePath(folder) ? folder : m_appDir + folder;
    writeBytes(m_appDir + u"config.ini"_qs, config);

    // Nothing there yet: the error names the full path of bar.bmp.
    Skin skin;
    try {
        LoadSkin(Configuration().skinFolder(), skin, {});
        QFAIL("no error");
    } catch (const LarkspanError& e) {
        QCOMPARE(e.message(),
                 u"Cannot open file \"%1bar.bmp\". No such file or directory"_qs.arg(full));
    }

    writeSkin(full, "[colors]\r\nfont.color=#00ff00\r\n");
    LoadSkin(Configuration().skinFolder(), skin, {});
    QCOMPARE(skin.bar, m_bar);
    QCOMPARE(skin.colors.font, 0x00FF00u);
}

void TestSkin::pictureFailures_data() {
    QTest::addColumn<QString>("broken");     // the file removed or spoilt
    QTest::addColumn<QByteArray>("content"); // null: removed
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("barStays");

    const QString missing = u"Cannot open file \"%1\". No such file or directory"_qs;
    QTest::newRow("bar.bmp missing") << u"bar.bmp"_qs << QByteArray() << missing << false;
    QTest::newRow("bar.bmp not a bitmap")
        << u"bar.bmp"_qs << QByteArray("GIF89a") << u"Bitmap image is not valid"_qs << false;
    QTest::newRow("menu.bmp missing") << u"menu.bmp"_qs << QByteArray() << missing << true;
    QTest::newRow("menu.bmp damaged") << u"menu.bmp"_qs << QByteArray("BM\x10\0\0\0", 6)
                                      << u"Bitmap image is not valid"_qs << true;
}

void TestSkin::pictureFailures() {
    QFETCH(QString, broken);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QFETCH(bool, barStays);
    writeSkin(skinDir(), "[colors]\r\nfont.color=#00ff00\r\ncaption.color=#ffffff\r\n");
    const QString path = skinDir() + broken;
    if (content.isNull())
        QFile::remove(path);
    else
        writeBytes(path, content);

    Skin skin;
    skin.colors = {1, 2, 3, 4, 5, 6}; // a skin loaded before
    bool captionSet = false;
    try {
        LoadSkin(Configuration().skinFolder(), skin, [&](TColor) { captionSet = true; });
        QFAIL("no error");
    } catch (const LarkspanError& e) {
        QCOMPARE(e.message(), message.contains(u"%1"_qs) ? message.arg(path) : message);
    }
    QCOMPARE(skin.bar.isNull(), !barStays);
    if (barStays)
        QCOMPARE(skin.bar, m_bar);
    QVERIFY(skin.menu.isNull());
    QCOMPARE(colorsOf(skin), (QList<quint32>{1, 2, 3, 4, 5, 6}));
    QVERIFY(!captionSet);
}

void TestSkin::zeroByteBarIsEmptyPicture() {
    writeSkin(skinDir(), "[colors]\r\nfont.color=#00ff00\r\n");
    writeBytes(skinDir() + u"bar.bmp"_qs, QByteArray());
    Skin skin;
    LoadSkin(Configuration().skinFolder(), skin, {});
    QVERIFY(skin.bar.isNull());
    QCOMPARE(skin.menu, m_menu);
    QCOMPARE(skin.colors.font, 0x00FF00u);
    // An empty picture gives white tiles.
    const QImage tile = GetBarTile(skin.bar, 0);
    QCOMPARE(tile.pixel(0, 0), qRgb(255, 255, 255));
}

void TestSkin::defaultSkin() {
    // The skin that is installed with the program must load and set every colour.
    writeBytes(m_appDir + u"config.ini"_qs,
               "[skin]\r\nfile=" LARKSPAN_SOURCE_DIR "/resources/skins/default/\r\n");
    Skin skin;
    LoadSkin(Configuration().skinFolder(), skin, {});
    QCOMPARE(skin.bar.size(), QSize(150, 30));
    const QByteArray barFile = readBytes(LARKSPAN_SOURCE_DIR "/resources/skins/default/bar.bmp");
    QCOMPARE(int(barFile.at(28)), 24); // bits per pixel
    QVERIFY(!skin.menu.isNull());
    const QList<quint32> colors = colorsOf(skin);
    QVERIFY(!colors.contains(clNone));
    const QByteArray ini = readBytes(LARKSPAN_SOURCE_DIR "/resources/skins/default/colors.ini");
    for (const char* key : {"MnuItem.Highlight=", "MnuItem.outline=", "Line.color=", "font.color=",
                            "font.hover=", "caption.color="})
        QVERIFY2(ini.contains(QByteArray(key) + '#'), key);
    QVERIFY(ini.contains("\r\n"));
    QVERIFY(!ini.contains("\n\n"));
    // Selected items must differ from unselected ones.
    QVERIFY(toQColor(skin.colors.highlight).rgb() != skin.menu.pixel(0, 0));
    QVERIFY(skin.colors.hover != skin.colors.highlight);
}

void TestSkin::shippedPictures_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");

    for (const char* name : {"start", "about", "customize", "minimize"}) {
        QTest::newRow(name) << u":/builtin/%1.png"_qs.arg(QLatin1String(name)) << QSize(30, 30)
                            << false;
        QTest::addRow("%s@2x", name)
            << u":/builtin/%1@2x.png"_qs.arg(QLatin1String(name)) << QSize(60, 60) << false;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128})
        QTest::addRow("icon %d", size)
            << u":/icons/larkspan-%1.png"_qs.arg(size) << QSize(size, size) << true;
}

void TestSkin::shippedPictures() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    const QImage image(path);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
    if (alpha) {
        // Transparent corners, opaque middle: the icon sits on any panel.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
    }
}

void TestSkin::barTile_data() {
    QTest::addColumn<QSize>("barSize");
    QTest::addColumn<int>("index");

    QTest::newRow("150 x 30, tile 0") << QSize(150, 30) << 0;
    QTest::newRow("150 x 30, tile 4") << QSize(150, 30) << 4;
    QTest::newRow("wide, tile 3") << QSize(400, 30) << 3;
    QTest::newRow("tall, tile 2") << QSize(150, 90) << 2;
    QTest::newRow("wide and tall, tile 4") << QSize(300, 60) << 4;
    QTest::newRow("narrow: tile 4 cut") << QSize(135, 30) << 4;
    QTest::newRow("narrow: tile 4 absent") << QSize(110, 30) << 4;
    QTest::newRow("low: lower part white") << QSize(150, 12) << 1;
    QTest::newRow("tiny") << QSize(1, 1) << 0;
    QTest::newRow("no picture") << QSize(0, 0) << 0;
    QTest::newRow("index 5 lies beyond") << QSize(150, 30) << 5;
    QTest::newRow("index -1") << QSize(150, 30) << -1;
    QTest::newRow("huge index") << QSize(150, 30) << INT_MAX;
    QTest::newRow("most negative index") << QSize(150, 30) << INT_MIN;
}

void TestSkin::barTile() {
    QFETCH(QSize, barSize);
    QFETCH(int, index);
    const QImage bar = barSize.isEmpty() ? QImage() : patterned(barSize.width(), barSize.height());
    const QImage tile = GetBarTile(bar, index);
    QCOMPARE(tile.size(), QSize(30, 30));
    QCOMPARE(tile.depth(), 24);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const qint64 sx = qint64(30) * index + x;
            const bool inside = sx >= 0 && sx < barSize.width() && y < barSize.height();
            const QRgb expected = inside ? bar.pixel(int(sx), y) : qRgb(255, 255, 255);
            if (tile.pixel(x, y) != expected)
                QFAIL(qPrintable(u"tile pixel (%1, %2)"_qs.arg(x).arg(y)));
        }
    }
}

void TestSkin::barTileDropsAlpha() {
    QImage bar(150, 30, QImage::Format_ARGB32);
    bar.fill(qRgba(10, 20, 30, 64));
    QCOMPARE(GetBarTile(bar, 1).pixel(5, 5), qRgb(10, 20, 30));
}

void TestSkin::backgroundCopies_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("count");
    QTest::addColumn<QRect>("lastTarget");
    QTest::addColumn<QRect>("lastSource");

    QTest::newRow("the bar: 13 whole copies and 16 pixels")
        << QRect(0, 0, 406, 30) << 14 << QRect(390, 0, 16, 30) << QRect(0, 0, 16, 30);
    QTest::newRow("empty: nothing") << QRect() << 0 << QRect() << QRect();
    QTest::newRow("exact multiple")
        << QRect(0, 0, 60, 30) << 2 << QRect(30, 0, 30, 30) << QRect(0, 0, 30, 30);
    QTest::newRow("narrower than a tile")
        << QRect(0, 0, 7, 30) << 1 << QRect(0, 0, 7, 30) << QRect(0, 0, 7, 30);
    QTest::newRow("pattern stays on the window's origin")
        << QRect(10, 0, 50, 30) << 2 << QRect(30, 0, 30, 30) << QRect(0, 0, 30, 30);
    QTest::newRow("taller: second row")
        << QRect(0, 0, 30, 45) << 2 << QRect(0, 30, 30, 15) << QRect(0, 0, 30, 15);
}

void TestSkin::backgroundCopies() {
    QFETCH(QRect, area);
    QFETCH(int, count);
    QFETCH(QRect, lastTarget);
    QFETCH(QRect, lastSource);
    const QList<TileCopy> copies = BackgroundTileCopies(area);
    QCOMPARE(copies.size(), count);
    if (count == 0)
        return;
    QCOMPARE(copies.last().target, lastTarget);
    QCOMPARE(copies.last().source, lastSource);
    // The copies cover the area once, each as large as its part of the tile.
    qint64 covered = 0;
    for (const TileCopy& c : copies) {
        QVERIFY(area.contains(c.target));
        QCOMPARE(c.source.size(), c.target.size());
        QCOMPARE(c.source.x(), c.target.x() % 30);
        QCOMPARE(c.source.y(), c.target.y() % 30);
        covered += qint64(c.target.width()) * c.target.height();
    }
    QCOMPARE(covered, qint64(area.width()) * area.height());
}

void TestSkin::paintsBackground() {
    QImage window(406, 30, QImage::Format_RGB32);
    const QRgb lavender = qRgb(226, 198, 255);
    window.fill(lavender);
    {
        QPainter painter(&window);
        PaintBarBackground(painter, m_bar, QRect());
    }
    QCOMPARE(window.pixel(200, 10), lavender);
    {
        QPainter painter(&window);
        PaintBarBackground(painter, m_bar, QRect(0, 0, 406, 30));
    }
    for (int x : {0, 29, 30, 200, 389, 390, 405})
        for (int y : {0, 29})
            QCOMPARE(window.pixel(x, y), m_bar.pixel(120 + x % 30, y));
}

QTEST_MAIN(TestSkin)
#include "tst_skin.moc"
