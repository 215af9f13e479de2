// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorbox.h"
#include "bar/barwindow.h"
#include "bar/launchermenu.h"
#include "bar/picturebutton.h"
#include "core/error.h"
#include "core/launchhistory.h"
#include "core/programfiles.h"
#include "core/safefile.h"
#include "skin/skincolor.h"
#include "support/guitest.h"
#include "support/testfiles.h"
#include "widgets/dialogs.h"

#include <QAccessible>
#include <QLabel>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <xcb/xcb.h>

namespace {

// The window manager's active window, as another X client reads it.
WId activeWindowId() {
    QProcess xprop;
    xprop.start(u"xprop"_qs, {u"-root"_qs, u"-notype"_qs, u"_NET_ACTIVE_WINDOW"_qs});
    if (!xprop.waitForFinished(5000))
        return 0;
    return QString::fromUtf8(xprop.readAllStandardOutput())
        .section(u'#', 1)
        .trimmed()
        .toULongLong(nullptr, 0);
}

} // namespace

class TestLauncherMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void menuRows_data();
    void menuRows();
    void noMenuFileObject();
    void opensBelowTheBar();
    void startReleaseTest_data();
    void startReleaseTest();
    void keyboard();
    void spaceIsATypedCharacter_data();
    void spaceIsATypedCharacter();
    void pointerHighlightLeavesWithThePointer();
    void secondOpeningRefused();
    void filterChooses();
    void filterLineShowsItsEnd();
    void filterLineStaysInView();
    void filterPastes_data();
    void filterPastes();
    void historyFaults_data();
    void historyFaults();
    void hoverDrawing();
    void launches_data();
    void launches();
    void failureShownBesideTheBar();
    void emptyRowIsChoosable();
    void entry1026AsksToClose();
    void exitAsks();
    void changesShowAtTheNextOpening();
    void mappedWhereItStays();
    void secondPressOnStartAboveTheBar();
    void tallMenuScrolls();
    void accessibleRows();
    void firstFrameOnScreen();

private:
    void startBar();
    // Opens the menu by a release on Start, runs `act` once it shows and returns after the
    // menu closed and the chosen item's handler ran. `act` may leave the menu open.
    bool withOpenMenu(const std::function<void(LauncherMenu&)>& act);
    QString writeScript(const QString& name);
    QString marker() const { return m_folder->file(u"marker"_qs); }

    std::unique_ptr<TestAppFolder> m_folder;
    std::unique_ptr<ProgramFiles> m_files;
    std::unique_ptr<BarWindow> m_bar;
    MenuEntry m_chosen; // the entry of the last item chosen
};

void TestLauncherMenu::init() {
    m_folder = std::make_unique<TestAppFolder>();
    Dialogs::resetForTesting();
}

void TestLauncherMenu::cleanup() {
    m_bar.reset();
    m_files.reset();
    m_folder.reset();
}

void TestLauncherMenu::startBar() {
    m_files = std::make_unique<ProgramFiles>();
    m_bar = std::make_unique<BarWindow>(*m_files);
    connect(m_bar.get(), &BarWindow::menuItemChosen, this,
            [this](int, const MenuEntry& entry) { m_chosen = entry; });
    m_bar->loadFiles();
    m_bar->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_bar.get()));
}

bool TestLauncherMenu::withOpenMenu(const std::function<void(LauncherMenu&)>& act) {
    return ::withOpenMenu(m_bar->launcherMenu(), m_bar->findChild<PictureButton*>(u"ImgMenu"_qs),
                          act);
}

QString TestLauncherMenu::writeScript(const QString& name) {
    const QString path = m_folder->file(name);
    writeBytes(path, "#!/bin/sh\nprintf '%s|' \"$0\" \"$@\" > \"" + marker().toUtf8() + "\"\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void TestLauncherMenu::menuRows_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("no menu file") << QByteArray() << QStringList{u"&Exit"_qs};
    QTest::newRow("items=0") << QByteArray("[menu]\r\nitems=0\r\n") << QStringList{u"&Exit"_qs};
    QTest::newRow("no menu section")
        << QByteArray("[item1]\r\ncaption=A\r\n") << QStringList{u"&Exit"_qs};
    QTest::newRow("only separators")
        << menuFile({{"-", ""}, {"-", ""}}) << QStringList{u"&Exit"_qs};
    QTest::newRow("separators reduced")
        << menuFile({{"-", ""}, {"A", "a"}, {"-", ""}, {"-", ""}, {"B", "b"}, {"-", ""}})
        << QStringList{u"&A"_qs, u"----"_qs, u"&B"_qs, u"----"_qs, u"&Exit"_qs};
    QTest::newRow("access keys")
        << menuFile({{"Notepad", ""}, {"Network", ""}, {"&Mail", ""}, {"&Mail", ""}})
        << QStringList{u"&Notepad"_qs, u"N&etwork"_qs, u"&Mail"_qs,
                       u"M&ail"_qs,    u"----"_qs,     u"E&xit"_qs};
    QTest::newRow("missing section gives an empty row")
        << QByteArray("[menu]\r\nitems=3\r\n[item1]\r\ncaption=One\r\n[item3]\r\ncaption=Three\r\n")
        << QStringList{u"&One"_qs, u""_qs, u"&Three"_qs, u"----"_qs, u"&Exit"_qs};
}

void TestLauncherMenu::menuRows() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, rows);
    if (!file.isEmpty())
        writeBytes(m_folder->file(u"menu.ini"_qs), file);
    startBar();
    QStringList seen;
    int rowsWithHeight = 0;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        seen = shownRows(menu);
        for (int row : shownItems(menu))
            rowsWithHeight += menu.rowGeometry(row).height() > 0;
    }));
    QCOMPARE(seen, rows);
    QCOMPARE(rowsWithHeight, rows.size());
}

