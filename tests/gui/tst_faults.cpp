// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"
#include "app/errorbox.h"
#include "app/startup.h"
#include "bar/barwindow.h"
#include "bar/launchermenu.h"
#include "bar/picturebutton.h"
#include "core/profilefile.h"
#include "core/safefile.h"
#include "settings/entrydialog.h"
#include "settings/settingswindow.h"
#include "support/guitest.h"
#include "support/testfiles.h"
#include "widgets/dialogs.h"

#include <QDirIterator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <cerrno>
#include <sys/stat.h>

namespace {

enum class Command { Add, Edit, Delete, Open, Save, FirstRun, PositionSave };
enum class Fault { ReadOnlyFolder, ReadOnlyFile, DiskFull, MissingFolder };
enum class OutsideChange { Replaced, Truncated, Deleted, Cut, Folder };

const QByteArray kMenu =
    menuFile({{"Alpha", "/usr/bin/alpha"}, {"-", ""}, {"Gamma", "/usr/bin/gamma"}});
const QStringList kCaptions{u"Alpha"_qs, u"-"_qs, u"Gamma"_qs};
const QByteArray kWork = menuFile({{"Work", "/usr/bin/work"}, {"Mail", "/usr/bin/mail"}});
const QStringList kWorkCaptions{u"Work"_qs, u"Mail"_qs};
const QByteArray kConfig = "[menu]\r\nfile=$apppath$\\menu.ini\r\n"
                           "[skin]\r\nfile=$apppath$\\skins\\default\\\r\n"
                           "[WindowPos]\r\nTop=40\r\nLeft=300\r\n";
const QByteArray kDefaultConfig = "[menu]\r\nfile=$apppath$\\menu.ini\r\n"
                                  "[skin]\r\nfile=$apppath$\\skins\\default\\\r\n";
const QPoint kMovedTo(120, 60);
const QString kListRenewed =
    u"Another program changed the menu file, so the list has been brought up to date."_qs;

QStringList listLines(const QStringList& captions) {
    QStringList lines;
    for (const QString& caption : captions)
        lines.append(caption == u"-" ? u"Menu Seperator (-)"_qs : caption);
    return lines;
}

// The launcher's rows without access keys, for captions whose separators stand between
// entries only.
QStringList launcherRows(const QStringList& captions) {
    QStringList rows;
    for (const QString& caption : captions)
        rows.append(caption == u"-" ? u"----"_qs : caption);
    if (!rows.isEmpty())
        rows.append(u"----"_qs);
    rows.append(u"Exit"_qs);
    return rows;
}

// What is on disk, read apart from the windows.
QStringList captionsIn(const QString& path) {
    const ProfileSnapshot menu = ProfileFile(path).Snapshot();
    QStringList captions;
    for (int i = 1; i <= menu.ReadInteger(u"menu"_qs, u"items"_qs, 0); ++i)
        captions.append(menu.ReadString(u"item%1"_qs.arg(i), u"caption"_qs, u"<none>"_qs));
    return captions;
}

void setMode(const QString& path, mode_t mode) {
    ::chmod(QFile::encodeName(path).constData(), mode);
}

} // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(OutsideChange)

// Every run starts the program as main does, in an application folder of its own, and works in
// an empty current folder (where data.mdb would be looked for first).
class TestFaults : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void failedWriteChangesNothing_data();
    void failedWriteChangesNothing();
    void launcherMenuAfterOutsideChange_data();
    void launcherMenuAfterOutsideChange();
    void outsideChangeWhileSettingsOpen_data();
    void outsideChangeWhileSettingsOpen();
    void outsideChangeWhileDeleteIsAsked_data();
    void outsideChangeWhileDeleteIsAsked();
    void largeMenus_data();
    void largeMenus();
    void boxesStandOnTheirOwners_data();
    void boxesStandOnTheirOwners();

