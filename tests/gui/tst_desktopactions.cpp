// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"
#include "app/errorbox.h"
#include "app/startup.h"
#include "bar/barwindow.h"
#include "bar/launchermenu.h"
#include "platform/actionsocket.h"
#include "platform/applicationservice.h"
#include "settings/settingswindow.h"
#include "support/guitest.h"
#include "support/testfiles.h"
#include "widgets/dialogs.h"

#include <QDBusConnection>
#include <QLocalSocket>
#include <QScopeGuard>
#include <QSystemTrayIcon>
#include <QThread>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

enum class Outcome { MenuUnderBar, MenuAtPointer, Settings, About, BarShown };

const QPoint kPointer(700, 500);

} // namespace

Q_DECLARE_METATYPE(Outcome)

// The desktop's actions as a key binding sends them, on a session bus of the test's own.
class TestDesktopActions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void actions_data();
    void actions();
    void menuActionWhileTheMenuIsOpen();
    void modalWindowComesFirst_data();
    void modalWindowComesFirst();
    void onlyTheFirstCopyHasTheName();
    void socketTakesOnlyShortKnownLines_data();
    void socketTakesOnlyShortKnownLines();
    void onlyTheFirstCopyHasTheSocket();

private:
    // Runs a bus client to its end while the program's event loop goes on.
    std::pair<int, QString> call(const QStringList& command);
    QProcessEnvironment busEnvironment() const;

    QProcess m_bus;
    QString m_address;
    QProcess* m_calling = nullptr; // what call() runs
    std::unique_ptr<TestAppFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
};

void TestDesktopActions::initTestCase() {
    m_bus.start(u"dbus-daemon"_qs, {u"--session"_qs, u"--nofork"_qs, u"--print-address"_qs});
    QVERIFY(m_bus.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return m_bus.canReadLine(); }, 10000));
    m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
    QVERIFY(xdotool({u"mousemove"_qs, u"--sync"_qs, QString::number(kPointer.x()),
                     QString::number(kPointer.y())}));
}

void TestDesktopActions::cleanupTestCase() {
    QDBusConnection::disconnectFromBus(u"first copy"_qs);
    m_bus.terminate();
    m_bus.waitForFinished();
}

void TestDesktopActions::init() {
    m_folder = std::make_unique<TestAppFolder>();
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"Alpha", "/usr/bin/alpha"}, {"Beta", "/usr/bin/beta"}}));
    Dialogs::resetForTesting();
    m_windows = std::make_unique<ProgramWindows>();
    m_windows->bar().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_windows->bar(), 20000));
    QVERIFY(m_windows->serveOn(QDBusConnection::connectToBus(m_address, u"first copy"_qs)));
    QVERIFY(m_windows->listenForActions(m_folder->file(u"larkspan.socket"_qs)));
}

void TestDesktopActions::cleanup() {
    m_windows.reset();
    m_folder.reset();
}

QProcessEnvironment TestDesktopActions::busEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, m_address);
    // larkspan-action finds the socket there.
    environment.insert(u"XDG_RUNTIME_DIR"_qs, m_folder->path());
    return environment;
}