void TestLauncherMenu::noMenuFileObject() {
    startBar();
    m_files->useMenuFile({}); // as after a failed first start
    QStringList seen;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) { seen = shownRows(menu); }));
    QCOMPARE(seen, QStringList{u"&Exit"_qs});
}

void TestLauncherMenu::opensBelowTheBar() {
    startBar();
    QPoint at;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) { at = menu.pos(); }));
    const QPoint corner = m_bar->mapToGlobal(QPoint(0, 30));
    const QRect screen = m_bar->screen()->geometry();
    // Left-aligned under the bar, unless the screen's right edge pushes it back.
    QVERIFY2(
        at.y() == corner.y() && (at.x() == corner.x() || at.x() < corner.x()),
        qPrintable(u"%1,%2 vs %3,%4"_qs.arg(at.x()).arg(at.y()).arg(corner.x()).arg(corner.y())));
    m_bar->move(100, 100);
    QTRY_COMPARE(m_bar->frameGeometry().topLeft(), QPoint(100, 100));
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) { at = menu.pos(); }));
    QCOMPARE(at, QPoint(100, 130));
    Q_UNUSED(screen);
}

void TestLauncherMenu::startReleaseTest_data() {
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("opens");
    QTest::newRow("x = 30") << QPoint(30, 5) << Qt::LeftButton << true;
    QTest::newRow("y = 30") << QPoint(5, 30) << Qt::LeftButton << true;
    QTest::newRow("released elsewhere") << QPoint(80, 5) << Qt::LeftButton << false;
    QTest::newRow("right button") << QPoint(5, 5) << Qt::RightButton << false;
}

void TestLauncherMenu::startReleaseTest() {
    QFETCH(QPoint, release);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, opens);
    startBar();
    LauncherMenu* menu = m_bar->launcherMenu();
    bool shown = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, menu, [&] {
        if (menu->isVisible()) {
            shown = true;
            menu->hide();
        }
    });
    poll.start(5);
    auto* start = m_bar->findChild<PictureButton*>(u"ImgMenu"_qs);
    QTest::mousePress(start, button, {}, QPoint(5, 5));
    QTest::mouseRelease(start, button, {}, release);
    QCOMPARE(shown, opens);
}

void TestLauncherMenu::keyboard() {
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"-", ""}, {"Alpha", ""}, {"-", ""}, {"Beta", ""}}));
    startBar();
    QStringList path;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        const auto active = [&] { return menu.rows()[menu.activeRow()].caption; };
        QTest::keyClick(&menu, Qt::Key_Down);
        path << active();
        QTest::keyClick(&menu, Qt::Key_Down); // skips the separator
        path << active();
        QTest::keyClick(&menu, Qt::Key_Down);
        path << active();
        QTest::keyClick(&menu, Qt::Key_Up);
        path << active();
        QTest::keyClick(&menu, Qt::Key_Escape);
        QVERIFY(!menu.isVisible());
    }));
    QCOMPARE(path, (QStringList{u"&Alpha"_qs, u"&Beta"_qs, u"&Exit"_qs, u"&Beta"_qs}));
    QVERIFY(Dialogs::boxesShown().isEmpty()); // Esc chose nothing
}

void TestLauncherMenu::spaceIsATypedCharacter_data() {
    QTest::addColumn<QByteArray>("second"); // the caption of the entry after "Alpha"
    QTest::addColumn<bool>("chooses");      // that entry
    QTest::newRow("no caption starts with a space") << QByteArray("Beta") << false;
    QTest::newRow("a caption without access key starts with one") << QByteArray("\" +\"") << true;
}

// Space is no Enter: like any typed character it goes to the entry it is the key of, and
// the highlighted entry stays unchosen.
void TestLauncherMenu::spaceIsATypedCharacter() {
    QFETCH(QByteArray, second);
    QFETCH(bool, chooses);
    const QString script = writeScript(u"second.sh"_qs);
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"Alpha", "/nonexistent/alpha"}, {second, script.toUtf8()}}));
    startBar();
    bool stayedOpen = false;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTest::keyClick(&menu, Qt::Key_Down);
        QCOMPARE(menu.rows()[menu.activeRow()].caption, u"&Alpha"_qs);
        QTest::keyClick(&menu, ' ');
        stayedOpen = menu.isVisible();
    }));
    QCOMPARE(stayedOpen, !chooses);
    QCOMPARE(m_chosen.caption, chooses ? QString::fromUtf8(second).remove(u'"') : QString());
    if (chooses)
        QTRY_COMPARE(QString::fromUtf8(readBytes(marker())), script + u'|');
    QVERIFY(Dialogs::boxesShown().isEmpty());
}

