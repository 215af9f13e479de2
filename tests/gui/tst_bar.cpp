// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorbox.h"
#include "app/startup.h"
#include "bar/barwindow.h"
#include "bar/picturebutton.h"
#include "core/error.h"
#include "core/programfiles.h"
#include "support/guitest.h"
#include "support/testfiles.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>
#include <csignal>
#include <limits>
#include <sys/stat.h>

class TestBar : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstRun();
    void storedPositions_data();
    void storedPositions();
    void unwritableFolderStillShowsTheBar();
    void windowManagerStates();
    void translucentWhileAnotherProgramIsActive_data();
    void translucentWhileAnotherProgramIsActive();
    void startsTranslucentBehindAnotherProgram();
    void releaseTest_data();
    void releaseTest();
    void dragMovesTheBar_data();
    void dragMovesTheBar();
    void minimizeAndRestore();
    void barIsNeverLostWithTheTrayHost();
    void trayExit_data();
    void trayExit();
    void closeFromTheWindowManager();
    void failedSaveStillQuits();
    void missingBarBitmap();
    void screenshot();

private:
    BarWindow& startBar();
    PictureButton* button(const char* name) const {
        return m_bar->findChild<PictureButton*>(QLatin1String(name));
    }
    QPoint screenOf(QWidget* w, QPoint at) const { return w->mapToGlobal(at); }

    // What the bar wrote, read back as another program would.
    ProfileFile storedConfig() const { return ProfileFile(m_folder->file(u"config.ini"_qs)); }

    std::unique_ptr<TestAppFolder> m_folder;
    std::unique_ptr<ProgramFiles> m_files;
    std::unique_ptr<BarWindow> m_bar;
    int m_screenWidth = 0;
};

void TestBar::init() {
    m_folder = std::make_unique<TestAppFolder>();
    Dialogs::resetForTesting();
    m_screenWidth = QGuiApplication::primaryScreen()->geometry().width();
}

void TestBar::cleanup() {
    m_bar.reset();
    m_files.reset();
    m_folder.reset();
}

BarWindow& TestBar::startBar() {
    m_files = std::make_unique<ProgramFiles>();
    m_bar = std::make_unique<BarWindow>(*m_files);
    try {
        m_bar->loadFiles();
    } catch (const LarkspanError& e) {
        showErrorBox(e.message());
    }
    m_bar->show();
    if (!QTest::qWaitForWindowExposed(m_bar.get()))
        qWarning("bar not exposed");
    return *m_bar;
}

void TestBar::firstRun() {
    BarWindow& bar = startBar();
    QCOMPARE(readBytes(m_folder->file(u"config.ini"_qs)),
             QByteArray("[menu]\r\nfile=$apppath$\\menu.ini\r\n"
                        "[skin]\r\nfile=$apppath$\\skins\\default\\\r\n"));
    QTRY_COMPARE(bar.frameGeometry(), QRect(m_screenWidth - 407, 1, 406, 30));
    QVERIFY(!bar.tray()->isVisible());
    QTRY_VERIFY(!bar.isTranslucent()); // once the window manager has activated it
    QCOMPARE(m_files->menuFileName(), m_folder->path() + u"\\menu.ini"_qs);
    QCOMPARE(m_bar->findChild<QLabel*>(u"lblCaption"_qs)->text(), u"LARKSPAN"_qs);

    QSignalSpy closed(&bar, &BarWindow::closed);
    bar.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(storedConfig().ReadInteger(u"WindowPos"_qs, u"Top"_qs, -1), 1);
    QCOMPARE(storedConfig().ReadInteger(u"WindowPos"_qs, u"Left"_qs, -1), m_screenWidth - 407);
}

namespace {

// Sees every event the program delivers while it lives.
class EventWatch : public QObject {
public:
    explicit EventWatch(std::function<void(QEvent*)> seen) : m_seen(std::move(seen)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        m_seen(event);
        return false;
    }

private:
    std::function<void(QEvent*)> m_seen;
};

// Stand-ins in the table for values that depend on the screen.
constexpr int kDefaultLeft = std::numeric_limits<int>::min();
constexpr int kBottom = std::numeric_limits<int>::min() + 1;
} // namespace