std::pair<int, QString> TestDesktopActions::call(const QStringList& command) {
    QProcess p;
    p.setProcessEnvironment(busEnvironment());
    p.start(command.first(), command.mid(1));
    QDeadlineTimer deadline(20000);
    m_calling = &p;
    while (p.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(5);
    m_calling = nullptr;
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

namespace {
QStringList gapplicationAction(const QString& action) {
    return {u"gapplication"_qs, u"action"_qs, QLatin1String(ApplicationService::kServiceName),
            action};
}

QStringList triggerAction(const QString& action) {
    return {QStringLiteral(LARKSPAN_ACTION_PROGRAM), action};
}

QStringList gdbus(const QString& method, const QStringList& args) {
    return QStringList{u"gdbus"_qs,
                       u"call"_qs,
                       u"--session"_qs,
                       u"--dest"_qs,
                       QLatin1String(ApplicationService::kServiceName),
                       u"--object-path"_qs,
                       QLatin1String(ApplicationService::kObjectPath),
                       u"--method"_qs,
                       u"org.freedesktop.Application."_qs + method} +
           args;
}
} // namespace

void TestDesktopActions::actions_data() {
    QTest::addColumn<QString>("action"); // empty: Activate
    QTest::addColumn<bool>("inTray");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<bool>("bySocket"); // larkspan-action, else the session bus
    QTest::newRow("menu under the shown bar")
        << u"menu"_qs << false << Outcome::MenuUnderBar << false;
    QTest::newRow("menu at the pointer from the tray")
        << u"menu"_qs << true << Outcome::MenuAtPointer << false;
    QTest::newRow("settings") << u"settings"_qs << false << Outcome::Settings << false;
    QTest::newRow("about from the tray") << u"about"_qs << true << Outcome::About << false;
    QTest::newRow("Activate restores the bar") << QString() << true << Outcome::BarShown << false;
    QTest::newRow("larkspan-action: menu under the shown bar")
        << u"menu"_qs << false << Outcome::MenuUnderBar << true;
    QTest::newRow("larkspan-action: menu at the pointer from the tray")
        << u"menu"_qs << true << Outcome::MenuAtPointer << true;
    QTest::newRow("larkspan-action: settings")
        << u"settings"_qs << false << Outcome::Settings << true;
    QTest::newRow("larkspan-action: about from the tray")
        << u"about"_qs << true << Outcome::About << true;
}

// Each reaches the running copy from outside, and what it opens takes the keyboard.
void TestDesktopActions::actions() {
    QFETCH(QString, action);
    QFETCH(bool, inTray);
    QFETCH(Outcome, outcome);
    QFETCH(bool, bySocket);
    BarWindow& bar = m_windows->bar();
    if (inTray) {
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 20000);
        QTest::mouseClick(bar.findChild<QWidget*>(u"ImgClose"_qs), Qt::LeftButton);
        QVERIFY(!bar.isVisible());
    }

    LauncherMenu* menu = bar.launcherMenu();
    QWidget* const window = outcome == Outcome::Settings
                                ? static_cast<QWidget*>(&m_windows->settings())
                            : outcome == Outcome::About ? static_cast<QWidget*>(&m_windows->about())
                            : outcome == Outcome::BarShown ? static_cast<QWidget*>(&bar)
                                                           : menu;
    const auto opened = [&] {
        return outcome == Outcome::Settings || outcome == Outcome::About
                   ? QApplication::activeModalWidget() == window
                   : window->isVisible();
    };
    // What the call opens may run its own loop; it is looked at and closed from in there.
    bool looked = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (looked || !opened())
            return;
        looked = true;
        // Whatever failed, the loop it runs in must end.
        const auto closeIt = qScopeGuard([&] {
            menu->hide();
            if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
                dialog->reject();
        });
        if (window == menu) {
            const QPoint corner = outcome == Outcome::MenuUnderBar
                                      ? bar.mapToGlobal(QPoint(0, BarWindow::kHeight))
                                      : kPointer;
            QCOMPARE(menu->pos(), corner);
            QCOMPARE(menu->activeRow(), 1);
            QVERIFY(xdotool({u"key"_qs, u"Down"_qs}));
            QTRY_COMPARE(menu->activeRow(), 2);
            QVERIFY(xdotool({u"key"_qs, u"Escape"_qs}));
            QTRY_VERIFY(!menu->isVisible());
        } else if (window != &bar) {
            // The caller has its answer while the window stays open.
            QTRY_VERIFY_WITH_TIMEOUT(m_calling->state() == QProcess::NotRunning, 10000);
            QTRY_VERIFY(window->isActiveWindow());
            QCOMPARE(bar.isVisible(), !inTray);
        }
    });
    poll.start(10);
    const auto [code, output] = call(bySocket           ? triggerAction(action)
                                     : action.isEmpty() ? gdbus(u"Activate"_qs, {u"{}"_qs})
                                                        : gapplicationAction(action));
    QVERIFY2(code == 0, qPrintable(output));
    QVERIFY(QTest::qWaitFor([&] { return looked; }, 20000));
    if (outcome == Outcome::BarShown)
        QVERIFY(!bar.tray()->isVisible());
}