// The highlight the pointer made leaves the menu with it, and Enter then chooses nothing; one
// made with the keys stays wherever the pointer goes.
void TestLauncherMenu::pointerHighlightLeavesWithThePointer() {
    const QString script = writeScript(u"alpha.sh"_qs);
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"Alpha", script.toUtf8()}, {"Beta", "/nonexistent/beta"}}));
    startBar();
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        const int alpha = shownItems(menu)[0];
        // The X server hands input over in the order it came: what one xdotool call does is
        // handled in turn.
        const auto moveTo = [&](QPoint at) {
            const QPoint p = menu.mapToGlobal(at);
            return QStringList{u"mousemove"_qs, QString::number(p.x()), QString::number(p.y())};
        };
        QVERIFY(xdotool(moveTo(menu.rowGeometry(alpha).center())));
        QTRY_COMPARE(menu.activeRow(), alpha);
        QVERIFY(xdotool(moveTo(QPoint(menu.width() / 2, menu.height() + 40)))); // below it
        QTRY_COMPARE(menu.activeRow(), -1);
        QVERIFY(xdotool({u"key"_qs, u"Return"_qs, u"Down"_qs}));
        QTRY_COMPARE(menu.activeRow(), alpha);
        QVERIFY(menu.isVisible());
        QVERIFY(Dialogs::boxesShown().isEmpty());
        QVERIFY(!QFile::exists(marker()));
        QVERIFY(xdotool(moveTo(QPoint(menu.width() / 2, menu.height() + 80)) +
                        QStringList{u"key"_qs, u"Return"_qs}));
        QTRY_VERIFY(!menu.isVisible());
    }));
    QCOMPARE(m_chosen.caption, u"Alpha"_qs);
    QTRY_COMPARE(QString::fromUtf8(readBytes(marker())), script + u'|');
}

// An opening while the menu is open is refused and leaves it as it was: a second one would
// take the place of the first, which then waited until the program ended and returned its
// choice a second time.
void TestLauncherMenu::secondOpeningRefused() {
    const QString script = writeScript(u"alpha.sh"_qs);
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"Alpha", script.toUtf8()}, {"Beta", "/nonexistent/beta"}}));
    startBar();
    int second = 0;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTest::keyClick(&menu, Qt::Key_Down);
        const int alpha = menu.activeRow();
        // Were a second loop entered, nothing could end the first: stop the run at once
        // rather than at the test's time limit.
        const int level = QThread::currentThread()->loopLevel();
        QTimer::singleShot(0, &menu, [level] {
            if (QThread::currentThread()->loopLevel() > level)
                qFatal("the menu opened a second time inside its first opening");
        });
        second = menu.exec(menu.geometry());
        QVERIFY(menu.isVisible());
        QCOMPARE(menu.activeRow(), alpha);
        QTest::keyClick(&menu, Qt::Key_Return);
    }));
    QCOMPARE(second, -1);
    QCOMPARE(m_chosen.caption, u"Alpha"_qs);
    QTRY_COMPARE(QString::fromUtf8(readBytes(marker())), script + u'|');
}

// "/" and a word: the best match comes first and Enter opens that entry, not the row's
// place in the file; Esc leaves the filter, a second Esc the menu.
void TestLauncherMenu::filterChooses() {
    const QString script = writeScript(u"notes.sh"_qs);
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile({{"Alpha", "/nonexistent/alpha"},
                                                         {"Another note", "/nonexistent/another"},
                                                         {"-", ""},
                                                         {"Notes", script.toUtf8()}}));
    startBar();
    QStringList seen;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTest::keyClicks(&menu, u"/zz"_qs);
        seen << shownRows(menu).join(u',');
        QTest::keyClick(&menu, Qt::Key_Escape);
        QVERIFY(menu.isVisible() && !menu.isFiltering());
        QTest::keyClick(&menu, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(&menu, u"note"_qs);
        seen << shownRows(menu).join(u',') << menu.rows()[menu.activeRow()].caption;
        QTest::keyClick(&menu, Qt::Key_Return);
    }));
    QCOMPARE(seen, (QStringList{u",No match"_qs, u",N&otes,A&nother note"_qs, u"N&otes"_qs}));
    QCOMPARE(m_chosen.caption, u"Notes"_qs);
    QTRY_COMPARE(QString::fromUtf8(readBytes(marker())), script + u'|');
}

void TestLauncherMenu::historyFaults_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("recorded"); // the choice is in the file afterwards
    QTest::newRow("missing") << u"missing"_qs << true;
    QTest::newRow("corrupt") << u"corrupt"_qs << true;
    QTest::newRow("huge: replaced unread") << u"huge"_qs << true;
    QTest::newRow("read-only file") << u"read-only file"_qs << false;
    QTest::newRow("read-only folder") << u"read-only folder"_qs << false;
    QTest::newRow("a folder in its place") << u"folder"_qs << false;
    QTest::newRow("disk full while writing") << u"disk full"_qs << false;
}

