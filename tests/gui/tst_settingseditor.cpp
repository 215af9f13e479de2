// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/barwindow.h"
#include "core/menufile.h"
#include "core/programfiles.h"
#include "core/safefile.h"
#include "platform/launcher.h"
#include "settings/entrydialog.h"
#include "settings/settingswindow.h"
#include "support/guitest.h"
#include "support/testfiles.h"
#include "widgets/dialogs.h"

#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <cerrno>

namespace {
const QByteArray kThree = "; mine\r\n[menu]\r\nitems=3\r\n[item1]\r\ncaption=A\r\nexec=a\r\n"
                          "[item2]\r\ncaption=B\r\nexec=b\r\n[item3]\r\ncaption=C\r\nexec=c\r\n";

QString at(const QPoint& global) {
    return QString::number(global.x()) + u' ' + QString::number(global.y());
}

// Counts the events of one type a widget is given, to know when input from outside arrived.
class EventCount : public QObject {
public:
    EventCount(QWidget* watched, QEvent::Type type) : QObject(watched), m_type(type) {
        watched->installEventFilter(this);
    }
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == m_type;
        return false;
    }

private:
    QEvent::Type m_type;
};
} // namespace

class TestSettingsEditor : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reorder_data();
    void reorder();
    void dropFromAnotherProgram();
    void pickInstalledApplication();
    void tryItFromTheMenuKey();
    void undoAndRedo();
    void undoADropOntoTheBar();

private:
    MenuEntryList* list() const { return m_settings->findChild<MenuEntryList*>(u"LstItems"_qs); }
    QStringList lines() const {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts.append(list()->item(i)->text());
        return texts;
    }
    QPoint lineAt(int row, int dy = 0) const {
        const QRect line = list()->visualItemRect(list()->item(row));
        return list()->viewport()->mapToGlobal(line.center() + QPoint(0, dy));
    }
    bool show() {
        m_settings->open();
        return QTest::qWaitForWindowExposed(m_settings.get(), 20000) &&
               xdotool({u"windowactivate"_qs, u"--sync"_qs, QString::number(m_settings->winId())});
    }

    QString menuPath() const { return m_folder->file(u"menu.ini"_qs); }

    ProgramFiles m_files;
    EntryDialog m_entryDialog;
    std::unique_ptr<SettingsWindow> m_settings;
    std::unique_ptr<TestAppFolder> m_folder;
};

void TestSettingsEditor::initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb"_qs, "needs an X display");
    m_settings = std::make_unique<SettingsWindow>(m_files, m_entryDialog);
}

void TestSettingsEditor::init() {
    m_folder = std::make_unique<TestAppFolder>();
    Dialogs::resetForTesting();
    writeBytes(menuPath(), kThree);
    m_files.useMenuFile(menuPath());
}

void TestSettingsEditor::cleanup() {
    SafeFile::setWriteFaultForTesting({});
    m_settings->close();
    QTRY_VERIFY(!m_settings->isVisible());
    m_folder.reset();
}

void TestSettingsEditor::reorder_data() {
    QTest::addColumn<QString>("how"); // "drag" to the given row's half, or keys
    QTest::addColumn<int>("row");     // the line pressed or selected
    QTest::addColumn<int>("target");  // drag: the line dropped on; dy: which half
    QTest::addColumn<int>("dy");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("selected");
    QTest::newRow("drag the first below the last") << "drag" << 0 << 2 << 4 << "BCA" << 2;
    QTest::newRow("drag the last above the first") << "drag" << 2 << 0 << -4 << "CAB" << 0;
    QTest::newRow("drag onto itself") << "drag" << 1 << 1 << 4 << "ABC" << 1;
    QTest::newRow("Alt+Up on the last") << "alt+Up" << 2 << 0 << 0 << "ACB" << 1;
    QTest::newRow("Alt+Down on the last") << "alt+Down" << 2 << 0 << 0 << "ABC" << 2;
    QTest::newRow("failed write") << "alt+Down" << 0 << 0 << 0 << "ABC" << 0;
}