// The menu action while the menu is open from Start closes it, as a second press on Start
// does. It once opened the menu a second time inside the first opening, which was then left
// waiting: at exit it returned its last choice, and that entry started again.
void TestDesktopActions::menuActionWhileTheMenuIsOpen() {
    const QString marker = m_folder->file(u"started"_qs);
    const QString script = m_folder->file(u"alpha.sh"_qs);
    writeBytes(script, "#!/bin/sh\necho Alpha >> '" + marker.toUtf8() + "'\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"Alpha", script.toUtf8()}, {"Beta", "/usr/bin/beta"}}));
    BarWindow& bar = m_windows->bar();
    LauncherMenu* menu = bar.launcherMenu();
    const auto pointerBack = qScopeGuard([] {
        xdotool({u"mousemove"_qs, QString::number(kPointer.x()), QString::number(kPointer.y())});
    });
    const QPoint start = bar.mapToGlobal(QPoint(10, 10));
    QVERIFY(xdotool(
        {u"mousemove"_qs, u"--sync"_qs, QString::number(start.x()), QString::number(start.y())}));

    // Sent once the menu shows, without waiting here: its work may run a loop of its own.
    QProcess action;
    action.setProcessEnvironment(busEnvironment());
    bool sent = false;
    bool stayedOpen = false;
    QDeadlineTimer closeBy(QDeadlineTimer::Forever);
    const int level = QThread::currentThread()->loopLevel();
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (menu->isVisible() && !sent) {
            sent = true;
            const QStringList command = gapplicationAction(u"menu"_qs);
            action.start(command.first(), command.mid(1));
        }
        if (sent && action.state() == QProcess::NotRunning && menu->isVisible()) {
            if (closeBy.isForever()) {
                closeBy.setRemainingTime(10000);
            } else if (closeBy.hasExpired()) {
                stayedOpen = true;
                menu->hide();
            }
        }
        // A second loop in place of the first: nothing ends that one before the program does.
        if (!menu->isOpen() && QThread::currentThread()->loopLevel() > level)
            qFatal("the menu action left the menu's first opening waiting");
    });
    poll.start(10);
    QVERIFY(xdotool({u"click"_qs, u"1"_qs}));
    QTRY_VERIFY_WITH_TIMEOUT(sent && action.state() == QProcess::NotRunning, 20000);
    QCOMPARE(action.exitStatus(), QProcess::NormalExit);
    QCOMPARE(action.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!menu->isOpen(), 20000);
    QVERIFY(!stayedOpen);
    QVERIFY(!QFile::exists(marker));

    // The next opening chooses once.
    QVERIFY(withOpenMenu(menu, bar.findChild<QWidget*>(u"ImgMenu"_qs),
                         [](LauncherMenu& open) { QTest::keyClick(&open, Qt::Key_A); }));
    QTRY_COMPARE(readBytes(marker), QByteArray("Alpha\n"));
    QVERIFY(!menu->isOpen());
}

void TestDesktopActions::modalWindowComesFirst_data() {
    QTest::addColumn<QString>("action"); // empty: Activate
    QTest::addColumn<bool>("inTray");
    QTest::newRow("Activate") << QString() << false;
    // openbox hands the focus to a window's modal child and raises the two together: there
    // Activate was seen to bring the bar instead where it brought it out of the tray.
    QTest::newRow("Activate, the bar in the tray") << QString() << true;
    QTest::newRow("menu") << u"menu"_qs << false;
}

// While a modal window is open, what comes from the desktop brings it to the front, above the
// program the user went to meanwhile; the other windows wait for it, a bar in the tray stays
// there.
void TestDesktopActions::modalWindowComesFirst() {
    QFETCH(QString, action);
    QFETCH(bool, inTray);
    BarWindow& bar = m_windows->bar();
    if (inTray) {
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 20000);
        QTest::mouseClick(bar.findChild<QWidget*>(u"ImgClose"_qs), Qt::LeftButton);
        QVERIFY(!bar.isVisible());
    }
    AboutWindow& about = m_windows->about();
    QProcess other;
    const auto endOther = qScopeGuard([&] {
        other.kill();
        other.waitForFinished();
    });
    bool looked = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (looked || QApplication::activeModalWidget() != &about || !about.isActiveWindow())
            return;
        looked = true;
        const auto closeIt = qScopeGuard([&] { about.reject(); });
        other.start(u"xmessage"_qs, {u"-center"_qs, u"another program"_qs});
        QTRY_VERIFY_WITH_TIMEOUT(!about.isActiveWindow(), 20000);
        const auto [code, output] =
            call(action.isEmpty() ? gdbus(u"Activate"_qs, {u"{}"_qs}) : gapplicationAction(action));
        QVERIFY2(code == 0, qPrintable(output));
        QTRY_VERIFY(about.isActiveWindow());
        QCOMPARE(bar.isVisible(), !inTray);
        QVERIFY(!bar.launcherMenu()->isVisible());
    });
    poll.start(10);
    const auto [code, output] = call(gapplicationAction(u"about"_qs));
    QVERIFY2(code == 0, qPrintable(output));
    QVERIFY(QTest::qWaitFor([&] { return looked; }, 20000));
}

