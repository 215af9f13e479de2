// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "core/profilefile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

class TestProfileFile : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void longValueIsCapped();
    void sectionValues_data();
    void sectionValues();
    void writeIntoFile_data();
    void writeIntoFile();
    void writtenValuesReadBack_data();
    void writtenValuesReadBack();
    void missingFileIsNotCreatedByReads();
    void everyCallSeesTheDisk();
    void unwritableTargets_data();
    void unwritableTargets();
    void badInputReadsAsDefaults_data();
    void badInputReadsAsDefaults();

private:
    QString path(const QString& name = QStringLiteral("test.ini")) const {
        return m_dir->filePath(name);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProfileFile::readString_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray menu = "[menu]\r\nitems=3\r\n\r\n[Item3]\r\nCaption=Notepad\r\nexec=\r\n";
    QTest::newRow("plain") << menu << "menu"
                           << "items"
                           << "3";
    QTest::newRow("section case-blind") << menu << "item3"
                                        << "caption"
                                        << "Notepad";
    QTest::newRow("key case-blind") << menu << "ITEM3"
                                    << "CAPTION"
                                    << "Notepad";
    QTest::newRow("empty value is not the default") << menu << "item3"
                                                    << "exec"
                                                    << "";
    QTest::newRow("missing key") << menu << "item3"
                                 << "icon"
                                 << "def";
    QTest::newRow("missing section") << menu << "item4"
                                     << "caption"
                                     << "def";
    QTest::newRow("blanks around key and value") << QByteArray("[s]\r\n  k  =  v w  \r\n") << "s"
                                                 << "k"
                                                 << "v w";
    QTest::newRow("blanks around section") << QByteArray(" [ s ] \nk=v\n") << "s"
                                           << "k"
                                           << "v";
    QTest::newRow("quoted value") << QByteArray("[s]\nk=\" x \"\n") << "s"
                                  << "k"
                                  << " x ";
    QTest::newRow("one quote kept") << QByteArray("[s]\nk=\"x\n") << "s"
                                    << "k"
                                    << "\"x";
    QTest::newRow("value holds =") << QByteArray("[s]\nk=a=b\n") << "s"
                                   << "k"
                                   << "a=b";
    QTest::newRow("first of repeated keys") << QByteArray("[s]\nk=1\nK=2\n") << "s"
                                            << "k"
                                            << "1";
    QTest::newRow("first of repeated sections") << QByteArray("[s]\nk=1\n[S]\nk=2\nj=3\n") << "s"
                                                << "k"
                                                << "1";
    QTest::newRow("repeated section not merged") << QByteArray("[s]\nk=1\n[S]\nj=3\n") << "s"
                                                 << "j"
                                                 << "def";
    QTest::newRow("comment line") << QByteArray("[s]\n;k=1\nk=2\n") << "s"
                                  << "k"
                                  << "2";
    QTest::newRow("line without =") << QByteArray("[s]\nk\nk=2\n") << "s"
                                    << "k"
                                    << "2";
    QTest::newRow("key before any section") << QByteArray("k=1\n[s]\n") << "s"
                                            << "k"
                                            << "def";
    QTest::newRow("LF line ends") << QByteArray("[s]\nk=v\n") << "s"
                                  << "k"
                                  << "v";
    QTest::newRow("CR line ends") << QByteArray("[s]\rk=v\r") << "s"
                                  << "k"
                                  << "v";
    QTest::newRow("no final line end") << QByteArray("[s]\r\nk=v") << "s"
                                       << "k"
                                       << "v";
    QTest::newRow("UTF-8 BOM") << QByteArray("\xEF\xBB\xBF[s]\r\nk=\xC3\xA9t\xC3\xA9\r\n") << "s"
                               << "k" << u"été"_qs;
    QTest::newRow("byte order marks inside, as in files joined together")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[a]\r\nx=1\r\n\xEF\xBB\xBF[s]\r\nk=v\r\n") << "s"
        << "k"
        << "v";
    QTest::newRow("UTF-8 without BOM")
        << QByteArray("[s]\nk=\xE2\x82\xAC \xF0\x9F\x98\x80\n") << "s"
        << "k" << u"€ 😀"_qs;
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\xE9\0", 18) << "s"
                               << "k" << u"é"_qs;
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0[\0s\0]\0\n\0k\0=\0\xE9", 16) << "s"
                               << "k" << u"é"_qs;
    QTest::newRow("Windows-1252") << QByteArray("[s]\r\nk=caf\xE9 \x80 \x93q\x94\r\n") << "s"
                                  << "k" << u"café € “q”"_qs;
    QTest::newRow("non-ASCII section case-blind")
        << QByteArray("[\xC3\x84RGER]\nk=1\n") << u"ärger"_qs << "k"
        << "1";
}