private:
    QString menuPath() const { return m_folder->file(u"menu.ini"_qs); }
    QString configPath() const { return m_folder->file(u"config.ini"_qs); }
    QString workPath() const { return m_folder->file(u"menus/work.ini"_qs); }
    QString copyPath() const { return m_folder->file(u"copies/copy.ini"_qs); }

    void freshFolder();
    void startProgram();
    BarWindow& bar() const { return m_windows->bar(); }
    SettingsWindow* settings() const { return &m_windows->settings(); }
    EntryDialog* entryDialog() const { return &m_windows->entryDialog(); }
    MenuEntryList* list() const { return settings()->findChild<MenuEntryList*>(u"LstItems"_qs); }
    QStringList shownLines() const;
    void click(const char* button) {
        QTest::mouseClick(settings()->findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
    }
    void clickLine(int number) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(number - 1)).center());
    }
    // Only shown and exposed: where the window manager framed it does not matter here.
    void openSettings() {
        settings()->open();
        QVERIFY(QTest::qWaitForWindowExposed(settings(), 20000));
    }
    void closeSettings() {
        settings()->close();
        QTRY_VERIFY(!settings()->isVisible());
    }
    QStringList menuRows() const;
    QStringList errorTexts() const;
    QMap<QString, QByteArray> filesNow() const;
    void compareFiles(const QMap<QString, QByteArray>& before) const;

    void run(Command command);
    QString failedFile(Command command, Fault fault) const;
    std::shared_ptr<int> arm(Fault fault, const QString& file, int point);
    void disarm(const QString& file);
    void checkFailure(Command command, Fault fault, int point,
                      const QMap<QString, QByteArray>& before);
    void checkRetry(Command command);

    std::unique_ptr<TestAppFolder> m_folder;
    std::unique_ptr<ProgramWindows> m_windows;
    std::unique_ptr<QSignalSpy> m_closed;
    std::unique_ptr<QTemporaryDir> m_currentFolder;
    const QString m_startFolder = QDir::currentPath();
};

void TestFaults::init() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb"_qs,
             "needs an X display with a window manager");
    m_currentFolder = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_currentFolder->path());
    freshFolder();
}

void TestFaults::cleanup() {
    SafeFile::setWriteFaultForTesting({});
    m_closed.reset();
    m_windows.reset();
    if (m_folder) {
        setMode(m_folder->path(), 0755);
        setMode(configPath(), 0644);
        setMode(menuPath(), 0644);
    }
    m_folder.reset();
    QDir::setCurrent(m_startFolder);
    m_currentFolder.reset();
}

// Each attempt starts from the same files, as a new process would find them.
void TestFaults::freshFolder() {
    m_closed.reset();
    m_windows.reset();
    if (m_folder)
        setMode(m_folder->path(), 0755);
    m_folder.reset(); // first, since it forgets the application folder when it goes
    m_folder = std::make_unique<TestAppFolder>();
    writeBytes(menuPath(), kMenu);
    writeBytes(configPath(), kConfig);
    QDir().mkpath(m_folder->file(u"menus"_qs));
    writeBytes(workPath(), kWork);
    QDir().mkpath(m_folder->file(u"copies"_qs));
}

void TestFaults::startProgram() {
    m_closed.reset();
    m_windows.reset();
    Dialogs::resetForTesting();
    m_windows = std::make_unique<ProgramWindows>();
    m_closed = std::make_unique<QSignalSpy>(&bar(), &BarWindow::closed);
    bar().show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar(), 20000));
}

QStringList TestFaults::shownLines() const {
    QStringList texts;
    for (int i = 0; i < list()->count(); ++i)
        texts.append(list()->item(i)->text());
    return texts;
}

QStringList TestFaults::menuRows() const {
    QStringList rows{u"<the menu did not open>"_qs};
    ::withOpenMenu(
        bar().launcherMenu(), bar().findChild<PictureButton*>(u"ImgMenu"_qs),
        [&](LauncherMenu& menu) { rows = shownRows(menu).replaceInStrings(u"&"_qs, QString()); });
    return rows;
}

