#include "about/aboutwindow.h"
#include "app/errorbox.h"
#include "app/startup.h"
#include "bar/barwindow.h"
#include "bar/launchermenu.h"
#include "platform/applicationservice.h"
#include "settings/settingswindow.h"
#include "support/guitest.h"
#include "support/testfiles.h"
#include "widgets/dialogs.h"

#include <QDBusConnection>
#include <QScopeGuard>
#include <QSystemTrayIcon>

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
    void onlyTheFirstCopyHasTheName();

private:
    // Runs a bus client to its end while the program's event loop goes on.
    std::pair<int, QString> call(const QStringList& command);

    QProcess m_bus;
    QString m_address;
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
}

void TestDesktopActions::cleanup() {
    m_windows.reset();
    m_folder.reset();
}

std::pair<int, QString> TestDesktopActions::call(const QStringList& command) {
    QProcess p;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, m_address);
    p.setProcessEnvironment(environment);
    p.start(command.first(), command.mid(1));
    QDeadlineTimer deadline(20000);
    while (p.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(5);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
}

namespace {
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
    QTest::newRow("menu under the shown bar") << u"menu"_qs << false << Outcome::MenuUnderBar;
    QTest::newRow("menu at the pointer from the tray")
        << u"menu"_qs << true << Outcome::MenuAtPointer;
    QTest::newRow("settings") << u"settings"_qs << false << Outcome::Settings;
    QTest::newRow("about from the tray") << u"about"_qs << true << Outcome::About;
    QTest::newRow("Activate restores the bar") << QString() << true << Outcome::BarShown;
}

// Each reaches the running copy from outside, and what it opens takes the keyboard.
void TestDesktopActions::actions() {
    QFETCH(QString, action);
    QFETCH(bool, inTray);
    QFETCH(Outcome, outcome);
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
            QTRY_VERIFY(window->isActiveWindow());
            QCOMPARE(bar.isVisible(), !inTray);
        }
    });
    poll.start(10);
    const auto [code, output] = call(
        action.isEmpty() ? gdbus(u"Activate"_qs, {u"{}"_qs})
                         : QStringList{u"gapplication"_qs, u"action"_qs,
                                       QLatin1String(ApplicationService::kServiceName), action});
    QVERIFY2(code == 0, qPrintable(output));
    QVERIFY(QTest::qWaitFor([&] { return looked; }, 20000));
    if (outcome == Outcome::BarShown)
        QVERIFY(!bar.tray()->isVisible());
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

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    TestDesktopActions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktopactions.moc"
