// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "skin/bmpimage.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Rows = QList<QList<quint32>>;

void put16(QByteArray& out, quint32 v) {
    out.append(char(v & 0xFF));
    out.append(char(v >> 8 & 0xFF));
}
void put32(QByteArray& out, quint32 v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A bitmap file put together field by field, so that every variant and every kind of damage
// can be written.
struct Bmp {
    quint32 headerSize = 40;
    qint32 width = 0;
    qint32 height = 0;
    quint16 bitCount = 24;
    quint32 compression = 0;
    quint32 colorsUsed = 0;
    QList<QRgb> palette;
    QList<quint32> masks; // after a 40-byte header, inside the later ones
    QByteArray pixels;
    std::optional<quint32> dataOffset; // default: right after the palette

    QByteArray build() const {
        QByteArray info;
        if (headerSize == 12) {
            put32(info, 12);
            put16(info, quint32(width));
            put16(info, quint32(height));
            put16(info, 1);
            put16(info, bitCount);
        } else {
            put32(info, headerSize);
            put32(info, quint32(width));
            put32(info, quint32(height));
            put16(info, 1);
            put16(info, bitCount);
            put32(info, compression);
            put32(info, quint32(pixels.size()));
            put32(info, 2835);
            put32(info, 2835);
            put32(info, colorsUsed);
            put32(info, 0);
            if (headerSize > 40)
                for (quint32 m : masks)
                    put32(info, m);
            // A damaged size beyond the largest header is only claimed, not written.
            info = info.leftJustified(qsizetype(qMin(headerSize, 124u)), '\0', true);
            if (headerSize == 40)
                for (quint32 m : masks)
                    put32(info, m);
        }
        for (QRgb c : palette) {
            info.append(char(qBlue(c)));
            info.append(char(qGreen(c)));
            info.append(char(qRed(c)));
            if (headerSize != 12)
                info.append('\0');
        }
        const quint32 offset = dataOffset.value_or(quint32(14 + info.size()));
        QByteArray file("BM");
        put32(file, quint32(14 + info.size() + pixels.size()));
        put32(file, 0);
        put32(file, offset);
        return file + info + pixels;
    }
};

// Rows in file order; values of up to 8 bits are packed from the high bit down, wider ones
// are written little-endian. Each row is padded to 4 bytes.
QByteArray packRows(const Rows& rows, int bits) {
    QByteArray out;
    for (const QList<quint32>& row : rows) {
        QByteArray line;
        if (bits <= 8) {
            quint32 acc = 0;
            int used = 0;
            for (quint32 v : row) {
                acc = acc << bits | v;
                used += bits;
                if (used == 8) {
                    line.append(char(acc));
                    acc = 0;
                    used = 0;
                }
            }
            if (used > 0)
                line.append(char(acc << (8 - used)));
        } else {
            for (quint32 v : row)
                for (int b = 0; b < bits / 8; ++b)
                    line.append(char(v >> (8 * b) & 0xFF));
        }
        while (line.size() % 4 != 0)
            line.append('\0');
        out += line;
    }
    return out;
}

Rows reversed(Rows rows) {
    std::reverse(rows.begin(), rows.end());
    return rows;
}

QImage picture(const QList<QList<QRgb>>& rowsTopFirst) {
    QImage image(int(rowsTopFirst.first().size()), int(rowsTopFirst.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rowsTopFirst[y][x] | 0xFF000000);
    return image;
}

QString difference(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return u"size %1x%2, expected %3x%4"_qs.arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    if (actual.format() != QImage::Format_RGB32)
        return u"format %1"_qs.arg(int(actual.format()));
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return u"pixel (%1, %2) is %3, expected %4"_qs.arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
    return QString();
}

QString decodeError(const QByteArray& bytes) {
    try {
        decodeBmp(bytes);
    } catch (const LarkspanError& e) {
        return e.message();
    }
    return u"(no error)"_qs;
}

constexpr QRgb R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, W = 0xFFFFFFFF, K = 0xFF000000,
               Y = 0xFFFFFF00, P = 0xFF8040C0;

const QString kInvalid = u"Bitmap image is not valid"_qs;

} // namespace

class TestBmpImage : public QObject {
    Q_OBJECT
private slots:
    void decodes_data();
    void decodes();
    void rejects_data();
    void rejects();
    void emptyInputIsNullImage();
    void fileErrors_data();
    void fileErrors();
    void unreadableFile();
    void fileIsDecoded();
};

void TestBmpImage::decodes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QImage>("expected");

    // Indexed depths, both row orders; 10 pixels cross a byte for 1 and 4 bits.
    const Rows indexRows = {{1, 0, 1, 0, 0, 0, 0, 0, 0, 1}, {0, 1, 0, 0, 0, 0, 0, 0, 1, 1}};
    const QImage indexPicture =
        picture({{B, R, B, R, R, R, R, R, R, B}, {R, B, R, R, R, R, R, R, B, B}});
    for (int bits : {1, 4, 8}) {
        for (bool topDown : {false, true}) {
            Bmp bmp;
            bmp.width = 10;
            bmp.height = topDown ? -2 : 2;
            bmp.bitCount = quint16(bits);
            bmp.palette = {R, B};
            bmp.colorsUsed = 2;
            bmp.pixels = packRows(topDown ? indexRows : reversed(indexRows), bits);
            QTest::addRow("%d bpp %s", bits, topDown ? "top-down" : "bottom-up")
                << bmp.build() << indexPicture;
        }
    }
    {
        // All 16 entries implied by a colour count of 0; the values pick entries 15 and 7.
        Bmp bmp;
        bmp.width = 3;
        bmp.height = 1;
        bmp.bitCount = 4;
        for (int i = 0; i < 16; ++i)
            bmp.palette.append(qRgb(i * 16, 255 - i * 16, i));
        bmp.pixels = packRows({{15, 7, 0}}, 4);
        QTest::newRow("4 bpp full palette")
            << bmp.build() << picture({{qRgb(240, 15, 15), qRgb(112, 143, 7), qRgb(0, 255, 0)}});
    }
    {
        Bmp bmp;
        bmp.width = 4;
        bmp.height = 1;
        bmp.bitCount = 8;
        bmp.palette = {G, Y};
        bmp.colorsUsed = 2;
        bmp.pixels = packRows({{0, 1, 2, 255}}, 8);
        QTest::newRow("index past the palette is black") << bmp.build() << picture({{G, Y, K, K}});
    }
    {
        Bmp bmp;
        bmp.headerSize = 12;
        bmp.width = 2;
        bmp.height = 2;
        bmp.bitCount = 8;
        bmp.palette = {W, P};
        for (int i = 2; i < 256; ++i)
            bmp.palette.append(K);
        bmp.pixels = packRows({{1, 0}, {0, 1}}, 8);
        QTest::newRow("core header 8 bpp") << bmp.build() << picture({{W, P}, {P, W}});
    }
    {
        Bmp bmp;
        bmp.headerSize = 12;
        bmp.width = 2;
        bmp.height = 1;
        bmp.bitCount = 24;
        bmp.pixels = packRows({{0x8040C0, 0x00FF00}}, 24);
        QTest::newRow("core header 24 bpp") << bmp.build() << picture({{P, G}});
    }
    for (quint32 headerSize : {40u, 52u, 56u, 108u, 124u}) {
        // Three pixels of 24 bits leave three bytes of padding per row.
        Bmp bmp;
        bmp.headerSize = headerSize;
        bmp.width = 3;
        bmp.height = 2;
        bmp.pixels = packRows({{0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFFFF, 0x000000, 0x8040C0}}, 24);
        QTest::addRow("24 bpp, %u-byte header", headerSize)
            << bmp.build() << picture({{W, K, P}, {R, G, B}});
    }
    {
        Bmp bmp;
        bmp.width = 2;
        bmp.height = -2;
        bmp.pixels = packRows({{0xFF0000, 0x00FF00}, {0x0000FF, 0xFFFF00}}, 24);
        QTest::newRow("24 bpp top-down") << bmp.build() << picture({{R, G}, {B, Y}});
    }
    {
        Bmp bmp;
        bmp.width = 3;
        bmp.height = 2;
        bmp.pixels = packRows({{0xFF0000, 0xFF0000, 0xFF0000}, {0x0000FF, 0x0000FF, 0x0000FF}}, 24);
        bmp.pixels.chop(3);
        QTest::newRow("last row without padding") << bmp.build() << picture({{B, B, B}, {R, R, R}});
    }
    {
        // 5-5-5: 31 is full, 16 is 131.
        Bmp bmp;
        bmp.width = 3;
        bmp.height = 1;
        bmp.bitCount = 16;
        bmp.pixels = packRows({{0x7C00, 0x03E0 | 0x8000, 16 << 10 | 16 << 5 | 16}}, 16);
        QTest::newRow("16 bpp 5-5-5") << bmp.build() << picture({{R, G, qRgb(131, 131, 131)}});
    }
    for (quint32 headerSize : {40u, 108u, 124u}) {
        Bmp bmp;
        bmp.headerSize = headerSize;
        bmp.width = 3;
        bmp.height = 1;
        bmp.bitCount = 16;
        bmp.compression = 3;
        bmp.masks = {0xF800, 0x07E0, 0x001F};
        bmp.pixels = packRows({{0xF800, 0x07E0, 32 << 5 | 0x1F}}, 16);
        QTest::addRow("16 bpp bit fields 5-6-5, %u-byte header", headerSize)
            << bmp.build() << picture({{R, G, qRgb(0, 129, 255)}});
    }
    {
        // Four-bit channels scale to the full range: 15 is 255 and 8 is 136.
        Bmp bmp;
        bmp.width = 1;
        bmp.height = 1;
        bmp.bitCount = 16;
        bmp.compression = 3;
        bmp.masks = {0x0F00, 0x00F0, 0x000F};
        bmp.pixels = packRows({{0xF08F}}, 16);
        QTest::newRow("16 bpp bit fields 4-4-4") << bmp.build() << picture({{qRgb(0, 136, 255)}});
    }
    {
        Bmp bmp;
        bmp.width = 2;
        bmp.height = 1;
        bmp.bitCount = 32;
        bmp.pixels = packRows({{0x00FF0000, 0x7F8040C0}}, 32);
        QTest::newRow("32 bpp, alpha byte ignored") << bmp.build() << picture({{R, P}});
    }
    {
        // Channels in the other order.
        Bmp bmp;
        bmp.headerSize = 124;
        bmp.width = 2;
        bmp.height = 1;
        bmp.bitCount = 32;
        bmp.compression = 3;
        bmp.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
        bmp.pixels = packRows({{0x00C04080, 0xFF0000FF}}, 32);
        QTest::newRow("32 bpp bit fields, V5 header") << bmp.build() << picture({{P, R}});
    }
    {
        Bmp bmp;
        bmp.width = 1;
        bmp.height = 1;
        bmp.bitCount = 32;
        bmp.compression = 3;
        bmp.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
        bmp.pixels = packRows({{0x3FF00000 | 0x200 << 10 | 0x0FF}}, 32);
        QTest::newRow("32 bpp ten-bit channels") << bmp.build() << picture({{qRgb(255, 128, 63)}});
    }
    {
        Bmp bmp;
        bmp.width = 1;
        bmp.height = 1;
        bmp.bitCount = 32;
        bmp.compression = 3;
        bmp.masks = {0, 0x0000FF00, 0x000000FF};
        bmp.pixels = packRows({{0x00FF80FF}}, 32);
        QTest::newRow("channel without bits reads 0")
            << bmp.build() << picture({{qRgb(0, 128, 255)}});
    }
    {
        // Bottom row: a run of 3, an absolute run of 3 (padded), end of line.
        // Next row: a delta of (2, 1) skips to the top row at x = 2, a run of 2, end.
        Bmp bmp;
        bmp.width = 6;
        bmp.height = 3;
        bmp.bitCount = 8;
        bmp.compression = 1;
        bmp.palette = {K, R, G, B};
        bmp.pixels = QByteArray::fromHex("0301"
                                         "0003020302"
                                         "00"
                                         "0000"
                                         "0002"
                                         "0201"
                                         "0203"
                                         "0001");
        QTest::newRow("RLE8 runs, absolute, delta, skipped pixels black")
            << bmp.build() << picture({{K, K, B, B, K, K}, {K, K, K, K, K, K}, {R, R, R, G, B, G}});
    }
    {
        // Runs alternate the two nibbles; an absolute run of 5 takes 3 bytes and a pad byte.
        Bmp bmp;
        bmp.width = 9;
        bmp.height = 1;
        bmp.bitCount = 4;
        bmp.compression = 2;
        bmp.palette = {K, R, G, B};
        bmp.pixels = QByteArray::fromHex("0412"
                                         "0005"
                                         "31231000"
                                         "0001");
        QTest::newRow("RLE4 runs and absolute")
            << bmp.build() << picture({{R, G, R, G, B, R, G, B, R}});
    }
    {
        Bmp bmp;
        bmp.width = 3;
        bmp.height = 1;
        bmp.bitCount = 8;
        bmp.compression = 1;
        bmp.palette = {K, R};
        bmp.pixels = QByteArray::fromHex("0501");
        QTest::newRow("RLE run past the row is cut; no end code needed when complete")
            << bmp.build() << picture({{R, R, R}});
    }
    {
        Bmp bmp;
        bmp.width = 2;
        bmp.height = 2;
        bmp.bitCount = 8;
        bmp.compression = 1;
        bmp.palette = {K, R};
        bmp.pixels = QByteArray::fromHex("0201"
                                         "0002"
                                         "0505"
                                         "0201"
                                         "0001");
        QTest::newRow("RLE delta past the picture ends it")
            << bmp.build() << picture({{K, K}, {R, R}});
    }
    {
        Bmp bmp;
        bmp.width = 1;
        bmp.height = 1;
        bmp.palette = {B};
        bmp.bitCount = 8;
        bmp.colorsUsed = 3; // more entries claimed than the pixel data leaves room for
        bmp.dataOffset = 14 + 40 + 4;
        bmp.pixels = packRows({{0}}, 8);
        QTest::newRow("palette cut short by the pixel data") << bmp.build() << picture({{B}});
    }
}