void TestSettingsEditor::reorder() {
    QFETCH(QString, how);
    QFETCH(int, row);
    QFETCH(int, target);
    QFETCH(int, dy);
    QFETCH(QString, order);
    QFETCH(int, selected);
    const bool fails = QByteArray(QTest::currentDataTag()) == "failed write";
    QVERIFY(show());
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                      list()->visualItemRect(list()->item(row)).center());
    if (fails)
        SafeFile::setWriteFaultForTesting([] { return ENOSPC; });
    if (how == u"drag") {
        // One run: the drag's own loop takes the moves and the release.
        QVERIFY(xdotool(
            QStringList{u"mousemove"_qs, u"--sync"_qs} + at(lineAt(row)).split(u' ') +
            QStringList{u"mousedown"_qs, u"1"_qs, u"mousemove"_qs, u"--sync"_qs} +
            at(lineAt(row, 12)).split(u' ') + QStringList{u"mousemove"_qs, u"--sync"_qs} +
            at(lineAt(target, dy)).split(u' ') + QStringList{u"mousemove"_qs, u"--sync"_qs} +
            at(lineAt(target, dy) + QPoint(1, 0)).split(u' ') +
            QStringList{u"mouseup"_qs, u"1"_qs}));
    } else {
        QVERIFY(xdotool({u"key"_qs, how}));
    }
    QStringList expected;
    for (const QChar c : order)
        expected << QString(c);
    QTRY_COMPARE(lines(), expected);
    QTRY_COMPARE(list()->selectedRow(), selected);
    QCOMPARE(m_settings->selectedEntry(), selected + 1);
    QCOMPARE(m_files.menu().captions(), expected);
    QCOMPARE(readBytes(menuPath()).contains("; mine"), true);
    const QList<Dialogs::Box> boxes = Dialogs::boxesShown();
    QCOMPARE(boxes.size(), fails ? 1 : 0);
    if (fails)
        QCOMPARE(boxes[0].text,
                 u"Cannot create file \""_qs + menuPath() + u"\". No space left on device."_qs);
}

void TestSettingsEditor::dropFromAnotherProgram() {
    writeBytes(m_folder->file(u"editor.desktop"_qs),
               "[Desktop Entry]\nType=Application\nName=Editor\nExec=editor\n");
    QVERIFY(show());
    QProcess source;
    source.start(QStringLiteral(DRAG_SOURCE),
                 {QUrl::fromLocalFile(m_folder->file(u"editor.desktop"_qs)).toString(),
                  QUrl::fromLocalFile(m_folder->file(u"skins/default"_qs)).toString(),
                  u"https://www.example.org/page"_qs});
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += source.readAllStandardOutput()).contains("ready"), 20000);
    const EventCount moves(list()->viewport(), QEvent::DragMove);
    // The other program holds the drag: this one goes on while it is over the list.
    QVERIFY(xdotool({u"mousemove"_qs, u"--sync"_qs, u"60"_qs, u"60"_qs, u"mousedown"_qs, u"1"_qs}));
    QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs} + at(lineAt(2, 20)).split(u' ')));
    QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs} + at(lineAt(2, 30)).split(u' ')));
    QTRY_VERIFY(moves.count > 0);
    QVERIFY(xdotool({u"mouseup"_qs, u"1"_qs}));
    const QStringList expected{u"A"_qs,      u"B"_qs,       u"C"_qs,
                               u"Editor"_qs, u"default"_qs, u"www.example.org"_qs};
    QTRY_COMPARE(lines(), expected);
    QCOMPARE(m_files.menu().captions(), expected);
    QCOMPARE(list()->selectedRow(), 5);
    QCOMPARE(m_files.menu().entry(4).target, m_folder->file(u"editor.desktop"_qs));
    QCOMPARE(m_files.menu().entry(5).target, m_folder->file(u"skins/default"_qs));
    QCOMPARE(m_files.menu().entry(6).target, u"https://www.example.org/page"_qs);
    source.kill();
    source.waitForFinished();
}