// Whatever befalls the history file, the filter works, the entry starts, no box shows, and
// the file holds the old bytes or the new ones; the next opening ranks by what it holds.
void TestLauncherMenu::historyFaults() {
    QFETCH(QString, fault);
    QFETCH(bool, recorded);
    // The marker lies apart from the application folder, which may turn read-only.
    QTemporaryDir markers;
    const QString marker = markers.filePath(u"marker"_qs);
    const QString script = m_folder->file(u"notes.sh"_qs);
    writeBytes(script, "#!/bin/sh\necho started > '" + marker.toUtf8() + "'\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"Notes old", "/nonexistent/old"}, {"Notes", script.toUtf8()}}));
    startBar(); // writes config.ini before the folder may turn read-only

    const QString history = m_folder->file(u"launch-history.tsv"_qs);
    const QByteArray held = "3\t1700000000\tNotes old\t/nonexistent/old\n";
    if (fault == u"corrupt") {
        writeBytes(history, QByteArray("\0\xff\n", 3) + "1e999\t5\tNotes\t" + script.toUtf8() +
                                "\n\\q\t1\tNotes\t\n");
    } else if (fault == u"huge") {
        QFile file(history);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxHistoryFileSize + 1));
    } else if (fault == u"folder") {
        QVERIFY(QDir().mkdir(history));
    } else if (fault != u"missing") {
        writeBytes(history, held);
    }
    const QString folder = m_folder->path();
    if (fault == u"read-only file")
        QFile::setPermissions(history, QFile::ReadOwner);
    if (fault == u"read-only folder")
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (fault == u"disk full")
        SafeFile::setWriteFaultForTesting([] { return ENOSPC; });
    const auto restore = qScopeGuard([&] {
        SafeFile::setWriteFaultForTesting({});
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (!recorded)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Unable to write to "_qs));

    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTest::keyClicks(&menu, u"/notes.sh"_qs); // found in the target only
        QTest::keyClick(&menu, Qt::Key_Return);
    }));
    QCOMPARE(m_chosen.caption, u"Notes"_qs);
    QTRY_COMPARE(readBytes(marker), QByteArray("started\n"));
    QVERIFY(Dialogs::boxesShown().isEmpty());
    if (fault == u"folder")
        QVERIFY(QFileInfo(history).isDir());
    else if (!recorded)
        QCOMPARE(readBytes(history), held);
    else
        QVERIFY(readBytes(history).contains("\tNotes\t" + script.toUtf8() + '\n'));

    QString first;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTest::keyClicks(&menu, u"/notes"_qs);
        first = withoutAccessMarks(menu.rows()[menu.activeRow()].caption);
        QTest::keyClick(&menu, Qt::Key_Escape);
        QTest::keyClick(&menu, Qt::Key_Escape);
    }));
    QCOMPARE(first, recorded ? u"Notes"_qs : u"Notes old"_qs);
}

// Text longer than the filter line shows its end, where the caret is: the character last
// typed is drawn.
void TestLauncherMenu::filterLineShowsItsEnd() {
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile({{"Alpha", ""}, {"Beta", ""}}));
    startBar();
    QImage lines[2];
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTest::keyClicks(&menu, u"/"_qs + QString(80, u'm'));
        QVERIFY(menu.isFiltering());
        for (QImage& line : lines) {
            QTest::keyClicks(&menu, &line == lines ? u"i"_qs : u"W"_qs);
            line = menu.grab(menu.rowGeometry(0)).toImage();
            QTest::keyClick(&menu, Qt::Key_Backspace);
        }
    }));
    saveArtifact(lines[1], u"menu-filter-long.png"_qs);
    QVERIFY(lines[0] != lines[1]);
}

// In a menu taller than the screen the filter line stays at the top while the rows below it
// scroll, where End and Home take them.
void TestLauncherMenu::filterLineStaysInView() {
    QList<std::pair<QByteArray, QByteArray>> entries;
    for (int i = 1; i <= 300; ++i)
        entries.append({"Entry " + QByteArray::number(i), ""});
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile(entries));
    startBar();
    QImage top[3];
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTest::keyClicks(&menu, u"/entr"_qs);
        const int last = int(menu.rows().size()) - 1;
        QVERIFY(menu.rowGeometry(last).bottom() > menu.height()); // it scrolls
        const QRect line = menu.rowGeometry(0);
        top[0] = menu.grab(line).toImage();
        QTest::keyClick(&menu, Qt::Key_End);
        QVERIFY(menu.rowGeometry(menu.activeRow()).bottom() < menu.height());
        top[1] = menu.grab(line).toImage();
        QTest::keyClick(&menu, Qt::Key_Home);
        top[2] = menu.grab(line).toImage();
    }));
    for (const QImage& shot : top)
        QCOMPARE(shot, top[0]);
}