void TestBar::storedPositions_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QPoint>("shown");
    QTest::newRow("plain") << QByteArray("Top=40\r\nLeft=300") << QPoint(300, 40);
    QTest::newRow("hex top") << QByteArray("Top=$1F\r\nLeft=10") << QPoint(10, 31);
    QTest::newRow("letters give the defaults")
        << QByteArray("Top=abc\r\nLeft=") << QPoint(kDefaultLeft, 1);
    QTest::newRow("partly above the screen is brought in")
        << QByteArray("Top=-20\r\nLeft=10") << QPoint(10, 0);
    QTest::newRow("off every screen is brought back")
        << QByteArray("Top=5000\r\nLeft=-9000") << QPoint(0, kBottom);
}

void TestBar::storedPositions() {
    QFETCH(QByteArray, stored);
    QFETCH(QPoint, shown);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    if (shown.x() == kDefaultLeft)
        shown.setX(screen.width() - 407);
    if (shown.y() == kBottom)
        shown.setY(screen.height() - 30);
    const QByteArray config = "[menu]\r\nfile=$apppath$\\menu.ini\r\n"
                              "[skin]\r\nfile=$apppath$\\skins\\default\\\r\n"
                              "[WindowPos]\r\n" +
                              stored + "\r\n";
    writeBytes(m_folder->file(u"config.ini"_qs), config);
    BarWindow& bar = startBar();
    QVERIFY(Dialogs::boxesShown().isEmpty());
    QTRY_COMPARE(bar.frameGeometry().topLeft(), shown);
    // The stored text is not corrected until the bar closes.
    QCOMPARE(readBytes(m_folder->file(u"config.ini"_qs)), config);
    bar.close();
    QCOMPARE(QPoint(storedConfig().ReadInteger(u"WindowPos"_qs, u"Left"_qs, 0),
                    storedConfig().ReadInteger(u"WindowPos"_qs, u"Top"_qs, 0)),
             shown);
}

void TestBar::unwritableFolderStillShowsTheBar() {
    ::chmod(QFile::encodeName(m_folder->path()).constData(), 0555);
    BarWindow& bar = startBar();
    ::chmod(QFile::encodeName(m_folder->path()).constData(), 0755);
    const QList<Dialogs::Box> boxes = Dialogs::boxesShown();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, u"Larkspan"_qs);
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes[0].text, u"Unable to write to "_qs + m_folder->file(u"config.ini"_qs) + u'.');
    QVERIFY(bar.isVisible());
    // The later steps were skipped.
    QVERIFY(m_files->menu().fileName().isEmpty());
    QVERIFY(bar.skin().bar.isNull());
}

void TestBar::windowManagerStates() {
    BarWindow& bar = startBar();
    const auto states = [&] { return xprop(&bar, u"_NET_WM_STATE"_qs); };
    QTRY_VERIFY2(states().contains(u"_NET_WM_STATE_ABOVE"_qs), qPrintable(states()));
    QVERIFY2(states().contains(u"_NET_WM_STATE_SKIP_TASKBAR"_qs), qPrintable(states()));
    QVERIFY2(states().contains(u"_NET_WM_STATE_SKIP_PAGER"_qs), qPrintable(states()));
    QVERIFY(!xprop(&bar, u"_MOTIF_WM_HINTS"_qs).isEmpty()); // no frame
    const auto icon = [&] { return xprop(&bar, u"_NET_WM_ICON"_qs); };
    QTRY_VERIFY(icon().contains(u"Icon (16 x 16)"_qs) && icon().contains(u"Icon (128 x 128)"_qs));

    // The window manager drops the states on hiding; they come back with the bar.
    QTest::mousePress(button("ImgClose"), Qt::LeftButton);
    QTest::mouseRelease(button("ImgClose"), Qt::LeftButton);
    QTRY_VERIFY(!bar.isVisible());
    for (QAction* a : bar.trayMenu()->actions())
        if (a->objectName() == u"mnuRestore")
            a->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTRY_VERIFY2(states().contains(u"_NET_WM_STATE_SKIP_TASKBAR"_qs), qPrintable(states()));
    QVERIFY(states().contains(u"_NET_WM_STATE_ABOVE"_qs));
}