void TestProfileFile::readString() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeBytes(path(), content);
    QCOMPARE(ProfileFile(path()).ReadString(section, key, QStringLiteral("def")), expected);
}

void TestProfileFile::readInteger_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << "42" << 42;
    QTest::newRow("hex") << "$1F" << 31;
    QTest::newRow("blanks are trimmed by the file") << "  -42  " << -42;
    QTest::newRow("letters") << "abc" << 7;
    QTest::newRow("empty") << "" << 7;
}

void TestProfileFile::readInteger() {
    QFETCH(QString, value);
    QFETCH(int, expected);
    writeBytes(path(), "[s]\r\nk=" + value.toUtf8() + "\r\n");
    ProfileFile file(path());
    QCOMPARE(file.ReadInteger(QStringLiteral("s"), QStringLiteral("k"), 7), expected);
    QCOMPARE(file.ReadInteger(QStringLiteral("s"), QStringLiteral("missing"), 7), 7);
}

void TestProfileFile::longValueIsCapped() {
    const QString value = QString(2046, u'a') + u"😀"_qs + QString(952, u'b');
    ProfileFile file(path());
    file.WriteString(QStringLiteral("s"), QStringLiteral("k"), value);
    QCOMPARE(file.ReadString(QStringLiteral("s"), QStringLiteral("k"), QString()),
             QString(2046, u'a')); // the emoji would be cut in half: it goes whole
    const QString plain(3000, u'c');
    file.WriteString(QStringLiteral("s"), QStringLiteral("k"), plain);
    QCOMPARE(file.ReadString(QStringLiteral("s"), QStringLiteral("k"), QString()),
             plain.left(2047));
    QStringList lines;
    file.ReadSectionValues(QStringLiteral("s"), lines);
    QCOMPARE(lines, QStringList{u"k="_qs + plain.left(2047)});
}

void TestProfileFile::sectionValues_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two keys in order")
        << QByteArray("[item1]\r\ncaption=Notepad\r\nexec=notepad.exe\r\n") << "item1"
        << QStringList{"caption=Notepad", "exec=notepad.exe"};
    QTest::newRow("missing section")
        << QByteArray("[item1]\r\ncaption=x\r\n") << "item2" << QStringList{};
    QTest::newRow("missing file") << QByteArray() << "item1" << QStringList{};
    QTest::newRow("spelling kept, repeats once, comments skipped")
        << QByteArray("[s]\nCaption = A \n;x=1\nicon=\ncaption=B\nbare\n") << "S"
        << QStringList{"Caption=A", "icon="};
}

void TestProfileFile::sectionValues() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QStringList, expected);
    if (!content.isEmpty())
        writeBytes(path(), content);
    QStringList lines{"left over"};
    ProfileFile(path()).ReadSectionValues(section, lines);
    QCOMPARE(lines, expected);
}

