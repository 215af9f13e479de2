// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "core/menufile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kBom = "\xEF\xBB\xBF";
const QByteArray kThree = "[menu]\r\nitems=3\r\n\r\n"
                          "[item1]\r\ncaption=A\r\nexec=a.exe\r\n\r\n"
                          "[item2]\r\ncaption=B\r\nexec=b.exe\r\n\r\n"
                          "[item3]\r\ncaption=C\r\nexec=c.exe\r\nicon=c.png\r\n";
} // namespace

class TestMenuFile : public QObject {
    Q_OBJECT
private slots:
    void init();

    void separatorRule_data();
    void separatorRule();
    void missingFile();
    void countWithoutSections();
    void appendCreatesFile();
    void appendOverStaleSection();
    void updateKeepsHeader();
    void captionsInOneRead();
    void repeatedReadsSeeEveryChange();
    void deleteRewrites_data();
    void deleteRewrites();
    void moveRewrites_data();
    void moveRewrites();
    void commentsAboveAnEntryGoWithIt_data();
    void commentsAboveAnEntryGoWithIt();
    void deleteFindsTheEntryAgain_data();
    void deleteFindsTheEntryAgain();
    void deleteOfAnEntryNotInTheFileChangesNothing_data();
    void deleteOfAnEntryNotInTheFileChangesNothing();
    void deleteWithHugeCountKeepsEveryEntry();
    void sizeLimit_data();
    void sizeLimit();
    void deleteKeepsLongValuesWhole();
    void deleteReadOnlyFile();
    void failedWriteChangesNothing_data();
    void failedWriteChangesNothing();
    void twoCopiesAppendingLoseNoEntry();
    void backupHoldsTheBytesBeforeARewrite_data();
    void backupHoldsTheBytesBeforeARewrite();

private:
    QString menuPath() const { return m_dir->filePath(u"menu.ini"_qs); }
    std::unique_ptr<QTemporaryDir> m_dir;
    MenuFile m_menu{QString()};
    MenuEntry m_entry;
};

void TestMenuFile::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_menu = MenuFile(menuPath());
    m_entry = {};
}

void TestMenuFile::separatorRule_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("separator");
    QTest::newRow("hyphen") << "-" << true;
    QTest::newRow("blank before") << " -" << false;
    QTest::newRow("blank after") << "- " << false;
    QTest::newRow("two") << "--" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("en dash") << u"–"_qs << false;
}

void TestMenuFile::separatorRule() {
    QFETCH(QString, caption);
    QFETCH(bool, separator);
    QCOMPARE(IsSeparator(caption), separator);
}

void TestMenuFile::missingFile() {
    QCOMPARE(m_menu.count(), 0);
    m_entry = {u"x"_qs, u"y"_qs};
    m_entry = m_menu.entry(1);
    QCOMPARE(m_entry.caption, QString());
    QCOMPARE(m_entry.target, QString());
    QVERIFY(m_menu.captions().isEmpty());
    QVERIFY(!QFile::exists(menuPath()));
}

void TestMenuFile::countWithoutSections() {
    writeBytes(menuPath(), "[menu]\r\nitems=2\r\n[item1]\r\ncaption=One\r\nexec=1\r\n");
    QCOMPARE(m_menu.count(), 2);
    m_entry = m_menu.entry(2);
    QCOMPARE(m_entry.caption, QString());
    QCOMPARE(m_menu.captions(), (QStringList{u"One"_qs, QString()}));
    writeBytes(menuPath(), "[menu]\r\nitems=lots\r\n");
    QCOMPARE(m_menu.count(), 0);
    writeBytes(menuPath(), "[menu]\r\nitems=2147483647\r\n[item1]\r\ncaption=One\r\n");
    const QStringList captions = m_menu.captions();
    QCOMPARE(captions.size(), kMaxMenuCaptions);
    QCOMPARE(captions.first(), u"One"_qs);
}