void TestLauncherMenu::filterPastes_data() {
    QTest::addColumn<QString>("keys"); // none: a middle click on the filter line
    QTest::addColumn<QString>("rows");
    QTest::newRow("Ctrl+V") << u"ctrl+v"_qs << u",&Gamma"_qs;
    QTest::newRow("Shift+Insert") << u"shift+Insert"_qs << u",&Gamma"_qs;
    QTest::newRow("middle click, the selection") << QString() << u",&Beta"_qs;
}

// Text copied in another program goes into the filter line, its first line only.
void TestLauncherMenu::filterPastes() {
    QFETCH(QString, keys);
    QFETCH(QString, rows);
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"Alpha", ""}, {"Beta", ""}, {"Gamma", ""}}));
    QProcess source;
    source.start(QStringLiteral(CLIPBOARD_SOURCE), {u"gam\nalpha"_qs, u"bet\r\nalpha"_qs});
    const auto end = qScopeGuard([&] {
        source.terminate();
        source.waitForFinished();
    });
    QVERIFY(QTest::qWaitFor([&] { return source.canReadLine(); }, 20000));
    startBar();
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTest::keyClicks(&menu, u"/"_qs);
        const QPoint at = menu.mapToGlobal(menu.rowGeometry(0).center());
        QVERIFY(xdotool(keys.isEmpty() ? QStringList{u"mousemove"_qs, QString::number(at.x()),
                                                     QString::number(at.y()), u"click"_qs, u"2"_qs}
                                       : QStringList{u"key"_qs, keys}));
        QTRY_COMPARE(shownRows(menu).join(u','), rows);
    }));
}

void TestLauncherMenu::hoverDrawing() {
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile({{"Files", ""}, {"Terminal", ""}}));
    startBar();
    QImage shot;
    QRect selectedRect, plainRect;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        const QList<int> items = shownItems(menu);
        menu.setActiveRow(items[0]);
        selectedRect = menu.rowGeometry(items[0]);
        plainRect = menu.rowGeometry(items[1]);
        shot = menu.grab().toImage();
    }));
    saveArtifact(shot, u"menu-open.png"_qs);
    const qreal dpr = shot.devicePixelRatio();
    const auto px = [&](int x, int y) { return shot.pixelColor(int(x * dpr), int(y * dpr)); };
    const SkinColors& colors = m_bar->skin().colors;
    QCOMPARE(px(selectedRect.left(), selectedRect.top() + 5), toQColor(colors.outline));
    QCOMPARE(px(selectedRect.left() + 3, selectedRect.top() + 3), toQColor(colors.highlight));
    const QImage& back = m_bar->skin().menu;
    QCOMPARE(px(plainRect.left(), plainRect.top() + 5), back.pixelColor(0, 0));
    const QPoint inside(plainRect.left() + 3, plainRect.top() + 3);
    QCOMPARE(px(inside.x(), inside.y()),
             back.pixelColor(inside.x() % back.width(), inside.y() % back.height()));
    // The selected caption is drawn in the hover colour, the other in the font colour.
    const auto inkOf = [&](const QRect& r, const QColor& colour) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left() + 26; x <= r.right(); ++x)
                n += px(x, y) == colour;
        return n;
    };
    QVERIFY(inkOf(selectedRect, toQColor(colors.hover)) > 5);
    QVERIFY(inkOf(plainRect, toQColor(colors.font)) > 5);
}

void TestLauncherMenu::launches_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("recorded");
    QTest::newRow("script by mouse") << "$DIR/script.sh" << false << "$DIR/script.sh|";
    QTest::newRow("script by access key") << "$DIR/script.sh" << true << "$DIR/script.sh|";
    QTest::newRow("environment variable")
        << "%LARKSPAN_TEST_DIR%/script.sh" << false << "$DIR/script.sh|";
    QTest::newRow("arguments") << "$DIR/script.sh \"two words\" x" << false
                               << "$DIR/script.sh|two words|x|";
    QTest::newRow("no shell") << "$DIR/script.sh ;touch $DIR/X $(touch $DIR/Y) `touch $DIR/Z`"
                              << true
                              << "$DIR/script.sh|;touch|$DIR/X|$(touch|$DIR/Y)|`touch|$DIR/Z`|";
    QTest::newRow("folder to the opener") << "$DIR" << false << "$DIR/xdg-open|$DIR|";
}

void TestLauncherMenu::launches() {
    QFETCH(QString, target);
    QFETCH(bool, byKey);
    QFETCH(QString, recorded);
    const QString dir = m_folder->path().chopped(1);
    writeScript(u"script.sh"_qs);
    writeScript(u"xdg-open"_qs); // the desktop's opener, recording what it is handed
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.toUtf8() + ':' + oldPath);
    qputenv("LARKSPAN_TEST_DIR", dir.toUtf8());
    target.replace(u"$DIR"_qs, dir);
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"Other", "/nonexistent"}, {"Run it", target.toUtf8()}}));
    startBar();
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        const int item = shownItems(menu)[1];
        if (byKey) {
            QTest::keyClick(&menu, Qt::Key_R); // "&Run it"
        } else {
            const QPoint at = menu.rowGeometry(item).center();
            QTest::mouseMove(&menu, at);
            QTest::mouseClick(&menu, Qt::LeftButton, {}, at);
        }
    }));
    QCOMPARE(m_chosen.caption, u"Run it"_qs);
    QTRY_COMPARE(QString::fromUtf8(readBytes(marker())), recorded.replace(u"$DIR"_qs, dir));
    QVERIFY(!QFile::exists(m_folder->file(u"X"_qs)));
    QVERIFY(!QFile::exists(m_folder->file(u"Y"_qs)));
    QVERIFY(!QFile::exists(m_folder->file(u"Z"_qs)));
    qputenv("PATH", oldPath);
}

