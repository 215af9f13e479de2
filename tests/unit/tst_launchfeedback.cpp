// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/launcher.h"
#include "platform/notifier.h"
#include "support/testfiles.h"

#include <QDBusConnection>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/wait.h>

// The desktop's notification server as far as we use it: it records what it is sent.
class RecordingNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList received; // summary, then body, of each notification
public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int) {
        received << summary << body;
        return uint(received.size() / 2);
    }
};

// Failed launches, each raising one notification on the session bus the test script started.
// @DIR@ is the work folder; its bin/ comes first on PATH and holds an opener that fails.
class TestLaunchFeedback : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void failures_data();
    void failures();
    void withoutServiceShownLocally();

private:
    QString fill(QString text) const { return text.replace(u"@DIR@"_qs, m_dir.path()); }

    QTemporaryDir m_dir;
    QDBusConnection m_serverBus{u"unused"_qs};
    RecordingNotificationServer m_server;
};

void TestLaunchFeedback::initTestCase() {
    QVERIFY(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"));
    m_serverBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"server"_qs);
    QVERIFY(m_serverBus.registerService(u"org.freedesktop.Notifications"_qs));
    QVERIFY(m_serverBus.registerObject(u"/org/freedesktop/Notifications"_qs, &m_server,
                                       QDBusConnection::ExportAllSlots));
    QVERIFY(QDir(m_dir.path()).mkpath(u"bin"_qs));
    writeBytes(fill(u"@DIR@/bin/xdg-open"_qs), "#!/bin/sh\nexit 4\n");
    writeBytes(fill(u"@DIR@/junk"_qs), "\x7f junk that is no program");
    for (const char* name : {"@DIR@/bin/xdg-open", "@DIR@/junk"})
        QFile::setPermissions(fill(QString::fromUtf8(name)), QFile::ReadOwner | QFile::ExeOwner);
    writeBytes(fill(u"@DIR@/plain.sh"_qs), "#!/bin/sh\n");
    writeBytes(fill(u"@DIR@/doc.txt"_qs), "text");
    qputenv("PATH", QFile::encodeName(fill(u"@DIR@/bin:"_qs)) + qgetenv("PATH"));
}

void TestLaunchFeedback::failures_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("started"); // a process started, and failed later
    QTest::addColumn<QString>("why");
    QTest::newRow("missing document")
        << "@DIR@/notes.txt" << false << "@DIR@/notes.txt does not exist";
    QTest::newRow("not executable")
        << "@DIR@/plain.sh -x" << false << "@DIR@/plain.sh is not executable";
    QTest::newRow("no such command")
        << "larkspan-no-such-program --help" << false
        << "There is no program called \"larkspan-no-such-program\" on this computer.";
    QTest::newRow("no program inside")
        << "@DIR@/junk" << false << "@DIR@/junk cannot be started: Exec format error";
    QTest::newRow("no target") << "" << false << "the entry has no target";
    QTest::newRow("the opener exits non-zero")
        << "@DIR@/doc.txt" << true
        << "The application set up to open \"doc.txt\" could not open it.";
}

void TestLaunchFeedback::failures() {
    QFETCH(QString, target);
    QFETCH(bool, started);
    QFETCH(QString, why);
    target = fill(target);
    why = fill(why);
    m_server.received.clear();
    Notifier notifier(nullptr);
    // The line on standard error stays.
    QTest::ignoreMessage(QtWarningMsg,
                         qUtf8Printable(u"Cannot open \"%1\": %2"_qs.arg(target, why)));
    QCOMPARE(openTarget(target,
                        [&](const QString& reason) {
                            notifyLaunchFailure(notifier, u"Notes"_qs, reason);
                        }),
             started);
    QVERIFY(waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
    QTRY_COMPARE(m_server.received, (QStringList{u"Cannot open \"Notes\""_qs, why}));
}

void TestLaunchFeedback::withoutServiceShownLocally() {
    QVERIFY(m_serverBus.unregisterService(u"org.freedesktop.Notifications"_qs));
    QStringList shown;
    Notifier notifier(
        nullptr, [&](const QString& summary, const QString& body) { shown << summary << body; });
    notifyLaunchFailure(notifier, u"Notes"_qs, u"why"_qs);
    QTRY_COMPARE(shown, (QStringList{u"Cannot open \"Notes\""_qs, u"why"_qs}));
}

QTEST_MAIN(TestLaunchFeedback)
#include "tst_launchfeedback.moc"