void TestMenuFile::appendCreatesFile() {
    m_entry = {u" Editor "_qs, u"/usr/bin/editor"_qs};
    m_menu.append({m_entry});
    QCOMPARE(readBytes(menuPath()),
             QByteArray("[menu]\r\nitems=1\r\n[item1]\r\ncaption=\" Editor \"\r\n"
                        "exec=/usr/bin/editor\r\n"));
    m_entry = {};
    m_entry = m_menu.entry(1);
    QCOMPARE(m_entry.caption, u" Editor "_qs);
    QCOMPARE(m_entry.target, u"/usr/bin/editor"_qs);
}

void TestMenuFile::appendOverStaleSection() {
    writeBytes(menuPath(), "[menu]\r\nitems=1\r\n[item1]\r\ncaption=A\r\n"
                           "[ITEM2]\r\ncaption=old\r\nicon=keep\r\n");
    m_entry = {u"B"_qs, u"b"_qs};
    m_menu.append({m_entry});
    QCOMPARE(m_menu.count(), 2);
    QStringList lines;
    ProfileFile(m_menu.fileName()).ReadSectionValues(u"item2"_qs, lines);
    QCOMPARE(lines, (QStringList{u"caption=B"_qs, u"icon=keep"_qs, u"exec=b"_qs}));
}

void TestMenuFile::updateKeepsHeader() {
    writeBytes(menuPath(), kThree);
    m_entry = {u"-"_qs, u""_qs};
    m_menu.update(3, m_entry);
    const QByteArray after = readBytes(menuPath());
    QVERIFY(after.contains("[item3]\r\ncaption=-\r\nexec=\r\nicon=c.png\r\n"));
    QCOMPARE(after.count("item3"), 1);
    QCOMPARE(m_menu.count(), 3);
    m_menu.update(9, m_entry); // no such section: made under "Item9"
    QVERIFY(readBytes(menuPath()).endsWith("[Item9]\r\ncaption=-\r\nexec=\r\n"));
}

