// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/menufilter.h"

#include <QTest>

// One menu as the launcher builds it: top separator, entries, separator, "Exit".
static const QList<FilterItem> menu{
    {u"-"_qs, {}},
    {u"Annotate"_qs, u"/usr/bin/annot"_qs},
    {u"Terminal"_qs, u"/usr/bin/xterm -e nohup"_qs},
    {u"My notebook"_qs, u"xdg-open /home/u/nb"_qs},
    {u"&Notes"_qs, u"/home/u/notes.txt"_qs},
    {u"-"_qs, {}},
    {u"Network Tools"_qs, u"nm-connection-editor"_qs},
    {u"Café crème"_qs, u"/usr/bin/coffee"_qs},
    {u"Save && Exit"_qs, u"/usr/bin/saver"_qs},
    {u"-"_qs, {}},
    {u"Exit"_qs, {}, true},
};

class TestMenuFilter : public QObject {
    Q_OBJECT
private slots:
    void filter_data();
    void filter();
};

void TestMenuFilter::filter_data() {
    QTest::addColumn<QStringList>("typed"); // the filter after each keystroke
    QTest::addColumn<QStringList>("shown"); // captions after the last one
    QTest::newRow("prefix, word start, other; each in menu order")
        << QStringList{u"no"_qs}
        << QStringList{u"&Notes"_qs, u"My notebook"_qs, u"Annotate"_qs, u"Terminal"_qs};
    QTest::newRow("case-blind") << QStringList{u"NOTES"_qs} << QStringList{u"&Notes"_qs};
    QTest::newRow("accent-blind both ways")
        << QStringList{u"CAFE CRÉME"_qs} << QStringList{u"Café crème"_qs};
    QTest::newRow("words in any order, caption or target")
        << QStringList{u"editor  tools"_qs} << QStringList{u"Network Tools"_qs};
    QTest::newRow("every word must be found") << QStringList{u"notes zzz"_qs} << QStringList{};
    QTest::newRow("a literal ampersand is text, marks are not")
        << QStringList{u"save & e"_qs} << QStringList{u"Save && Exit"_qs};
    QTest::newRow("Exit stays last")
        << QStringList{u"exit"_qs} << QStringList{u"Save && Exit"_qs, u"Exit"_qs};
    QTest::newRow("separators never match")
        << QStringList{u"-"_qs}
        << QStringList{u"Terminal"_qs, u"My notebook"_qs, u"Network Tools"_qs};
    QTest::newRow("blank filter") << QStringList{u"  "_qs} << QStringList{};
    QTest::newRow("narrowed, then widened again by Backspace")
        << QStringList{u"n"_qs, u"no"_qs, u"not"_qs, u"notz"_qs, u"not"_qs, u"no"_qs, u"o"_qs}
        << QStringList{u"Annotate"_qs, u"Terminal"_qs,      u"My notebook"_qs,
                       u"&Notes"_qs,   u"Network Tools"_qs, u"Café crème"_qs};
    QTest::newRow("a new word narrows, removing it widens")
        << QStringList{u"e"_qs, u"e "_qs, u"e t"_qs, u"e "_qs, u"e"_qs}
        << QStringList{u"Save && Exit"_qs, u"Annotate"_qs,      u"Terminal"_qs,   u"My notebook"_qs,
                       u"&Notes"_qs,       u"Network Tools"_qs, u"Café crème"_qs, u"Exit"_qs};
}

void TestMenuFilter::filter() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    const FilterIndex index(menu);
    MenuFilter typing(index);
    for (const QString& text : typed) {
        typing.setText(text);
        // Each keystroke ends where filtering the whole menu afresh would.
        MenuFilter fresh(index);
        QCOMPARE(typing.matches(), fresh.setText(text));
    }
    QStringList captions;
    for (int i : typing.matches())
        captions.append(menu[i].caption);
    QCOMPARE(captions, shown);
}

QTEST_APPLESS_MAIN(TestMenuFilter)
#include "tst_menufilter.moc"
