// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorbox.h"
#include "app/startup.h"
#include "bar/barwindow.h"
#include "bar/picturebutton.h"
#include "core/programfiles.h"
#include "settings/data/datasetmodel.h"
#include "settings/entrydialog.h"
#include "settings/referencelists.h"
#include "settings/settingswindow.h"
#include "support/guitest.h"
#include "support/sqlitefixture.h"
#include "support/testfiles.h"
#include "widgets/dialogs.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <cstdio>
#include <sqlite3.h>

namespace {

const QString kWindows = QStringLiteral("List of Windows MMC files");
const QString kServer = QStringLiteral("List of Windows Server MMC files");
const QString kRows =
    QStringLiteral("('Computer Management', 'compmgmt.msc'), ('Device Manager', 'devmgmt.msc'), "
                   "('Event Viewer', 'eventvwr.msc')");
const QStringList kNames{u"Computer Management"_qs, u"Device Manager"_qs, u"Event Viewer"_qs};
const QString kRunRows = QStringLiteral("('Calculator', 'calc'), ('Notepad', 'notepad')");

const QByteArray kMenu = "[menu]\r\nitems=2\r\n[item1]\r\ncaption=Terminal\r\nexec=xterm\r\n"
                         "[item2]\r\ncaption=Files\r\nexec=/home\r\n";
const QByteArray kConfig = "[menu]\r\nfile=$apppath$\\menu.ini\r\n"
                           "[skin]\r\nfile=$apppath$\\skins\\default\\\r\n"
                           "[WindowPos]\r\nTop=40\r\nLeft=300\r\n";
const QString kLocked = QStringLiteral("database is locked.");
const QString kMoved = QStringLiteral("The database \"%1\" was deleted, moved or replaced after it "
                                      "was opened; the change was not stored.");

// Bytes no database provider takes for its own.
QByteArray garbage(int size = 8192) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7919 + 13) & 0xFF);
    return bytes;
}

// Whether a writer would have to wait: another connection holds a lock on the file.
bool writeLocked(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const bool busy = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_BUSY;
    sqlite3_close_v2(db); // rolls back what it began
    return busy;
}

// Another program in a transaction it has not ended: the sqlite3 tool reading its commands
// from a pipe that stays open.
class LockingProgram {
public:
    ~LockingProgram() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    bool start(const QString& path, const QString& sql) {
        m_process.start(QStringLiteral(SQLITE3_PROGRAM), {QStringLiteral("-bail"), path});
        if (!m_process.waitForStarted(10000))
            return false;
        // Waits for a moment when the window is just reading, as a real program would.
        m_process.write(".timeout 5000\n" + sql.toUtf8() + "\n");
        return QTest::qWaitFor([&] { return writeLocked(path); }, 10000);
    }
    // Commits and ends; true when the tool saw no error.
    bool release() {
        m_process.write("COMMIT;\n");
        m_process.closeWriteChannel();
        return m_process.waitForFinished(10000) && m_process.exitCode() == 0 &&
               m_process.readAllStandardError().isEmpty();
    }

private:
    QProcess m_process;
};

const QString kExclusive = QStringLiteral("BEGIN EXCLUSIVE;");
// Changes a row the tests never touch, so that their own store succeeds afterwards.
const QString kWriting = QStringLiteral(
    "BEGIN IMMEDIATE; UPDATE [List of Windows MMC files] SET Name = 'Theirs' WHERE rowid = 3;");

} // namespace

// Every test has its own application folder holding its own data.mdb, works in an empty
// current folder, and makes its own Settings window, which opens the database as at start-up.
class TestReferenceLists : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void openingAtStartUp_data();
    void openingAtStartUp();
    void emptyTableOffersInsertAndEdit();
    void deleteAsks_data();
    void deleteAsks();
    void deleteOfANewRecordOnlyDropsIt();
    void typingThenMovingAwayStores_data();
    void typingThenMovingAwayStores();
    void insertThenMovingAwayLeavesNoRow_data();
    void insertThenMovingAwayLeavesNoRow();
    void typingInsideTheText();
    void refusedStoreKeepsTheRecordInEditing_data();
    void refusedStoreKeepsTheRecordInEditing();
    void fieldsTakeAtMostTheirWidth_data();
    void fieldsTakeAtMostTheirWidth();
    void pendingEditSurvivesHidingAndIsLostAtExit();
    void runCommandsGridChangesNothing();
    void tooltipsOnTheFirstNavigatorOnly_data();
    void tooltipsOnTheFirstNavigatorOnly();
    void readOnlyFileIsBrowsedOnly();
    void layout_data();
    void layout();
    void grids_data();
    void grids();
    void tabOrder();
    void screenshot();

    // data.mdb held by another program, gone or turned into garbage while the program runs:
    // the user is told, and a change that was not stored stays in the list to be stored again
    // or cancelled; the menu and configuration files stay as they were.
    void lockedWhileStoring_data();
    void lockedWhileStoring();
    void fileChangedUnderneath_data();
    void fileChangedUnderneath();