void TestProfileFile::writeIntoFile_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << "s"
                              << "k"
                              << "v" << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("key in place, spelling kept")
        << QByteArray("[item3]\r\nCaption=Old\r\nexec=x\r\n") << "Item3"
        << "caption"
        << "X" << QByteArray("[item3]\r\nCaption=X\r\nexec=x\r\n");
    QTest::newRow("empty value keeps the key") << QByteArray("[s]\r\nexec=x\r\n") << "s"
                                               << "exec"
                                               << "" << QByteArray("[s]\r\nexec=\r\n");
    QTest::newRow("new key after the section's last entry")
        << QByteArray("[a]\r\nk=1\r\n\r\n[b]\r\nk=2\r\n") << "a"
        << "j"
        << "3" << QByteArray("[a]\r\nk=1\r\nj=3\r\n\r\n[b]\r\nk=2\r\n");
    QTest::newRow("new section at the end") << QByteArray("[a]\r\nk=1\r\n") << "b"
                                            << "k"
                                            << "2" << QByteArray("[a]\r\nk=1\r\n[b]\r\nk=2\r\n");
    QTest::newRow("no final line end") << QByteArray("[a]\r\nk=1") << "b"
                                       << "k"
                                       << "2" << QByteArray("[a]\r\nk=1\r\n[b]\r\nk=2\r\n");
    QTest::newRow("added key takes the LF of the file")
        << QByteArray("[a]\nk=1\n\n[b]\nk=2") << "a"
        << "j"
        << "3" << QByteArray("[a]\nk=1\nj=3\n\n[b]\nk=2");
    QTest::newRow("added section takes the CR of the file")
        << QByteArray("[a]\rk=1") << "b"
        << "k"
        << "2" << QByteArray("[a]\rk=1\r[b]\rk=2\r");
    QTest::newRow("comments and stray lines kept, LF kept")
        << QByteArray("; mine\n[s]\n;note\nk = old \nstray\n") << "s"
        << "k"
        << "new" << QByteArray("; mine\n[s]\n;note\nk=new\nstray\n");
    QTest::newRow("first of repeated keys written") << QByteArray("[s]\nk=1\nk=2\n") << "s"
                                                    << "K"
                                                    << "3" << QByteArray("[s]\nk=3\nk=2\n");
    QTest::newRow("blanks in the value are quoted")
        << QByteArray() << "s"
        << "caption"
        << " x " << QByteArray("[s]\r\ncaption=\" x \"\r\n");
    QTest::newRow("UTF-8 BOM kept")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=1\r\n") << "s"
        << "k" << u"ü"_qs << QByteArray("\xEF\xBB\xBF[s]\r\nk=\xC3\xBC\r\n");
    QTest::newRow("UTF-16 LE kept")
        << QByteArray("\xFF\xFE[\0s\0]\0\n\0k\0=\0\x31\0\n\0", 18) << "s"
        << "k"
        << "2" << QByteArray("\xFF\xFE[\0s\0]\0\n\0k\0=\0\x32\0\n\0", 18);
    QTest::newRow("second byte order mark kept, UTF-8")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[s]\r\nk=1\r\n") << "s"
        << "k"
        << "2" << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[s]\r\nk=2\r\n");
    QTest::newRow("second byte order mark kept, UTF-16 LE")
        << QByteArray("\xFF\xFE\xFF\xFE[\0s\0]\0\n\0k\0=\0\x31\0\n\0", 20) << "s"
        << "k"
        << "2" << QByteArray("\xFF\xFE\xFF\xFE[\0s\0]\0\n\0k\0=\0\x32\0\n\0", 20);
    QTest::newRow("Windows-1252 kept while it fits")
        << QByteArray("[s]\r\na=\xE9\r\nk=1\r\n") << "s"
        << "k" << u"€"_qs << QByteArray("[s]\r\na=\xE9\r\nk=\x80\r\n");
    QTest::newRow("Windows-1252 to UTF-8 when it does not fit")
        << QByteArray("[s]\r\na=\xE9\r\nk=1\r\n") << "s"
        << "k" << u"Ж"_qs << QByteArray("[s]\r\na=\xC3\xA9\r\nk=\xD0\x96\r\n");
}

void TestProfileFile::writeIntoFile() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        writeBytes(path(), before);
    ProfileFile file(path());
    file.WriteString(section, key, value);
    QCOMPARE(readBytes(path()), after);
    QCOMPARE(file.ReadString(section, key, QStringLiteral("def")), value);
}

void TestProfileFile::writtenValuesReadBack_data() {
    QTest::addColumn<QString>("value");
    for (const QString& v :
         {u""_qs, u" "_qs, u"  lead"_qs, u"trail\t"_qs, u"\"quoted\""_qs, u"\""_qs, u"\"\""_qs,
          u"a=b=c"_qs, u";not a comment"_qs, u"[not a section]"_qs, u"C:\\Tools\\x.exe"_qs,
          u"Ünïcödé ☃ 😀 עברית"_qs, u"%HOME%/bin/x --flag \"two words\""_qs})
        QTest::newRow(qPrintable(v.isEmpty() ? u"(empty)"_qs : v)) << v;
}

void TestProfileFile::writtenValuesReadBack() {
    QFETCH(QString, value);
    for (const QByteArray& start : {QByteArray(), QByteArray("[s]\r\nk=caf\xE9\r\n"),
                                    QByteArray("\xFF\xFE[\0s\0]\0\n\0", 10)}) {
        writeBytes(path(), start);
        ProfileFile file(path());
        file.WriteString(QStringLiteral("s"), QStringLiteral("k"), value);
        file.WriteString(QStringLiteral("s"), QStringLiteral("other"), value);
        QCOMPARE(file.ReadString(QStringLiteral("s"), QStringLiteral("k"), u"def"_qs), value);
        QCOMPARE(file.ReadString(QStringLiteral("s"), QStringLiteral("other"), u"def"_qs), value);
    }
}

