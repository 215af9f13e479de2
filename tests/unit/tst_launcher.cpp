// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopentry/commandline.h"
#include "desktopentry/desktopentry.h"
#include "platform/launcher.h"
#include "support/testfiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/wait.h>

// Decisions are checked with planLaunch; real launches run small scripts that record their
// working folder and arguments in a marker file. @DIR@ stands for the work folder (also the
// current folder) and @BIN@ for a folder put first on PATH, which holds stub openers.
class TestLauncher : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { QFile::remove(m_dir + u"/marker"_qs); }

    void expandEnvironment_data();
    void expandEnvironment();
    void processEnvironment();
    void splitCommandLine_data();
    void splitCommandLine();
    void parseDesktopEntry_data();
    void parseDesktopEntry();
    void desktopExec_data();
    void desktopExec();
    void planLaunch_data();
    void planLaunch();
    void openerFailure_data();
    void openerFailure();
    void launches_data();
    void launches();
    void nothingStarts_data();
    void nothingStarts();
    void callerIsNotBlocked();

private:
    QString fill(QString text) const {
        return text.replace(u"@DIR@"_qs, m_dir).replace(u"@BIN@"_qs, m_bin);
    }
    QStringList fill(QStringList list) const {
        for (QString& s : list)
            s = fill(s);
        return list;
    }
    void writeFile(const QString& path, const QString& text, bool executable = false) const {
        writeBytes(fill(path), fill(text).toUtf8());
        if (executable)
            QFile::setPermissions(fill(path), QFile::permissions(fill(path)) | QFile::ExeOwner);
    }
    static bool noChildLeft() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

    QTemporaryDir m_root;
    QString m_dir;
    QString m_bin;
    QByteArray m_oldPath;
    QString m_oldCurrent;
};

void TestLauncher::initTestCase() {
    QVERIFY(m_root.isValid());
    const QDir root(QFileInfo(m_root.path()).canonicalFilePath());
    QVERIFY(root.mkpath(u"work/folder"_qs) && root.mkpath(u"work/my folder"_qs));
    QVERIFY(root.mkpath(u"bin"_qs));
    m_dir = root.filePath(u"work"_qs);
    m_bin = root.filePath(u"bin"_qs);

    const QString record = u"#!/bin/sh\n{ pwd -P; for a in \"$@\"; do printf '%s\\n' \"$a\"; "
                           "done; } > @DIR@/marker.part && mv @DIR@/marker.part @DIR@/marker\n"_qs;
    for (const char* name : {"@DIR@/record", "@DIR@/my script", "@BIN@/xdg-open",
                             "@BIN@/larkspan-record", "@BIN@/x-terminal-emulator"})
        writeFile(QString::fromUtf8(name), record, true);
    writeFile(u"@DIR@/notes.txt"_qs, u"text"_qs);
    writeFile(u"@DIR@/junk"_qs, u"\x7f junk that is no program"_qs, true);
    writeFile(
        u"@DIR@/app.desktop"_qs,
        u"[Desktop Entry]\nType=Application\nName=App\nExec=\"@DIR@/record\" %U --flag %f\n"_qs);
    writeFile(u"@DIR@/link.desktop"_qs,
              u"[Desktop Entry]\nType=Link\nURL=https://example.org/\n"_qs);
    writeFile(u"@DIR@/term.desktop"_qs,
              u"[Desktop Entry]\nExec=larkspan-record -x\nTerminal=true\n"_qs);
    writeFile(u"@DIR@/inpath.desktop"_qs,
              u"[Desktop Entry]\nExec=@DIR@/record\nPath=@DIR@/folder\n"_qs);
    writeFile(u"@DIR@/folder.desktop"_qs,
              u"[Desktop Entry]\nType=Directory\nExec=@DIR@/record\n"_qs);
    writeFile(u"@DIR@/noexec.desktop"_qs, u"[Desktop Entry]\nName=x\n"_qs);
    writeFile(u"@DIR@/badlink.desktop"_qs, u"[Desktop Entry]\nType=Link\nURL=-h\n"_qs);

    m_oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_bin) + ':' + m_oldPath);
    m_oldCurrent = QDir::currentPath();
    QDir::setCurrent(m_dir);
}