// The error boxes shown, but for the start's about the database, which the test folder lacks.
QStringList TestFaults::errorTexts() const {
    QStringList texts;
    for (const Dialogs::Box& box : Dialogs::boxesShown()) {
        if (box.icon != QMessageBox::Critical || box.text.contains(u"data.mdb"_qs))
            continue;
        texts.append(box.text);
        if (box.title != u"Larkspan")
            texts.append(u"<titled %1>"_qs.arg(box.title));
    }
    return texts;
}

// Every file of the folder but the skin, hidden ones included: a temporary left behind or a
// stray copy shows up as a name of its own.
QMap<QString, QByteArray> TestFaults::filesNow() const {
    QMap<QString, QByteArray> files;
    QDirIterator it(m_folder->path(), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = path.mid(m_folder->path().size());
        if (!name.startsWith(u"skins/"_qs))
            files.insert(name, readBytes(path));
    }
    return files;
}

void TestFaults::compareFiles(const QMap<QString, QByteArray>& before) const {
    const QMap<QString, QByteArray> after = filesNow();
    QCOMPARE(QStringList(after.keys()), QStringList(before.keys()));
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
}

void TestFaults::run(Command command) {
    switch (command) {
    case Command::Add:
        QVERIFY(withModalDialog(
            entryDialog(), [&] { click("cmdNew"); },
            [](EntryDialog& dialog) { fillEntryDialog(dialog, u"New"_qs, u"/usr/bin/new"_qs); }));
        break;
    case Command::Edit:
        clickLine(3);
        QVERIFY(withModalDialog(
            entryDialog(), [&] { click("cmdEdit"); },
            [](EntryDialog& dialog) {
                fillEntryDialog(dialog, u"Changed"_qs, u"/usr/bin/changed"_qs);
            }));
        break;
    case Command::Delete:
        clickLine(2);
        Dialogs::answerNextBox(QMessageBox::Yes);
        click("cmdDelete");
        break;
    case Command::Open:
        Dialogs::answerNextFile(workPath());
        click("cmdOpen");
        break;
    case Command::Save:
        Dialogs::answerNextFile(copyPath());
        click("cmdSave");
        break;
    case Command::FirstRun:
        startProgram();
        break;
    case Command::PositionSave:
        bar().close();
        break;
    }
}

QString TestFaults::failedFile(Command command, Fault fault) const {
    switch (command) {
    case Command::Add:
    case Command::Edit:
    case Command::Delete:
        return menuPath();
    case Command::Save:
        return fault == Fault::MissingFolder ? copyPath() : configPath();
    default:
        return configPath();
    }
}

// Makes the write of `file` fail; a full disk only at the `point`-th write of the command. The
// result counts the writes that reached the disk seam.
std::shared_ptr<int> TestFaults::arm(Fault fault, const QString& file, int point) {
    auto writes = std::make_shared<int>(0);
    const QString folder = QFileInfo(file).absolutePath();
    switch (fault) {
    case Fault::ReadOnlyFolder:
        setMode(folder, 0555);
        break;
    case Fault::ReadOnlyFile:
        setMode(file, 0444);
        break;
    case Fault::DiskFull:
        SafeFile::setWriteFaultForTesting(
            [writes, point] { return ++*writes == point ? ENOSPC : 0; });
        break;
    case Fault::MissingFolder:
        QDir(folder).removeRecursively();
        break;
    }
    return writes;
}

void TestFaults::disarm(const QString& file) {
    const QString folder = QFileInfo(file).absolutePath();
    SafeFile::setWriteFaultForTesting({});
    QDir().mkpath(folder);
    setMode(folder, 0755);
    if (QFile::exists(file))
        setMode(file, 0644);
}

void TestFaults::failedWriteChangesNothing_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<Fault>("fault");
    const std::pair<const char*, Command> commands[] = {{"add", Command::Add},
                                                        {"edit", Command::Edit},
                                                        {"delete", Command::Delete},
                                                        {"open", Command::Open},
                                                        {"save", Command::Save},
                                                        {"first run", Command::FirstRun},
                                                        {"position save", Command::PositionSave}};
    const std::pair<const char*, Fault> faults[] = {{"read-only folder", Fault::ReadOnlyFolder},
                                                    {"read-only file", Fault::ReadOnlyFile},
                                                    {"disk full", Fault::DiskFull}};
    for (const auto& [commandName, command] : commands)
        for (const auto& [faultName, fault] : faults) {
            // On the first run there is no file yet to be read-only.
            if (command == Command::FirstRun && fault == Fault::ReadOnlyFile)
                continue;
            QTest::addRow("%s, %s", commandName, faultName) << command << fault;
        }
    QTest::newRow("save, copy's folder missing") << Command::Save << Fault::MissingFolder;
}