private:
    QString dbPath() const { return m_folder->file(u"data.mdb"_qs); }
    QStringList fileRows(const QString& table) const {
        return queryRows(dbPath(),
                         u"SELECT Name, [MMC File] FROM [%1] ORDER BY rowid"_qs.arg(table));
    }
    QStringList fileNames(const QString& table) const {
        return queryRows(dbPath(), u"SELECT Name FROM [%1] ORDER BY rowid"_qs.arg(table));
    }
    void makeWindow() {
        m_window = std::make_unique<SettingsWindow>(m_files, m_entryDialog, nullptr, showErrorBox);
    }
    bool showAndWait();
    // The test's own window, or the program's while the start-up is tested.
    SettingsWindow* window() const { return m_window ? m_window.get() : m_programSettings; }
    template <typename T = QWidget> T* control(const QString& name) const {
        T* widget = window()->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    ReferenceGrid* grid(int n) const { return control<ReferenceGrid>(u"DBGrid%1"_qs.arg(n)); }
    ReferenceField* edit(int n) const { return control<ReferenceField>(u"DBEdit%1"_qs.arg(n)); }
    ReferenceNavigator* navigator(int n) const {
        return control<ReferenceNavigator>(u"DBNavigator%1"_qs.arg(n));
    }
    void press(int n, NavigatorButton which) {
        QTest::mouseClick(navigator(n)->button(which), Qt::LeftButton);
    }
    // The navigator's buttons First to Cancel as "1" (available) and "0".
    QString buttons(int n) const;
    void clickRow(ReferenceGrid* g, int row) {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualRect(g->model()->index(row, 0)).center());
    }
    static DataSet::RecordMark mark(ReferenceGrid* g, int row) {
        return DataSet::RecordMark(
            g->model()->headerData(row, Qt::Vertical, DataSetModel::RecordMarkRole).toInt());
    }
    static QStringList shownNames(ReferenceGrid* g);
    // Clicks into the field and replaces its text by typing.
    static void retype(ReferenceField* field, const QString& text) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }

    void writeMenuAndConfig() const {
        writeBytes(m_folder->file(u"menu.ini"_qs), kMenu);
        writeBytes(m_folder->file(u"config.ini"_qs), kConfig);
    }
    // Neither file may change through a database fault.
    void verifyMenuAndConfigUntouched() const {
        QCOMPARE(readBytes(m_folder->file(u"menu.ini"_qs)), kMenu);
        QCOMPARE(readBytes(m_folder->file(u"config.ini"_qs)), kConfig);
    }
    QStringList folderEntries() const {
        return QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    static QStringList errorBoxes() {
        QStringList texts;
        for (const Dialogs::Box& box : Dialogs::boxesShown()) {
            if (box.title == u"Larkspan")
                texts.append(box.text);
        }
        return texts;
    }
    // Puts the first list into the state an operation stores from; "delete" needs none.
    void prepare(const QString& operation);
    // Stores (or deletes) what prepare left.
    void store(const QString& operation);
    // The first list still holds what could not be stored.
    void verifyStillPending(const QString& operation);

    std::unique_ptr<TestAppFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_currentFolder;
    const QString m_startFolder = QDir::currentPath();
    ProgramFiles m_files;
    EntryDialog m_entryDialog;
    std::unique_ptr<SettingsWindow> m_window;
    SettingsWindow* m_programSettings = nullptr;
};

void TestReferenceLists::init() {
    m_folder = std::make_unique<TestAppFolder>();
    // data.mdb is looked for in the current folder first: it must hold none.
    m_currentFolder = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_currentFolder->path());
    Dialogs::resetForTesting();
    m_files = ProgramFiles(Configuration(m_folder->file(u"config.ini"_qs)));
    m_files.useMenuFile(m_folder->file(u"menu.ini"_qs));
}

void TestReferenceLists::cleanup() {
    QToolTip::hideText();
    m_window.reset();
    m_programSettings = nullptr;
    QDir::setCurrent(m_startFolder);
    m_currentFolder.reset();
    m_folder.reset();
}

bool TestReferenceLists::showAndWait() {
    m_window->open();
    return QTest::qWaitForWindowExposed(m_window.get(), 20000);
}

QString TestReferenceLists::buttons(int n) const {
    QString available;
    for (NavigatorButton which : kNavigatorButtons)
        available += navigator(n)->button(which)->isEnabled() ? u'1' : u'0';
    return available;
}

QStringList TestReferenceLists::shownNames(ReferenceGrid* g) {
    QStringList names;
    for (int row = 0; row < g->model()->rowCount(); ++row)
        names.append(g->model()->index(row, 0).data().toString());
    return names;
}

void TestReferenceLists::openingAtStartUp_data() {
    QTest::addColumn<QString>("sql"); // empty: no database made
    // Garbage put in the database's place, or another program's transaction left open.
    QTest::addColumn<QString>("fault");
    // "%1" stands for the current folder, "%2" for the application folder.
    QTest::addColumn<QStringList>("boxes");
    // Per list: its rows and navigator buttons, then what typing "x" into its Name field
    // left there.
    QTest::addColumn<QStringList>("lists");
    const QStringList closed{u"0 000000000 "_qs, u"0 000000000 "_qs, u"0"_qs};
    const QString missing = u"The database \"data.mdb\" was found neither in the current folder "
                            u"(%1) nor in the application folder (%2)"_qs;
    const QString threeRows =
        u"CREATE TABLE [List of Windows MMC files] (Name TEXT, [MMC File] TEXT);"
        u"INSERT INTO [List of Windows MMC files] VALUES %1;"
        u"CREATE TABLE [List of Windows Server MMC files] (Name TEXT, [MMC File] TEXT);"
        u"CREATE TABLE [Run Commands] (Name TEXT, Command TEXT);"_qs.arg(kRows);
    QTest::newRow("no database") << QString() << QString() << QStringList(4, missing) << closed;
    QTest::newRow("the second table lacks a column")
        << u"CREATE TABLE [List of Windows MMC files] (Name TEXT, [MMC File] TEXT);"
           u"INSERT INTO [List of Windows MMC files] VALUES ('Services', 'services.msc');"
           u"CREATE TABLE [List of Windows Server MMC files] (Name TEXT, File TEXT);"
           u"CREATE TABLE [Run Commands] (Name TEXT, Command TEXT);"_qs
        << QString() << QStringList{u"ADOTable2: Field 'MMC File' not found."_qs}
        << QStringList{u"1 001111100 Servicesx"_qs, u"0 000000000 "_qs, u"0"_qs};
    // SQLite's busy timeout, once for the connection and once for each table: then the
    // program goes on while the lock is still held.
    QTest::newRow("held exclusively by another program")
        << threeRows << kExclusive
        << QStringList(4, u"The database \"%2data.mdb\" cannot be opened: database is locked."_qs)
        << closed;
    // Readers go on while another program writes; they see what it committed.
    QTest::newRow("in another program's write transaction")
        << threeRows << kWriting << QStringList()
        << QStringList{u"3 001111100 Computer Managementx"_qs, u"0 000010100 x"_qs, u"0"_qs};
    QTest::newRow("garbage bytes")
        << QString() << "garbage"
        << QStringList(4, u"The file \"%2data.mdb\" is neither an SQLite nor a Jet database."_qs)
        << closed;
    QTest::newRow("an SQLite header, then garbage")
        << QString() << "header"
        << QStringList(4,
                       u"The database \"%2data.mdb\" cannot be opened: file is not a database."_qs)
        << closed;
    QTest::newRow("empty file")
        << QString() << "empty"
        << QStringList(4, u"The file \"%2data.mdb\" is neither an SQLite nor a Jet database."_qs)
        << closed;
}