void TestBar::translucentWhileAnotherProgramIsActive_data() {
    QTest::addColumn<QString>("way"); // how the user activates the bar again
    QTest::newRow("window manager activation") << "activate";
    QTest::newRow("click on the background") << "background";
    QTest::newRow("click on the caption") << "caption";
}

void TestBar::translucentWhileAnotherProgramIsActive() {
    QFETCH(QString, way);
    BarWindow& bar = startBar();
    const QString barId = QString::number(bar.winId());
    QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, barId}));
    const auto opacity = [&] { return xprop(&bar, u"_NET_WM_WINDOW_OPACITY"_qs); };
    const QString opaque = u"not found"_qs;
    const QString translucent = u"= 3166485692"_qs; // 188 of 255 as the compositor reads it
    QTRY_VERIFY2(opacity().contains(opaque), qPrintable(opacity()));

    QProcess other;
    other.start(u"xmessage"_qs, {u"-name"_qs, u"other-program"_qs, u"another program"_qs});
    QVERIFY(other.waitForStarted());
    QString otherId;
    QTRY_VERIFY([&] {
        QProcess search;
        search.start(u"xdotool"_qs,
                     {u"search"_qs, u"--onlyvisible"_qs, u"--classname"_qs, u"other-program"_qs});
        search.waitForFinished();
        otherId = QString::fromUtf8(search.readAllStandardOutput()).trimmed().section(u'\n', 0, 0);
        return !otherId.isEmpty();
    }());
    QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, otherId}));
    QTRY_VERIFY2(opacity().contains(translucent), qPrintable(opacity()));

    if (way == u"activate") {
        QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, barId}));
    } else {
        const QWidget* target = way == u"caption" ? bar.findChild<QWidget*>(u"lblCaption"_qs)
                                                  : static_cast<QWidget*>(&bar);
        const QPoint at = target->mapToGlobal(way == u"caption" ? target->rect().center()
                                                                : QPoint(200, bar.height() / 2));
        QVERIFY(xdotool({u"mousemove"_qs, u"--sync"_qs, QString::number(at.x()),
                         QString::number(at.y()), u"click"_qs, u"1"_qs}));
    }
    QTRY_VERIFY2(opacity().contains(opaque), qPrintable(opacity()));
    // The click left no move behind that drags the bar after the pointer.
    const QPoint placed = bar.frameGeometry().topLeft();
    QVERIFY(xdotool(
        {u"mousemove"_qs, u"--sync"_qs, u"10"_qs, u"500"_qs, u"getwindowgeometry"_qs, barId}));
    QCOMPARE(bar.frameGeometry().topLeft(), placed);

    // It switches while the bar is hidden too.
    bar.hide();
    QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, otherId}));
    QTRY_VERIFY2(opacity().contains(translucent), qPrintable(opacity()));
    other.kill();
    other.waitForFinished();
}

// Started from a terminal or a menu, the bar comes up while another program is active.
void TestBar::startsTranslucentBehindAnotherProgram() {
    QProcess other;
    other.start(u"xmessage"_qs, {u"-name"_qs, u"active-program"_qs, u"another program"_qs});
    QVERIFY(other.waitForStarted());
    const auto otherWindow = [] {
        QProcess search;
        search.start(u"xdotool"_qs,
                     {u"search"_qs, u"--onlyvisible"_qs, u"--classname"_qs, u"active-program"_qs});
        search.waitForFinished();
        return QString::fromUtf8(search.readAllStandardOutput()).trimmed().section(u'\n', 0, 0);
    };
    QTRY_VERIFY(!otherWindow().isEmpty());
    QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, otherWindow()}));
    BarWindow& bar = startBar();
    QVERIFY(bar.isTranslucent());
    QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, QString::number(bar.winId())}));
    QTRY_VERIFY(!bar.isTranslucent());
    other.kill();
    other.waitForFinished();
}