// A failing write, at each of the command's writes in turn, leaves every file as it was, says so
// in the error box, and a retry once the fault is gone works in the same windows.
void TestFaults::failedWriteChangesNothing() {
    QFETCH(Command, command);
    QFETCH(Fault, fault);
    for (int point = 1;; ++point) {
        freshFolder();
        if (command == Command::FirstRun) {
            QVERIFY(QFile::remove(configPath()));
        } else {
            startProgram();
            if (command == Command::PositionSave) {
                bar().move(kMovedTo);
                QTRY_COMPARE(bar().frameGeometry().topLeft(), kMovedTo);
            } else {
                openSettings();
                QCOMPARE(shownLines(), listLines(kCaptions));
            }
        }
        const QMap<QString, QByteArray> before = filesNow();
        const QString file = failedFile(command, fault);
        Dialogs::resetForTesting();
        const std::shared_ptr<int> writes = arm(fault, file, point);
        run(command);
        if (QTest::currentTestFailed())
            return;
        if (fault == Fault::DiskFull && *writes < point) {
            // The command has fewer writes than this: it went through.
            QVERIFY(point > 1);
            QCOMPARE(errorTexts(), QStringList());
            break;
        }
        checkFailure(command, fault, point, before);
        // A program that has ended has nothing to retry.
        if (QTest::currentTestFailed() || command == Command::PositionSave)
            return;
        disarm(file);
        Dialogs::resetForTesting();
        checkRetry(command);
        if (QTest::currentTestFailed() || fault != Fault::DiskFull)
            return;
    }
}

void TestFaults::checkFailure(Command command, Fault fault, int point,
                              const QMap<QString, QByteArray>& before) {
    const QString reason =
        fault == Fault::DiskFull ? u"No space left on device"_qs : u"Permission denied"_qs;
    QString expected;
    switch (command) {
    case Command::Add:
    case Command::Edit:
        // The program knows the file as "$apppath$\menu.ini"; messages show it as on disk.
        expected = u"Unable to write to "_qs + menuPath() + u'.';
        break;
    case Command::Delete:
        // The second write is the backup's.
        expected = point == 2
                       ? u"Cannot write the backup \""_qs + menuPath() +
                             u".bak\", so the menu file was not changed. "_qs + reason + u'.'
                       : u"Cannot create file \""_qs + menuPath() + u"\". "_qs + reason + u'.';
        break;
    default:
        expected = u"Unable to write to "_qs + configPath() + u'.';
    }
    const QStringList errors = errorTexts();
    if (fault == Fault::MissingFolder) {
        const QString prefix = u"Cannot copy \"%1\" to \"%2\". "_qs.arg(menuPath(), copyPath());
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].startsWith(prefix) && errors[0].size() > prefix.size() + 1,
                 qPrintable(errors[0]));
    } else {
        QCOMPARE(errors, QStringList{expected});
    }
    compareFiles(before);
    if (QTest::currentTestFailed())
        return;

    // Quitting always works; any other command leaves the program going, showing what the
    // files hold.
    if (command == Command::PositionSave) {
        QCOMPARE(m_closed->count(), 1);
        return;
    }
    QVERIFY(bar().isVisible());
    // A failed first start names no menu file; an open has loaded the file before it failed to
    // note it.
    const QStringList shown = command == Command::FirstRun ? QStringList()
                              : command == Command::Open   ? kWorkCaptions
                                                           : kCaptions;
    if (command != Command::FirstRun) {
        QCOMPARE(shownLines(), listLines(shown));
        closeSettings();
    }
    QCOMPARE(menuRows(),
             command == Command::FirstRun ? QStringList{u"Exit"_qs} : launcherRows(shown));
    openSettings();
    QCOMPARE(shownLines(), listLines(shown));
    if (command == Command::FirstRun)
        closeSettings();
}