void TestReferenceLists::openingAtStartUp() {
    QFETCH(QString, sql);
    QFETCH(QString, fault);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, lists);
    writeMenuAndConfig();
    if (!sql.isEmpty())
        execSql(dbPath(), sql);
    if (fault == u"garbage")
        writeBytes(dbPath(), garbage());
    else if (fault == u"header")
        writeBytes(dbPath(), QByteArray("SQLite format 3\0", 16) + garbage());
    else if (fault == u"empty")
        writeBytes(dbPath(), QByteArray());
    const QString before = readBytes(dbPath()).toHex();
    const QStringList entries = folderEntries();
    LockingProgram other;
    const bool locked = fault == kExclusive || fault == kWriting;
    if (locked)
        QVERIFY(other.start(dbPath(), fault));

    auto windows = std::make_unique<ProgramWindows>();
    m_programSettings = &windows->settings();
    QVERIFY(!windows->bar().isVisible());
    if (fault == kExclusive)
        QVERIFY(writeLocked(dbPath()));
    QStringList texts;
    for (const Dialogs::Box& box : Dialogs::boxesShown()) {
        QCOMPARE(box.title, u"Larkspan"_qs);
        QCOMPARE(box.icon, QMessageBox::Critical);
        texts.append(box.text);
    }
    for (QString& box : boxes)
        box.replace(u"%1"_qs, m_currentFolder->path()).replace(u"%2"_qs, m_folder->path());
    QCOMPARE(texts, boxes);

    // The program goes on: the bar shows and opens the Settings window with the lists, and
    // the menu editor works as usual.
    windows->bar().show();
    QVERIFY(QTest::qWaitForWindowExposed(&windows->bar()));
    QStringList seen;
    QStringList menuLines;
    QTimer::singleShot(0, this, [&] {
        // Closed in any case, so that the bar's modal showing returns.
        SettingsWindow* settings = m_programSettings;
        const auto close = qScopeGuard([settings] { settings->close(); });
        if (!QTest::qWaitFor([settings] { return QApplication::activeModalWidget() == settings; },
                             20000))
            return;
        for (int n : {1, 2}) {
            const QString state = u"%1 %2 "_qs.arg(grid(n)->model()->rowCount()).arg(buttons(n));
            QTest::keyClicks(edit(2 * n - 1), u"x"_qs);
            seen.append(state + edit(2 * n - 1)->text());
        }
        seen.append(QString::number(grid(3)->model()->rowCount()));
        auto* list = control<QListWidget>(u"LstItems"_qs);
        for (int i = 0; i < list->count(); ++i)
            menuLines.append(list->item(i)->text());
    });
    PictureButton* customize = windows->bar().findChild<PictureButton*>(u"ImgSettings"_qs);
    QTest::mousePress(customize, Qt::LeftButton);
    QTest::mouseRelease(customize, Qt::LeftButton);
    QCOMPARE(seen, lists);
    QCOMPARE(menuLines, (QStringList{u"Terminal"_qs, u"Files"_qs}));
    QVERIFY(windows->bar().isVisible());
    QCOMPARE(Dialogs::boxesShown().size(), boxes.size());
    // What was typed was never stored.
    windows.reset();
    QCOMPARE(QString(readBytes(dbPath()).toHex()), before);

    if (locked)
        QVERIFY(other.release());
    if (fault == kWriting)
        QCOMPARE(fileNames(kWindows), (QStringList{kNames[0], kNames[1], u"Theirs"_qs}));
    QCOMPARE(folderEntries(), entries);
    verifyMenuAndConfigUntouched();
}

void TestReferenceLists::emptyTableOffersInsertAndEdit() {
    makeReferenceDatabase(dbPath());
    makeWindow();
    QVERIFY(showAndWait());
    QCOMPARE(buttons(1), u"000010100"_qs);
    QCOMPARE(buttons(2), u"000010100"_qs);
    press(1, NavigatorButton::Edit);
    QCOMPARE(grid(1)->model()->rowCount(), 1);
    QCOMPARE(mark(grid(1), 0), DataSet::RecordMark::Inserting);
    QCOMPARE(buttons(1), u"111111011"_qs);
    retype(edit(1), u"Services"_qs);
    retype(edit(2), u"services.msc"_qs);
    QCOMPARE(fileRows(kWindows), QStringList());
    press(1, NavigatorButton::Post);
    QCOMPARE(fileRows(kWindows), QStringList{u"Services|services.msc"_qs});
    QCOMPARE(mark(grid(1), 0), DataSet::RecordMark::Current);
    QVERIFY(Dialogs::boxesShown().isEmpty());
}

