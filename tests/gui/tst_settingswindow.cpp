// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorbox.h"
#include "core/appdir.h"
#include "core/menufile.h"
#include "core/programfiles.h"
#include "core/safefile.h"
#include "settings/entrydialog.h"
#include "settings/settingswindow.h"
#include "support/guitest.h"
#include "support/testfiles.h"
#include "widgets/dialogs.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <cerrno>
#include <functional>

namespace {
const QByteArray kBom = "\xEF\xBB\xBF";
const QByteArray kThree = "[menu]\r\nitems=3\r\n[item1]\r\ncaption=A\r\nexec=a\r\n"
                          "[item2]\r\ncaption=-\r\nexec=\r\n[item3]\r\ncaption=C\r\nexec=c\r\n";
const QString kSeparatorLine = QStringLiteral("Menu Seperator (-)");
} // namespace

// Both windows live for the whole run, as in the program: the first test sees the first
// showing. Every test has its own application folder and menu file.
class TestSettingsWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstShowingIsCentredThenWhereClosed();
    void buttonPicturesAreTransparent();
    void emptyMenu_data();
    void emptyMenu();
    void deleteMovesTheSelection_data();
    void deleteMovesTheSelection();
    void declinedDeleteChangesNothing_data();
    void declinedDeleteChangesNothing();
    void realConfirmationBoxByKeys();
    void selectionStaysOnALine();
    void editTheSelectedEntry_data();
    void editTheSelectedEntry();
    void failedDeleteKeepsTheLine();
    void refusedWriteChangesNothing_data();
    void refusedWriteChangesNothing();
    void realDialogsTakeTypedNames_data();
    void realDialogsTakeTypedNames();
    void openStoresThePath_data();
    void openStoresThePath();
    void saveOntoExistingFileChangesNothing();
    void addAfterSaveGoesToThePreviousFile();
    void wholeFlowFileBytes();
    void enterClosesEscapeDoesNot();
    void clearLaunchHistory_data();
    void clearLaunchHistory();
    void screenshot();

private:
    template <typename T = QWidget> T* control(QWidget* window, const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    MenuEntryList* list() const { return control<MenuEntryList>(m_settings.get(), u"LstItems"_qs); }
    QStringList lines() const;
    void click(const char* button) {
        QTest::mouseClick(control(m_settings.get(), QLatin1String(button)), Qt::LeftButton);
    }
    void clickLine(int number) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(number - 1)).center());
    }
    bool showAndWait();
    void closeWindow();
    // Runs a command that shows the entry dialog modally; once it is up, `answer` acts on it.
    bool withEntryDialog(const std::function<void()>& command,
                         const std::function<void(EntryDialog&)>& answer);
    static std::function<void(EntryDialog&)> type(const QString& caption, const QString& target,
                                                  const QString& button = u"cmdOK"_qs);
    bool addEntry(const QString& caption, const QString& target) {
        return withEntryDialog([this] { click("cmdNew"); }, type(caption, target));
    }
    QString menuPath() const { return m_folder->file(u"menu.ini"_qs); }
    // The real file dialog that `command` shows gets `name` typed and Enter; one that stays
    // open is cancelled.
    void typeIntoFileDialog(const std::function<void()>& command, const QString& name);

    std::unique_ptr<ProgramFiles> m_files;
    std::unique_ptr<EntryDialog> m_addNew;
    std::unique_ptr<SettingsWindow> m_settings;
    std::unique_ptr<TestAppFolder> m_folder;
    int m_entryShows = 0;
};

class ShowCounter : public QObject {
public:
    ShowCounter(QObject* parent, int& count) : QObject(parent), m_count(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            ++m_count;
        return false;
    }

private:
    int& m_count;
};

void TestSettingsWindow::initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb"_qs,
             "needs an X display with a window manager");
    m_files = std::make_unique<ProgramFiles>();
    m_addNew = std::make_unique<EntryDialog>();
    m_settings = std::make_unique<SettingsWindow>(*m_files, *m_addNew);
    m_addNew->installEventFilter(new ShowCounter(m_addNew.get(), m_entryShows));
}