void TestLauncher::cleanupTestCase() {
    qputenv("PATH", m_oldPath);
    QDir::setCurrent(m_oldCurrent);
}

// clang-format off
void TestLauncher::expandEnvironment_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no variables") << "/usr/bin/x -y" << "/usr/bin/x -y";
    QTest::newRow("known") << "%HOME%/bin" << "/home/u/bin";
    QTest::newRow("unknown stays whole") << "%NOPE%/bin" << "%NOPE%/bin";
    QTest::newRow("names are case-sensitive") << "%home%" << "%home%";
    QTest::newRow("set but empty") << "a%EMPTY%b" << "ab";
    QTest::newRow("two in a row") << "%A%%A%" << "xx";
    QTest::newRow("unknown consumes its closing percent") << "%NOPE%A%" << "%NOPE%A%";
    QTest::newRow("double percent") << "100%%" << "100%%";
    QTest::newRow("double percent before a name") << "%%A%" << "%%A%";
    QTest::newRow("lone percent") << "50% off" << "50% off";
    QTest::newRow("unterminated") << "x %A" << "x %A";
    QTest::newRow("values are not expanded again") << "%PCT%" << "%A%";
    QTest::newRow("non-ASCII") << u"%É%/ü"_qs << u"é/ü"_qs;
}
// clang-format on

void TestLauncher::expandEnvironment() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QHash<QString, QString> env{{u"HOME"_qs, u"/home/u"_qs},
                                      {u"EMPTY"_qs, QString()},
                                      {u"A"_qs, u"x"_qs},
                                      {u"PCT"_qs, u"%A%"_qs},
                                      {u"É"_qs, u"é"_qs}};
    const auto lookup = [&](const QString& name) -> std::optional<QString> {
        if (!env.contains(name))
            return std::nullopt;
        return env.value(name);
    };
    QCOMPARE(expandEnvironmentStrings(text, lookup), expected);
}

void TestLauncher::processEnvironment() {
    qputenv("LARKSPAN_SET", "v=1");
    qputenv("LARKSPAN_EMPTY", "");
    qunsetenv("LARKSPAN_UNSET");
    QCOMPARE(processEnvironmentLookup(u"LARKSPAN_SET"_qs), u"v=1"_qs);
    QCOMPARE(processEnvironmentLookup(u"LARKSPAN_EMPTY"_qs), QString());
    QCOMPARE(processEnvironmentLookup(u"LARKSPAN_UNSET"_qs), std::nullopt);
    // The C library would answer this with the tail of LARKSPAN_SET's value.
    QCOMPARE(processEnvironmentLookup(u"LARKSPAN_SET=v"_qs), std::nullopt);
}

// clang-format off
void TestLauncher::splitCommandLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("empty") << "" << true << QStringList();
    QTest::newRow("blanks only") << " \t " << true << QStringList();
    QTest::newRow("blanks separate") << " a  b\tc " << true << QStringList{"a", "b", "c"};
    QTest::newRow("single quotes") << "'two words' x" << true << QStringList{"two words", "x"};
    QTest::newRow("single quotes keep backslashes")
        << R"('a\"b\\')" << true << QStringList{R"(a\"b\\)"};
    QTest::newRow("double quotes") << R"("two words" x)" << true << QStringList{"two words", "x"};
    QTest::newRow("double-quote escapes")
        << R"("\"\\\$\`\n'")" << true << QStringList{R"("\$`\n')"};
    QTest::newRow("backslash outside quotes")
        << R"(a\ b \' \\)" << true << QStringList{"a b", "'", "\\"};
    QTest::newRow("trailing backslash kept") << R"(a\)" << true << QStringList{"a\\"};
    QTest::newRow("pieces join") << R"(a'b'"c"d)" << true << QStringList{"abcd"};
    QTest::newRow("empty quoted words") << R"(x '' "")" << true << QStringList{"x", "", ""};
    QTest::newRow("shell characters are ordinary") << "a;b | c&&d >e $(f) `g` #h" << true
        << QStringList{"a;b", "|", "c&&d", ">e", "$(f)", "`g`", "#h"};
    QTest::newRow("unterminated single") << "x 'a b" << false << QStringList();
    QTest::newRow("unterminated double") << R"(x "a b)" << false << QStringList();
    QTest::newRow("escaped closing quote") << R"("a\")" << false << QStringList();
}
// clang-format on