void TestReferenceLists::deleteAsks_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<QString>("currentAfter");
    QTest::newRow("Cancel") << QMessageBox::Cancel << kNames << kNames[1];
    QTest::newRow("OK") << QMessageBox::Ok << QStringList{kNames[0], kNames[2]} << kNames[2];
}

void TestReferenceLists::deleteAsks() {
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QStringList, remaining);
    QFETCH(QString, currentAfter);
    makeReferenceDatabase(dbPath(), kRows, kRows);
    makeWindow();
    QVERIFY(showAndWait());
    clickRow(grid(2), 1);
    Dialogs::answerNextBox(answer);
    press(2, NavigatorButton::Delete);
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    const Dialogs::Box box = Dialogs::boxesShown().constFirst();
    QCOMPARE(box.title, u"Confirm"_qs);
    QCOMPARE(box.text, u"Delete record?"_qs);
    QCOMPARE(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.defaultButton, QMessageBox::Ok);
    QCOMPARE(fileNames(kServer), remaining);
    QCOMPARE(shownNames(grid(2)), remaining);
    QCOMPARE(edit(3)->text(), currentAfter);
    QCOMPARE(mark(grid(2), 1), DataSet::RecordMark::Current);
    QCOMPARE(grid(2)->currentIndex().row(), 1);
    QCOMPARE(fileNames(kWindows), kNames);
}

void TestReferenceLists::deleteOfANewRecordOnlyDropsIt() {
    makeReferenceDatabase(dbPath(), kRows);
    makeWindow();
    QVERIFY(showAndWait());
    clickRow(grid(1), 1);
    press(1, NavigatorButton::Insert);
    retype(edit(1), u"never stored"_qs);
    QCOMPARE(shownNames(grid(1)),
             (QStringList{kNames[0], u"never stored"_qs, kNames[1], kNames[2]}));
    press(1, NavigatorButton::Delete); // OK is the default answer
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    QCOMPARE(Dialogs::boxesShown().constFirst().text, u"Delete record?"_qs);
    QCOMPARE(fileNames(kWindows), kNames);
    QCOMPARE(shownNames(grid(1)), kNames);
    QCOMPARE(edit(1)->text(), kNames[1]);
}

void TestReferenceLists::typingThenMovingAwayStores_data() {
    QTest::addColumn<int>("field"); // 1: Name, 2: MMC File
    QTest::addColumn<QString>("move");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("currentAfter");
    QTest::newRow("Name, click another row")
        << 1 << "click row 3" << QStringList{u"Changed|compmgmt.msc"_qs} << kNames[2];
    QTest::newRow("MMC File, Down key in the grid")
        << 2 << "Down" << QStringList{u"Computer Management|changed.msc"_qs} << kNames[1];
    QTest::newRow("Name, Next button")
        << 1 << "Next" << QStringList{u"Changed|compmgmt.msc"_qs} << kNames[1];
}

void TestReferenceLists::typingThenMovingAwayStores() {
    QFETCH(int, field);
    QFETCH(QString, move);
    QFETCH(QStringList, stored);
    QFETCH(QString, currentAfter);
    makeReferenceDatabase(dbPath(), kRows);
    makeWindow();
    QVERIFY(showAndWait());
    const QStringList before = fileRows(kWindows);
    retype(edit(field), field == 1 ? u"Changed"_qs : u"changed.msc"_qs);
    QCOMPARE(mark(grid(1), 0), DataSet::RecordMark::Editing);
    QCOMPARE(buttons(1), u"001111011"_qs);
    QCOMPARE(fileRows(kWindows), before);
    if (move == u"Down")
        QTest::keyClick(grid(1), Qt::Key_Down);
    else if (move == u"Next")
        press(1, NavigatorButton::Next);
    else
        clickRow(grid(1), 2);
    QCOMPARE(fileRows(kWindows).mid(0, 1), stored);
    QCOMPARE(fileRows(kWindows).mid(1), before.mid(1));
    QCOMPARE(edit(1)->text(), currentAfter);
    QCOMPARE(shownNames(grid(1)).at(grid(1)->currentIndex().row()), currentAfter);
    QCOMPARE(mark(grid(1), 0), DataSet::RecordMark::None);
    QVERIFY(Dialogs::boxesShown().isEmpty());
}

void TestReferenceLists::insertThenMovingAwayLeavesNoRow_data() {
    QTest::addColumn<QString>("move");
    QTest::addColumn<QString>("currentAfter");
    // The new record stands second, in front of Device Manager.
    QTest::newRow("click a row below") << "click row 4" << kNames[2];
    QTest::newRow("Prior button") << "Prior" << kNames[0];
    QTest::newRow("Down key in the grid") << "Down" << kNames[1];
    QTest::newRow("Insert again") << "Insert" << QString();
}

void TestReferenceLists::insertThenMovingAwayLeavesNoRow() {
    QFETCH(QString, move);
    QFETCH(QString, currentAfter);
    makeReferenceDatabase(dbPath(), kRows);
    makeWindow();
    QVERIFY(showAndWait());
    clickRow(grid(1), 1);
    press(1, NavigatorButton::Insert);
    QCOMPARE(grid(1)->model()->rowCount(), 4);
    QCOMPARE(mark(grid(1), 1), DataSet::RecordMark::Inserting);
    QCOMPARE(edit(1)->text(), QString());
    if (move == u"Prior")
        press(1, NavigatorButton::Prior);
    else if (move == u"Insert")
        press(1, NavigatorButton::Insert);
    else if (move == u"Down")
        QTest::keyClick(grid(1), Qt::Key_Down);
    else
        clickRow(grid(1), 3);
    QCOMPARE(fileNames(kWindows), kNames);
    QCOMPARE(grid(1)->model()->rowCount(), move == u"Insert" ? 4 : 3);
    QCOMPARE(edit(1)->text(), currentAfter);
    QCOMPARE(grid(1)->model()->index(grid(1)->currentIndex().row(), 0).data().toString(),
             currentAfter);
}