void TestFaults::checkRetry(Command command) {
    run(command);
    if (QTest::currentTestFailed())
        return;
    if (command == Command::FirstRun) {
        QCOMPARE(errorTexts(), QStringList());
        QCOMPARE(readBytes(configPath()), kDefaultConfig);
        QCOMPARE(menuRows(), launcherRows(kCaptions));
        return;
    }
    QCOMPARE(errorTexts(), QStringList());
    const ProfileFile config(configPath());
    QStringList shown = kCaptions;
    switch (command) {
    case Command::Add:
        shown.append(u"New"_qs);
        break;
    case Command::Edit:
        shown[2] = u"Changed"_qs;
        break;
    case Command::Delete:
        shown.removeAt(1);
        break;
    case Command::Open:
        shown = kWorkCaptions;
        QCOMPARE(config.ReadString(u"menu"_qs, u"file"_qs, QString()),
                 u"$apppath$\\menus/work.ini"_qs);
        break;
    case Command::Save:
        QCOMPARE(readBytes(copyPath()), kMenu);
        QCOMPARE(config.ReadString(u"menu"_qs, u"file"_qs, QString()),
                 u"$apppath$\\copies/copy.ini"_qs);
        break;
    default:
        break;
    }
    QCOMPARE(shownLines(), listLines(shown));
    QCOMPARE(captionsIn(command == Command::Open ? workPath() : menuPath()), shown);
    closeSettings();
    QCOMPARE(menuRows(), launcherRows(shown));
}

void TestFaults::launcherMenuAfterOutsideChange_data() {
    QTest::addColumn<OutsideChange>("change");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("replaced by renaming another file over it")
        << OutsideChange::Replaced << launcherRows(kWorkCaptions);
    QTest::newRow("truncated to nothing") << OutsideChange::Truncated << launcherRows({});
    QTest::newRow("cut inside an entry")
        << OutsideChange::Cut
        << QStringList{u"Alpha"_qs, QString(), QString(), u"----"_qs, u"Exit"_qs};
    QTest::newRow("deleted") << OutsideChange::Deleted << launcherRows({});
    QTest::newRow("a folder in its place") << OutsideChange::Folder << launcherRows({});
}

namespace {
// What another program does to the menu file.
void changeFromOutside(OutsideChange change, const QString& path) {
    switch (change) {
    case OutsideChange::Replaced: {
        const QString other = path + u".new"_qs;
        writeBytes(other, kWork);
        QVERIFY(::rename(QFile::encodeName(other).constData(),
                         QFile::encodeName(path).constData()) == 0);
        break;
    }
    case OutsideChange::Truncated:
        writeBytes(path, QByteArray());
        break;
    case OutsideChange::Cut:
        writeBytes(path, kMenu.left(kMenu.indexOf("caption=-") + 4));
        break;
    case OutsideChange::Deleted:
        QVERIFY(QFile::remove(path));
        break;
    case OutsideChange::Folder:
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        break;
    }
}
} // namespace

// Each opening reads the file as it is then: another program's change shows at once, whatever
// it left, and a restored file shows again.
void TestFaults::launcherMenuAfterOutsideChange() {
    QFETCH(OutsideChange, change);
    QFETCH(QStringList, rows);
    startProgram();
    QCOMPARE(errorTexts(), QStringList());
    Dialogs::resetForTesting();
    QCOMPARE(menuRows(), launcherRows(kCaptions));
    changeFromOutside(change, menuPath());
    QCOMPARE(menuRows(), rows);
    QDir().rmdir(menuPath());
    writeBytes(menuPath(), kMenu);
    QCOMPARE(menuRows(), launcherRows(kCaptions));
    QVERIFY(Dialogs::boxesShown().isEmpty());
}