void TestSettingsWindow::init() {
    m_folder = std::make_unique<TestAppFolder>();
    Dialogs::resetForTesting();
    *m_files = ProgramFiles(Configuration(m_folder->file(u"config.ini"_qs)));
    writeBytes(m_files->config().file().FileName(), "[menu]\r\nfile=$apppath$\\menu.ini\r\n");
    m_files->useMenuFile(ExpandAppPath(u"$apppath$\\menu.ini"_qs));
    m_entryShows = 0;
}

void TestSettingsWindow::cleanup() {
    SafeFile::setWriteFaultForTesting({});
    if (m_addNew->isVisible())
        m_addNew->reject();
    closeWindow();
    m_folder.reset();
}

QStringList TestSettingsWindow::lines() const {
    QStringList texts;
    for (int i = 0; i < list()->count(); ++i)
        texts.append(list()->item(i)->text());
    return texts;
}

bool TestSettingsWindow::showAndWait() {
    m_settings->open();
    constexpr int timeout = 20000; // the machine may be busy building
    return QTest::qWaitForWindowExposed(m_settings.get(), timeout) &&
           QTest::qWaitFor(
               [&] { return m_settings->geometry().y() > m_settings->frameGeometry().y(); },
               timeout);
}

void TestSettingsWindow::closeWindow() {
    if (m_settings->isVisible())
        m_settings->close();
    QTRY_VERIFY(!m_settings->isVisible());
}

bool TestSettingsWindow::withEntryDialog(const std::function<void()>& command,
                                         const std::function<void(EntryDialog&)>& answer) {
    return withModalDialog(m_addNew.get(), command, answer);
}

std::function<void(EntryDialog&)>
TestSettingsWindow::type(const QString& caption, const QString& target, const QString& button) {
    return [=](EntryDialog& dialog) { fillEntryDialog(dialog, caption, target, button); };
}

void TestSettingsWindow::firstShowingIsCentredThenWhereClosed() {
    QVERIFY(showAndWait());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const auto offCentre = [&] { return m_settings->frameGeometry().center() - area.center(); };
    QTRY_VERIFY2(qAbs(offCentre().x()) <= 1 && qAbs(offCentre().y()) <= 1,
                 qPrintable(u"off centre by %1, %2"_qs.arg(offCentre().x()).arg(offCentre().y())));
    QCOMPARE(m_settings->size(), QSize(952, 630));
    QCOMPARE(m_settings->minimumSize(), m_settings->maximumSize());

    // A frame the window manager tells late, after its last configure, still centres the
    // window, until the user moves it.
    const auto setFrameExtents = [&](const QString& leftRightTopBottom) {
        QVERIFY(QProcess::execute(u"xprop"_qs,
                                  {u"-id"_qs, QString::number(m_settings->winId()), u"-f"_qs,
                                   u"_NET_FRAME_EXTENTS"_qs, u"32c"_qs, u"-set"_qs,
                                   u"_NET_FRAME_EXTENTS"_qs, leftRightTopBottom}) == 0);
    };
    const QString framed = xprop(m_settings.get(), u"_NET_FRAME_EXTENTS"_qs).section(u'=', 1);
    QVERIFY2(!framed.isEmpty(), "no frame extents");
    setFrameExtents(u"3, 3, 70, 3"_qs);
    QTRY_COMPARE(m_settings->geometry().top() - m_settings->frameGeometry().top(), 70);
    QTRY_VERIFY2(qAbs(offCentre().x()) <= 1 && qAbs(offCentre().y()) <= 1,
                 qPrintable(u"off centre by %1, %2"_qs.arg(offCentre().x()).arg(offCentre().y())));
    const QPoint moved = m_settings->pos() + QPoint(5, 7);
    m_settings->move(moved);
    QTRY_COMPARE(m_settings->pos(), moved);
    setFrameExtents(framed.trimmed());
    QTRY_VERIFY(m_settings->geometry().top() - m_settings->frameGeometry().top() != 70);
    QCOMPARE(m_settings->geometry().topLeft(), moved + QPoint(3, 70));

    // The tab page, sized by the style, has room for all that it holds.
    const QWidget* page = control(m_settings.get(), u"TabApps"_qs);
    for (const QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(page->rect().contains(child->geometry()), qPrintable(child->objectName()));
    const QPoint target = area.topLeft() + QPoint(41, 23);
    m_settings->move(target);
    QTRY_COMPARE(m_settings->frameGeometry().topLeft(), target);
    closeWindow();
    QVERIFY(showAndWait());
    QTRY_COMPARE(m_settings->frameGeometry().topLeft(), target);
}

void TestSettingsWindow::buttonPicturesAreTransparent() {
    const QList<QToolButton*> buttons = {control<QToolButton>(m_settings.get(), u"cmdOpen"_qs),
                                         control<QToolButton>(m_settings.get(), u"cmdSave"_qs),
                                         control<QToolButton>(m_settings.get(), u"cmdNew"_qs),
                                         control<QToolButton>(m_settings.get(), u"cmdEdit"_qs),
                                         control<QToolButton>(m_settings.get(), u"cmdDelete"_qs),
                                         control<QToolButton>(m_addNew.get(), u"cmdFolder"_qs)};
    for (QToolButton* button : buttons) {
        const QImage picture = button->icon().pixmap(QSize(18, 18), 1.0).toImage();
        QCOMPARE(picture.size(), QSize(18, 18));
        int opaque = 0;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x)
                opaque += qAlpha(picture.pixel(x, y)) == 255;
        QVERIFY2(opaque > 18 * 18 / 4 && opaque < 18 * 18, qPrintable(button->objectName()));
    }
}