void TestLauncherMenu::failureShownBesideTheBar() {
    qunsetenv("DBUS_SESSION_BUS_ADDRESS"); // no notification service
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile({{"Notes", "larkspan-no-such-program"}}));
    startBar();
    QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, QString::number(m_bar->winId())}));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Cannot open"_qs));
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) { QTest::keyClick(&menu, Qt::Key_N); }));
    QLabel* message = nullptr;
    QTRY_VERIFY((message = m_bar->findChild<QLabel*>(u"barMessage"_qs)) && message->isVisible());
    QCOMPARE(message->text(), u"<b>Cannot open &quot;Notes&quot;</b><br>There is no program called "
                              "&quot;larkspan-no-such-program&quot; on this computer."_qs);
    QCOMPARE(message->geometry().top(), m_bar->frameGeometry().bottom() + 1);
    QTRY_COMPARE(activeWindowId(), m_bar->winId());
    QTest::mouseClick(message, Qt::LeftButton);
    QTRY_VERIFY(!m_bar->findChild<QLabel*>(u"barMessage"_qs));
}

void TestLauncherMenu::emptyRowIsChoosable() {
    writeBytes(m_folder->file(u"menu.ini"_qs),
               "[menu]\r\nitems=3\r\n[item1]\r\ncaption=One\r\n[item3]\r\ncaption=Three\r\n");
    startBar();
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        const QPoint at = menu.rowGeometry(shownItems(menu)[1]).center();
        QTest::mouseClick(&menu, Qt::LeftButton, {}, at);
    }));
    QCOMPARE(m_chosen.caption, QString());
    QCOMPARE(m_chosen.target, QString());
    QVERIFY(Dialogs::boxesShown().isEmpty());
}

void TestLauncherMenu::entry1026AsksToClose() {
    QList<std::pair<QByteArray, QByteArray>> entries;
    for (int i = 1; i <= 1030; ++i)
        entries.append({"Entry " + QByteArray::number(i), "/nonexistent/" + QByteArray::number(i)});
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile(entries));
    startBar();
    const auto choose = [&](int entry) {
        return withOpenMenu([&](LauncherMenu& menu) {
            // Entry k is the k-th item after the hidden top separator.
            menu.setActiveRow(entry);
            QTest::keyClick(&menu, Qt::Key_Return);
        });
    };
    QVERIFY(choose(1024));
    QCOMPARE(m_chosen.target, u"/nonexistent/1024"_qs);
    QVERIFY(choose(1025));
    QCOMPARE(m_chosen.target, u"/nonexistent/1025"_qs);
    QVERIFY(Dialogs::boxesShown().isEmpty());

    QSignalSpy closed(m_bar.get(), &BarWindow::closed);
    Dialogs::answerNextBox(QMessageBox::No);
    QVERIFY(choose(1026));
    QCOMPARE(m_chosen.caption, u"Entry 1026"_qs);
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    QCOMPARE(Dialogs::boxesShown()[0].text, u"Close Larkspan?"_qs);
    QCOMPARE(closed.count(), 0);
}

void TestLauncherMenu::exitAsks() {
    startBar();
    QSignalSpy closed(m_bar.get(), &BarWindow::closed);
    Dialogs::answerNextBox(QMessageBox::Yes);
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) { QTest::keyClick(&menu, Qt::Key_E); }));
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    QCOMPARE(Dialogs::boxesShown()[0].text, u"Close Larkspan?"_qs);
    QCOMPARE(closed.count(), 1);
}

