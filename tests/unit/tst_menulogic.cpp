// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/barlogic.h"
#include "bar/menulogic.h"

#include <QTest>

using Captions = QStringList;
using Flags = QList<bool>;

class TestMenuLogic : public QObject {
    Q_OBJECT
private slots:
    void accessKeys_data();
    void accessKeys();
    void separators_data();
    void separators();
    void typedCharacter_data();
    void typedCharacter();
    void releaseInside_data();
    void releaseInside();
    void onScreen_data();
    void onScreen();
    void placement_data();
    void placement();
};

// The launcher always wraps the entries in a top separator, a separator and "Exit".
static Captions wrapped(const Captions& entries) {
    return Captions{u"-"_qs} + entries + Captions{u"-"_qs, u"Exit"_qs};
}

void TestMenuLogic::accessKeys_data() {
    QTest::addColumn<Captions>("captions");
    QTest::addColumn<Captions>("keyed");
    QTest::newRow("first free character") << wrapped({u"Notepad"_qs, u"Network"_qs, u"-"_qs})
                                          << wrapped({u"&Notepad"_qs, u"N&etwork"_qs, u"-"_qs})
                                                 .replaceInStrings(u"Exit"_qs, u"E&xit"_qs);
    QTest::newRow("a taken mark is dropped")
        << Captions{u"&Mail"_qs, u"&Mail"_qs} << Captions{u"&Mail"_qs, u"M&ail"_qs};
    QTest::newRow("marks are kept before free characters are handed out")
        << Captions{u"Notes"_qs, u"&Network"_qs} << Captions{u"N&otes"_qs, u"&Network"_qs};
    QTest::newRow("marks compare case-blind")
        << Captions{u"&notes"_qs, u"&News"_qs} << Captions{u"&notes"_qs, u"N&ews"_qs};
    QTest::newRow("a literal ampersand is no mark")
        << Captions{u"Save && Exit"_qs} << Captions{u"&Save && Exit"_qs};
    QTest::newRow("a literal ampersand survives a dropped mark")
        << Captions{u"&Tea"_qs, u"&T && c"_qs} << Captions{u"&Tea"_qs, u"T && &c"_qs};
    QTest::newRow("digits are keys")
        << Captions{u"1 one"_qs, u"1 two"_qs} << Captions{u"&1 one"_qs, u"1 &two"_qs};
    QTest::newRow("other characters are not keys") << Captions{u"Éclair"_qs, u"&.x"_qs, u"ß"_qs}
                                                   << Captions{u"É&clair"_qs, u".&x"_qs, u"ß"_qs};
    QTest::newRow("no free character, no key")
        << Captions{u"ab"_qs, u"ba"_qs, u"ab"_qs} << Captions{u"&ab"_qs, u"&ba"_qs, u"ab"_qs};
    QTest::newRow("empty captions and separators take no part")
        << Captions{u""_qs, u"-"_qs, u"x"_qs} << Captions{u""_qs, u"-"_qs, u"&x"_qs};
    QTest::newRow("a mark at the very end is no mark")
        << Captions{u"ab&"_qs} << Captions{u"&ab"_qs};
    QTest::newRow("no entries") << wrapped({}) << Captions{u"-"_qs, u"-"_qs, u"&Exit"_qs};
    QTest::newRow("tray menu") << Captions{u"Restore"_qs, u"-"_qs, u"About"_qs, u"Exit"_qs}
                               << Captions{u"&Restore"_qs, u"-"_qs, u"&About"_qs, u"&Exit"_qs};
}

void TestMenuLogic::accessKeys() {
    QFETCH(Captions, captions);
    QFETCH(Captions, keyed);
    QCOMPARE(applyAccessKeys(captions), keyed);
    // Drawn text loses nothing but the marks.
    for (qsizetype i = 0; i < captions.size(); ++i)
        QCOMPARE(withoutAccessMarks(keyed[i]).remove(u'&'),
                 withoutAccessMarks(captions[i]).remove(u'&'));
}