void TestSettingsWindow::emptyMenu_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("no entries") << QByteArray("[menu]\r\nitems=0\r\n");
}

void TestSettingsWindow::emptyMenu() {
    QFETCH(QByteArray, content);
    if (!content.isEmpty())
        writeBytes(menuPath(), content);
    const int selected = m_settings->selectedEntry(); // kept while nothing is selected
    QVERIFY(showAndWait());
    QCOMPARE(list()->count(), 0);
    click("cmdEdit");
    click("cmdDelete");
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    QTest::keyClick(list(), Qt::Key_Delete);
    QCOMPARE(m_entryShows, 0);
    QVERIFY(Dialogs::boxesShown().isEmpty());
    QCOMPARE(QFile::exists(menuPath()), !content.isEmpty());
    QCOMPARE(m_settings->selectedEntry(), selected);

    QVERIFY(addEntry(u"Editor"_qs, u"/usr/bin/editor"_qs));
    QCOMPARE(lines(), QStringList{u"Editor"_qs});
    QCOMPARE(list()->selectedRow(), 0);
    QCOMPARE(m_settings->selectedEntry(), 1);
    QCOMPARE(m_files->menu().count(), 1);
    const MenuEntry entry = m_files->menu().entry(1);
    QCOMPARE(entry.target, u"/usr/bin/editor"_qs);
}

void TestSettingsWindow::deleteMovesTheSelection_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<int>("selectedAfter"); // 0: nothing
    QTest::newRow("middle of three, a separator")
        << kThree << 2 << QStringList{u"A"_qs, u"C"_qs} << 2;
    QTest::newRow("last of three") << kThree << 3 << QStringList{u"A"_qs, kSeparatorLine} << 2;
    QTest::newRow("the only one") << QByteArray("[menu]\r\nitems=1\r\n[item1]\r\ncaption=A\r\n")
                                  << 1 << QStringList() << 0;
}

void TestSettingsWindow::deleteMovesTheSelection() {
    QFETCH(QByteArray, content);
    QFETCH(int, selected);
    QFETCH(QStringList, remaining);
    QFETCH(int, selectedAfter);
    writeBytes(menuPath(), content);
    QVERIFY(showAndWait());
    clickLine(selected);
    QCOMPARE(m_settings->selectedEntry(), selected);
    const QString line = list()->item(selected - 1)->text();
    Dialogs::answerNextBox(QMessageBox::Yes);
    click("cmdDelete");

    QCOMPARE(Dialogs::boxesShown().size(), 1);
    const Dialogs::Box box = Dialogs::boxesShown().constFirst();
    QCOMPARE(box.title, u"Confirm"_qs);
    QCOMPARE(box.text, u"Are you sure you want to delete \""_qs + line + u'"');
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.defaultButton, QMessageBox::Yes);
    QCOMPARE(lines(), remaining);
    QCOMPARE(list()->selectedRow() + 1, selectedAfter);
    QCOMPARE(m_settings->selectedEntry(), selectedAfter);
    QCOMPARE(m_files->menu().count(), remaining.size());
}