void TestFaults::outsideChangeWhileSettingsOpen_data() {
    QTest::addColumn<OutsideChange>("change");
    QTest::addColumn<Command>("command");
    QTest::addColumn<QStringList>("captions"); // in the file afterwards
    const std::pair<const char*, OutsideChange> changes[] = {
        {"replaced", OutsideChange::Replaced},
        {"truncated", OutsideChange::Truncated},
        {"deleted", OutsideChange::Deleted}};
    for (const auto& [name, change] : changes) {
        const QStringList left = change == OutsideChange::Replaced ? kWorkCaptions : QStringList();
        // Adding keeps what the other program left; editing and deleting must not act on a line
        // number that now stands for another entry, or for none.
        QTest::addRow("%s, then add", name)
            << change << Command::Add << left + QStringList{u"New"_qs};
        QTest::addRow("%s, then edit", name) << change << Command::Edit << left;
        QTest::addRow("%s, then delete", name) << change << Command::Delete << left;
    }
}

// Another program changes the menu file while the Settings window shows it: the command keeps
// that program's entries, and afterwards the list, the launcher menu and the file agree.
void TestFaults::outsideChangeWhileSettingsOpen() {
    QFETCH(OutsideChange, change);
    QFETCH(Command, command);
    QFETCH(QStringList, captions);
    const QByteArray left = change == OutsideChange::Replaced ? kWork : QByteArray();
    startProgram();
    openSettings();
    clickLine(3);
    changeFromOutside(change, menuPath());
    Dialogs::resetForTesting();
    Dialogs::answerNextBox(QMessageBox::Yes);
    // The entry dialog is answered if it comes up; a stale line must not bring it up.
    bool entryDialogShown = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, entryDialog(), [&] {
        if (entryDialogShown || QApplication::activeModalWidget() != entryDialog())
            return;
        entryDialogShown = true;
        fillEntryDialog(*entryDialog(), u"New"_qs, u"/usr/bin/new"_qs);
    });
    poll.start(5);
    click(command == Command::Add ? "cmdNew" : command == Command::Edit ? "cmdEdit" : "cmdDelete");
    poll.stop();
    QVERIFY(!entryDialog()->isVisible());
    QCOMPARE(entryDialogShown, command == Command::Add);
    if (command == Command::Add) {
        QCOMPARE(Dialogs::boxesShown().size(), 0);
        QCOMPARE(list()->selectedRow(), list()->count() - 1);
        QCOMPARE(settings()->selectedEntry(), list()->count());
    } else {
        // Nothing was asked about a line that no longer says what it stands for: the user is
        // told why the list changed under the pointer.
        QCOMPARE(Dialogs::boxesShown().size(), 1);
        QCOMPARE(Dialogs::boxesShown()[0].text,
                 kListRenewed + u" \"Gamma\" is no longer in it."_qs);
        if (change != OutsideChange::Deleted)
            QCOMPARE(readBytes(menuPath()), left);
        else
            QVERIFY(!QFile::exists(menuPath()));
    }
    QCOMPARE(captionsIn(menuPath()), captions);
    QCOMPARE(shownLines(), listLines(captions));
    if (command == Command::Delete && list()->count() > 0) {
        // Asked again, the delete names and removes the line now selected.
        const int selected = list()->selectedRow();
        QVERIFY(selected >= 0);
        QCOMPARE(settings()->selectedEntry(), selected + 1);
        const QString line = list()->item(selected)->text();
        Dialogs::answerNextBox(QMessageBox::Yes);
        click("cmdDelete");
        QCOMPARE(Dialogs::boxesShown().size(), 2);
        QCOMPARE(Dialogs::boxesShown()[1].text,
                 u"Are you sure you want to delete \""_qs + line + u'"');
        captions.removeAt(selected);
        QCOMPARE(captionsIn(menuPath()), captions);
        QCOMPARE(shownLines(), listLines(captions));
    }
    closeSettings();
    QCOMPARE(menuRows(), launcherRows(captions));
}

