// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/skincolor.h"

#include <QTest>

class TestSkinColor : public QObject {
    Q_OBJECT
private slots:
    void htmlToColor_data();
    void htmlToColor();
    void toQColor_data();
    void toQColor();
};

void TestSkinColor::htmlToColor_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("fallback");
    QTest::addColumn<quint32>("expected");

    const quint32 fb = 0x123456;
    QTest::newRow("red") << u"#ff0000"_qs << fb << 0x0000FFu;
    QTest::newRow("blue") << u"#0000ff"_qs << fb << 0xFF0000u;
    QTest::newRow("green") << u"#00ff00"_qs << fb << 0x00FF00u;
    QTest::newRow("upper case") << u"#00FF00"_qs << fb << 0x00FF00u;
    QTest::newRow("mixed case") << u"#aBcDeF"_qs << fb << 0xEFCDABu;
    QTest::newRow("black") << u"#000000"_qs << fb << 0u;
    QTest::newRow("white") << u"#ffffff"_qs << fb << 0xFFFFFFu;
    QTest::newRow("empty") << u""_qs << fb << clNone;
    QTest::newRow("colour name") << u"blue"_qs << fb << clNone;
    QTest::newRow("leading blank") << u" #ff0000"_qs << fb << clNone;
    QTest::newRow("hex without #") << u"ff0000"_qs << fb << clNone;
    QTest::newRow("not hex") << u"#zzzzzz"_qs << fb << fb;
    QTest::newRow("# alone") << u"#"_qs << fb << fb;
    QTest::newRow("one bad digit") << u"#00ff0g"_qs << fb << fb;
    QTest::newRow("blank inside") << u"#00 f00"_qs << fb << fb;
    QTest::newRow("sign") << u"#-1"_qs << fb << fb;
    QTest::newRow("second #") << u"##0000"_qs << fb << fb;
    QTest::newRow("full-width digit") << u"#\uFF10\uFF10"_qs << fb << fb;
    QTest::newRow("short form not widened") << u"#abc"_qs << fb << 0x000CABu;
    QTest::newRow("one digit") << u"#7"_qs << fb << 0x7u;
    QTest::newRow("two digits") << u"#12"_qs << fb << 0x12u;
    QTest::newRow("four digits") << u"#1234"_qs << fb << 0x3412u;
    QTest::newRow("five digits") << u"#12345"_qs << fb << 0x53412u;
    QTest::newRow("after seventh ignored") << u"#ff000012"_qs << fb << 0x0000FFu;
    QTest::newRow("garbage after seventh ignored") << u"#0000ff zz"_qs << fb << 0xFF0000u;
    QTest::newRow("bad digit at 8 ignored") << u"#abcdefg"_qs << fb << 0xEFCDABu;
    QTest::newRow("fallback may be clNone") << u"#xyz"_qs << clNone << clNone;
}

void TestSkinColor::htmlToColor() {
    QFETCH(QString, text);
    QFETCH(quint32, fallback);
    QFETCH(quint32, expected);
    QCOMPARE(HtmlToColor(text, fallback), expected);
}

void TestSkinColor::toQColor_data() {
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("red") << 0x0000FFu << QColor(255, 0, 0);
    QTest::newRow("blue") << 0xFF0000u << QColor(0, 0, 255);
    QTest::newRow("mixed") << 0x336699u << QColor(0x99, 0x66, 0x33);
    QTest::newRow("black") << 0u << QColor(0, 0, 0);
    QTest::newRow("none draws nothing") << clNone << QColor(0, 0, 0, 0);
}

void TestSkinColor::toQColor() {
    QFETCH(quint32, value);
    QFETCH(QColor, expected);
    QCOMPARE(::toQColor(value).rgba(), expected.rgba());
}

QTEST_APPLESS_MAIN(TestSkinColor)
#include "tst_skincolor.moc"