void TestSettingsWindow::declinedDeleteChangesNothing_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("Delete, No") << Qt::KeyboardModifiers() << QMessageBox::No;
    QTest::newRow("Shift+Delete, Cancel")
        << Qt::KeyboardModifiers(Qt::ShiftModifier) << QMessageBox::Cancel;
    QTest::newRow("Ctrl+Delete, No")
        << Qt::KeyboardModifiers(Qt::ControlModifier) << QMessageBox::No;
    QTest::newRow("Alt+Delete, Cancel")
        << Qt::KeyboardModifiers(Qt::AltModifier) << QMessageBox::Cancel;
}

void TestSettingsWindow::declinedDeleteChangesNothing() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QMessageBox::StandardButton, answer);
    writeBytes(menuPath(), kThree);
    QVERIFY(showAndWait());
    QTest::keyClick(list(), Qt::Key_Down); // the keyboard moves the selection as well
    QCOMPARE(m_settings->selectedEntry(), 2);
    Dialogs::answerNextBox(answer);
    QTest::keyClick(list(), Qt::Key_Delete, modifiers);
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    QCOMPARE(Dialogs::boxesShown().constFirst().text,
             u"Are you sure you want to delete \"Menu Seperator (-)\""_qs);
    QCOMPARE(readBytes(menuPath()), kThree);
    QCOMPARE(lines(), (QStringList{u"A"_qs, kSeparatorLine, u"C"_qs}));
    QCOMPARE(list()->selectedRow(), 1);
}

void TestSettingsWindow::realConfirmationBoxByKeys() {
    writeBytes(menuPath(), kThree);
    QVERIFY(showAndWait());
    Dialogs::showRealDialogs();
    QString seen;
    const auto pressInBox = [&](int key) {
        QTimer::singleShot(0, this, [&, key] {
            if (!QTest::qWaitFor(
                    [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                    20000))
                return;
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen = box->windowTitle() + u'|' + box->text() + u'|' +
                   box->defaultButton()->text().remove(u'&');
            QTest::keyClick(box, Qt::Key(key));
        });
    };
    pressInBox(Qt::Key_N); // the access key of No
    QTest::keyClick(list(), Qt::Key_Delete);
    QCOMPARE(seen, u"Confirm|Are you sure you want to delete \"A\"|Yes"_qs);
    QCOMPARE(readBytes(menuPath()), kThree);
    seen.clear();
    pressInBox(Qt::Key_Return); // Yes is the default
    QTest::keyClick(list(), Qt::Key_Delete);
    QVERIFY(!seen.isEmpty());
    QCOMPARE(lines(), (QStringList{kSeparatorLine, u"C"_qs}));
}

void TestSettingsWindow::selectionStaysOnALine() {
    writeBytes(menuPath(), kThree);
    QVERIFY(showAndWait());
    clickLine(3);
    const QRect last = list()->visualItemRect(list()->item(2));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, last.center() + QPoint(0, 40));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier, last.center());
    QTest::keyClick(list(), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list()->selectedRow(), 2);
    QCOMPARE(m_settings->selectedEntry(), 3);
}

void TestSettingsWindow::editTheSelectedEntry_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("line");
    QTest::newRow("button, into a separator") << false << 1 << "-"
                                              << "cmdOK" << kSeparatorLine;
    QTest::newRow("double click, cancelled") << true << 3 << "changed"
                                             << "cmdCancel"
                                             << "C";
    QTest::newRow("double click, confirmed") << true << 3 << " x "
                                             << "cmdOK"
                                             << " x ";
}

