// SPDX-License-Identifier: GPL-3.0-or-later
// The filter's ranking by what the user opened, through a real history file and a fake clock.
#include "bar/menufilter.h"
#include "core/launchhistory.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr qint64 kDay = 24 * 60 * 60;
constexpr qint64 kEpoch = 1'700'000'000;

MenuEntry entryOf(const QString& caption) {
    return {caption, u"/opt/"_qs + caption};
}

QList<MenuEntry> menuOf(const QString& captions) {
    QList<MenuEntry> menu;
    for (const QString& caption : captions.split(u',', Qt::SkipEmptyParts))
        menu.append(entryOf(caption));
    return menu;
}

} // namespace

class TestLaunchHistory : public QObject {
    Q_OBJECT
private slots:
    void ranking_data();
    void ranking();
};

void TestLaunchHistory::ranking_data() {
    QTest::addColumn<QByteArray>("file");   // the history file at the start
    QTest::addColumn<QStringList>("steps"); // "=A,B" makes the menu A, B; "D A" chooses A on day D
    QTest::addColumn<int>("today");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("never chosen: menu order")
        << QByteArray() << QStringList{u"=B note,A note,C note"_qs} << 0 << u"note"_qs
        << QStringList{u"B note"_qs, u"A note"_qs, u"C note"_qs};
    QTest::newRow("most chosen first, ties in menu order, then the unscored")
        << QByteArray()
        << QStringList{u"=A note,B note,C note,D note"_qs, u"0 C note"_qs, u"0 D note"_qs,
                       u"0 C note"_qs, u"0 B note"_qs}
        << 0 << u"note"_qs << QStringList{u"C note"_qs, u"B note"_qs, u"D note"_qs, u"A note"_qs};
    QTest::newRow("each tier ranked apart")
        << QByteArray()
        << QStringList{u"=Annotate,Notes,My notes,Notebook,My notebook"_qs, u"0 Annotate"_qs,
                       u"0 Annotate"_qs, u"0 Notebook"_qs, u"0 My notebook"_qs}
        << 0 << u"no"_qs
        << QStringList{u"Notebook"_qs, u"Notes"_qs, u"My notebook"_qs, u"My notes"_qs,
                       u"Annotate"_qs};
    QTest::newRow("Exit stays last")
        << QByteArray() << QStringList{u"=Box,Xterm"_qs, u"0 Box"_qs} << 0 << u"x"_qs
        << QStringList{u"Xterm"_qs, u"Box"_qs, u"Exit"_qs};
    // Eight choices on day 0 against one today: 8 * 2^(-days / 7) is past 1 until day 21.
    const QStringList burst{u"=Recent note,Old note"_qs,
                            u"0 Old note"_qs,
                            u"0 Old note"_qs,
                            u"0 Old note"_qs,
                            u"0 Old note"_qs,
                            u"0 Old note"_qs,
                            u"0 Old note"_qs,
                            u"0 Old note"_qs,
                            u"0 Old note"_qs};
    QTest::newRow("a burst on day 0 still leads on day 20")
        << QByteArray() << burst + QStringList{u"20 Recent note"_qs} << 20 << u"note"_qs
        << QStringList{u"Old note"_qs, u"Recent note"_qs};
    QTest::newRow("and has faded on day 22")
        << QByteArray() << burst + QStringList{u"22 Recent note"_qs} << 22 << u"note"_qs
        << QStringList{u"Recent note"_qs, u"Old note"_qs};
    QTest::newRow("others moved and renamed: the record stays through a write")
        << QByteArray()
        << QStringList{u"=A note,B note,C note"_qs, u"0 B note"_qs, u"0 B note"_qs,
                       u"=C note,Renamed note,B note"_qs, u"1 C note"_qs}
        << 1 << u"note"_qs << QStringList{u"B note"_qs, u"C note"_qs, u"Renamed note"_qs};
    QTest::newRow("deleted, then added again: forgotten")
        << QByteArray() << QStringList{u"=A note,B note"_qs, u"0 B note"_qs, u"0 B note"_qs,
                                       u"=A note"_qs,        u"1 A note"_qs, u"=B note,A note"_qs}
        << 1 << u"note"_qs << QStringList{u"A note"_qs, u"B note"_qs};

    QTest::newRow("damaged lines skipped, of two records the first counts")
        << QByteArray("# a comment\n"
                      "nan\t1700000000\tA\t/opt/A\n"
                      "-1\t1700000000\tB\t/opt/B\n"
                      "inf\t1700000000\tC\t/opt/C\n"
                      "1\t-9223372036854775808\tD\t/opt/D\n"
                      "2\t1700000000\tE\t/opt/E\tmore\n"
                      "2\t1700000000\tF\n"
                      "3\t1700000000\tG\\q\t/opt/G\n"
                      "1\t1700000000\tH\t/opt/H\r\n"
                      "5\t1700000000\tTab\\tName\t/opt/Tab\\tName\n"
                      "9\t1700000000\tH\t/opt/H")
        << QStringList{u"=A,B,C,D,E,F,G,H,Tab\tName"_qs} << 0 << u"opt"_qs
        << QStringList{u"Tab\tName"_qs, u"H"_qs, u"A"_qs, u"B"_qs, u"C"_qs,
                       u"D"_qs,         u"E"_qs, u"F"_qs, u"G"_qs};

    // A full history: the new choice stays, the lowest of the others goes.
    QByteArray full;
    QStringList names{u"Extra"_qs};
    QStringList shown;
    for (qsizetype i = kMaxHistoryRecords - 1; i >= 0; --i) {
        full += QByteArray::number(i + 2) + "\t" + QByteArray::number(kEpoch) + "\tE" +
                QByteArray::number(i) + "\t/opt/E" + QByteArray::number(i) + "\n";
        names.append(u"E%1"_qs.arg(kMaxHistoryRecords - 1 - i));
        if (i > 0)
            shown.append(u"E%1"_qs.arg(i));
    }
    QTest::newRow("the bound") << full << QStringList{u'=' + names.join(u','), u"0 Extra"_qs} << 0
                               << u"e"_qs << shown + QStringList{u"Extra"_qs, u"E0"_qs, u"Exit"_qs};
}