void TestBar::releaseTest_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<bool>("triggers");
    QTest::newRow("inside") << QPoint(15, 15) << Qt::LeftButton << true;
    QTest::newRow("top-left corner") << QPoint(0, 0) << Qt::LeftButton << true;
    QTest::newRow("x = 30, y = 30 still counts") << QPoint(30, 30) << Qt::LeftButton << true;
    QTest::newRow("x = 31") << QPoint(31, 15) << Qt::LeftButton << false;
    QTest::newRow("y = 31") << QPoint(15, 31) << Qt::LeftButton << false;
    QTest::newRow("left of it") << QPoint(-1, 15) << Qt::LeftButton << false;
    QTest::newRow("above it") << QPoint(15, -1) << Qt::LeftButton << false;
    QTest::newRow("right button") << QPoint(15, 15) << Qt::RightButton << false;
    QTest::newRow("middle button") << QPoint(15, 15) << Qt::MiddleButton << false;
}

void TestBar::releaseTest() {
    QFETCH(QPoint, at);
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(bool, triggers);
    BarWindow& bar = startBar();
    PictureButton* minimize = button("ImgClose");
    QTest::mousePress(minimize, mouseButton, {}, QPoint(15, 15));
    QVERIFY(bar.isVisible()); // pressing alone does nothing
    QTest::mouseRelease(minimize, mouseButton, {}, at);
    QCOMPARE(bar.isVisible(), !triggers);
    QCOMPARE(bar.tray()->isVisible(), triggers);
}

void TestBar::dragMovesTheBar_data() {
    QTest::addColumn<QString>("startOn");
    QTest::newRow("background") << "background";
    QTest::newRow("caption") << "caption";
}

void TestBar::dragMovesTheBar() {
    QFETCH(QString, startOn);
    BarWindow& bar = startBar();
    QTRY_COMPARE(bar.frameGeometry().topLeft(), QPoint(m_screenWidth - 407, 1));
    const QPoint before = bar.frameGeometry().topLeft();
    auto* caption = m_bar->findChild<QLabel*>(u"lblCaption"_qs);
    const QPoint grip = startOn == u"caption" ? caption->mapToGlobal(QPoint(10, 8))
                                              : bar.mapToGlobal(QPoint(200, 15));
    const auto at = [](QPoint p) {
        return QStringList{QString::number(p.x()), QString::number(p.y())};
    };

    // A right click neither drags nor opens a menu, once the program has had it.
    QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs} + at(grip)));
    int rightReleases = 0;
    EventWatch watch([&](QEvent* event) {
        rightReleases += event->type() == QEvent::MouseButtonRelease &&
                         static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    });
    QVERIFY(xdotool({u"click"_qs, u"3"_qs}));
    QTRY_VERIFY(rightReleases > 0);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(bar.frameGeometry().topLeft(), before);

    const auto drag = [&](QPoint from, const QList<QPoint>& path) {
        QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs} + at(from)));
        QVERIFY(xdotool({u"mousedown"_qs, u"1"_qs}));
        QTRY_VERIFY(QGuiApplication::mouseButtons() & Qt::LeftButton);
        const QPoint grasp = from - bar.frameGeometry().topLeft();
        for (QPoint to : path) {
            QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs} + at(to)));
            // Once past the drag distance the bar follows; the rest goes with the pointer.
            if (to == path.first() && path.size() > 1)
                QTRY_COMPARE(bar.frameGeometry().topLeft(), to - grasp);
        }
        QVERIFY(xdotool({u"mouseup"_qs, u"1"_qs}));
    };
    const auto stored = [&] {
        return QPoint(storedConfig().ReadInteger(u"WindowPos"_qs, u"Left"_qs, -1),
                      storedConfig().ReadInteger(u"WindowPos"_qs, u"Top"_qs, -1));
    };

    // A press that stays within the drag distance is a click: the window manager gets no move.
    const int jitter = QApplication::startDragDistance() - 1;
    drag(grip, {grip + QPoint(jitter, 0)});
    QTRY_VERIFY(!(QGuiApplication::mouseButtons() & Qt::LeftButton));
    QVERIFY(xdotool({u"mousemove"_qs, u"--sync"_qs, u"10"_qs, u"500"_qs}));
    QCOMPARE(bar.frameGeometry().topLeft(), before);

    QList<QPoint> path;
    for (int step = 1; step <= 10; ++step)
        path.append(grip + QPoint(-30 * step, 20 * step));
    drag(grip, path);
    // The motion made while the window manager takes the pointer over may be lost.
    const auto offTarget = [&] {
        return (bar.frameGeometry().topLeft() - before - QPoint(-300, 200)).manhattanLength();
    };
    QTRY_VERIFY2(offTarget() <= 50, qPrintable(QString::number(offTarget())));
    QTRY_COMPARE(stored(), bar.frameGeometry().topLeft()); // at the drag's end, not on close
}