void TestReferenceLists::typingInsideTheText() {
    makeReferenceDatabase(dbPath(), kRows);
    makeWindow();
    QVERIFY(showAndWait());
    QTest::mouseClick(edit(1), Qt::LeftButton);
    QTest::keyClick(edit(1), Qt::Key_Home);
    QTest::keyClicks(edit(1), u"My "_qs);
    QCOMPARE(edit(1)->text(), u"My Computer Management"_qs);
    QTest::keyClick(edit(1), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit(1)->text(), kNames[0]);
    press(1, NavigatorButton::Post);
    QCOMPARE(fileNames(kWindows), kNames);
}

void TestReferenceLists::refusedStoreKeepsTheRecordInEditing_data() {
    QTest::addColumn<QString>("store");
    QTest::newRow("click another row") << "click";
    QTest::newRow("Post button") << "Post";
    QTest::newRow("Last button") << "Last";
}

void TestReferenceLists::refusedStoreKeepsTheRecordInEditing() {
    QFETCH(QString, store);
    makeReferenceDatabase(dbPath(), kRows);
    makeWindow();
    QVERIFY(showAndWait());
    retype(edit(2), u"mine.msc"_qs);
    execInOtherProcess(dbPath(), u"UPDATE [List of Windows MMC files] SET [MMC File] = "
                                 u"'theirs.msc' WHERE rowid = 1"_qs);
    if (store == u"click")
        clickRow(grid(1), 2);
    else
        press(1, store == u"Post" ? NavigatorButton::Post : NavigatorButton::Last);
    QTRY_COMPARE(Dialogs::boxesShown().size(), 1);
    QCOMPARE(Dialogs::boxesShown().constFirst().title, u"Larkspan"_qs);
    QCOMPARE(Dialogs::boxesShown().constFirst().text,
             u"The row was changed or deleted by another program after it was read; the "
             u"change was not stored."_qs);
    // The grid went back to the record still being edited.
    QCOMPARE(grid(1)->currentIndex().row(), 0);
    QCOMPARE(mark(grid(1), 0), DataSet::RecordMark::Editing);
    QCOMPARE(edit(2)->text(), u"mine.msc"_qs);
    QCOMPARE(fileRows(kWindows).constFirst(), u"Computer Management|theirs.msc"_qs);
    press(1, NavigatorButton::Cancel);
    QCOMPARE(edit(2)->text(), u"compmgmt.msc"_qs);
    clickRow(grid(1), 2);
    QCOMPARE(edit(1)->text(), kNames[2]);
}

void TestReferenceLists::fieldsTakeAtMostTheirWidth_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("kept");
    QTest::newRow("Name, declared 255") << 1 << 300 << 255;
    QTest::newRow("MMC File, 64 in the file") << 2 << 70 << 64;
}

void TestReferenceLists::fieldsTakeAtMostTheirWidth() {
    QFETCH(int, field);
    QFETCH(int, typed);
    QFETCH(int, kept);
    makeReferenceDatabase(dbPath(), kRows);
    makeWindow();
    QVERIFY(showAndWait());
    retype(edit(field), QString(typed, u'w'));
    QCOMPARE(edit(field)->text(), QString(kept, u'w'));
    press(1, NavigatorButton::Post);
    QCOMPARE(fileRows(kWindows).constFirst().split(u'|').at(field - 1), QString(kept, u'w'));
}

void TestReferenceLists::pendingEditSurvivesHidingAndIsLostAtExit() {
    makeReferenceDatabase(dbPath(), kRows, kRows);
    makeWindow();
    QVERIFY(showAndWait());
    retype(edit(3), u"pending"_qs);
    m_window->close();
    QTRY_VERIFY(!m_window->isVisible());
    QVERIFY(showAndWait());
    QCOMPARE(edit(3)->text(), u"pending"_qs);
    QCOMPARE(mark(grid(2), 0), DataSet::RecordMark::Editing);
    QCOMPARE(grid(2)->model()->index(0, 0).data().toString(), u"pending"_qs);
    QCOMPARE(buttons(2), u"001111011"_qs);
    QCOMPARE(fileNames(kServer), kNames);
    m_window.reset();
    QCOMPARE(fileNames(kServer), kNames);
}