void TestSettingsEditor::pickInstalledApplication() {
    const auto app = [&](const QString& path, const QByteArray& name, const QByteArray& more) {
        QDir().mkpath(QFileInfo(m_folder->file(path)).path());
        writeBytes(m_folder->file(path),
                   "[Desktop Entry]\nType=Application\nExec=x\nName=" + name + '\n' + more);
    };
    const QByteArray icon = LARKSPAN_SOURCE_DIR "/resources/settings/open.png";
    app(u"home/applications/zeta.desktop"_qs, "Zeta & Notes", "Icon=" + icon + '\n');
    app(u"sys/applications/alpha.desktop"_qs, "alpha", "");
    app(u"sys/applications/editor.desktop"_qs, "Editor", "");
    app(u"sys/applications/helper.desktop"_qs, "Helper", "NoDisplay=true\n");
    app(u"sys/applications/konsole.desktop"_qs, "Konsole", "OnlyShowIn=KDE;\n");
    qputenv("XDG_DATA_HOME", m_folder->file(u"home"_qs).toUtf8());
    qputenv("XDG_DATA_DIRS", m_folder->file(u"sys"_qs).toUtf8());
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    QVERIFY(show());

    QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs} + at(lineAt(0)).split(u' ') +
                    QStringList{u"click"_qs, u"3"_qs}));
    auto* menu = m_settings->findChild<QMenu*>(u"mnuItems"_qs);
    QTRY_VERIFY(menu->isVisible());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? u"--"_qs : action->text());
    QCOMPARE(texts, (QStringList{u"Add installed application\u2026"_qs, u"--"_qs, u"Move up"_qs,
                                 u"Move down"_qs, u"Try it"_qs, u"--"_qs, u"Edit"_qs, u"Delete"_qs,
                                 u"--"_qs, u"Undo"_qs, u"Redo"_qs}));
    QAction* add = menu->actions().constFirst();
    auto* picker = m_settings->findChild<QDialog*>(u"frmApplications"_qs);
    QStringList shown;
    bool hasIcon = false;
    QVERIFY(withModalDialog(
        picker,
        [&] { QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(add).center()); },
        [&](QDialog& dialog) {
            auto* apps = dialog.findChild<QListWidget*>(u"LstApplications"_qs);
            const auto visible = [apps] {
                QStringList names;
                for (int i = 0; i < apps->count(); ++i)
                    if (!apps->item(i)->isHidden())
                        names << apps->item(i)->text();
                return names;
            };
            shown = visible();
            // Rows fit the icon; a name without one gets a blank, so that it starts as the others.
            hasIcon = !apps->item(2)->icon().isNull() && !apps->item(0)->icon().isNull() &&
                      apps->visualItemRect(apps->item(0)).height() >= apps->iconSize().height();
            QTest::keyClicks(dialog.findChild<QLineEdit*>(u"txtFilter"_qs), u"NOT"_qs);
            shown << u"|"_qs << visible();
            QTest::keyClick(dialog.findChild<QLineEdit*>(u"txtFilter"_qs), Qt::Key_Return);
        }));
    QCOMPARE(shown, (QStringList{u"alpha"_qs, u"Editor"_qs, u"Zeta & Notes"_qs, u"|"_qs,
                                 u"Zeta & Notes"_qs}));
    QVERIFY(hasIcon);
    QTRY_COMPARE(lines(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs, u"Zeta & Notes"_qs}));
    QCOMPARE(list()->selectedRow(), 3);
    QCOMPARE(m_files.menu().entry(4).caption, u"Zeta && Notes"_qs);
    QCOMPARE(m_files.menu().entry(4).target, m_folder->file(u"home/applications/zeta.desktop"_qs));
}