void TestBmpImage::decodes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QImage, expected);
    QImage image;
    try {
        image = decodeBmp(bytes);
    } catch (const LarkspanError& e) {
        QFAIL(qPrintable(e.message()));
    }
    const QString diff = difference(image, expected);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
}

void TestBmpImage::rejects_data() {
    QTest::addColumn<QByteArray>("bytes");

    Bmp good;
    good.width = 2;
    good.height = 2;
    good.pixels = packRows({{0, 0}, {0, 0}}, 24);
    const QByteArray goodBytes = good.build();

    QTest::newRow("one byte") << QByteArray("B");
    QTest::newRow("not BM") << QByteArray("\x89PNG\r\n\x1a\n", 8);
    QTest::newRow("bm in lower case") << QByteArray("bm").append(goodBytes.mid(2));
    QTest::newRow("BM alone") << QByteArray("BM");
    QTest::newRow("file header only") << goodBytes.left(14);
    QTest::newRow("info header cut") << goodBytes.left(40);
    QTest::newRow("pixel data one byte short") << goodBytes.left(goodBytes.size() - 3 - 1);
    QTest::newRow("no pixel data") << goodBytes.left(54);

    auto add = [](const char* name, auto change) {
        Bmp bmp;
        bmp.width = 2;
        bmp.height = 2;
        bmp.pixels = packRows({{0, 0}, {0, 0}}, 24);
        change(bmp);
        QTest::newRow(name) << bmp.build();
    };
    add("header size 20", [](Bmp& b) { b.headerSize = 20; });
    add("header size 64", [](Bmp& b) { b.headerSize = 64; });
    add("header size huge", [](Bmp& b) { b.headerSize = 0xFFFFFFF0; });
    add("width 0", [](Bmp& b) { b.width = 0; });
    add("height 0", [](Bmp& b) { b.height = 0; });
    add("negative width", [](Bmp& b) { b.width = -2; });
    add("height of -2^31", [](Bmp& b) { b.height = INT_MIN; });
    add("100000 x 100000", [](Bmp& b) { b.width = b.height = 100000; });
    add("width 32769", [](Bmp& b) {
        b.width = 32769;
        b.height = 1;
    });
    add("30000 x 30000 at 1 bpp", [](Bmp& b) {
        b.width = b.height = 30000;
        b.bitCount = 1;
        b.palette = {0, 0};
        b.pixels = QByteArray(4096, '\0');
    });
    add("2 bpp", [](Bmp& b) { b.bitCount = 2; });
    add("0 bpp", [](Bmp& b) { b.bitCount = 0; });
    add("64 bpp", [](Bmp& b) { b.bitCount = 64; });
    add("core header 16 bpp", [](Bmp& b) {
        b.headerSize = 12;
        b.bitCount = 16;
    });
    add("bit fields at 24 bpp", [](Bmp& b) {
        b.compression = 3;
        b.masks = {0xFF0000, 0xFF00, 0xFF};
    });
    add("bit fields with a gap in a mask", [](Bmp& b) {
        b.bitCount = 32;
        b.compression = 3;
        b.masks = {0x00FF00FF, 0x0000FF00, 0};
        b.pixels = QByteArray(16, '\0');
    });
    add("bit fields masks missing", [](Bmp& b) {
        b.bitCount = 16;
        b.compression = 3;
        b.pixels.clear();
    });
    add("JPEG compression", [](Bmp& b) { b.compression = 4; });
    add("PNG compression", [](Bmp& b) { b.compression = 5; });
    add("alpha bit fields", [](Bmp& b) { b.compression = 6; });
    add("RLE8 at 4 bpp", [](Bmp& b) {
        b.bitCount = 4;
        b.compression = 1;
        b.pixels = QByteArray::fromHex("0001");
    });
    add("RLE4 at 8 bpp", [](Bmp& b) {
        b.bitCount = 8;
        b.compression = 2;
        b.pixels = QByteArray::fromHex("0001");
    });
    add("RLE top-down", [](Bmp& b) {
        b.bitCount = 8;
        b.compression = 1;
        b.height = -2;
        b.pixels = QByteArray::fromHex("0001");
    });
    add("RLE 4000 x 4000 from two bytes", [](Bmp& b) {
        b.width = b.height = 4000;
        b.bitCount = 8;
        b.compression = 1;
        b.pixels = QByteArray::fromHex("0001");
    });
    add("RLE stream ends inside the picture", [](Bmp& b) {
        b.bitCount = 8;
        b.compression = 1;
        b.pixels = QByteArray::fromHex("0200");
    });
    add("RLE absolute run past the end", [](Bmp& b) {
        b.bitCount = 8;
        b.compression = 1;
        b.pixels = QByteArray::fromHex("000501");
    });
    add("RLE delta cut", [](Bmp& b) {
        b.bitCount = 8;
        b.compression = 1;
        b.pixels = QByteArray::fromHex("000201");
    });
    add("RLE odd byte at the end", [](Bmp& b) {
        b.bitCount = 8;
        b.compression = 1;
        b.pixels = QByteArray::fromHex("020000");
    });
    add("data offset past the end", [](Bmp& b) { b.dataOffset = 0x7FFFFFFF; });
    add("data offset inside the header", [](Bmp& b) { b.dataOffset = 20; });
    add("data offset inside the masks", [](Bmp& b) {
        b.bitCount = 16;
        b.compression = 3;
        b.masks = {0xF800, 0x07E0, 0x001F};
        b.dataOffset = 14 + 40;
    });
}