void TestMenuLogic::separators_data() {
    QTest::addColumn<Captions>("captions");
    QTest::addColumn<Flags>("visible");
    QTest::newRow("entries -, A, -, -, B, -")
        << wrapped({u"-"_qs, u"A"_qs, u"-"_qs, u"-"_qs, u"B"_qs, u"-"_qs})
        << Flags{false, false, true, false, true, true, false, true, true};
    QTest::newRow("only separators")
        << wrapped({u"-"_qs, u"-"_qs}) << Flags{false, false, false, false, true};
    QTest::newRow("no entries") << wrapped({}) << Flags{false, false, true};
    QTest::newRow("plain entries")
        << wrapped({u"A"_qs, u"B"_qs}) << Flags{false, true, true, true, true};
    QTest::newRow("near-separators are entries")
        << wrapped({u" -"_qs, u"--"_qs}) << Flags{false, true, true, true, true};
    QTest::newRow("trailing separators")
        << Captions{u"A"_qs, u"-"_qs, u"-"_qs} << Flags{true, false, false};
}

void TestMenuLogic::separators() {
    QFETCH(Captions, captions);
    QFETCH(Flags, visible);
    QCOMPARE(visibleBySeparatorRule(captions), visible);
}

void TestMenuLogic::typedCharacter_data() {
    QTest::addColumn<Captions>("captions");
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("chooses");
    const Captions menu{u"-"_qs,  u"&Mail"_qs, u"M&ore"_qs, u"&Notes"_qs,
                        u"Mo"_qs, u"-"_qs,     u"E&xit"_qs};
    QTest::newRow("key chooses") << menu << QChar(u'n') << -1 << 3 << true;
    QTest::newRow("upper case too") << menu << QChar(u'N') << -1 << 3 << true;
    QTest::newRow("key inside the caption") << menu << QChar(u'x') << -1 << 6 << true;
    QTest::newRow("first character of an unkeyed item") << menu << QChar(u'm') << -1 << 1 << true;
    QTest::newRow("nothing matches") << menu << QChar(u'z') << -1 << -1 << false;
    const Captions twice{u"&Mail"_qs, u"&Mail"_qs, u"&Music"_qs};
    QTest::newRow("several carry the key: first") << twice << QChar(u'm') << -1 << 0 << false;
    QTest::newRow("several carry the key: next") << twice << QChar(u'm') << 0 << 1 << false;
    QTest::newRow("several carry the key: wraps") << twice << QChar(u'm') << 2 << 0 << false;
    const Captions unkeyed{u"aa"_qs, u"ab"_qs, u"&b"_qs};
    QTest::newRow("fallback moves among unkeyed items")
        << unkeyed << QChar(u'A') << 0 << 1 << false;
}

void TestMenuLogic::typedCharacter() {
    QFETCH(Captions, captions);
    QFETCH(QChar, typed);
    QFETCH(int, current);
    QFETCH(int, index);
    QFETCH(bool, chooses);
    Flags selectable;
    for (const QString& c : captions)
        selectable.append(c != u"-"_qs);
    const KeyMatch match = matchTypedCharacter(captions, selectable, typed, current);
    QCOMPARE(match.index, index);
    QCOMPARE(match.chooses, chooses);
}

void TestMenuLogic::releaseInside_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("inside");
    QTest::newRow("middle") << 15 << 15 << Qt::LeftButton << true;
    QTest::newRow("origin") << 0 << 0 << Qt::LeftButton << true;
    QTest::newRow("far edges count") << 30 << 30 << Qt::LeftButton << true;
    QTest::newRow("x 31") << 31 << 0 << Qt::LeftButton << false;
    QTest::newRow("y 31") << 0 << 31 << Qt::LeftButton << false;
    QTest::newRow("x -1") << -1 << 0 << Qt::LeftButton << false;
    QTest::newRow("y -1") << 0 << -1 << Qt::LeftButton << false;
    QTest::newRow("right") << 15 << 15 << Qt::RightButton << false;
    QTest::newRow("middle button") << 15 << 15 << Qt::MiddleButton << false;
}