void TestLauncher::splitCommandLine() {
    QFETCH(QString, line);
    QFETCH(bool, valid);
    QFETCH(QStringList, words);
    const auto split = ::splitCommandLine(line);
    QCOMPARE(split.has_value(), valid);
    if (valid)
        QCOMPARE(*split, words);
}

// clang-format off
void TestLauncher::parseDesktopEntry_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("terminal");
    QTest::newRow("plain") << QByteArray("[Desktop Entry]\nName=A\nExec=a\nTerminal=true\n") << true
                           << "a" << "A" << true;
    QTest::newRow("blanks, comments, CRLF")
        << QByteArray("# c\r\n\r\n[Desktop Entry]\r\n  Exec  =  a b  \r\n#Name=no\r\n") << true
        << "a b" << "" << false;
    QTest::newRow("other groups ignored")
        << QByteArray("[Desktop Action x]\nExec=no\n[Desktop Entry]\nExec=a\n[X]\nExec=no\n")
        << true << "a" << "" << false;
    QTest::newRow("first of repeated keys, localized keys apart")
        << QByteArray("[Desktop Entry]\nName[de]=D\nName=A\nName=B\nExec=a\nExec=b\n") << true
        << "a" << "A" << false;
    QTest::newRow("string escapes") << QByteArray(R"([Desktop Entry]
Exec=a\sb\tc\\\\d \\$ \" \q\
)") << true << "a b\tc\\\\d \\$ \\\" \\q\\" << "" << false;
    QTest::newRow("UTF-8")
        << QByteArray("[Desktop Entry]\nName=\xC3\xA9t\xC3\xA9\n") << true << ""
        << u"été"_qs << false;
    QTest::newRow("no entry group")
        << QByteArray("[Other]\nExec=a\n") << false << "" << "" << false;
}
// clang-format on

void TestLauncher::parseDesktopEntry() {
    QFETCH(QByteArray, content);
    QFETCH(bool, valid);
    QFETCH(QString, exec);
    QFETCH(QString, name);
    QFETCH(bool, terminal);
    const auto entry = ::parseDesktopEntry(content, u"/x.desktop"_qs, u"C"_qs);
    QCOMPARE(entry.has_value(), valid);
    if (!valid)
        return;
    QCOMPARE(entry->exec, exec);
    QCOMPARE(entry->name, name);
    QCOMPARE(entry->terminal, terminal);
    QCOMPARE(entry->location, u"/x.desktop"_qs);
}