void TestBmpImage::rejects() {
    QFETCH(QByteArray, bytes);
    QCOMPARE(decodeError(bytes), kInvalid);
}

void TestBmpImage::emptyInputIsNullImage() {
    QVERIFY(decodeBmp(QByteArrayView()).isNull());
}

void TestBmpImage::fileErrors_data() {
    QTest::addColumn<QString>("name"); // relative to a temporary folder
    QTest::addColumn<QString>("expected");

    QTest::newRow("missing") << u"bar.bmp"_qs
                             << u"Cannot open file \"%1/bar.bmp\". No such file or directory"_qs;
    QTest::newRow("missing folder")
        << u"nothere/bar.bmp"_qs
        << u"Cannot open file \"%1/nothere/bar.bmp\". No such file or directory"_qs;
    QTest::newRow("stored separators")
        << u"skins\\default\\\\bar.bmp"_qs
        << u"Cannot open file \"%1/skins/default/bar.bmp\". No such file or directory"_qs;
    QTest::newRow("folder") << u"adir"_qs << u"Cannot open file \"%1/adir\". Is a directory"_qs;
    QTest::newRow("fifo") << u"pipe"_qs << u"Cannot open file \"%1/pipe\". Not a regular file"_qs;
    QTest::newRow("not a bitmap") << u"text.bmp"_qs << kInvalid;
}