void TestMenuLogic::releaseInside() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, inside);
    QCOMPARE(IsReleaseInside(QSize(30, 30), button, x, y), inside);
}

void TestMenuLogic::onScreen_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("placed");
    const QList<QRect> one{QRect(0, 0, 1920, 1080)};
    const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QList<QRect> panels{QRect(0, 24, 1920, 1030)}; // a panel above, one below
    QTest::newRow("on screen") << QRect(100, 1, 406, 30) << one << QPoint(100, 1);
    QTest::newRow("partly above") << QRect(10, -20, 406, 30) << one << QPoint(10, 0);
    QTest::newRow("right of everything") << QRect(5000, 10, 406, 30) << one << QPoint(1514, 10);
    QTest::newRow("below and left") << QRect(-9000, 5000, 406, 30) << one << QPoint(0, 1050);
    QTest::newRow("second monitor kept") << QRect(2500, 100, 406, 30) << two << QPoint(2500, 100);
    QTest::newRow("second monitor unplugged")
        << QRect(2500, 100, 406, 30) << one << QPoint(1514, 100);
    QTest::newRow("nearest of two") << QRect(2500, 1500, 406, 30) << two << QPoint(2500, 994);
    QTest::newRow("across two, mostly on the second")
        << QRect(1800, 100, 406, 30) << two << QPoint(1920, 100);
    QTest::newRow("under the bottom panel")
        << QRect(700, 1064, 406, 30) << panels << QPoint(700, 1024);
    QTest::newRow("under the top panel") << QRect(700, 1, 406, 30) << panels << QPoint(700, 24);
    QTest::newRow("no screens") << QRect(5, 5, 406, 30) << QList<QRect>{} << QPoint(5, 5);
}

void TestMenuLogic::onScreen() {
    QFETCH(QRect, window);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, placed);
    QCOMPARE(keepInWorkArea(window, screens), placed);
}

void TestMenuLogic::placement_data() {
    QTest::addColumn<QSize>("menu");
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("placed");
    const QRect hd(0, 0, 1920, 1080);
    const QSize menu(200, 300);
    QTest::newRow("below the bar")
        << menu << QRect(100, 0, 406, 30) << hd << QRect(100, 30, 200, 300);
    QTest::newRow("just fits below")
        << menu << QRect(100, 750, 406, 30) << hd << QRect(100, 780, 200, 300);
    QTest::newRow("above near the bottom")
        << menu << QRect(100, 751, 406, 30) << hd << QRect(100, 451, 200, 300);
    QTest::newRow("neither, more room below")
        << QSize(200, 2000) << QRect(100, 100, 406, 30) << hd << QRect(100, 130, 200, 950);
    QTest::newRow("neither, more room above")
        << QSize(200, 2000) << QRect(100, 900, 406, 30) << hd << QRect(100, 0, 200, 900);
    QTest::newRow("pushed left by the right edge")
        << menu << QRect(1800, 0, 406, 30) << hd << QRect(1720, 30, 200, 300);
    QTest::newRow("second monitor, above")
        << menu << QRect(3000, 994, 406, 30) << QRect(1920, 0, 1280, 1024)
        << QRect(3000, 694, 200, 300);
    QTest::newRow("at a point") << menu << QRect(500, 500, 0, 0) << hd << QRect(500, 500, 200, 300);
    QTest::newRow("at a point near the bottom")
        << menu << QRect(500, 1000, 0, 0) << hd << QRect(500, 700, 200, 300);
}

void TestMenuLogic::placement() {
    QFETCH(QSize, menu);
    QFETCH(QRect, anchor);
    QFETCH(QRect, screen);
    QFETCH(QRect, placed);
    QCOMPARE(placeMenu(menu, anchor, screen), placed);
}

QTEST_APPLESS_MAIN(TestMenuLogic)
#include "tst_menulogic.moc"
