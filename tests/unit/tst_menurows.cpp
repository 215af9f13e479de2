// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/menurows.h"

#include <QTest>

namespace {

constexpr int kItem = 20;
constexpr int kSeparator = 7;

// Built as the bar builds the menu: entries tagged from 1, unless the last build stands.
bool build(MenuRows& rows, const QStringList& captions, const QStringList& targets) {
    const bool kept = rows.keepBuildOf(captions, targets);
    if (!kept)
        for (int i = 0; i < captions.size(); ++i)
            rows.add(i + 1, captions[i], targets[i]);
    rows.settle();
    return kept;
}

// Captions as settled; a row the separator rule hides in brackets.
QStringList shown(const MenuRows& rows) {
    QStringList seen;
    for (const MenuRow& row : rows.rows())
        seen.append(row.visible ? row.caption : u'(' + row.caption + u')');
    return seen;
}

} // namespace

class TestMenuRows : public QObject {
    Q_OBJECT
private slots:
    void rebuild_data();
    void rebuild();
};

void TestMenuRows::rebuild_data() {
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second"); // {"="}: the very lists of the first build
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("measured"); // by the second build
    QTest::addColumn<int>("height");

    const QStringList two{u"Notepad"_qs, u"Network"_qs};
    QTest::newRow("same lists: kept")
        << two << QStringList{u"="_qs} << true << QStringList{u"&Notepad"_qs, u"N&etwork"_qs}
        << QStringList() << 2 * kItem;
    QTest::newRow("equal copy: compared, nothing measured")
        << two << QStringList{u"Notepad"_qs, u"Network"_qs} << false
        << QStringList{u"&Notepad"_qs, u"N&etwork"_qs} << QStringList() << 2 * kItem;
    QTest::newRow("changed caption: only it is measured, keys move")
        << two << QStringList{u"Files"_qs, u"Network"_qs} << false
        << QStringList{u"&Files"_qs, u"&Network"_qs} << QStringList{u"Files"_qs} << 2 * kItem;
    QTest::newRow("row dropped") << two << QStringList{u"Notepad"_qs} << false
                                 << QStringList{u"&Notepad"_qs} << QStringList() << kItem;
    QTest::newRow("separators: edges and runs hidden, never measured")
        << QStringList() << QStringList{u"-"_qs, u"A"_qs, u"-"_qs, u"-"_qs, u"&&B"_qs, u"-"_qs}
        << false << QStringList{u"(-)"_qs, u"&A"_qs, u"(-)"_qs, u"-"_qs, u"&&&B"_qs, u"(-)"_qs}
        << QStringList{u"A"_qs, u"&&B"_qs} << 2 * kItem + kSeparator;
}

void TestMenuRows::rebuild() {
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(bool, kept);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, measured);
    QFETCH(int, height);
    QStringList widthsTaken;
    MenuRows menu(
        [&](const QString& caption) {
            widthsTaken.append(caption);
            return int(caption.size());
        },
        kItem, kSeparator);
    const QStringList firstTargets(first.size(), u"t"_qs);
    build(menu, first, firstTargets);
    widthsTaken.clear();
    const bool same = second == QStringList{u"="_qs};
    QCOMPARE(build(menu, same ? first : second,
                   same ? firstTargets : QStringList(second.size(), u"t"_qs)),
             kept);
    QCOMPARE(shown(menu), rows);
    QCOMPARE(widthsTaken, measured);
    QCOMPARE(menu.height(), height);
}

QTEST_MAIN(TestMenuRows)
#include "tst_menurows.moc"