void TestLaunchHistory::ranking() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, steps);
    QFETCH(int, today);
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"launch-history.tsv"_qs);
    if (!file.isEmpty())
        writeBytes(path, file);
    QList<MenuEntry> menu;
    for (const QString& step : steps) {
        if (step.startsWith(u'=')) {
            menu = menuOf(step.mid(1));
        } else {
            // A fresh reader each time: only the file carries the history.
            LaunchHistory history(path);
            history.recordChoice(entryOf(step.section(u' ', 1)), menu,
                                 kEpoch + step.section(u' ', 0, 0).toLongLong() * kDay);
        }
    }
    LaunchHistory history(path);
    const QList<double> scores = history.scores(menu, kEpoch + today * kDay);
    // As the launcher lays it out: separator, entries, separator, Exit.
    QList<FilterItem> items{{u"-"_qs, {}}};
    for (qsizetype i = 0; i < menu.size(); ++i)
        items.append({menu[i].caption, menu[i].target, false, scores[i]});
    items += QList<FilterItem>{{u"-"_qs, {}}, {u"Exit"_qs, {}, true}};
    const FilterIndex index(items);
    MenuFilter filter(index);
    QStringList captions;
    for (int i : filter.setText(typed))
        captions.append(items[i].caption);
    QCOMPARE(captions, shown);
    QVERIFY(QFileInfo(path).size() <= kMaxHistoryFileSize);
}

QTEST_APPLESS_MAIN(TestLaunchHistory)
#include "tst_launchhistory.moc"