void TestFaults::outsideChangeWhileDeleteIsAsked_data() {
    QTest::addColumn<QByteArray>("changed");
    QTest::addColumn<QStringList>("captions"); // in the file afterwards
    QTest::addColumn<QString>("told");
    QTest::newRow("entry moved") << menuFile({{"New", "/usr/bin/new"},
                                              {"Alpha", "/usr/bin/alpha"},
                                              {"-", ""},
                                              {"Gamma", "/usr/bin/gamma"}})
                                 << QStringList{u"New"_qs, u"-"_qs, u"Gamma"_qs} << kListRenewed;
    QTest::newRow("entry gone") << kWork << kWorkCaptions
                                << kListRenewed + u" \"Alpha\" is no longer in it."_qs;
}

// Another program changes the file while the delete question is open: the entry asked about
// goes, wherever it is now, or nothing does.
void TestFaults::outsideChangeWhileDeleteIsAsked() {
    QFETCH(QByteArray, changed);
    QFETCH(QStringList, captions);
    QFETCH(QString, told);
    startProgram();
    openSettings();
    clickLine(1);
    Dialogs::resetForTesting();
    Dialogs::showRealDialogs();
    QTimer poll;
    int boxes = 0;
    connect(&poll, &QTimer::timeout, settings(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (boxes++ == 0)
            writeBytes(menuPath(), changed);
        box->done(box->standardButtons().testFlag(QMessageBox::Yes) ? QMessageBox::Yes
                                                                    : QMessageBox::Ok);
    });
    poll.start(5);
    click("cmdDelete");
    poll.stop();
    const QList<Dialogs::Box> shown = Dialogs::boxesShown();
    Dialogs::resetForTesting();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1].text, told);
    QCOMPARE(captionsIn(menuPath()), captions);
    QCOMPARE(shownLines(), listLines(captions));
    closeSettings();
    QCOMPARE(menuRows(), launcherRows(captions));
}

void TestFaults::largeMenus_data() {
    QTest::addColumn<int>("targetLength");
    QTest::newRow("20,000 entries") << 10;
    QTest::newRow("20,000 entries, 50 MB") << 2450;
}

// Every entry is shown and can be reached, and the commands work; how long each takes is
// measured by the benchmarks.
void TestFaults::largeMenus() {
    QFETCH(int, targetLength);
    const int count = 20000;
    QByteArray text = "[menu]\r\nitems=" + QByteArray::number(count) + "\r\n";
    const QByteArray arguments(targetLength, 'a');
    for (int i = 1; i <= count; ++i)
        text += "[item" + QByteArray::number(i) + "]\r\ncaption=Program " + QByteArray::number(i) +
                "\r\nexec=/usr/bin/program " + arguments + "\r\n";
    writeBytes(menuPath(), text);
    startProgram();

    bool lastReached = false;
    ::withOpenMenu(bar().launcherMenu(), bar().findChild<PictureButton*>(u"ImgMenu"_qs),
                   [&](LauncherMenu& menu) {
                       const QList<int> shown = shownItems(menu);
                       QCOMPARE(shown.size(), count + 2);
                       QCOMPARE(QString(menu.rows()[shown[count - 1]].caption).remove(u'&'),
                                u"Program 20000"_qs);
                       // Taller than the screen, the menu scrolls to its last entry.
                       QTest::keyClick(&menu, Qt::Key_End);
                       QTRY_COMPARE(menu.activeRow(), shown.last());
                       QVERIFY(menu.rowGeometry(shown.last()).bottom() < menu.height());
                       lastReached = true;
                   });
    QVERIFY(lastReached);

    openSettings();
    QCOMPARE(list()->count(), count);
    run(Command::Add);
    QCOMPARE(list()->count(), count + 1);
    QCOMPARE(list()->item(count)->text(), u"New"_qs);
    clickLine(1);
    Dialogs::answerNextBox(QMessageBox::Yes);
    click("cmdDelete");
    QCOMPARE(list()->count(), count);
    closeSettings();
    QCOMPARE(errorTexts(), QStringList());

    const QStringList captions = captionsIn(menuPath());
    QCOMPARE(captions.size(), count);
    QCOMPARE(captions.first(), u"Program 2"_qs);
    QCOMPARE(captions.last(), u"New"_qs);
    QVERIFY(ProfileFile(menuPath())
                .ReadString(u"item19999"_qs, u"exec"_qs, QString())
                .startsWith(u"/usr/bin/program "_qs + QString(targetLength, u'a').left(2000)));
}