// A second copy runs without the name, and so does a copy without a session bus.
void TestDesktopActions::onlyTheFirstCopyHasTheName() {
    const auto [listed, actions] = call(gdbus(u"ListActions"_qs, {}));
    QCOMPARE(listed, 0);
    QCOMPARE(actions.trimmed(), u"(['menu', 'settings', 'about'],)"_qs);
    const auto [unknown, error] =
        call(gdbus(u"ActivateAction"_qs, {u"quit"_qs, u"[]"_qs, u"{}"_qs}));
    QVERIFY(unknown != 0);
    QVERIFY2(error.contains(u"There is no action \"quit\"."_qs), qPrintable(error));

    ApplicationService second({u"menu"_qs});
    QVERIFY(!second.registerOn(QDBusConnection::connectToBus(m_address, u"second copy"_qs)));
    QDBusConnection::disconnectFromBus(u"second copy"_qs);
    ApplicationService withoutBus({u"menu"_qs});
    QVERIFY(!withoutBus.registerOn(
        QDBusConnection::connectToBus(u"unix:path=/nonexistent/bus"_qs, u"no bus"_qs)));
    // The first copy still answers.
    QCOMPARE(call(gdbus(u"ListActions"_qs, {})).first, 0);
}

void TestDesktopActions::socketTakesOnlyShortKnownLines_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QString>("answer"); // empty: none, the client is dropped
    QTest::addColumn<int>("clients");
    QTest::newRow("unknown action")
        << QByteArray("quit\n") << u"There is no action \"quit\"."_qs << 1;
    QTest::newRow("a long line") << QByteArray(100000, 'x')
                                 << ApplicationService::noSuchAction(QByteArray(64, 'x') + "...")
                                 << 1;
    QTest::newRow("control characters")
        << QByteArray("menu\r\x1b[2J\n") << u"There is no action \"menu??[2J\"."_qs << 1;
    QTest::newRow("a client that says nothing") << QByteArray() << QString() << 1;
    QTest::newRow("twenty clients that say nothing") << QByteArray() << QString() << 20;
}

// What comes through the socket is anyone's: what the program does not know gets an answer
// or, from silent clients, is dropped; meanwhile larkspan-action opens the menu.
void TestDesktopActions::socketTakesOnlyShortKnownLines() {
    QFETCH(QByteArray, request);
    QFETCH(QString, answer);
    QFETCH(int, clients);
    std::vector<std::unique_ptr<QLocalSocket>> others;
    for (int n = 0; n < clients; ++n) {
        others.push_back(std::make_unique<QLocalSocket>());
        others.back()->connectToServer(m_folder->file(u"larkspan.socket"_qs));
        // The program accepts in the event loop, which runs here.
        QTRY_COMPARE(others.back()->state(), QLocalSocket::ConnectedState);
        others.back()->write(request);
    }
    QLocalSocket& client = *others.front();
    LauncherMenu* menu = m_windows->bar().launcherMenu();
    bool opened = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!opened && menu->isVisible()) {
            opened = true;
            menu->hide();
        }
    });
    poll.start(10);
    const auto [code, output] = call(triggerAction(u"menu"_qs));
    QVERIFY2(code == 0, qPrintable(output));
    QTRY_VERIFY_WITH_TIMEOUT(opened, 20000);
    for (const auto& other : others)
        QTRY_COMPARE_WITH_TIMEOUT(other->state(), QLocalSocket::UnconnectedState, 10000);
    QCOMPARE(QString::fromUtf8(client.readAll()), answer.isEmpty() ? answer : answer + u'\n');

    // larkspan-action reports a refusal.
    const auto [unknown, error] = call(triggerAction(QString::fromLatin1(request.left(200))));
    if (!answer.isEmpty()) {
        QCOMPARE(unknown, 1);
        QCOMPARE(error, u"larkspan-action: "_qs + answer + u'\n');
    }
}

// A second copy finds the socket served and leaves it; a socket left by a copy that ended
// without removing it is taken over by the next copy.
void TestDesktopActions::onlyTheFirstCopyHasTheSocket() {
    ActionSocket second(ProgramWindows::actions());
    QVERIFY(!second.listenAt(m_folder->file(u"larkspan.socket"_qs)));
    QCOMPARE(call(triggerAction(u"quit"_qs)).first, 1);

    const QString left = m_folder->file(u"left/larkspan.socket"_qs);
    QVERIFY(QDir().mkpath(m_folder->file(u"left"_qs)));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(left).constData(), sizeof address.sun_path);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    QVERIFY(QFile::exists(left));
    {
        ActionSocket next(ProgramWindows::actions());
        QVERIFY(next.listenAt(left));
        QLocalSocket client;
        client.connectToServer(left);
        QVERIFY(client.waitForConnected(5000));
        client.write("about\n");
        QByteArray answer;
        QTRY_VERIFY((answer += client.readAll()).endsWith('\n'));
        QCOMPARE(answer, QByteArray("ok\n"));
    }
    // Its end removes it: larkspan-action then starts a copy instead of failing.
    QVERIFY(!QFile::exists(left));
}

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    TestDesktopActions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktopactions.moc"
