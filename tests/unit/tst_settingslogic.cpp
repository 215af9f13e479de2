// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"
#include "core/error.h"
#include "core/programfiles.h"
#include "core/safefile.h"
#include "settings/settingslogic.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>

class TestSettingsLogic : public QObject {
    Q_OBJECT
private slots:
    void listLine_data();
    void listLine();
    void rowAfterRemoving_data();
    void rowAfterRemoving();
    void trimCaption_data();
    void trimCaption();
    void trailingSeparator_data();
    void trailingSeparator();
    void nameFilter_data();
    void nameFilter();

    void init();
    void cleanup();
    void saveCopy_data();
    void saveCopy();
    void copyFollowsTheUmask();
    void refusedConfigWriteKeepsTheMenu();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_app;
    std::unique_ptr<ProgramFiles> m_files;
};

void TestSettingsLogic::listLine_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("line");
    QTest::newRow("separator") << "-"
                               << "Menu Seperator (-)";
    QTest::newRow("blank before hyphen") << " -"
                                         << " -";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("ordinary") << "Editor"
                              << "Editor";
    QTest::newRow("access mark and literal ampersand") << "&Tom && Jerry"
                                                       << "Tom & Jerry";
}

void TestSettingsLogic::listLine() {
    QFETCH(QString, caption);
    QFETCH(QString, line);
    QCOMPARE(ListLineText(caption), line);
}

void TestSettingsLogic::rowAfterRemoving_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("selected");
    QTest::newRow("middle selects the one that followed") << 3 << 1 << 1;
    QTest::newRow("first") << 3 << 0 << 0;
    QTest::newRow("last selects the new last") << 3 << 2 << 1;
    QTest::newRow("only one leaves nothing") << 1 << 0 << -1;
}

void TestSettingsLogic::rowAfterRemoving() {
    QFETCH(int, count);
    QFETCH(int, removed);
    QFETCH(int, selected);
    QCOMPARE(RowAfterRemoving(count, removed), selected);
}

void TestSettingsLogic::trimCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("three spaces") << "   "
                                  << "";
    QTest::newRow("tab, line feed, control") << "\t\n\x01\x1f"
                                             << "";
    QTest::newRow("spaces around") << " x "
                                   << "x";
    QTest::newRow("inner blanks stay") << "\ta b\r"
                                       << "a b";
    QTest::newRow("no-break space is text") << u"\u00a0"_qs << u"\u00a0"_qs;
    QTest::newRow("separator") << "-"
                               << "-";
}

void TestSettingsLogic::trimCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, trimmed);
    QCOMPARE(TrimCaption(caption), trimmed);
}

void TestSettingsLogic::trailingSeparator_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("result");
    QTest::newRow("folder") << "/home/me/Tools"
                            << "/home/me/Tools/";
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("already ends in one") << "/opt/"
                                         << "/opt/";
    QTest::newRow("backslash is a character here") << "/a\\"
                                                   << "/a\\/";
}

void TestSettingsLogic::trailingSeparator() {
    QFETCH(QString, path);
    QFETCH(QString, result);
    QCOMPARE(AddTrailingBackslash(path), result);
}

void TestSettingsLogic::nameFilter_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("menu files") << "My Menu Files(*.ini)|*.ini"
                                << "My Menu Files(*.ini)";
    QTest::newRow("all files match names without a dot") << "All Files(*.*)|*.*"
                                                         << "All Files(*)";
    QTest::newRow("patterns not in the description") << "Text|*.txt;*.log|All Files(*.*)|*.*"
                                                     << "Text (*.txt *.log);;All Files(*)";
}

void TestSettingsLogic::nameFilter() {
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(QtNameFilter(filter), qt);
}

void TestSettingsLogic::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_app = m_dir->path() + u'/';
    setAppDirForTesting(m_app);
    m_files = std::make_unique<ProgramFiles>(Configuration(m_app + u"config.ini"_qs));
    writeBytes(m_files->config().file().FileName(), "[menu]\r\nfile=$apppath$\\menu.ini\r\n");
    // As the start-up makes it from the stored text.
    m_files->useMenuFile(m_files->config().menuFileName());
    writeBytes(m_app + u"menu.ini"_qs, "[menu]\r\nitems=1\r\n[item1]\r\ncaption=A\r\n");
}