// clang-format off
void TestLauncher::desktopExec_data() {
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QStringList>("expected"); // empty: rejected
    QTest::newRow("file codes removed") << "app %f %F %u %U -x" << "i" << QStringList{"app", "-x"};
    QTest::newRow("deprecated codes removed")
        << "app %d %D %n %N %v %m" << "i" << QStringList{"app"};
    QTest::newRow("code inside a word") << "app --file=%f" << "i" << QStringList{"app", "--file="};
    QTest::newRow("icon") << "app %i" << "i" << QStringList{"app", "--icon", "i"};
    QTest::newRow("no icon") << "app %i" << "" << QStringList{"app"};
    QTest::newRow("name stays one word")
        << "app --title %c" << "i" << QStringList{"app", "--title", "My App"};
    QTest::newRow("location") << "app %k" << "i" << QStringList{"app", "/apps/x.desktop"};
    QTest::newRow("literal percent, also quoted") << R"(sh -c "echo 100%%" 5%%)"
        << "i" << QStringList{"sh", "-c", "echo 100%", "5%"};
    QTest::newRow("quoted program and arguments") << R"("/opt/my app/run" "say \"hi\"" '')"
        << "" << QStringList{"/opt/my app/run", "say \"hi\"", ""};
    QTest::newRow("unknown code") << "app %x" << "i" << QStringList();
    QTest::newRow("lone percent at the end") << "app 5%" << "i" << QStringList();
    QTest::newRow("unterminated quote") << "app \"a" << "i" << QStringList();
    QTest::newRow("only field codes") << "%f %U" << "i" << QStringList();
    QTest::newRow("empty") << "" << "i" << QStringList();
}
// clang-format on

void TestLauncher::desktopExec() {
    QFETCH(QString, exec);
    QFETCH(QString, icon);
    QFETCH(QStringList, expected);
    DesktopEntry entry;
    entry.exec = exec;
    entry.icon = icon;
    entry.name = u"My App"_qs;
    entry.location = u"/apps/x.desktop"_qs;
    const auto words = desktopExecArguments(entry);
    QCOMPARE(words.value_or(QStringList()), expected);
    QCOMPARE(words.has_value(), !expected.isEmpty());
}

// clang-format off
void TestLauncher::planLaunch_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("program"); // empty: nothing starts
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("workingDirectory");
    const QString opener = u"@BIN@/xdg-open"_qs;
    const QString record = u"@DIR@/record"_qs;
    QTest::newRow("folder") << "@DIR@/folder" << opener << QStringList{"@DIR@/folder"} << "";
    QTest::newRow("folder with a blank")
        << "@DIR@/my folder" << opener << QStringList{"@DIR@/my folder"} << "";
    QTest::newRow("document") << "@DIR@/notes.txt" << opener << QStringList{"@DIR@/notes.txt"}
                              << "";
    QTest::newRow("relative document made absolute")
        << "./notes.txt" << opener << QStringList{"@DIR@/notes.txt"} << "";
    QTest::newRow("quoted document")
        << "'@DIR@/notes.txt'" << opener << QStringList{"@DIR@/notes.txt"} << "";
    QTest::newRow("executable") << record << record << QStringList() << "";
    QTest::newRow("https") << "https://example.org/a b?c=1&d" << opener
                           << QStringList{"https://example.org/a b?c=1&d"} << "";
    QTest::newRow("mailto") << "mailto:me@example.org" << opener
                            << QStringList{"mailto:me@example.org"} << "";
    QTest::newRow("command on PATH")
        << "larkspan-record" << "@BIN@/larkspan-record" << QStringList() << "";
    QTest::newRow("command with arguments") << "larkspan-record -v 'a b'"
        << "@BIN@/larkspan-record" << QStringList{"-v", "a b"} << "";
    QTest::newRow("path with arguments")
        << R"(@DIR@/record "two words" x)" << record << QStringList{"two words", "x"} << "";
    QTest::newRow("quoted path with arguments")
        << "'@DIR@/my script' a" << "@DIR@/my script" << QStringList{"a"} << "";
    QTest::newRow("shell characters are arguments")
        << "@DIR@/record ; rm x && `y` $(z) > f" << record
        << QStringList{";", "rm", "x", "&&", "`y`", "$(z)", ">", "f"} << "";
    QTest::newRow("desktop entry") << "@DIR@/app.desktop" << record << QStringList{"--flag"} << "";
    QTest::newRow("desktop link") << "@DIR@/link.desktop" << opener
                                  << QStringList{"https://example.org/"} << "";
    QTest::newRow("desktop terminal") << "@DIR@/term.desktop"
        << "@BIN@/x-terminal-emulator" << QStringList{"-e", "@BIN@/larkspan-record", "-x"} << "";
    QTest::newRow("desktop working folder")
        << "@DIR@/inpath.desktop" << record << QStringList() << "@DIR@/folder";
    QTest::newRow("desktop directory") << "@DIR@/folder.desktop" << "" << QStringList() << "";
    QTest::newRow("desktop without Exec") << "@DIR@/noexec.desktop" << "" << QStringList() << "";
    QTest::newRow("desktop link to no URL") << "@DIR@/badlink.desktop" << "" << QStringList() << "";
    QTest::newRow("bare name is not taken from the current folder")
        << "record" << "" << QStringList() << "";
    QTest::newRow("one-letter scheme is no URL") << "c:x" << "" << QStringList() << "";
    QTest::newRow("missing path") << "@DIR@/missing" << "" << QStringList() << "";
    QTest::newRow("missing command") << "larkspan-missing -x" << "" << QStringList() << "";
    QTest::newRow("document with arguments") << "@DIR@/notes.txt x" << "" << QStringList() << "";
    QTest::newRow("folder with arguments") << "@DIR@/folder x" << "" << QStringList() << "";
    QTest::newRow("unterminated quote") << "@DIR@/record 'a" << "" << QStringList() << "";
    QTest::newRow("empty") << "" << "" << QStringList() << "";
    QTest::newRow("blanks") << "  " << "" << QStringList() << "";
    QTest::newRow("zero character") << u"@DIR@/record a\0b"_qs << "" << QStringList() << "";
}
// clang-format on