void TestMenuFile::captionsInOneRead() {
    writeBytes(menuPath(), kThree);
    QCOMPARE(m_menu.captions(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
}

// Each read follows the file as it is now: a change of the same length, a removed file, a
// file another menu file object stands for.
void TestMenuFile::repeatedReadsSeeEveryChange() {
    MenuCaptionReader reader;
    const auto captionsAfter = [&](const QByteArray& bytes) {
        if (bytes.isNull())
            QFile::remove(menuPath());
        else
            writeBytes(menuPath(), bytes);
        return reader.read(m_menu);
    };
    QCOMPARE(captionsAfter(kThree), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
    QCOMPARE(captionsAfter(kThree), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
    QCOMPARE(captionsAfter(QByteArray(kThree).replace("caption=B", "caption=X")),
             (QStringList{u"A"_qs, u"X"_qs, u"C"_qs}));
    QCOMPARE(captionsAfter(QByteArray()), QStringList());
    writeBytes(m_dir->filePath(u"other.ini"_qs), "[menu]\r\nitems=1\r\n[item1]\r\ncaption=O\r\n");
    writeBytes(menuPath(), kThree);
    QCOMPARE(reader.read(m_menu), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
    m_menu = MenuFile(m_dir->filePath(u"other.ini"_qs));
    QCOMPARE(reader.read(m_menu), QStringList{u"O"_qs});
}

void TestMenuFile::deleteRewrites_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("second of three")
        << kThree << 2
        << kBom + "[menu]\r\nitems=2\r\n\r\n[item1]\r\ncaption=A\r\nexec=a.exe\r\n\r\n"
                  "[item2]\r\ncaption=C\r\nexec=c.exe\r\nicon=c.png\r\n\r\n";
    QTest::newRow("only entry") << QByteArray("[menu]\r\nitems=1\r\n[item1]\r\ncaption=A\r\n") << 1
                                << kBom + "[menu]\r\nitems=0\r\n\r\n";
    QTest::newRow("comments and other sections stay in place, header case does not")
        << QByteArray("; my menu\r\n[MENU]\r\nItems=2\r\ncolumns=3\r\n[Other]\r\nx=1\r\n"
                      "[ITEM1]\r\nCaption=A\r\n[item2]\r\n; mine\r\ncaption=B\r\n"
                      "[item3]\r\ncaption=Z\r\n")
        << 1
        << kBom + "; my menu\r\n[menu]\r\nitems=1\r\n\r\n[Other]\r\nx=1\r\n"
                  "[item1]\r\n; mine\r\ncaption=B\r\n\r\n[item3]\r\ncaption=Z\r\n";
    QTest::newRow("text before the menu and repeated sections")
        << QByteArray("Dear diary,\nno entries.\n\n[menu]\nitems=2\n[item1]\ncaption=A\n"
                      "[item2]\ncaption=B\n[item1]\ncaption=never read\n[notes]\n")
        << 1
        << kBom + "Dear diary,\r\nno entries.\r\n\r\n[menu]\r\nitems=1\r\n\r\n"
                  "[item1]\r\ncaption=B\r\n\r\n[notes]\r\n";
    QTest::newRow("missing section gives an empty one")
        << QByteArray("[menu]\r\nitems=3\r\n[item1]\r\ncaption=A\r\n[item3]\r\ncaption=C\r\n") << 1
        << kBom + "[menu]\r\nitems=2\r\n\r\n[item1]\r\n\r\n[item2]\r\ncaption=C\r\n\r\n";
    QTest::newRow("UTF-16 and LF become UTF-8 with CR LF")
        << QByteArray("\xFF\xFE[\0m\0e\0n\0u\0]\0\n\0i\0t\0e\0m\0s\0=\0\x32\0\n\0", 32) << 1
        << kBom + "[menu]\r\nitems=1\r\n\r\n[item1]\r\n\r\n";
    QTest::newRow("blanks and quotes survive")
        << QByteArray("[menu]\r\nitems=2\r\n[item1]\r\ncaption=x\r\n"
                      "[item2]\r\ncaption=\" y \"\r\nexec=\"\"q\"\"\r\n")
        << 1
        << kBom + "[menu]\r\nitems=1\r\n\r\n[item1]\r\ncaption=\" y \"\r\nexec=\"\"q\"\"\r\n\r\n";
    QTest::newRow("non-ASCII in Windows-1252")
        << QByteArray("[menu]\r\nitems=2\r\n[item1]\r\ncaption=x\r\n[item2]\r\ncaption=caf\xE9\r\n")
        << 1 << kBom + "[menu]\r\nitems=1\r\n\r\n[item1]\r\ncaption=caf\xC3\xA9\r\n\r\n";
}

void TestMenuFile::deleteRewrites() {
    QFETCH(QByteArray, before);
    QFETCH(int, n);
    QFETCH(QByteArray, after);
    writeBytes(menuPath(), before);
    m_menu.remove(n);
    QCOMPARE(readBytes(menuPath()), after);
}

void TestMenuFile::moveRewrites_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QByteArray>("captions"); // afterwards, in order; empty: file unchanged
    const QByteArray three = "; top\r\n" + kThree + "[keep]\r\nk=1\r\n";
    QTest::newRow("first to last") << three << 1 << 3 << QByteArray("BCA");
    QTest::newRow("last to first") << three << 3 << 1 << QByteArray("CAB");
    QTest::newRow("middle down") << three << 2 << 3 << QByteArray("ACB");
    QTest::newRow("one entry") << QByteArray("[menu]\r\nitems=1\r\n[item1]\r\ncaption=A\r\n") << 1
                               << 2 << QByteArray();
    QTest::newRow("past the count") << three << 3 << 4 << QByteArray();
    QTest::newRow("read-only file") << three << 1 << 2 << QByteArray("read-only");
}

void TestMenuFile::moveRewrites() {
    QFETCH(QByteArray, before);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QByteArray, captions);
    writeBytes(menuPath(), before);
    if (captions == "read-only") {
        QFile::setPermissions(menuPath(), QFile::ReadOwner);
        QVERIFY_THROWS_EXCEPTION(LarkspanError, m_menu.move(from, to));
        captions.clear();
    } else {
        m_menu.move(from, to);
    }
    const QByteArray after = readBytes(menuPath());
    if (captions.isEmpty()) {
        QCOMPARE(after, before);
        return;
    }
    QByteArray expected = kBom + "; top\r\n[menu]\r\nitems=3\r\n\r\n";
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const QByteArray c(1, captions[i]);
        expected += "[item" + QByteArray::number(i + 1) + "]\r\ncaption=" + c +
                    "\r\nexec=" + c.toLower() + ".exe\r\n" + (c == "C" ? "icon=c.png\r\n" : "") +
                    "\r\n";
    }
    QCOMPARE(after, expected + "[keep]\r\nk=1\r\n");
}

void TestMenuFile::commentsAboveAnEntryGoWithIt_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // 0: `from` is deleted
    QTest::addColumn<QByteArray>("after");
    const QByteArray a = "; for A\r\n[item%]\r\ncaption=A\r\n\r\n";
    const QByteArray b = "[item%]\r\ncaption=B\r\n; inside B\r\n\r\n";
    const QByteArray c = "; for C\r\n; more on C\r\n[item%]\r\ncaption=C\r\n\r\n";
    const QByteArray notes = "; about notes\r\n[notes]\r\nx=1\r\n\r\n";
    const auto numbered = [](QByteArray entry, int k) {
        return entry.replace('%', QByteArray::number(k));
    };
    const QByteArray menu2 = kBom + "[menu]\r\nitems=2\r\n\r\n";
    const QByteArray menu3 = kBom + "[menu]\r\nitems=3\r\n\r\n";
    QTest::newRow("first down") << 1 << 2
                                << menu3 + numbered(b, 1) + numbered(a, 2) + notes + numbered(c, 3);
    QTest::newRow("last to first")
        << 3 << 1 << menu3 + numbered(c, 1) + numbered(a, 2) + notes + numbered(b, 3);
    QTest::newRow("first deleted") << 1 << 0 << menu2 + numbered(b, 1) + notes + numbered(c, 2);
}