void TestSettingsLogic::cleanup() {
    SafeFile::setWriteFaultForTesting({});
    setAppDirForTesting(std::nullopt);
    m_files.reset();
}

void TestSettingsLogic::saveCopy_data() {
    QTest::addColumn<QString>("target"); // below the application folder
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<bool>("sourceMissing");
    QTest::addColumn<QString>("reason"); // how the message ends; empty for success
    QTest::newRow("new file") << "copy.ini" << QByteArray() << false << "";
    QTest::newRow("into a sub-folder, stored with the token")
        << "menus/work.ini" << QByteArray() << false << "";
    QTest::newRow("existing file is never overwritten")
        << "copy.ini" << QByteArray("[menu]\r\nitems=0\r\n") << false << "Destination file exists";
    QTest::newRow("source missing")
        << "copy.ini" << QByteArray() << true << "No such file or directory";
    QTest::newRow("folder missing")
        << "nowhere/copy.ini" << QByteArray() << false << "No such file or directory";
}

void TestSettingsLogic::saveCopy() {
    QFETCH(QString, target);
    QFETCH(QByteArray, existing);
    QFETCH(bool, sourceMissing);
    QFETCH(QString, reason);
    const QString path = m_app + target;
    if (target.startsWith(u"menus/"))
        QDir().mkpath(m_app + u"menus"_qs);
    if (!existing.isEmpty())
        writeBytes(path, existing);
    if (sourceMissing)
        QFile::remove(m_app + u"menu.ini"_qs);
    const QByteArray menu = readBytes(m_app + u"menu.ini"_qs);
    const QByteArray config = readBytes(m_files->config().file().FileName());
    const QString before = m_files->menuFileName();
    const bool fails = !reason.isEmpty();

    try {
        SaveMenuCopy(*m_files, path);
        QVERIFY2(!fails, "no error");
    } catch (const LarkspanError& e) {
        QVERIFY2(fails, qPrintable(e.message()));
        QVERIFY2(e.message().startsWith(u"Cannot copy \""_qs + m_app + u"menu.ini\" to \""_qs +
                                        path + u"\". "_qs),
                 qPrintable(e.message()));
        QVERIFY2(e.message().endsWith(reason), qPrintable(e.message()));
    }
    if (fails) {
        QCOMPARE(readBytes(m_files->config().file().FileName()), config);
        QCOMPARE(m_files->menuFileName(), before);
        QCOMPARE(readBytes(path), existing);
        QCOMPARE(QFile::exists(path), !existing.isEmpty());
    } else {
        QCOMPARE(readBytes(path), menu);
        QCOMPARE(m_files->config().file().ReadString(u"menu"_qs, u"file"_qs, QString()),
                 u"$apppath$\\"_qs + target);
        QCOMPARE(m_files->menuFileName(), path);
    }
    // Saving does not reload: this showing goes on with the previous file.
    QCOMPARE(m_files->menu().fileName(), before);
}

void TestSettingsLogic::copyFollowsTheUmask() {
    ::chmod(QFile::encodeName(m_app + u"menu.ini"_qs).constData(), 0664);
    const mode_t old = ::umask(077);
    SaveMenuCopy(*m_files, m_app + u"copy.ini"_qs);
    ::umask(old);
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(m_app + u"copy.ini"_qs).constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0600));
}

void TestSettingsLogic::refusedConfigWriteKeepsTheMenu() {
    const QString path = m_app + u"copy.ini"_qs;
    const QString before = m_files->menuFileName();
    const QByteArray config = readBytes(m_files->config().file().FileName());
    SafeFile::setWriteFaultForTesting([] { return ENOSPC; });
    QVERIFY_THROWS_EXCEPTION(LarkspanError, SaveMenuCopy(*m_files, path));
    QCOMPARE(readBytes(m_files->config().file().FileName()), config);
    QCOMPARE(m_files->menuFileName(), before);
    // No copy is left behind, so that saving under the same name works once the fault is gone.
    QVERIFY(!QFile::exists(path));
    SafeFile::setWriteFaultForTesting({});
    SaveMenuCopy(*m_files, path);
    QCOMPARE(readBytes(path), readBytes(m_app + u"menu.ini"_qs));
    QCOMPARE(m_files->menuFileName(), path);
}

QTEST_APPLESS_MAIN(TestSettingsLogic)
#include "tst_settingslogic.moc"