void TestBmpImage::fileErrors() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"adir"_qs);
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(u"pipe"_qs)).constData(), 0600) == 0);
    writeBytes(dir.filePath(u"text.bmp"_qs), "[colors]\r\n");
    try {
        loadBmpFile(dir.path() + u'/' + name);
        QFAIL("no error");
    } catch (const LarkspanError& e) {
        QCOMPARE(e.message(), expected.arg(dir.path()));
    }
}

void TestBmpImage::unreadableFile() {
    if (::geteuid() == 0)
        QSKIP("the superuser reads every file");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bar.bmp"_qs);
    writeBytes(path, "BM");
    ::chmod(QFile::encodeName(path).constData(), 0);
    try {
        loadBmpFile(path);
        QFAIL("no error");
    } catch (const LarkspanError& e) {
        QCOMPARE(e.message(), u"Cannot open file \"%1\". Permission denied"_qs.arg(path));
    }
}

void TestBmpImage::fileIsDecoded() {
    QTemporaryDir dir;
    const QString empty = dir.filePath(u"empty.bmp"_qs);
    writeBytes(empty, QByteArray());
    QVERIFY(loadBmpFile(empty).isNull());

    Bmp bmp;
    bmp.width = 1;
    bmp.height = 1;
    bmp.pixels = packRows({{0x8040C0}}, 24);
    const QString one = dir.filePath(u"one.bmp"_qs);
    writeBytes(one, bmp.build());
    const QImage image = loadBmpFile(one);
    QCOMPARE(image.size(), QSize(1, 1));
    QCOMPARE(image.pixel(0, 0), P);
}

QTEST_APPLESS_MAIN(TestBmpImage)
#include "tst_bmpimage.moc"