void TestReferenceLists::runCommandsGridChangesNothing() {
    execSql(dbPath(), u"CREATE TABLE [List of Windows MMC files] (Name TEXT, [MMC File] TEXT);"
                      u"CREATE TABLE [List of Windows Server MMC files] (Name TEXT, "
                      u"[MMC File] TEXT);"
                      u"CREATE TABLE [Run Commands] (ID INTEGER, Name TEXT, Command TEXT, "
                      u"Notes TEXT);"
                      u"INSERT INTO [Run Commands] VALUES (1, 'Calculator', 'calc', 'n1'), "
                      u"(2, 'Notepad', 'notepad', 'n2');"_qs);
    makeWindow();
    QVERIFY(showAndWait());
    ReferenceGrid* runs = grid(3);
    QAbstractItemModel* model = runs->model();
    QCOMPARE(model->columnCount(), 2);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), u"Name"_qs);
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), u"Command"_qs);
    QCOMPARE(model->index(1, 1).data().toString(), u"notepad"_qs);
    const QByteArray before = readBytes(dbPath());
    clickRow(runs, 1);
    QTest::mouseDClick(runs->viewport(), Qt::LeftButton, {},
                       runs->visualRect(model->index(1, 1)).center());
    for (Qt::Key key :
         {Qt::Key_F2, Qt::Key_Delete, Qt::Key_Insert, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_X})
        QTest::keyClick(runs, key);
    QTest::keyClick(runs, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(runs, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(runs->findChildren<QLineEdit*>().isEmpty()); // no cell editor opened
    QCOMPARE(mark(runs, runs->currentIndex().row()), DataSet::RecordMark::Current);
    QCOMPARE(shownNames(runs), (QStringList{u"Calculator"_qs, u"Notepad"_qs}));
    QCOMPARE(readBytes(dbPath()), before);
    QVERIFY(Dialogs::boxesShown().isEmpty());
}

void TestReferenceLists::tooltipsOnTheFirstNavigatorOnly_data() {
    QTest::addColumn<NavigatorButton>("which");
    QTest::addColumn<QString>("hint");
    const QStringList hints{u"First record"_qs, u"Prior record"_qs,  u"Next record"_qs,
                            u"Last record"_qs,  u"Insert record"_qs, u"Delete record"_qs,
                            u"Edit record"_qs,  u"Post edit"_qs,     u"Cancel edit"_qs};
    for (NavigatorButton which : kNavigatorButtons)
        QTest::newRow(qPrintable(hints[int(which)])) << which << hints[int(which)];
}

void TestReferenceLists::tooltipsOnTheFirstNavigatorOnly() {
    QFETCH(NavigatorButton, which);
    QFETCH(QString, hint);
    makeReferenceDatabase(dbPath(), kRows, kRows);
    makeWindow();
    QVERIFY(showAndWait());
    QTRY_VERIFY(!QToolTip::isVisible());
    // What the application sends when the mouse rests over a widget.
    const auto ask = [](QWidget* button) {
        const QPoint at = button->rect().center();
        QHelpEvent help(QEvent::ToolTip, at, button->mapToGlobal(at));
        QApplication::sendEvent(button, &help);
    };
    ask(navigator(2)->button(which));
    QVERIFY(!QToolTip::isVisible());
    ask(navigator(1)->button(which));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), hint);
    if (which == NavigatorButton::First) {
        // And with the real pointer resting on it.
        QTRY_VERIFY(m_window->isActiveWindow());
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        const QPoint centre = navigator(1)->button(which)->mapToGlobal(QPoint(11, 11));
        // From elsewhere, so that the pointer really moves onto the button.
        QVERIFY(xdotool({u"mousemove"_qs, u"0"_qs, u"0"_qs, u"mousemove"_qs,
                         QString::number(centre.x()), QString::number(centre.y())}));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), hint);
    }
}

void TestReferenceLists::readOnlyFileIsBrowsedOnly() {
    makeReferenceDatabase(dbPath(), kRows, kRows, kRunRows);
    QFile::setPermissions(dbPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray before = readBytes(dbPath());
    makeWindow();
    QVERIFY(showAndWait());
    QVERIFY(Dialogs::boxesShown().isEmpty());
    QCOMPARE(buttons(1), u"001100000"_qs);
    press(1, NavigatorButton::Next);
    QCOMPARE(buttons(1), u"111100000"_qs);
    QCOMPARE(edit(1)->text(), kNames[1]);
    for (int n : {1, 2}) {
        QTest::keyClicks(edit(n), u"typed"_qs);
        QTest::keyClick(edit(n), Qt::Key_Backspace);
    }
    QCOMPARE(edit(1)->text(), kNames[1]);
    QCOMPARE(edit(2)->text(), u"devmgmt.msc"_qs);
    QCOMPARE(mark(grid(1), 1), DataSet::RecordMark::Current);
    clickRow(grid(2), 2);
    QCOMPARE(edit(3)->text(), kNames[2]);
    QCOMPARE(buttons(2), u"111100000"_qs);
    QCOMPARE(readBytes(dbPath()), before);
}

void TestReferenceLists::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QRect>("geometry"); // labels: the position only
    QTest::newRow("DBGrid1") << "DBGrid1"
                             << "GroupBox1" << QRect(15, 32, 410, 113);
    QTest::newRow("Label1") << "Label1"
                            << "GroupBox1" << QRect(15, 152, 0, 0);
    QTest::newRow("DBEdit1") << "DBEdit1"
                             << "GroupBox1" << QRect(15, 173, 410, 23);
    QTest::newRow("Label2") << "Label2"
                            << "GroupBox1" << QRect(15, 210, 0, 0);
    QTest::newRow("DBEdit2") << "DBEdit2"
                             << "GroupBox1" << QRect(15, 231, 205, 23);
    QTest::newRow("DBNavigator1") << "DBNavigator1"
                                  << "GroupBox1" << QRect(15, 272, 207, 22);
    QTest::newRow("DBGrid2") << "DBGrid2"
                             << "GroupBox2" << QRect(16, 32, 449, 113);
    QTest::newRow("DBEdit3") << "DBEdit3"
                             << "GroupBox2" << QRect(16, 173, 410, 23);
    QTest::newRow("DBEdit4") << "DBEdit4"
                             << "GroupBox2" << QRect(16, 231, 205, 23);
    QTest::newRow("DBNavigator2") << "DBNavigator2"
                                  << "GroupBox2" << QRect(16, 272, 207, 22);
    QTest::newRow("DBGrid3") << "DBGrid3"
                             << "GroupBox3" << QRect(16, 29, 449, 212);
}

void TestReferenceLists::layout() {
    QFETCH(QString, name);
    QFETCH(QString, box);
    QFETCH(QRect, geometry);
    makeWindow();
    QVERIFY(showAndWait());
    QWidget* widget = control(name);
    QCOMPARE(widget->parentWidget(), control(box));
    if (geometry.isEmpty()) {
        QCOMPARE(widget->pos(), geometry.topLeft());
        QVERIFY(widget->parentWidget()->rect().contains(widget->geometry()));
    } else {
        QCOMPARE(widget->geometry(), geometry);
    }
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->buddy()->geometry().top(), geometry.top() + 21);
    if (auto* bar = qobject_cast<ReferenceNavigator*>(widget)) {
        for (NavigatorButton which : kNavigatorButtons) {
            QToolButton* b = bar->button(which);
            QCOMPARE(b->geometry(), QRect(23 * int(which), 0, 23, 22));
            QCOMPARE(b->focusPolicy(), Qt::NoFocus);
            QVERIFY(!b->autoRaise());
            const QImage picture = b->icon().pixmap(QSize(12, 12), 1.0).toImage();
            QCOMPARE(picture.size(), QSize(12, 12));
            QVERIFY(qAlpha(picture.pixel(0, 0)) == 0);
        }
    }
}