void TestBar::minimizeAndRestore() {
    BarWindow& bar = startBar();
    QTest::mousePress(button("ImgClose"), Qt::LeftButton);
    QTest::mouseRelease(button("ImgClose"), Qt::LeftButton);
    QVERIFY(!bar.isVisible());
    QVERIFY(bar.tray()->isVisible());
    QCOMPARE(bar.tray()->toolTip(), u"Larkspan"_qs);
    // A real click on the icon, once the tray host (along the bottom edge) has embedded it.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QTRY_VERIFY(bar.tray()->geometry().top() >= screen.bottom() - 30);
    const QPoint icon = bar.tray()->geometry().center();
    QVERIFY(xdotool(
        {u"mousemove"_qs, u"--sync"_qs, QString::number(icon.x()), QString::number(icon.y())}));
    QVERIFY(xdotool({u"click"_qs, u"--repeat"_qs, u"2"_qs, u"--delay"_qs, u"80"_qs, u"1"_qs}));
    QTRY_VERIFY(bar.isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QVERIFY(!bar.tray()->isVisible());
    QTRY_COMPARE(bar.frameGeometry().topLeft(), QPoint(m_screenWidth - 407, 1));

    const QList<QAction*> actions = bar.trayMenu()->actions();
    QCOMPARE(actions.size(), 4);
    QCOMPARE(actions[0]->text(), u"&Restore"_qs);
    QCOMPARE(bar.trayMenu()->defaultAction(), actions[0]);
    QVERIFY(actions[1]->isSeparator());
    QCOMPARE(actions[2]->text(), u"&About"_qs);
    QCOMPARE(actions[3]->text(), u"&Exit"_qs);
}

namespace {

// The tray host serving this test's display; others may run beside it.
qint64 trayHostOfThisDisplay() {
    QProcess pgrep;
    pgrep.start(u"pgrep"_qs, {u"-x"_qs, u"trayer"_qs});
    pgrep.waitForFinished();
    const QByteArray display = "DISPLAY=" + qgetenv("DISPLAY");
    for (const QByteArray& pid : pgrep.readAllStandardOutput().split('\n')) {
        QFile environment(u"/proc/"_qs + QString::fromLatin1(pid) + u"/environ"_qs);
        if (!pid.isEmpty() && environment.open(QIODevice::ReadOnly) &&
            environment.readAll().split('\0').contains(display))
            return pid.toLongLong();
    }
    return 0;
}

// The windows above `window` up to the root, read with xwininfo.
QList<quint64> ancestorsOf(quint64 window) {
    QList<quint64> chain;
    static const QRegularExpression parent(u"Parent window id: (0x[0-9a-f]+)( \\(the root)?"_qs);
    for (int depth = 0; depth < 20; ++depth) {
        QProcess xwininfo;
        xwininfo.start(u"xwininfo"_qs, {u"-children"_qs, u"-id"_qs, QString::number(window)});
        xwininfo.waitForFinished();
        const auto match = parent.match(QString::fromUtf8(xwininfo.readAllStandardOutput()));
        if (!match.hasMatch() || !match.captured(2).isEmpty())
            break;
        window = match.captured(1).toULongLong(nullptr, 16);
        chain.append(window);
    }
    return chain;
}

QList<quint64> windowsOfProcess(qint64 pid) {
    QProcess xdotool;
    xdotool.start(u"xdotool"_qs, {u"search"_qs, u"--pid"_qs, QString::number(pid)});
    xdotool.waitForFinished();
    QList<quint64> windows;
    for (const QByteArray& id : xdotool.readAllStandardOutput().split('\n'))
        if (!id.isEmpty())
            windows.append(id.toULongLong());
    return windows;
}

// Whether the program's tray icon sits inside a window of the tray host `pid`.
bool embeddedBy(qint64 pid) {
    const QList<quint64> host = windowsOfProcess(pid);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->inherits("QSystemTrayIconSys") ||
            !widget->testAttribute(Qt::WA_WState_Created))
            continue;
        for (const quint64 ancestor : ancestorsOf(widget->winId()))
            if (host.contains(ancestor))
                return true;
    }
    return false;
}

} // namespace