void TestLauncher::planLaunch() {
    QFETCH(QString, target);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, workingDirectory);
    const auto plan = ::planLaunch(fill(target), processEnvironmentLookup);
    QCOMPARE(plan.has_value(), !program.isEmpty());
    if (plan)
        QCOMPARE(*plan, (LaunchPlan{fill(program), fill(arguments), fill(workingDirectory)}));
}

void TestLauncher::openerFailure_data() {
    QTest::addColumn<QString>("pathOrUrl");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("why");
    QTest::newRow("no application for the type")
        << "@DIR@/doc.pdf" << 3
        << "No application is set up for the file type \"PDF document\", so \"doc.pdf\" "
           "cannot be opened.";
    QTest::newRow("no application for an unknown type")
        << "@DIR@/data.larkspan-none" << 3
        << "No application is set up to open \"data.larkspan-none\".";
    QTest::newRow("no application for folders")
        << "@DIR@/folder" << 3 << "No application is set up to open the folder \"folder\".";
    QTest::newRow("no web browser") << "https://example.org/" << 3
                                    << "No web browser is set up to open \"https://example.org/\".";
    QTest::newRow("no application for the scheme")
        << "mailto:me@example.org" << 3
        << "No application is set up to open \"mailto:\" addresses such as "
           "\"mailto:me@example.org\".";
    QTest::newRow("file gone") << "@DIR@/doc.pdf" << 2 << "\"doc.pdf\" could not be found.";
    QTest::newRow("the application failed")
        << "@DIR@/doc.pdf" << 4 << "The application set up to open \"doc.pdf\" could not open it.";
    QTest::newRow("stopped") << "@DIR@/doc.pdf" << -1
                             << "Opening \"doc.pdf\" was stopped before it finished.";
}

void TestLauncher::openerFailure() {
    QFETCH(QString, pathOrUrl);
    QFETCH(int, exitCode);
    QFETCH(QString, why);
    QCOMPARE(::openerFailure(fill(pathOrUrl), exitCode), why);
}