void TestReferenceLists::grids_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<bool>("bold");
    QTest::newRow("DBGrid1") << 1 << QStringList{u"Name"_qs, u"MMC File"_qs} << QList<int>{250, 126}
                             << true;
    QTest::newRow("DBGrid2") << 2 << QStringList{u"Name"_qs, u"MMC File"_qs} << QList<int>{270, 145}
                             << true;
    QTest::newRow("DBGrid3") << 3 << QStringList{u"Name"_qs, u"Command"_qs} << QList<int>{235, 180}
                             << false;
}

void TestReferenceLists::grids() {
    QFETCH(int, n);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, widths);
    QFETCH(bool, bold);
    makeReferenceDatabase(dbPath(), kRows, kRows, kRunRows);
    makeWindow();
    QVERIFY(showAndWait());
    ReferenceGrid* g = grid(n);
    QHeaderView* header = g->horizontalHeader();
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(g->model()->headerData(i, Qt::Horizontal).toString(), titles[i]);
        QCOMPARE(header->sectionSize(i), widths[i]); // also after the table opened
    }
    QCOMPARE(header->font().bold(), bold);
    QVERIFY(g->showGrid());
    QVERIFY(g->verticalHeader()->isVisible());
    QCOMPARE(g->verticalHeader()->width(), 12);
    QCOMPARE(g->editTriggers(), QAbstractItemView::NoEditTriggers);
    // A row's title stays regular when it is selected.
    clickRow(g, 1);
    QVERIFY(!header->highlightSections());
    // The indicator marks the current row only.
    const QImage indicator = g->verticalHeader()->grab().toImage();
    const auto ink = [&](int row) {
        const QRect section(0, g->verticalHeader()->sectionViewportPosition(row), 12,
                            g->verticalHeader()->sectionSize(row));
        int dark = 0;
        for (int y = section.top(); y <= section.bottom(); ++y)
            for (int x = section.left(); x <= section.right(); ++x)
                dark += QColor(indicator.pixel(x, y)).lightness() < 96;
        return dark;
    };
    QVERIFY2(ink(1) >= 6 && ink(0) == 0 && ink(2) == 0,
             qPrintable(u"%1 %2 %3"_qs.arg(ink(0)).arg(ink(1)).arg(ink(2))));

    // Dragging the separator after the first title widens that column.
    const int separator = header->sectionViewportPosition(0) + widths[0] - 1;
    const int y = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(separator, y));
    QTest::mouseMove(header->viewport(), QPoint(separator + 30, y));
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(separator + 30, y));
    QCOMPARE(header->sectionSize(0), widths[0] + 30);
}

void TestReferenceLists::tabOrder() {
    makeReferenceDatabase(dbPath(), kRows, kRows, kRunRows);
    makeWindow();
    QVERIFY(showAndWait());
    QTRY_VERIFY(m_window->isActiveWindow());
    control(u"cmdClose"_qs)->setFocus();
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{u"DBGrid1"_qs, u"DBEdit1"_qs, u"DBEdit2"_qs, u"DBGrid2"_qs,
                                   u"DBEdit3"_qs, u"DBEdit4"_qs, u"DBGrid3"_qs}));
}

void TestReferenceLists::screenshot() {
    QFile::copy(QStringLiteral(LARKSPAN_DATABASE_FILE), dbPath());
    writeBytes(m_files.menuFileName(),
               "[menu]\r\nitems=3\r\n[item1]\r\ncaption=Terminal\r\n"
               "[item2]\r\ncaption=Files\r\n[item3]\r\ncaption=Web browser\r\n");
    makeWindow();
    QVERIFY(showAndWait());
    QVERIFY(Dialogs::boxesShown().isEmpty());
    for (int n : {1, 2, 3})
        QVERIFY(grid(n)->model()->rowCount() > 5);
    clickRow(grid(2), 2);
    retype(edit(4), u"being edited.msc"_qs);
    QTRY_VERIFY(m_window->isActiveWindow());
    m_window->repaint(); // the screen shows what the window painted last
    const QRect frame = m_window->frameGeometry();
    saveArtifact(m_window->screen()
                     ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                     .toImage(),
                 u"settings-lists.png"_qs);
}

void TestReferenceLists::prepare(const QString& operation) {
    if (operation == u"insert") {
        press(1, NavigatorButton::Insert);
        retype(edit(1), u"New one"_qs);
        retype(edit(2), u"new.msc"_qs);
    } else if (operation != u"delete") {
        retype(edit(1), u"Mine"_qs);
    }
}

void TestReferenceLists::store(const QString& operation) {
    if (operation == u"move")
        clickRow(grid(1), 2);
    else if (operation == u"delete")
        press(1, NavigatorButton::Delete); // OK is the default answer
    else
        press(1, NavigatorButton::Post);
}