void TestLauncherMenu::changesShowAtTheNextOpening() {
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile({{"Behind", ""}}));
    startBar();
    // The menu made ready at start is not what the first opening shows once the file changed,
    // even to one of the same size.
    QTRY_COMPARE(m_bar->launcherMenu()->rows().size(), 4);
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile({{"Before", ""}}));
    QStringList first, second;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) { first = shownRows(menu); }));
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile({{"After", ""}, {"More", ""}}));
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) { second = shownRows(menu); }));
    QCOMPARE(first, (QStringList{u"&Before"_qs, u"----"_qs, u"&Exit"_qs}));
    QCOMPARE(second, (QStringList{u"&After"_qs, u"&More"_qs, u"----"_qs, u"&Exit"_qs}));
    // Fewer entries, one turned into a separator: nothing of the last opening lingers.
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile({{"-", ""}}));
    QStringList third;
    int actions = 0;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        third = shownRows(menu);
        actions = int(menu.rows().size());
    }));
    QCOMPARE(third, QStringList{u"&Exit"_qs});
    QCOMPARE(actions, 4);
    // The same entries with one caption made longer: the menu widens to show it whole.
    int widths[2] = {};
    for (int& width : widths) {
        writeBytes(
            m_folder->file(u"menu.ini"_qs),
            menuFile({{"A", ""}, {&width == widths ? "B" : "B with a much longer caption", ""}}));
        QVERIFY(withOpenMenu([&](LauncherMenu& menu) { width = menu.width(); }));
    }
    QVERIFY2(widths[1] > widths[0] + 50, qPrintable(u"%1 %2"_qs.arg(widths[0]).arg(widths[1])));
    // The file unchanged, the last build stands: nothing of a filter left open lingers.
    QStringList whole[2];
    int heights[2] = {};
    for (int k = 0; k < 2; ++k)
        QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
            whole[k] = shownRows(menu);
            heights[k] = menu.height();
            QTest::keyClicks(&menu, u"/B"_qs);
        }));
    QCOMPARE(whole[1], whole[0]);
    QCOMPARE(heights[1], heights[0]);
}

// Seen by another X client, the popup is moved and sized before it is mapped, whatever changed
// since the last opening: no configure comes between a map and its unmap.
void TestLauncherMenu::mappedWhereItStays() {
    xcb_connection_t* watcher = xcb_connect(nullptr, nullptr);
    const auto disconnect = qScopeGuard([watcher] { xcb_disconnect(watcher); });
    QVERIFY(!xcb_connection_has_error(watcher));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(watcher)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    free(xcb_request_check(
        watcher, xcb_change_window_attributes_checked(watcher, root, XCB_CW_EVENT_MASK, &mask)));
    startBar();
    const QByteArray longer = "An entry with a caption long enough to widen the menu";
    for (const auto& entries : {QList<std::pair<QByteArray, QByteArray>>{{"One", ""}},
                                {{"One", ""}, {"Two", ""}, {longer, ""}},
                                {{"One", ""}}}) {
        writeBytes(m_folder->file(u"menu.ini"_qs), menuFile(entries));
        xcb_window_t popup = 0;
        QRect shown;
        QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
            popup = xcb_window_t(menu.winId());
            shown = menu.geometry();
        }));
        QString order;
        QRect configured;
        QDeadlineTimer deadline(10000);
        while (!order.endsWith(u'U') && !deadline.hasExpired()) {
            xcb_generic_event_t* e = xcb_poll_for_event(watcher);
            if (!e) {
                QTest::qWait(5);
                continue;
            }
            // The unmap Qt sends of its own after the server's is left out. All three events
            // name their window at the same place.
            const uint8_t type = e->response_type & 0x80 ? 0 : e->response_type;
            const auto* c = reinterpret_cast<xcb_configure_notify_event_t*>(e);
            const char kind = type == XCB_CONFIGURE_NOTIFY ? 'C'
                              : type == XCB_MAP_NOTIFY     ? 'M'
                              : type == XCB_UNMAP_NOTIFY   ? 'U'
                                                           : 0;
            if (kind && c->window == popup) {
                order += QLatin1Char(kind);
                if (kind == 'C')
                    configured = QRect(c->x, c->y, c->width, c->height);
            }
            free(e);
        }
        QVERIFY2(order.endsWith(u"MU"_qs), qPrintable(order));
        if (order.contains(u'C'))
            QCOMPARE(configured, shown);
        // The next opening waits for this program to see the unmap too, as a person would.
        QTRY_VERIFY(!m_bar->launcherMenu()->windowHandle()->isExposed());
    }
}

// Near the bottom of the screen the menu opens above the bar; a second real click on Start
// then closes it, chooses nothing and does not open it again.
void TestLauncherMenu::secondPressOnStartAboveTheBar() {
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"One", writeScript(u"one.sh"_qs).toUtf8()},
                         {"Two", writeScript(u"two.sh"_qs).toUtf8()}}));
    startBar();
    const QRect screen = m_bar->screen()->geometry();
    m_bar->move(screen.left() + 200, screen.bottom() - 40);
    QTRY_COMPARE(m_bar->frameGeometry().top(), screen.bottom() - 40);
    LauncherMenu* menu = m_bar->launcherMenu();
    const QPoint start = m_bar->mapToGlobal(QPoint(10, 10));
    const QStringList at{QString::number(start.x()), QString::number(start.y())};
    QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs} + at));
    int openings = 0;
    QRect placed;
    QTimer poll;
    bool wasVisible = false;
    // Shown means mapped and exposed: only then has the popup the pointer grab that takes
    // the second press.
    connect(&poll, &QTimer::timeout, menu, [&] {
        const bool shown =
            menu->isVisible() && menu->windowHandle() && menu->windowHandle()->isExposed();
        if (shown == wasVisible)
            return;
        wasVisible = shown;
        if (!wasVisible)
            return;
        if (++openings > 1) {
            menu->hide();
            return;
        }
        placed = menu->geometry();
        QVERIFY(xdotool({u"click"_qs, u"1"_qs}));
    });
    poll.start(5);
    QVERIFY(xdotool({u"click"_qs, u"1"_qs}));
    QTRY_VERIFY_WITH_TIMEOUT(placed.isValid() && !menu->isVisible(), 20000);
    // Whatever the second release did has been handled once the pointer's next move is.
    QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs, u"0"_qs, u"0"_qs}));
    QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs} + at));
    QCOMPARE(menu->isVisible(), false);
    QCOMPARE(openings, 1);
    QCOMPARE(placed.bottom() + 1, m_bar->frameGeometry().top());
    QCOMPARE(placed.left(), m_bar->frameGeometry().left());
    QVERIFY(Dialogs::boxesShown().isEmpty());
    QVERIFY(!QFile::exists(marker()));
}