void TestSettingsWindow::editTheSelectedEntry() {
    QFETCH(bool, doubleClick);
    QFETCH(int, number);
    QFETCH(QString, caption);
    QFETCH(QString, button);
    QFETCH(QString, line);
    writeBytes(menuPath(), kThree);
    QVERIFY(showAndWait());
    clickLine(number);
    const QString before = list()->item(number - 1)->text();
    QString shownCaption;
    const auto answer = type(caption, u"new target"_qs, button);
    QVERIFY(withEntryDialog(
        [&] {
            if (doubleClick)
                QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {},
                                   list()->visualItemRect(list()->item(number - 1)).center());
            else
                click("cmdEdit");
        },
        [&](EntryDialog& dialog) {
            shownCaption = dialog.findChild<QLineEdit*>(u"txtCaption"_qs)->text();
            answer(dialog);
        }));
    QCOMPARE(shownCaption, before);
    QCOMPARE(list()->item(number - 1)->text(), line);
    QCOMPARE(list()->selectedRow(), number - 1);
    QCOMPARE(m_settings->selectedEntry(), number);
    const bool confirmed = button == u"cmdOK";
    const MenuEntry entry = m_files->menu().entry(number);
    QCOMPARE(entry.caption, confirmed ? caption : before);
    QCOMPARE(entry.target, confirmed ? u"new target"_qs : u"c"_qs);
}

void TestSettingsWindow::failedDeleteKeepsTheLine() {
    writeBytes(menuPath(), kThree);
    QVERIFY(showAndWait());
    clickLine(2);
    SafeFile::setWriteFaultForTesting([] { return ENOSPC; });
    click("cmdDelete"); // Yes is the default answer
    const QList<Dialogs::Box> boxes = Dialogs::boxesShown();
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[1].title, u"Larkspan"_qs);
    QCOMPARE(boxes[1].text,
             u"Cannot create file \""_qs + menuPath() + u"\". No space left on device."_qs);
    QCOMPARE(lines(), (QStringList{u"A"_qs, kSeparatorLine, u"C"_qs}));
    QCOMPARE(list()->selectedRow(), 1);
    QCOMPARE(m_settings->selectedEntry(), 2);
    QCOMPARE(readBytes(menuPath()), kThree);
}

void TestSettingsWindow::refusedWriteChangesNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("add") << "cmdNew";
    QTest::newRow("edit") << "cmdEdit";
}

void TestSettingsWindow::refusedWriteChangesNothing() {
    QFETCH(QString, command);
    writeBytes(menuPath(), kThree);
    QVERIFY(showAndWait());
    SafeFile::setWriteFaultForTesting([] { return EACCES; });
    QVERIFY(withEntryDialog([&] { click(qPrintable(command)); }, type(u"New"_qs, u"n"_qs)));
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    QCOMPARE(Dialogs::boxesShown().constFirst().text,
             u"Unable to write to "_qs + menuPath() + u'.');
    QCOMPARE(lines(), (QStringList{u"A"_qs, kSeparatorLine, u"C"_qs}));
    QCOMPARE(readBytes(menuPath()), kThree);
}

void TestSettingsWindow::typeIntoFileDialog(const std::function<void()>& command,
                                            const QString& name) {
    Dialogs::showRealDialogs();
    const auto modal = [] { return QApplication::activeModalWidget(); };
    QPointer<QFileDialog> dialog;
    bool stayedOpen = false;
    QTimer answer; // both end with this function even when no dialog shows
    QTimer rescue; // fires inside a box the dialog itself may show about the name
    answer.setSingleShot(true);
    rescue.setSingleShot(true);
    connect(&answer, &QTimer::timeout, this, [&] {
        if (!QTest::qWaitFor([&] { return qobject_cast<QFileDialog*>(modal()); }, 20000))
            return;
        dialog = qobject_cast<QFileDialog*>(modal());
        auto* edit = dialog->findChild<QLineEdit*>(u"fileNameEdit"_qs);
        edit->setText(name);
        rescue.start(3000);
        QTest::keyClick(edit, Qt::Key_Return);
        Dialogs::resetForTesting(); // the command's own boxes are answered again
    });
    connect(&rescue, &QTimer::timeout, this, [&] {
        if (!dialog || !dialog->isVisible())
            return;
        stayedOpen = true;
        while (qobject_cast<QMessageBox*>(modal()) || qobject_cast<QFileDialog*>(modal()))
            qobject_cast<QDialog*>(modal())->reject();
    });
    answer.start(0);
    command();
    QVERIFY2(!stayedOpen, "the dialog did not take the name");
}