// A foreign section keeps its place among the entries, with the comment above it.
void TestMenuFile::commentsAboveAnEntryGoWithIt() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QByteArray, after);
    writeBytes(menuPath(), "[menu]\r\nitems=3\r\n\r\n; for A\r\n[item1]\r\ncaption=A\r\n\r\n"
                           "[item2]\r\ncaption=B\r\n; inside B\r\n\r\n; about notes\r\n[notes]\r\n"
                           "x=1\r\n\r\n; for C\r\n; more on C\r\n[item3]\r\ncaption=C\r\n");
    if (to == 0)
        m_menu.remove(from);
    else
        m_menu.move(from, to);
    QCOMPARE(readBytes(menuPath()), after);
}

void TestMenuFile::deleteFindsTheEntryAgain_data() {
    QTest::addColumn<QString>("file"); // an entry per letter: its target, in upper case its caption
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("near");
    QTest::addColumn<int>("removed");
    QTest::newRow("where it was") << "ABC"
                                  << "B" << 2 << 2;
    QTest::newRow("moved by another program") << "XABC"
                                              << "B" << 2 << 3;
    QTest::newRow("of twins the nearer") << "BAXCB"
                                         << "B" << 4 << 5;
    QTest::newRow("same caption, other target") << "AbC"
                                                << "B" << 2 << 0;
    QTest::newRow("gone") << "AC"
                          << "B" << 2 << 0;
}

void TestMenuFile::deleteFindsTheEntryAgain() {
    QFETCH(QString, file);
    QFETCH(QString, caption);
    QFETCH(int, near);
    QFETCH(int, removed);
    QList<MenuEntry> entries;
    for (const QChar c : file)
        entries.append({QString(c).toUpper(), QString(c)});
    m_menu.append(entries);
    const QByteArray before = readBytes(menuPath());
    const MenuFile::Removal removal = m_menu.remove({caption, caption}, near);
    QCOMPARE(removal.number, removed);
    QCOMPARE(removal.before, entries);
    if (removed > 0)
        entries.removeAt(removed - 1);
    QCOMPARE(m_menu.entries(), entries);
    if (removed == 0)
        QCOMPARE(readBytes(menuPath()), before);
}

