// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"
#include "core/config.h"
#include "core/error.h"
#include "core/safefile.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
// config.ini of the application folder, loaded as the bar does on a screen `screenWidth` wide.
BarPosition load(int screenWidth = 1920) {
    return Configuration().load(screenWidth, 406);
}
} // namespace

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() {
        setAppDirForTesting(std::nullopt);
        SafeFile::setWriteFaultForTesting({});
    }

    void appDirFromExecutable_data();
    void appDirFromExecutable();
    void expand_data();
    void expand();
    void resolve_data();
    void resolve();
    void collapse_data();
    void collapse();
    void firstRunWritesDefaults();
    void emptyConfigIsLeftAlone();
    void storedPositions_data();
    void storedPositions();
    void savedPositionReadsBack();
    void pairsOfKeysAreWrittenTogether();
    void unwritableFolder();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_appDir;
};

void TestConfig::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_appDir = m_dir->path() + u'/';
    setAppDirForTesting(m_appDir);
}

void TestConfig::appDirFromExecutable_data() {
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("dir");
    QTest::newRow("folder") << "/opt/larkspan/larkspan"
                            << "/opt/larkspan/";
    QTest::newRow("root") << "/larkspan"
                          << "/";
    QTest::newRow("no separator") << "larkspan"
                                  << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestConfig::appDirFromExecutable() {
    QFETCH(QString, exe);
    QFETCH(QString, dir);
    QCOMPARE(appDirFromExecutablePath(exe), dir);
}

void TestConfig::expand_data() {
    QTest::addColumn<QString>("appDir");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expanded");
    QTest::newRow("token") << "/opt/bar/"
                           << "$apppath$\\menu.ini"
                           << "/opt/bar/\\menu.ini";
    QTest::newRow("upper case") << "/opt/bar/"
                                << "$APPPATH$\\menu.ini"
                                << "/opt/bar/\\menu.ini";
    QTest::newRow("mixed case") << "/opt/bar/"
                                << "$AppPath$\\menu.ini"
                                << "/opt/bar/\\menu.ini";
    QTest::newRow("twice") << "/a/"
                           << "$apppath$x$apppath$"
                           << "/a/x/a/";
    QTest::newRow("no token") << "/a/"
                              << "/home/me/menu.ini"
                              << "/home/me/menu.ini";
    QTest::newRow("empty") << "/a/"
                           << ""
                           << "";
    QTest::newRow("replacement not searched again") << "/$apppath$/"
                                                    << "$apppath$"
                                                    << "/$apppath$/";
    QTest::newRow("empty app folder removes the token") << ""
                                                        << "$apppath$\\menu.ini"
                                                        << "\\menu.ini";
}

void TestConfig::expand() {
    QFETCH(QString, appDir);
    QFETCH(QString, path);
    QFETCH(QString, expanded);
    setAppDirForTesting(appDir);
    QCOMPARE(ExpandAppPath(path), expanded);
    if (appDir.isEmpty())
        QCOMPARE(CollapseAppPath(u"/srv/x.ini"_qs), u"/srv/x.ini"_qs);
}

void TestConfig::resolve_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("token") << "$apppath$\\menu.ini"
                           << "/opt/lark/\\menu.ini";
    QTest::newRow("bare name") << "menu.ini"
                               << "/opt/lark/menu.ini";
    QTest::newRow("relative with backslashes") << "skins\\blue\\"
                                               << "/opt/lark/skins\\blue\\";
    QTest::newRow("empty") << ""
                           << "/opt/lark/";
    QTest::newRow("absolute") << "/home/me/menu.ini"
                              << "/home/me/menu.ini";
    QTest::newRow("absolute with backslashes") << "\\home\\me\\menu.ini"
                                               << "\\home\\me\\menu.ini";
}

void TestConfig::resolve() {
    QFETCH(QString, path);
    QFETCH(QString, resolved);
    setAppDirForTesting(u"/opt/lark/"_qs);
    QCOMPARE(ResolveAppPath(path), resolved);
}