// A menu taller than the screen fits below the bar and scrolls by wheel, scroll strip and
// keys, its rows staying in step with what is highlighted.
void TestLauncherMenu::tallMenuScrolls() {
    QList<std::pair<QByteArray, QByteArray>> entries;
    for (int i = 1; i <= 300; ++i)
        entries.append({"Entry " + QByteArray::number(i), ""});
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile(entries));
    startBar();
    const QRect screen = m_bar->screen()->geometry();
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QCOMPARE(menu.geometry().top(), m_bar->frameGeometry().bottom() + 1);
        QCOMPARE(menu.geometry().bottom(), screen.bottom());
        const auto firstTop = [&] { return menu.rowGeometry(1).top(); };
        const int top = firstTop();
        const auto pointAt = [&](int y) {
            const QPoint p = menu.mapToGlobal(QPoint(50, y));
            return xdotool(
                {u"mousemove"_qs, u"--sync"_qs, QString::number(p.x()), QString::number(p.y())});
        };
        QVERIFY(pointAt(100));
        QVERIFY(xdotool({u"click"_qs, u"5"_qs})); // the wheel, down
        QTRY_VERIFY(firstTop() < top);
        const int wheeled = firstTop();
        QVERIFY(pointAt(menu.height() - 2)); // the lower scroll strip
        QTRY_VERIFY(firstTop() < wheeled);
        QVERIFY(pointAt(menu.height() / 2));
        QTest::keyClick(&menu, Qt::Key_Home);
        QCOMPARE(menu.activeRow(), 1);
        QCOMPARE(firstTop(), top);
        QTest::keyClick(&menu, Qt::Key_PageDown);
        const QRect paged = menu.rowGeometry(menu.activeRow());
        QVERIFY(menu.activeRow() > 10);
        QVERIFY(paged.top() >= 0 && paged.bottom() < menu.height());
        QTest::keyClick(&menu, Qt::Key_End);
        QCOMPARE(menu.rows()[menu.activeRow()].caption, u"E&xit"_qs);
        QTest::keyClick(&menu, Qt::Key_Down); // wraps to the top
        QCOMPARE(menu.activeRow(), 1);
        QCOMPARE(firstTop(), top);
    }));
}

// Assistive technology sees a pop-up menu whose children are the shown rows, named without
// their access marks, the highlighted one focused.
void TestLauncherMenu::accessibleRows() {
    writeBytes(m_folder->file(u"menu.ini"_qs),
               menuFile({{"-", ""}, {"Save && Exit", ""}, {"Network", ""}}));
    startBar();
    QStringList names;
    QList<QAccessible::Role> roles;
    QString focused;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Down);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&menu);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::PopupMenu);
        for (int i = 0; i < iface->childCount(); ++i) {
            names << iface->child(i)->text(QAccessible::Name);
            roles << iface->child(i)->role();
            if (iface->child(i)->state().focused)
                focused = names.last();
            QCOMPARE(iface->indexOfChild(iface->child(i)), i);
        }
    }));
    QCOMPARE(names, (QStringList{u"Save & Exit"_qs, u"Network"_qs, QString(), u"Exit"_qs}));
    QCOMPARE(roles, (QList<QAccessible::Role>{QAccessible::MenuItem, QAccessible::MenuItem,
                                              QAccessible::Separator, QAccessible::MenuItem}));
    QCOMPARE(focused, u"Network"_qs);
}

// Once the X server has exposed the mapped menu, the screen shows it whole: the first frame is
// not a blank or partly drawn popup.
void TestLauncherMenu::firstFrameOnScreen() {
    writeBytes(m_folder->file(u"menu.ini"_qs), menuFile({{"Files", ""}, {"Terminal", ""}}));
    startBar();
    QImage onScreen, drawn;
    QVERIFY(withOpenMenu([&](LauncherMenu& menu) {
        QTRY_VERIFY(menu.windowHandle()->isExposed());
        const QRect r = menu.geometry();
        onScreen = menu.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
        drawn = menu.grab().toImage();
    }));
    saveArtifact(onScreen, u"menu-first-frame.png"_qs);
    QCOMPARE(onScreen.convertToFormat(QImage::Format_RGB32),
             drawn.convertToFormat(QImage::Format_RGB32));
}

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    TestLauncherMenu test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_launchermenu.moc"