void TestProfileFile::missingFileIsNotCreatedByReads() {
    ProfileFile file(path());
    QCOMPARE(file.ReadString(u"s"_qs, u"k"_qs, u"def"_qs), u"def"_qs);
    QCOMPARE(file.ReadInteger(u"s"_qs, u"k"_qs, 5), 5);
    QStringList lines;
    file.ReadSectionValues(u"s"_qs, lines);
    QVERIFY(lines.isEmpty());
    QVERIFY(!QFile::exists(path()));
    QCOMPARE(file.FileName(), path());
}

void TestProfileFile::everyCallSeesTheDisk() {
    ProfileFile a(path());
    ProfileFile b(path());
    a.WriteString(u"s"_qs, u"k"_qs, u"1"_qs);
    QCOMPARE(b.ReadString(u"s"_qs, u"k"_qs, QString()), u"1"_qs);
    writeBytes(path(), "[s]\r\nk=2\r\n");
    QCOMPARE(a.ReadString(u"s"_qs, u"k"_qs, QString()), u"2"_qs);
    QFile::remove(path());
    QCOMPARE(a.ReadString(u"s"_qs, u"k"_qs, u"gone"_qs), u"gone"_qs);
}

void TestProfileFile::unwritableTargets_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("read-only file") << "read-only file";
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("folder in the file's place") << "folder";
    QTest::newRow("line break in the value") << "line break";
}

void TestProfileFile::unwritableTargets() {
    QFETCH(QString, kind);
    QString name = path();
    const QByteArray before = "[s]\r\nk=old\r\n";
    QString value = u"new"_qs;
    if (kind == u"missing folder") {
        name = m_dir->path() + u"/nowhere/\\test.ini"_qs;
    } else if (kind == u"read-only file") {
        writeBytes(name, before);
        QFile::setPermissions(name, QFile::ReadOwner | QFile::ReadGroup);
    } else if (kind == u"read-only folder") {
        QDir(m_dir->path()).mkdir(u"ro"_qs);
        name = m_dir->filePath(u"ro/test.ini"_qs);
        writeBytes(name, before);
        ::chmod(QFile::encodeName(m_dir->filePath(u"ro"_qs)).constData(), 0555);
    } else if (kind == u"folder") {
        QDir(m_dir->path()).mkdir(u"test.ini"_qs);
    } else {
        writeBytes(name, before);
        value = u"a\r\n[evil]\r\nk=1"_qs;
    }
    ProfileFile file(name);
    try {
        file.WriteString(u"s"_qs, u"k"_qs, value);
        QFAIL("the write succeeded");
    } catch (const LarkspanError& e) {
        // The message spells the path as the file system does.
        const QString shown =
            kind == u"missing folder" ? m_dir->filePath(u"nowhere/test.ini"_qs) : name;
        QCOMPARE(e.message(), u"Unable to write to "_qs + shown);
    }
    if (kind != u"missing folder" && kind != u"folder")
        QCOMPARE(readBytes(name), before);
    ::chmod(QFile::encodeName(m_dir->filePath(u"ro"_qs)).constData(), 0755);
}

void TestProfileFile::badInputReadsAsDefaults_data() {
    QTest::addColumn<QByteArray>("content");
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 256);
    QTest::newRow("binary garbage") << garbage;
    QTest::newRow("NUL bytes") << QByteArray("[s]\0\nk\0=1\n", 11);
    QTest::newRow("invalid UTF-8 after a BOM") << QByteArray("\xEF\xBB\xBF[s]\n\xFF\xFE\n");
    QTest::newRow("odd UTF-16") << QByteArray("\xFF\xFE[\0s", 5);
    QTest::newRow("1 MB line") << QByteArray(1 << 20, '[');
    QTest::newRow("only brackets") << QByteArray("[]\n[\n]\n=\n==\n");
}

void TestProfileFile::badInputReadsAsDefaults() {
    QFETCH(QByteArray, content);
    writeBytes(path(), content);
    ProfileFile file(path());
    QCOMPARE(file.ReadString(u"s"_qs, u"missing"_qs, u"def"_qs), u"def"_qs);
    QCOMPARE(file.ReadInteger(u"menu"_qs, u"items"_qs, 0), 0);
    // A write keeps every line it does not change, garbage included.
    file.WriteString(u"menu"_qs, u"items"_qs, u"1"_qs);
    QCOMPARE(file.ReadInteger(u"menu"_qs, u"items"_qs, 0), 1);
}

QTEST_APPLESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