void TestSettingsWindow::realDialogsTakeTypedNames_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("open a new name") << "cmdOpen"
                                     << "new.ini"
                                     << "new.ini";
    QTest::newRow("open in a missing folder") << "cmdOpen"
                                              << "later/new.ini"
                                              << "later/new.ini";
    QTest::newRow("save adds the extension") << "cmdSave"
                                             << "copy"
                                             << "copy.ini";
}

void TestSettingsWindow::realDialogsTakeTypedNames() {
    QFETCH(QString, command);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    writeBytes(menuPath(), kThree);
    QVERIFY(showAndWait());
    typeIntoFileDialog([&] { click(qPrintable(command)); }, m_folder->file(typed));
    QCOMPARE(m_files->menuFileName(), m_folder->file(chosen));
}

void TestSettingsWindow::openStoresThePath_data() {
    QTest::addColumn<bool>("inAppFolder");
    QTest::addColumn<bool>("exists");
    QTest::newRow("below the application folder") << true << true;
    QTest::newRow("elsewhere") << false << true;
    QTest::newRow("not there yet") << true << false;
}

void TestSettingsWindow::openStoresThePath() {
    QFETCH(bool, inAppFolder);
    QFETCH(bool, exists);
    QTemporaryDir elsewhere;
    const QString folder = inAppFolder ? m_folder->file(u"menus"_qs) : elsewhere.path();
    QDir().mkpath(folder);
    const QString path = folder + u"/work.ini"_qs;
    if (exists)
        writeBytes(path, kThree);
    QVERIFY(showAndWait());
    Dialogs::answerNextFile(path);
    click("cmdOpen");
    QCOMPARE(m_files->menuFileName(), path);
    QCOMPARE(m_files->menu().fileName(), path);
    QCOMPARE(list()->count(), exists ? 3 : 0);
    QCOMPARE(m_files->config().file().ReadString(u"menu"_qs, u"file"_qs, QString()),
             inAppFolder ? u"$apppath$\\menus/work.ini"_qs : path);
    // The first entry added creates it.
    QVERIFY(addEntry(u"Z"_qs, QString()));
    QCOMPARE(QFile::exists(path), true);
    QCOMPARE(m_files->menu().count(), exists ? 4 : 1);
}

void TestSettingsWindow::saveOntoExistingFileChangesNothing() {
    writeBytes(menuPath(), kThree);
    const QString target = m_folder->file(u"taken.ini"_qs);
    writeBytes(target, "[menu]\r\nitems=0\r\n");
    const QByteArray config = readBytes(m_files->config().file().FileName());
    const QString before = m_files->menuFileName();
    QVERIFY(showAndWait());
    // The dialog adds the extension and asks nothing; the program refuses.
    typeIntoFileDialog([&] { click("cmdSave"); }, m_folder->file(u"taken"_qs));
    QCOMPARE(Dialogs::boxesShown().size(), 1);
    const Dialogs::Box error = Dialogs::boxesShown().constFirst();
    QCOMPARE(error.title, u"Larkspan"_qs);
    QCOMPARE(error.icon, QMessageBox::Critical);
    QVERIFY2(error.text.endsWith(u"Destination file exists."_qs), qPrintable(error.text));
    QCOMPARE(readBytes(target), QByteArray("[menu]\r\nitems=0\r\n"));
    QCOMPARE(readBytes(m_files->config().file().FileName()), config);
    QCOMPARE(m_files->menuFileName(), before);
    closeWindow();
    QVERIFY(showAndWait());
    QCOMPARE(list()->count(), 3);
}

void TestSettingsWindow::addAfterSaveGoesToThePreviousFile() {
    writeBytes(menuPath(), kThree);
    const QString copy = m_folder->file(u"copy.ini"_qs);
    QVERIFY(showAndWait());
    Dialogs::answerNextFile(copy);
    click("cmdSave");
    QVERIFY(Dialogs::boxesShown().isEmpty());
    QCOMPARE(readBytes(copy), kThree);
    QCOMPARE(m_files->config().file().ReadString(u"menu"_qs, u"file"_qs, QString()),
             u"$apppath$\\copy.ini"_qs);
    QVERIFY(addEntry(u"D"_qs, u"d"_qs));
    QCOMPARE(list()->count(), 4);
    QCOMPARE(readBytes(copy), kThree);
    QVERIFY(readBytes(menuPath()).contains("caption=D"));
    // The next showing opens the copy.
    closeWindow();
    QVERIFY(showAndWait());
    QCOMPARE(m_files->menu().fileName(), copy);
    QCOMPARE(list()->count(), 3);
}