// The Menu key opens the list's menu for the selected line, whose Try it opens that entry as
// the Start menu would: here a script that leaves a mark.
void TestSettingsEditor::tryItFromTheMenuKey() {
    const QString mark = m_folder->file(u"tried"_qs);
    const QString script = m_folder->file(u"try.sh"_qs);
    writeBytes(script, "#!/bin/sh\ntouch '" + mark.toUtf8() + "'\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeBytes(menuPath(), menuFile({{"A", "a"}, {"Try", script.toUtf8()}}));
    QStringList opened;
    m_settings->setRunEntry([&](int n, const MenuEntry& entry) {
        opened << QString::number(n) + u' ' + entry.caption;
        return openTarget(entry.target);
    });
    const auto noTry = qScopeGuard([this] { m_settings->setRunEntry({}); });
    QVERIFY(show());
    list()->setCurrentRow(1);
    list()->setFocus();
    QVERIFY(xdotool({u"key"_qs, u"Menu"_qs}));
    auto* menu = m_settings->findChild<QMenu*>(u"mnuItems"_qs);
    QTRY_VERIFY(menu->isVisible());
    QAction* tryIt = menu->findChild<QAction*>(u"mnuTry"_qs);
    QVERIFY(tryIt && tryIt->isVisible() && tryIt->isEnabled());
    menu->setActiveAction(tryIt);
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_VERIFY(QFile::exists(mark));
    QCOMPARE(opened, QStringList{u"2 Try"_qs});
}

// A delete taken back and again with the keys and the list's menu; the file follows each
// step byte for byte, until another program's change stops the undo.
void TestSettingsEditor::undoAndRedo() {
    QVERIFY(show());
    list()->setCurrentRow(1);
    QVERIFY(xdotool({u"key"_qs, u"Delete"_qs}));
    QTRY_COMPARE(lines(), (QStringList{u"A"_qs, u"C"_qs}));
    const QByteArray deleted = readBytes(menuPath());
    const auto step = [&](const QString& keys, const QByteArray& bytes) {
        QVERIFY(xdotool({u"key"_qs, keys}));
        QTRY_COMPARE(readBytes(menuPath()), bytes);
        QTRY_COMPARE(lines().join(QString()), bytes == kThree ? u"ABC"_qs : u"AC"_qs);
        QCOMPARE(list()->selectedRow(), 1);
    };
    step(u"ctrl+z"_qs, kThree);
    step(u"ctrl+shift+z"_qs, deleted);

    QVERIFY(xdotool(QStringList{u"mousemove"_qs, u"--sync"_qs} + at(lineAt(0)).split(u' ') +
                    QStringList{u"click"_qs, u"3"_qs}));
    auto* menu = m_settings->findChild<QMenu*>(u"mnuItems"_qs);
    QTRY_VERIFY(menu->isVisible());
    QAction* undo = menu->findChild<QAction*>(u"mnuUndo"_qs);
    QVERIFY(undo->isEnabled());
    QVERIFY(!menu->findChild<QAction*>(u"mnuRedo"_qs)->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(undo).center());
    QTRY_COMPARE(lines(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
    QCOMPARE(readBytes(menuPath()), kThree);
    QCOMPARE(list()->selectedRow(), 1);
    step(u"ctrl+y"_qs, deleted);

    const QByteArray theirs = menuFile({{"Theirs", "t"}});
    writeBytes(menuPath(), theirs);
    QVERIFY(xdotool({u"key"_qs, u"ctrl+z"_qs}));
    QTRY_COMPARE(lines(), QStringList{u"Theirs"_qs});
    QCOMPARE(readBytes(menuPath()), theirs);
    QTRY_COMPARE(Dialogs::boxesShown().size(), 2); // the delete's question, then the refusal
    QCOMPARE(Dialogs::boxesShown().last().text,
             u"Another program changed the menu file, so the last change cannot be undone."_qs);
    QVERIFY(!menu->findChild<QAction*>(u"mnuUndo"_qs)->isEnabled());
}

// The bar's drops are steps of the same history, not another program's change.
void TestSettingsEditor::undoADropOntoTheBar() {
    BarWindow bar(m_files);
    QMimeData data;
    data.setUrls({QUrl(u"https://www.example.org/page"_qs)});
    // Qt delivers a drop to the widget that took the drag's entry.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&bar, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&bar, &drop);
    QTRY_COMPARE(m_files.menu().count(), 4);
    QVERIFY(show());
    QVERIFY(xdotool({u"key"_qs, u"ctrl+z"_qs}));
    QTRY_COMPARE(readBytes(menuPath()), kThree);
    QTRY_COMPARE(lines(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
    QCOMPARE(Dialogs::boxesShown().size(), 0);
}

QTEST_MAIN(TestSettingsEditor)
#include "tst_settingseditor.moc"