// A panel restarts now and then, and some desktops have none: the bar is never lost with it,
// and its icon comes back to the new one.
void TestBar::barIsNeverLostWithTheTrayHost() {
    BarWindow& bar = startBar();
    const auto minimize = [&] {
        QTest::mousePress(button("ImgClose"), Qt::LeftButton);
        QTest::mouseRelease(button("ImgClose"), Qt::LeftButton);
    };
    minimize();
    const qint64 oldHost = trayHostOfThisDisplay();
    QVERIFY(oldHost != 0);
    QTRY_VERIFY(embeddedBy(oldHost));

    QCOMPARE(::kill(pid_t(oldHost), SIGTERM), 0);
    QTRY_VERIFY(bar.isVisible());
    QVERIFY(!bar.tray()->isVisible());
    QTRY_COMPARE(trayHostOfThisDisplay(), 0);
    minimize();
    QVERIFY(bar.isVisible());
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    QCOMPARE(Dialogs::boxesShown()[0].title, u"Information"_qs);
    QCOMPARE(Dialogs::boxesShown()[0].text,
             u"There is no notification area to hide the bar into."_qs);

    QProcess trayer;
    trayer.setProgram(u"trayer"_qs);
    trayer.setArguments({u"--edge"_qs, u"bottom"_qs, u"--align"_qs, u"left"_qs, u"--widthtype"_qs,
                         u"pixel"_qs, u"--width"_qs, u"120"_qs, u"--heighttype"_qs, u"pixel"_qs,
                         u"--height"_qs, u"24"_qs, u"--SetDockType"_qs, u"true"_qs,
                         u"--transparent"_qs, u"false"_qs});
    // It outlives the test, as the old one would have: the display's end stops it.
    trayer.setStandardOutputFile(QProcess::nullDevice());
    trayer.setStandardErrorFile(QProcess::nullDevice());
    qint64 newHost = 0;
    QVERIFY(trayer.startDetached(&newHost));
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 15000);
    minimize();
    QVERIFY(!bar.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(embeddedBy(newHost), 15000);

    // The new host is at the bottom left: a real click there restores the bar.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QTRY_VERIFY(bar.tray()->geometry().left() < 120 &&
                bar.tray()->geometry().top() >= screen.bottom() - 30);
    const QPoint icon = bar.tray()->geometry().center();
    QVERIFY(xdotool(
        {u"mousemove"_qs, u"--sync"_qs, QString::number(icon.x()), QString::number(icon.y())}));
    QVERIFY(xdotool({u"click"_qs, u"--repeat"_qs, u"2"_qs, u"--delay"_qs, u"80"_qs, u"1"_qs}));
    QTRY_VERIFY(bar.isVisible());
    QCOMPARE(Dialogs::boxesShown().size(), 1);
}

void TestBar::trayExit_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("Yes ends") << QMessageBox::Yes;
    QTest::newRow("No keeps the bar hidden") << QMessageBox::No;
}

