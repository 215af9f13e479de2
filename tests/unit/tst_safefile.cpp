// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "core/inidocument.h"
#include "core/profilefile.h"
#include "core/safefile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The suite runs few rounds of the tests between processes; tools/fuzz-long.sh sets
// LARKSPAN_LONG_ROUNDS for many.
int rounds(int few, int many) {
    return qEnvironmentVariableIsSet("LARKSPAN_LONG_ROUNDS") ? many : few;
}

} // namespace

class TestSafeFile : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }
    void cleanup() { SafeFile::setWriteFaultForTesting({}); }

    void readKeepsEveryByte_data();
    void readKeepsEveryByte();
    void readFollowsAFileLongerThanItsSize();
    void permissionsKept();
    void newFileFollowsUmask();
    void symlinkStaysALink();
    void fullDiskLeavesOldFile();
    void noTemporaryLeftBehind();
    void staleTemporaryIsCleared();
    void plantedTemporaryIsNotFollowed();
    void killedWriterNeverTearsTheFile();
    void twoProcessesLoseNoKey();

private:
    QString path(const QString& name = u"test.ini"_qs) const { return m_dir->filePath(name); }
    QStringList folderEntries() const {
        return QDir(m_dir->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSafeFile::readKeepsEveryByte_data() {
    QTest::addColumn<qsizetype>("size");
    // Around the reading piece and the size past which a file goes through a buffer.
    for (const qsizetype size :
         {0, 1, 65535, 65536, 65537, 4 << 20, (4 << 20) + 1, (4 << 20) + 65537})
        QTest::addRow("%lld bytes", qlonglong(size)) << size;
}

void TestSafeFile::readKeepsEveryByte() {
    QFETCH(qsizetype, size);
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(size);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    writeBytes(path(), bytes);
    QCOMPARE(SafeFile::read(path()), std::optional(bytes));
}

// A file of the proc file system tells a size of 0; its bytes come all the same, and the
// limit still holds for them.
void TestSafeFile::readFollowsAFileLongerThanItsSize() {
    const QString file = u"/proc/self/cmdline"_qs;
    QFile plain(file);
    QVERIFY(plain.open(QIODevice::ReadOnly));
    const QByteArray expected = plain.readAll();
    QVERIFY(expected.size() > 8);
    QCOMPARE(SafeFile::read(file), std::optional(expected));
    int error = 0;
    QCOMPARE(SafeFile::read(file, &error, 8), std::nullopt);
    QCOMPARE(error, EFBIG);
}

void TestSafeFile::permissionsKept() {
    writeBytes(path(), "[s]\r\nk=1\r\n");
    ::chmod(QFile::encodeName(path()).constData(), 0640);
    ProfileFile(path()).WriteString(u"s"_qs, u"k"_qs, u"2"_qs);
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(path()).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
}

void TestSafeFile::newFileFollowsUmask() {
    const mode_t old = ::umask(027);
    ProfileFile(path()).WriteString(u"s"_qs, u"k"_qs, u"1"_qs);
    ::umask(old);
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(path()).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
}

void TestSafeFile::symlinkStaysALink() {
    QDir(m_dir->path()).mkdir(u"real"_qs);
    const QString target = m_dir->filePath(u"real/menu.ini"_qs);
    writeBytes(target, "[menu]\r\nitems=0\r\n");
    QVERIFY(QFile::link(target, path(u"menu.ini"_qs)));
    ProfileFile(path(u"menu.ini"_qs)).WriteInteger(u"menu"_qs, u"items"_qs, 1);
    QCOMPARE(QFileInfo(path(u"menu.ini"_qs)).symLinkTarget(), target);
    QCOMPARE(readBytes(target), QByteArray("[menu]\r\nitems=1\r\n"));
}

void TestSafeFile::fullDiskLeavesOldFile() {
    const QByteArray before = "[s]\r\nk=old\r\n";
    writeBytes(path(), before);
    SafeFile::setWriteFaultForTesting([] { return ENOSPC; });
    QVERIFY_THROWS_EXCEPTION(LarkspanError,
                             ProfileFile(path()).WriteString(u"s"_qs, u"k"_qs, u"new"_qs));
    QCOMPARE(readBytes(path()), before);
    QCOMPARE(folderEntries(), QStringList{u"test.ini"_qs});
}

void TestSafeFile::noTemporaryLeftBehind() {
    ProfileFile file(path());
    for (int i = 0; i < 20; ++i)
        file.WriteInteger(u"s"_qs, u"k"_qs, i);
    QCOMPARE(folderEntries(), QStringList{u"test.ini"_qs});
}

void TestSafeFile::staleTemporaryIsCleared() {
    // What a copy killed between naming its temporary and renaming it leaves.
    writeBytes(path(u".test.ini.tmp-99999"_qs), "half");
    ProfileFile(path()).WriteInteger(u"s"_qs, u"k"_qs, 1);
    QCOMPARE(folderEntries(), QStringList{u"test.ini"_qs});
}

void TestSafeFile::plantedTemporaryIsNotFollowed() {
    // A link planted under the name this process would give its temporary.
    const QString victim = m_dir->filePath(u"elsewhere/victim"_qs);
    QDir(m_dir->path()).mkdir(u"elsewhere"_qs);
    writeBytes(victim, "mine");
    const QString planted = path(u".test.ini.tmp-"_qs + QString::number(::getpid()));
    QVERIFY(QFile::link(victim, planted));
    ProfileFile(path()).WriteInteger(u"s"_qs, u"k"_qs, 1);
    QCOMPARE(readBytes(victim), QByteArray("mine"));
    QCOMPARE(folderEntries(), (QStringList{u"elsewhere"_qs, u"test.ini"_qs}));
    QCOMPARE(readBytes(path()), QByteArray("[s]\r\nk=1\r\n"));
}

void TestSafeFile::killedWriterNeverTearsTheFile() {
    const int padding = 200000;
    const QByteArray head = "[s]\r\npad=" + QByteArray(padding, 'x') + "\r\nn=";
    // Either state the writer passes through: the old or the new counter, never a mix.
    const auto whole = [&head](const QByteArray& bytes) {
        if (!bytes.startsWith(head) || !bytes.endsWith("\r\n"))
            return false;
        bool ok = false;
        bytes.mid(head.size(), bytes.size() - head.size() - 2).toInt(&ok);
        return ok;
    };
    QRandomGenerator random(12345);
    int kills = 0;
    const int killRounds = rounds(20, 200);
    for (int round = 0; round < killRounds; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(PROFILE_WRITER),
                     {path(), u"counter"_qs, QString::number(padding)});
        QVERIFY(writer.waitForStarted());
        QTRY_VERIFY(ProfileFile(path()).ReadInteger(u"s"_qs, u"n"_qs, -1) >= 0);
        for (int k = 0; k < 10; ++k) {
            QTest::qWait(int(random.bounded(1, 15)));
            if (k < 9) {
                ::kill(pid_t(writer.processId()), SIGSTOP);
                QVERIFY2(whole(readBytes(path())), "file torn while its writer runs");
                ::kill(pid_t(writer.processId()), SIGCONT);
            }
        }
        ::kill(pid_t(writer.processId()), SIGKILL);
        writer.waitForFinished();
        ++kills;
        QVERIFY2(whole(readBytes(path())), "file torn by a kill");
        // The next writer clears whatever the killed one left.
        ProfileFile(path()).WriteInteger(u"s"_qs, u"n"_qs, 0);
        QCOMPARE(folderEntries(), QStringList{u"test.ini"_qs});
    }
    QCOMPARE(kills, killRounds);
}

void TestSafeFile::twoProcessesLoseNoKey() {
    const int keys = rounds(100, 500);
    runTwoWriters(path(), u"keys"_qs, {QString::number(keys)});
    if (QTest::currentTestFailed())
        return;
    QStringList lines;
    ProfileFile(path()).ReadSectionValues(u"shared"_qs, lines);
    QCOMPARE(lines.size(), 2 * keys);
    const ProfileSnapshot snapshot = ProfileFile(path()).Snapshot();
    for (int i = 0; i < keys; ++i) {
        QCOMPARE(snapshot.ReadInteger(u"shared"_qs, u"a"_qs + QString::number(i), -1), i);
        QCOMPARE(snapshot.ReadInteger(u"shared"_qs, u"b"_qs + QString::number(i), -1), i);
    }
}

QTEST_GUILESS_MAIN(TestSafeFile)
#include "tst_safefile.moc"