namespace {

quint64 topClient() {
    QProcess xprop;
    xprop.start(u"xprop"_qs, {u"-root"_qs, u"_NET_CLIENT_LIST_STACKING"_qs});
    xprop.waitForFinished();
    const QString ids = QString::fromUtf8(xprop.readAllStandardOutput()).section(u'#', 1);
    return ids.section(u',', -1).trimmed().toULongLong(nullptr, 16);
}

// Shows an error box as a failing handler does, and looks at it from outside while it is up.
void checkErrorBoxOn(QWidget* owner) {
    bool looked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, owner, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (looked || !box || !box->isVisible())
            return;
        looked = true;
        const auto closeIt = qScopeGuard([box] { box->accept(); });
        QTRY_COMPARE(topClient(), quint64(box->winId()));
        QCOMPARE(
            xprop(box, u"WM_TRANSIENT_FOR"_qs).section(u'#', 1).trimmed().toULongLong(nullptr, 16),
            quint64(owner->winId()));
        // On a window lower than itself (the bar) it hangs from the owner's top edge.
        const auto offCentre = [&] {
            const QRect frame = box->frameGeometry();
            const QRect on = owner->frameGeometry();
            return QPoint(frame.center().x() - on.center().x(),
                          frame.height() > on.height() ? frame.top() - on.top()
                                                       : frame.center().y() - on.center().y());
        };
        QTRY_VERIFY2(offCentre().manhattanLength() <= 2,
                     qPrintable(u"%1 %2"_qs.arg(offCentre().x()).arg(offCentre().y())));
    });
    poll.start(10);
    showErrorBox(u"Disk full"_qs);
    QVERIFY(looked);
}

} // namespace

void TestFaults::boxesStandOnTheirOwners_data() {
    QTest::addColumn<QString>("owner");
    QTest::newRow("bar") << u"frmmain"_qs;
    QTest::newRow("Settings window") << u"FrmSettings"_qs;
    QTest::newRow("entry dialog over Settings") << u"frmAddNew"_qs;
    QTest::newRow("About window") << u"&m_windows->about()"_qs;
}

// A box belongs to the window the user is in, stands above it and above the bar, which is
// above everything else, and is centred on it.
void TestFaults::boxesStandOnTheirOwners() {
    QFETCH(QString, owner);
    startProgram();
    Dialogs::showRealDialogs();
    // Each window stands over the one that opened it, as the window manager reads it.
    const auto inModal = [](QDialog* dialog, QWidget* opener, const std::function<void()>& then) {
        QVERIFY(withModalDialog(
            dialog, [dialog] { dialog->exec(); },
            [opener, then](QDialog& shown) {
                QTRY_VERIFY(shown.isActiveWindow());
                QCOMPARE(xprop(&shown, u"WM_TRANSIENT_FOR"_qs)
                             .section(u'#', 1)
                             .trimmed()
                             .toULongLong(nullptr, 16),
                         quint64(opener->winId()));
                then();
                shown.reject();
            }));
    };
    if (owner == u"frmmain") {
        QVERIFY(xdotool({u"windowactivate"_qs, u"--sync"_qs, QString::number(bar().winId())}));
        QTRY_VERIFY(bar().isActiveWindow());
        checkErrorBoxOn(&bar());
    } else if (owner == u"frmAddNew") {
        inModal(settings(), &bar(), [&] {
            inModal(entryDialog(), settings(), [this] { checkErrorBoxOn(entryDialog()); });
        });
    } else {
        auto* window =
            owner == u"FrmSettings" ? static_cast<QDialog*>(settings()) : &m_windows->about();
        inModal(window, &bar(), [window] { checkErrorBoxOn(window); });
    }
}

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    TestFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