void TestBar::trayExit() {
    QFETCH(QMessageBox::StandardButton, answer);
    BarWindow& bar = startBar();
    bar.move(100, 50);
    QTRY_COMPARE(bar.frameGeometry().topLeft(), QPoint(100, 50));
    QTest::mousePress(button("ImgClose"), Qt::LeftButton);
    QTest::mouseRelease(button("ImgClose"), Qt::LeftButton);
    QSignalSpy closed(&bar, &BarWindow::closed);
    Dialogs::answerNextBox(answer);
    bar.trayMenu()->actions().last()->trigger();

    const QList<Dialogs::Box> boxes = Dialogs::boxesShown();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].title, u"Confirm"_qs);
    QCOMPARE(boxes[0].text, u"Close Larkspan?"_qs);
    QCOMPARE(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(boxes[0].defaultButton, QMessageBox::Yes);
    if (answer == QMessageBox::Yes) {
        QCOMPARE(closed.count(), 1);
        QCOMPARE(storedConfig().ReadInteger(u"WindowPos"_qs, u"Top"_qs, -1), 50);
        QCOMPARE(storedConfig().ReadInteger(u"WindowPos"_qs, u"Left"_qs, -1), 100);
    } else {
        QCOMPARE(closed.count(), 0);
        QVERIFY(!bar.isVisible());
        QVERIFY(bar.tray()->isVisible());
        QCOMPARE(storedConfig().ReadInteger(u"WindowPos"_qs, u"Top"_qs, -1), -1);
    }
}

void TestBar::closeFromTheWindowManager() {
    BarWindow& bar = startBar();
    QSignalSpy closed(&bar, &BarWindow::closed);
    QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, QString::number(bar.winId())}));
    QVERIFY(xdotool({u"key"_qs, u"alt+F4"_qs}));
    QTRY_COMPARE(closed.count(), 1);
    QVERIFY(Dialogs::boxesShown().isEmpty());
    QCOMPARE(storedConfig().ReadInteger(u"WindowPos"_qs, u"Top"_qs, -1), 1);
}

void TestBar::failedSaveStillQuits() {
    BarWindow& bar = startBar();
    const QString config = m_folder->file(u"config.ini"_qs);
    const QByteArray before = readBytes(config);
    QFile::setPermissions(config, QFile::ReadOwner);
    QSignalSpy closed(&bar, &BarWindow::closed);
    bar.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    QCOMPARE(Dialogs::boxesShown()[0].text, u"Unable to write to "_qs + config + u'.');
    QCOMPARE(readBytes(config), before);
}

void TestBar::missingBarBitmap() {
    const QString barBmp = m_folder->file(u"skins/default/bar.bmp"_qs);
    QVERIFY(QFile::remove(barBmp));
    BarWindow& bar = startBar();
    const QList<Dialogs::Box> boxes = Dialogs::boxesShown();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].text.startsWith(u"Cannot open file \""_qs), qPrintable(boxes[0].text));
    QVERIFY2(boxes[0].text.contains(u"skins"_qs) && boxes[0].text.contains(u"bar.bmp\""_qs),
             qPrintable(boxes[0].text));
    QVERIFY(bar.skin().bar.isNull());
    QCOMPARE(button("ImgMenu")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(u":/builtin/start.png"_qs).convertToFormat(QImage::Format_RGB32));
    const QImage shot = bar.grab().toImage();
    QCOMPARE(shot.pixelColor(200 * shot.devicePixelRatio(), 2), QColor(226, 198, 255));
    saveArtifact(shot, u"bar-without-skin.png"_qs);
}

void TestBar::screenshot() {
    BarWindow& bar = startBar();
    QVERIFY(Dialogs::boxesShown().isEmpty());
    const QImage shot = bar.grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    QCOMPARE(shot.size(), QSize(qRound(406 * dpr), qRound(30 * dpr)));
    // The background is tile 4 repeated from x = 0.
    const QImage tile = GetBarTile(bar.skin().bar, 4);
    for (int x : {100, 200, 270, 300})
        QCOMPARE(shot.pixelColor(int(x * dpr), int(2 * dpr)), tile.pixelColor(x % 30, 2));
    saveArtifact(shot, dpr > 1 ? u"bar-2x.png"_qs : u"bar-1x.png"_qs);
}

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    TestBar test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bar.moc"