void TestMenuFile::deleteOfAnEntryNotInTheFileChangesNothing_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("n");
    QTest::newRow("past the count") << kThree << 4;
    QTest::newRow("zero") << kThree << 0;
    QTest::newRow("empty file") << QByteArray() << 1;
    QTest::newRow("no file") << QByteArray("missing") << 1;
}

void TestMenuFile::deleteOfAnEntryNotInTheFileChangesNothing() {
    QFETCH(QByteArray, before);
    QFETCH(int, n);
    if (before != "missing")
        writeBytes(menuPath(), before);
    m_menu.remove(n);
    if (before == "missing")
        QVERIFY(!QFileInfo::exists(menuPath()));
    else
        QCOMPARE(readBytes(menuPath()), before);
}

void TestMenuFile::deleteWithHugeCountKeepsEveryEntry() {
    writeBytes(menuPath(), "[menu]\r\nitems=2147483647\r\n[item1]\r\ncaption=A\r\n"
                           "[item2]\r\ncaption=B\r\n[Item70000]\r\ncaption=far\r\n"
                           "[item+80000]\r\ncaption=not an entry\r\n");
    m_menu.remove(1);
    const QByteArray after = readBytes(menuPath());
    QVERIFY2(after.size() < 2'000'000, QByteArray::number(after.size()));
    QVERIFY(after.startsWith(kBom + "[menu]\r\nitems=2147483646\r\n\r\n[item1]\r\ncaption=B"));
    QVERIFY(after.contains("\r\n[item65535]\r\n\r\n[item65536]\r\n\r\n"));
    QVERIFY(after.endsWith("[item69999]\r\ncaption=far\r\n\r\n"
                           "[item+80000]\r\ncaption=not an entry\r\n"));
}

void TestMenuFile::sizeLimit_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("read");
    QTest::newRow("at the limit") << ProfileFile::kMaxFileSize << true;
    QTest::newRow("one byte past") << ProfileFile::kMaxFileSize + 1 << false;
}

void TestMenuFile::sizeLimit() {
    QFETCH(qint64, size);
    QFETCH(bool, read);
    writeBytes(menuPath(), kThree);
    QVERIFY(QFile::resize(menuPath(), size)); // sparse: NUL bytes after the entries
    QCOMPARE(m_menu.captions().size(), read ? 3 : 0);
    if (read)
        return;
    m_entry = {u"D"_qs, u"d"_qs};
    QVERIFY_THROWS_EXCEPTION(LarkspanError, m_menu.append({m_entry}));
    try {
        m_menu.remove(1);
        QFAIL("no error");
    } catch (const LarkspanError& e) {
        QCOMPARE(e.message(), u"Cannot create file \""_qs + menuPath() + u"\". File too large"_qs);
    }
    // Never replaced by what little could be made of it.
    QCOMPARE(QFileInfo(menuPath()).size(), size);
    QVERIFY(readBytes(menuPath()).startsWith(kThree));
}

void TestMenuFile::deleteKeepsLongValuesWhole() {
    const QString exec(5000, u'e');
    m_entry = {u"A"_qs, u"a"_qs};
    m_menu.append({m_entry});
    m_entry = {u"B"_qs, exec};
    m_menu.append({m_entry});
    m_menu.remove(1);
    QVERIFY(readBytes(menuPath()).contains("exec=" + exec.toLatin1() + "\r\n"));
}

void TestMenuFile::deleteReadOnlyFile() {
    writeBytes(menuPath(), kThree);
    QFile::setPermissions(menuPath(), QFile::ReadOwner);
    try {
        m_menu.remove(2);
        QFAIL("no error");
    } catch (const LarkspanError& e) {
        QCOMPARE(e.message(),
                 u"Cannot create file \""_qs + menuPath() + u"\". Permission denied"_qs);
    }
    QCOMPARE(readBytes(menuPath()), kThree);
}