void TestSettingsWindow::wholeFlowFileBytes() {
    QVERIFY(showAndWait());
    QVERIFY(addEntry(u"A"_qs, u"/usr/bin/a"_qs));
    QVERIFY(addEntry(u"B"_qs, u"b"_qs));
    QVERIFY(addEntry(u"C"_qs, u"/srv/c d/"_qs));
    clickLine(2);
    QVERIFY(withEntryDialog([this] { click("cmdEdit"); }, type(u"Bee"_qs, u"bee --x"_qs)));
    clickLine(1);
    Dialogs::answerNextBox(QMessageBox::Yes);
    click("cmdDelete");
    QCOMPARE(readBytes(menuPath()), kBom + "[menu]\r\nitems=2\r\n\r\n"
                                           "[item1]\r\ncaption=Bee\r\nexec=bee --x\r\n\r\n"
                                           "[item2]\r\ncaption=C\r\nexec=/srv/c d/\r\n\r\n");
    QCOMPARE(lines(), (QStringList{u"Bee"_qs, u"C"_qs}));
    QCOMPARE(m_settings->selectedEntry(), 1);
}

void TestSettingsWindow::enterClosesEscapeDoesNot() {
    writeBytes(menuPath(), kThree);
    const QByteArray config = readBytes(m_files->config().file().FileName());
    bool stayedOnEscape = false;
    bool listHadFocus = false;
    QTimer::singleShot(0, this, [&] {
        if (!QTest::qWaitForWindowExposed(m_settings.get(), 20000))
            return;
        listHadFocus = QTest::qWaitFor([&] { return QApplication::focusWidget() == list(); });
        QTest::keyClick(m_settings.get(), Qt::Key_Escape);
        stayedOnEscape = m_settings->isVisible();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTimer guard; // should Enter not close it, the run must still end
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, m_settings.get(), &QDialog::reject);
    guard.start(30000);
    m_settings->exec();
    QVERIFY(guard.isActive());
    QVERIFY(listHadFocus);
    QVERIFY(stayedOnEscape);
    QCOMPARE(readBytes(menuPath()), kThree);
    QCOMPARE(readBytes(m_files->config().file().FileName()), config);
}

void TestSettingsWindow::clearLaunchHistory_data() {
    QTest::addColumn<bool>("writable");
    QTest::newRow("cleared") << true;
    QTest::newRow("read-only: told, kept") << false;
}

void TestSettingsWindow::clearLaunchHistory() {
    QFETCH(bool, writable);
    const QString path = m_folder->file(u"launch-history.tsv"_qs);
    const QByteArray held = "3\t1700000000\tNotes\t/usr/bin/notes\n";
    writeBytes(path, held);
    if (!writable)
        QFile::setPermissions(path, QFile::ReadOwner);
    QVERIFY(showAndWait());
    click("cmdClearLaunchHistory");
    if (writable) {
        QVERIFY(Dialogs::boxesShown().isEmpty());
        QVERIFY(!readBytes(path).isEmpty() && !readBytes(path).contains("Notes"));
    } else {
        QCOMPARE(Dialogs::boxesShown().size(), 1);
        QCOMPARE(Dialogs::boxesShown().constFirst().text, u"Unable to write to "_qs + path + u'.');
        QCOMPARE(readBytes(path), held);
    }
}

void TestSettingsWindow::screenshot() {
    writeBytes(menuPath(), "[menu]\r\nitems=4\r\n[item1]\r\ncaption=Terminal\r\n"
                           "[item2]\r\ncaption=Files\r\n[item3]\r\ncaption=-\r\n"
                           "[item4]\r\ncaption=Web browser\r\n");
    QVERIFY(showAndWait());
    QTRY_VERIFY(m_settings->isActiveWindow());
    const QRect frame = m_settings->frameGeometry();
    saveArtifact(m_settings->screen()
                     ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                     .toImage(),
                 u"settings.png"_qs);
    saveArtifact(m_settings->grab().toImage(), u"settings-client.png"_qs);
}

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    TestSettingsWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingswindow.moc"