// clang-format off
void TestLauncher::launches_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("recorded"); // working folder, then the arguments
    QTest::newRow("script") << "@DIR@/record" << QStringList{"@DIR@"};
    QTest::newRow("variable") << "%LARKSPAN_WORK%/record" << QStringList{"@DIR@"};
    QTest::newRow("variable naming a folder with a blank")
        << "%LARKSPAN_WORK%/my folder" << QStringList{"@DIR@", "@DIR@/my folder"};
    QTest::newRow("value with blanks stays one word")
        << "'%LARKSPAN_WORK%/my script' %LARKSPAN_SPACEY%/file"
        << QStringList{"@DIR@", "/home/John Smith/file"};
    QTest::newRow("value with a quote breaks no word")
        << "@DIR@/record %LARKSPAN_QUOTEY% x" << QStringList{"@DIR@", "it's", "x"};
    QTest::newRow("arguments") << R"(@DIR@/record "two words" x)"
                               << QStringList{"@DIR@", "two words", "x"};
    QTest::newRow("no shell") << "larkspan-record ; $(touch @DIR@/X) `touch @DIR@/Y` >@DIR@/Z"
        << QStringList{"@DIR@", ";", "$(touch", "@DIR@/X)", "`touch", "@DIR@/Y`", ">@DIR@/Z"};
    QTest::newRow("folder") << "@DIR@/folder" << QStringList{"@DIR@", "@DIR@/folder"};
    QTest::newRow("URL") << "https://example.org/?a=1&b=2"
                         << QStringList{"@DIR@", "https://example.org/?a=1&b=2"};
    QTest::newRow("desktop entry") << "@DIR@/app.desktop" << QStringList{"@DIR@", "--flag"};
    QTest::newRow("desktop working folder")
        << "@DIR@/inpath.desktop" << QStringList{"@DIR@/folder"};
}
// clang-format on

void TestLauncher::launches() {
    QFETCH(QString, target);
    QFETCH(QStringList, recorded);
    qputenv("LARKSPAN_WORK", QFile::encodeName(m_dir));
    qputenv("LARKSPAN_SPACEY", "/home/John Smith");
    qputenv("LARKSPAN_QUOTEY", "it's");
    QVERIFY(openTarget(fill(target)));
    QVERIFY(noChildLeft());
    QTRY_VERIFY(QFile::exists(m_dir + u"/marker"_qs));
    QCOMPARE(QString::fromUtf8(readBytes(m_dir + u"/marker"_qs)).split(u'\n', Qt::SkipEmptyParts),
             fill(recorded));
    for (const char* name : {"/X", "/Y", "/Z"})
        QVERIFY(!QFile::exists(m_dir + QString::fromUtf8(name)));
}

// clang-format off
void TestLauncher::nothingStarts_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("empty") << "";
    QTest::newRow("missing") << "@DIR@/missing";
    QTest::newRow("unterminated quote") << "@DIR@/record \"a";
    QTest::newRow("executable that is no program") << "@DIR@/junk";
}
// clang-format on

void TestLauncher::nothingStarts() {
    QFETCH(QString, target);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"."_qs));
    QVERIFY(!openTarget(fill(target)));
    QVERIFY(noChildLeft());
}

void TestLauncher::callerIsNotBlocked() {
    // The program waits for a file that only appears after openTarget has returned.
    writeFile(u"@DIR@/waiter"_qs,
              u"#!/bin/sh\ni=0\nwhile [ ! -e @DIR@/go ] && [ $i -lt 200 ]; do sleep 0.05; "
              "i=$((i+1)); done\nexec @DIR@/record waited\n"_qs,
              true);
    QVERIFY(openTarget(m_dir + u"/waiter"_qs));
    writeBytes(m_dir + u"/go"_qs, "");
    QTRY_VERIFY(QFile::exists(m_dir + u"/marker"_qs));
    QCOMPARE(QString::fromUtf8(readBytes(m_dir + u"/marker"_qs)), m_dir + u"\nwaited\n"_qs);
}

QTEST_GUILESS_MAIN(TestLauncher)
#include "tst_launcher.moc"