void TestReferenceLists::verifyStillPending(const QString& operation) {
    QCOMPARE(grid(1)->currentIndex().row(), 0);
    if (operation == u"delete") {
        QCOMPARE(shownNames(grid(1)), kNames);
        QCOMPARE(mark(grid(1), 0), DataSet::RecordMark::Current);
        QCOMPARE(edit(1)->text(), kNames[0]);
    } else if (operation == u"insert") {
        QCOMPARE(shownNames(grid(1)), QStringList{u"New one"_qs} + kNames);
        QCOMPARE(mark(grid(1), 0), DataSet::RecordMark::Inserting);
        QCOMPARE(edit(2)->text(), u"new.msc"_qs);
    } else {
        QCOMPARE(mark(grid(1), 0), DataSet::RecordMark::Editing);
        QCOMPARE(edit(1)->text(), u"Mine"_qs);
        QCOMPARE(buttons(1), u"001111011"_qs);
    }
}

void TestReferenceLists::lockedWhileStoring_data() {
    QTest::addColumn<QString>("lock");
    QTest::addColumn<QString>("operation"); // Post, move, insert, delete
    for (const char* operation : {"Post", "move", "insert", "delete"})
        QTest::addRow("exclusive, %s", operation) << kExclusive << operation;
    for (const char* operation : {"Post", "delete"})
        QTest::addRow("write transaction, %s", operation) << kWriting << operation;
}

void TestReferenceLists::lockedWhileStoring() {
    QFETCH(QString, lock);
    QFETCH(QString, operation);
    writeMenuAndConfig();
    makeReferenceDatabase(dbPath(), kRows);
    makeWindow();
    QVERIFY(showAndWait());
    prepare(operation);
    LockingProgram other;
    QVERIFY(other.start(dbPath(), lock));

    // SQLite's busy timeout: the window waits a moment for the lock, then gives up.
    store(operation);
    QTRY_COMPARE(errorBoxes(), QStringList{kLocked});
    QVERIFY(writeLocked(dbPath()));
    verifyStillPending(operation);

    QVERIFY(other.release());
    QStringList expected = kNames;
    if (lock == kWriting)
        expected[2] = u"Theirs"_qs;
    QCOMPARE(fileNames(kWindows), expected);

    // Once the lock has gone the same change goes through.
    store(operation == u"move" ? u"Post"_qs : operation);
    QCOMPARE(errorBoxes(), QStringList{kLocked});
    if (operation == u"delete")
        expected.removeFirst();
    else if (operation == u"insert")
        expected.append(u"New one"_qs);
    else
        expected[0] = u"Mine"_qs;
    QCOMPARE(fileNames(kWindows), expected);
    QVERIFY(!shownNames(grid(1)).contains(u"Theirs"_qs)); // a static cursor
    verifyMenuAndConfigUntouched();
}

void TestReferenceLists::fileChangedUnderneath_data() {
    QTest::addColumn<QString>("journal"); // SQLite's journal mode of the file
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message"); // "%1" stands for the file's path
    for (const char* journal : {"delete", "wal"}) {
        for (const char* operation : {"Post", "insert", "delete"})
            QTest::addRow("deleted, %s, %s journal", operation, journal)
                << journal << "deleted" << operation << kMoved;
        QTest::addRow("replaced by garbage, Post, %s journal", journal) << journal << "replaced"
                                                                        << "Post" << kMoved;
    }
    // The same file, rewritten: SQLite reads it anew and refuses it.
    QTest::newRow("overwritten with garbage, Post, delete journal")
        << "delete"
        << "overwritten"
        << "Post" << u"file is not a database."_qs;
    QTest::newRow("overwritten with garbage, Post, wal journal")
        << "wal"
        << "overwritten"
        << "Post" << u"database disk image is malformed."_qs;
}

void TestReferenceLists::fileChangedUnderneath() {
    QFETCH(QString, journal);
    QFETCH(QString, fault);
    QFETCH(QString, operation);
    QFETCH(QString, message);
    writeMenuAndConfig();
    makeReferenceDatabase(dbPath(), kRows);
    execSql(dbPath(), u"PRAGMA journal_mode = %1"_qs.arg(journal));
    makeWindow();
    QVERIFY(showAndWait());
    QVERIFY(errorBoxes().isEmpty());

    if (fault == u"deleted") {
        QVERIFY(QFile::remove(dbPath()));
    } else if (fault == u"overwritten") {
        writeBytes(dbPath(), garbage());
    } else {
        writeBytes(dbPath() + u".new"_qs, garbage());
        QCOMPARE(std::rename(QFile::encodeName(dbPath() + u".new"_qs).constData(),
                             QFile::encodeName(dbPath()).constData()),
                 0);
    }
    const QStringList entries = folderEntries();

    // Browsing needs only what was read at opening.
    press(1, NavigatorButton::Last);
    QCOMPARE(edit(1)->text(), kNames[2]);
    clickRow(grid(1), 1);
    QCOMPARE(edit(1)->text(), kNames[1]);
    press(1, NavigatorButton::First);
    QCOMPARE(edit(1)->text(), kNames[0]);

    prepare(operation);
    store(operation);
    if (message.contains(u"%1"))
        message = message.arg(dbPath());
    QTRY_COMPARE(errorBoxes(), QStringList{message});
    verifyStillPending(operation);
    // Nothing took the lost file's place, and a garbage file was not written into.
    QCOMPARE(folderEntries(), entries);
    if (fault != u"deleted")
        QCOMPARE(readBytes(dbPath()), garbage());

    // The user can give up the change and go on browsing.
    press(1, NavigatorButton::Cancel);
    QCOMPARE(shownNames(grid(1)), kNames);
    clickRow(grid(1), 2);
    QCOMPARE(edit(1)->text(), kNames[2]);
    QCOMPARE(errorBoxes().size(), 1);

    m_window.reset();
    QCOMPARE(QFileInfo::exists(dbPath()), fault != u"deleted");
    QVERIFY(!QFileInfo::exists(dbPath() + u"-journal"_qs));
    if (fault != u"deleted")
        QCOMPARE(readBytes(dbPath()), garbage());
    verifyMenuAndConfigUntouched();
}

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    TestReferenceLists test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_referencelists.moc"
