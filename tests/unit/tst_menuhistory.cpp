// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menufile.h"
#include "core/menuhistory.h"
#include "support/testfiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kThree = "; my entries\r\n[menu]\r\nitems=3\r\n"
                          "[item1]\r\ncaption=A\r\nexec=a\r\n[item2]\r\ncaption=B\r\nexec=b\r\n"
                          "[item3]\r\ncaption=C\r\nexec=c\r\n";
} // namespace

class TestMenuHistory : public QObject {
    Q_OBJECT
private slots:
    void init();
    void steps_data();
    void steps();
    void anotherProgramsChangeIsKept_data();
    void anotherProgramsChangeIsKept();

private:
    QString menuPath() const { return m_dir->filePath(u"menu.ini"_qs); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMenuHistory::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    writeBytes(menuPath(), kThree);
}

void TestMenuHistory::steps_data() {
    QTest::addColumn<int>("maxSteps");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<QString>("steps");
    // After each step, the captions; after an undo or redo "@N" for the entry it selects and
    // "=K" for a file byte for byte as after step K (0: as it started).
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char* name, int maxSteps, const char* steps, const char* expected,
                        qint64 maxBytes = MenuHistory::kMaxBytes) {
        QTest::newRow(name) << maxSteps << maxBytes << QString::fromLatin1(steps)
                            << QString::fromLatin1(expected).split(u' ');
    };
    row("add", 100, "add D;undo;redo", "ABCD ABC@2=0 ABCD@4=1");
    row("edit", 100, "edit 2 X;undo;redo", "AXC ABC@2=0 AXC@2=1");
    row("delete", 100, "delete 1;undo;redo", "BC ABC@1=0 BC@1=1");
    row("move", 100, "move 1 3;undo;redo", "BCA ABC@1=0 BCA@3=1");
    row("several steps deep", 100,
        "add D;delete 2;move 1 3;undo;undo;undo;undo;redo;redo;redo;redo",
        "ABCD ACD CDA ACD@1=2 ABCD@2=1 ABC@2=0 ABC=0 ABCD@4=1 ACD@2=2 CDA@3=3 CDA=3");
    row("a new step drops the undone ones", 100, "add D;undo;add E;redo;undo",
        "ABCD ABC@2=0 ABCE ABCE=3 ABC@2=0");
    row("an edit that changes nothing is no step", 100, "add D;edit 1 A;undo", "ABCD ABCD ABC@2=0");
    row("bounded", 2, "add D;add E;add F;undo;undo;undo",
        "ABCD ABCDE ABCDEF ABCDE=2 ABCD=1 ABCD=1");
    // The last step stays, however large.
    row("bounded by size", 100, "add D;add E;undo;undo", "ABCD ABCDE ABCD=1 ABCD=1", 1);
    row("another menu file starts anew", 100, "add D;switch;undo", "ABCD ABCD ABCD=1");
}

void TestMenuHistory::steps() {
    QFETCH(int, maxSteps);
    QFETCH(qint64, maxBytes);
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    MenuFile menu(menuPath());
    MenuHistory history(maxSteps, maxBytes);
    history.follow(menuPath());
    QList<QByteArray> bytesAfter{kThree};
    int selected = 2;
    const QStringList list = steps.split(u';');
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QStringList words = list[i].split(u' ');
        const QString& verb = words[0];
        const int n = words.value(1).toInt();
        const auto entry = [&](const QString& caption) {
            return MenuEntry{caption, caption.toLower()};
        };
        int turned = -1;
        if (verb == u"add") {
            const SafeFile::Change change = menu.append({entry(words[1])});
            history.record(change, selected, menu.count());
            selected = menu.count();
        } else if (verb == u"edit") {
            history.record(menu.update(n, entry(words[2])), n, n);
            selected = n;
        } else if (verb == u"delete") {
            const SafeFile::Change change = menu.remove(n);
            selected = qMin(n, menu.count());
            history.record(change, n, selected);
        } else if (verb == u"move") {
            history.record(menu.move(n, words[2].toInt()), n, words[2].toInt());
            selected = words[2].toInt();
        } else if (verb == u"switch") {
            history.follow(m_dir->filePath(u"other.ini"_qs));
            history.follow(menuPath());
        } else {
            const bool back = verb == u"undo";
            if (back ? history.canUndo() : history.canRedo()) {
                const MenuHistory::Turn turn = back ? history.undo() : history.redo();
                QVERIFY(!turn.refused);
                selected = turned = turn.selected;
            }
        }
        const QByteArray bytes = readBytes(menuPath());
        bytesAfter.append(bytes);
        const auto parts =
            QRegularExpression(u"^(\\w*)(?:@(\\d+))?(?:=(\\d+))?$"_qs).match(expected.value(i));
        QVERIFY2(parts.hasMatch(), qPrintable(expected.value(i)));
        const QString step = u"step "_qs + QString::number(i + 1) + u": "_qs + list[i];
        QVERIFY2(menu.captions().join(QString()) == parts.captured(1), qPrintable(step));
        if (!parts.captured(2).isEmpty())
            QVERIFY2(turned == parts.captured(2).toInt(), qPrintable(step));
        if (!parts.captured(3).isEmpty())
            QVERIFY2(bytes == bytesAfter[parts.captured(3).toInt()], qPrintable(step));
    }
}

void TestMenuHistory::anotherProgramsChangeIsKept_data() {
    QTest::addColumn<bool>("undoFirst"); // then it is the redo that is refused
    QTest::newRow("undo") << false;
    QTest::newRow("redo") << true;
}

void TestMenuHistory::anotherProgramsChangeIsKept() {
    QFETCH(bool, undoFirst);
    MenuFile menu(menuPath());
    MenuHistory history;
    history.follow(menuPath());
    history.record(menu.remove(1), 1, 1);
    history.record(menu.move(1, 2), 1, 2);
    if (undoFirst)
        QVERIFY(!history.undo().refused);
    QProcess other;
    other.start(QStringLiteral(PROFILE_WRITER), {menuPath(), u"keys"_qs, u"k"_qs, u"1"_qs});
    QVERIFY(other.waitForFinished(60000));
    QCOMPARE(other.exitCode(), 0);
    const QByteArray theirs = readBytes(menuPath());
    QVERIFY(theirs.contains("k0=0"));
    const MenuHistory::Turn turn = undoFirst ? history.redo() : history.undo();
    QVERIFY(turn.refused);
    QCOMPARE(readBytes(menuPath()), theirs);
    // Every older step would overwrite it as well.
    QVERIFY(!history.canUndo());
    QVERIFY(!history.canRedo());
}

QTEST_GUILESS_MAIN(TestMenuHistory)
#include "tst_menuhistory.moc"