void TestMenuFile::failedWriteChangesNothing_data() {
    QTest::addColumn<bool>("append");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("exec");
    QTest::newRow("append, caption") << true << u"two\nlines"_qs << u"x"_qs;
    QTest::newRow("append, target") << true << u"x"_qs << u"two\rlines"_qs;
    QTest::newRow("update, target") << false << u"x"_qs << u"two\nlines"_qs;
}

void TestMenuFile::failedWriteChangesNothing() {
    QFETCH(bool, append);
    QFETCH(QString, caption);
    QFETCH(QString, exec);
    writeBytes(menuPath(), kThree);
    m_entry = {caption, exec};
    try {
        append ? m_menu.append({m_entry}) : m_menu.update(2, m_entry);
        QFAIL("no error");
    } catch (const LarkspanError& e) {
        QCOMPARE(e.message(), u"Unable to write to "_qs + menuPath());
    }
    // No count without its entry, no caption without its target.
    QCOMPARE(readBytes(menuPath()), kThree);
}

void TestMenuFile::twoCopiesAppendingLoseNoEntry() {
    runTwoWriters(menuPath(), u"entries"_qs);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_menu.count(), 400);
    QStringList captions = m_menu.captions();
    captions.sort();
    QStringList expected;
    for (int i = 0; i < 200; ++i)
        expected << u"a"_qs + QString::number(i) << u"b"_qs + QString::number(i);
    expected.sort();
    QCOMPARE(captions, expected);
}

void TestMenuFile::backupHoldsTheBytesBeforeARewrite_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QByteArray>("after"); // the menu file's bytes afterwards
    const QByteArray moved = kBom + "[menu]\r\nitems=3\r\n\r\n"
                                    "[item1]\r\ncaption=B\r\nexec=b.exe\r\n\r\n"
                                    "[item2]\r\ncaption=A\r\nexec=a.exe\r\n\r\n"
                                    "[item3]\r\ncaption=C\r\nexec=c.exe\r\nicon=c.png\r\n\r\n";
    QTest::newRow("move") << "move" << moved;
    QTest::newRow("replace") << "replace" << QByteArray("[menu]\r\n");
    // A one-line change keeps no backup, so the deleted entry stays in it.
    QTest::newRow("delete, then add") << "delete add" << QByteArray();
    QTest::newRow("backup cannot be written") << "delete unwritable" << kThree;
}

void TestMenuFile::backupHoldsTheBytesBeforeARewrite() {
    QFETCH(QString, change);
    QFETCH(QByteArray, after);
    writeBytes(menuPath(), kThree);
    QFile::setPermissions(menuPath(), QFile::ReadOwner | QFile::WriteOwner);
    const QString backup = menuPath() + u".bak"_qs;
    if (change.contains(u"unwritable"_qs))
        QVERIFY(QDir().mkdir(backup));
    try {
        if (change.startsWith(u"delete"_qs))
            m_menu.remove(2);
        else if (change == u"move")
            m_menu.move(1, 2);
        else
            QVERIFY(m_menu.replaceIfHolding(kThree, after));
        if (change.endsWith(u"add"_qs))
            m_menu.append({{u"D"_qs, u"d"_qs}});
        QVERIFY(!change.contains(u"unwritable"_qs));
    } catch (const LarkspanError& e) {
        QCOMPARE(e.message(), u"Cannot write the backup \""_qs + backup +
                                  u"\", so the menu file was not changed. Is a directory"_qs);
    }
    if (!after.isEmpty())
        QCOMPARE(readBytes(menuPath()), after);
    if (QFileInfo(backup).isDir())
        return;
    QCOMPARE(readBytes(backup), kThree);
    // It holds what the menu file held, so it is no more readable than that.
    QCOMPARE(QFile::permissions(backup), QFile::permissions(menuPath()));
}

QTEST_GUILESS_MAIN(TestMenuFile)
#include "tst_menufile.moc"