void TestConfig::collapse_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("collapsed");
    QTest::newRow("outside") << "/srv/menus/work.ini"
                             << "/srv/menus/work.ini";
    QTest::newRow("inside") << "/opt/Bar/menus/work.ini"
                            << "$apppath$\\menus/work.ini";
    QTest::newRow("other letter case is another folder") << "/opt/bar/work.ini"
                                                         << "/opt/bar/work.ini";
    QTest::newRow("folder itself") << "/opt/Bar/"
                                   << "$apppath$\\";
}

void TestConfig::collapse() {
    QFETCH(QString, path);
    QFETCH(QString, collapsed);
    setAppDirForTesting(u"/opt/Bar/"_qs);
    QCOMPARE(CollapseAppPath(path), collapsed);
    QCOMPARE(ExpandAppPath(CollapseAppPath(path)).replace(u"/\\"_qs, u"/"_qs), path);
}

void TestConfig::firstRunWritesDefaults() {
    QCOMPARE(Configuration().file().FileName(), m_appDir + u"config.ini"_qs);
    const BarPosition bar = load();
    QCOMPARE(readBytes(m_appDir + u"config.ini"_qs),
             QByteArray("[menu]\r\nfile=$apppath$\\menu.ini\r\n"
                        "[skin]\r\nfile=$apppath$\\skins\\default\\\r\n"));
    QCOMPARE(bar, (BarPosition{1, 1920 - 407}));
}

void TestConfig::emptyConfigIsLeftAlone() {
    writeBytes(m_appDir + u"config.ini"_qs, QByteArray());
    const BarPosition bar = load(1024);
    QCOMPARE(readBytes(m_appDir + u"config.ini"_qs), QByteArray());
    QCOMPARE(bar.left, 1024 - 407);
}

void TestConfig::storedPositions_data() {
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("left");
    QTest::newRow("stored") << QByteArray("Top=40\r\nLeft=300\r\n") << 40 << 300;
    QTest::newRow("hex") << QByteArray("Top=$1F\r\n") << 31 << 1513;
    QTest::newRow("letters") << QByteArray("Top=abc\r\nLeft=\r\n") << 1 << 1513;
    QTest::newRow("negative kept") << QByteArray("Top=-20\r\nLeft=-5000\r\n") << -20 << -5000;
}

void TestConfig::storedPositions() {
    QFETCH(QByteArray, lines);
    QFETCH(int, top);
    QFETCH(int, left);
    writeBytes(m_appDir + u"config.ini"_qs, "[WindowPos]\r\n" + lines);
    QCOMPARE(load(), (BarPosition{top, left}));
}

void TestConfig::savedPositionReadsBack() {
    load();
    Configuration().storeBarPosition({-20, 77});
    QCOMPARE(load(), (BarPosition{-20, 77}));
    QVERIFY(
        readBytes(m_appDir + u"config.ini"_qs).endsWith("[WindowPos]\r\nTop=-20\r\nLeft=77\r\n"));
}

// The disk fills up after one file has been written: what needs two keys has both or neither.
void TestConfig::pairsOfKeysAreWrittenTogether() {
    int writes = 0;
    SafeFile::setWriteFaultForTesting([&writes] { return ++writes > 1 ? ENOSPC : 0; });
    load();
    const ProfileSnapshot config = Configuration().file().Snapshot();
    QCOMPARE(config.ReadString(u"menu"_qs, u"file"_qs, u"?"_qs), u"$apppath$\\menu.ini"_qs);
    QCOMPARE(config.ReadString(u"skin"_qs, u"file"_qs, u"?"_qs), u"$apppath$\\skins\\default\\"_qs);

    writes = 0;
    Configuration().storeBarPosition({5, 6});
    QVERIFY_THROWS_EXCEPTION(LarkspanError, Configuration().storeBarPosition({7, 8}));
    QCOMPARE(load(), (BarPosition{5, 6}));
}

void TestConfig::unwritableFolder() {
    ::chmod(QFile::encodeName(m_dir->path()).constData(), 0555);
    try {
        load();
        QFAIL("no error");
    } catch (const LarkspanError& e) {
        QCOMPARE(e.message(), u"Unable to write to "_qs + m_appDir + u"config.ini"_qs);
    }
    ::chmod(QFile::encodeName(m_dir->path()).constData(), 0755);
}

QTEST_APPLESS_MAIN(TestConfig)
#include "tst_config.moc"
