// SPDX-License-Identifier: GPL-3.0-or-later
// One copy of the program for tst_two_copies: makes the four windows as the start-up does,
// in the application folder it is given, says "ready" and waits for the file "go" there; then
// shows the Settings window from the bar a number of times, each time opening the folder's
// menu.ini again (which writes config.ini), adding entries through the entry dialog while the
// other copies add theirs, and editing one entry in turn with them; finally moves the bar and
// closes it, which stores its place.
//
//   larkspan_editing_copy FOLDER NAME SHOWINGS ADDS EDITED LEFT TOP COPIES
//
// Entry k (from 1) is captioned "NAME k" with the target "/usr/bin/name-k"; showing s edits
// entry EDITED (0: none) to "NAME edited s", "name-exec-s". The exit status is 0 when all of
// it went through without a box other than the one saying that the list was brought up to date;
// each box shown is written to the error output.

#include "app/errorbox.h"
#include "app/startup.h"
#include "bar/barwindow.h"
#include "bar/picturebutton.h"
#include "core/appdir.h"
#include "settings/entrydialog.h"
#include "settings/settingswindow.h"
#include "support/guitest.h"
#include "widgets/dialogs.h"

#include <QDir>
#include <QListWidget>
#include <QLockFile>
#include <QScopeGuard>
#include <cstdio>

namespace {

constexpr int kTimeout = 30000;
const QString kListRenewed =
    u"Another program changed the menu file, so the list has been brought up to date."_qs;

bool fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    return false;
}

template <typename T> T* control(QWidget* window, const char* name) {
    T* widget = window->findChild<T*>(QLatin1String(name));
    if (widget == nullptr)
        qFatal("no control %s", name);
    return widget;
}

void click(QWidget* window, const char* name) {
    QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
}

bool addOrEdit(ProgramWindows& windows, const char* command, const QString& caption,
               const QString& target) {
    return withModalDialog(
        &windows.entryDialog(), [&] { click(&windows.settings(), command); },
        [&](EntryDialog& dialog) { fillEntryDialog(dialog, caption, target); });
}

struct Plan {
    QString folder;
    QString name;
    int showings = 0;
    int adds = 0;
    int edited = 0;
    QPoint place;
    int copies = 1;
};

// Waits until every copy has reached `step`.
bool allCopiesReach(const Plan& plan, const QString& step) {
    const QString turns = plan.folder + u"turns/"_qs;
    QDir().mkpath(turns);
    QFile(turns + step + u'.' + plan.name).open(QIODevice::WriteOnly);
    return QTest::qWaitFor(
        [&] { return QDir(turns).entryList({step + u".*"_qs}).size() >= plan.copies; }, kTimeout);
}

QStringList lines(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

// The entry's edit, while no other copy writes the menu. The list may be outdated by what the
// others wrote before: then Edit brings it up to date, says so, and edits the same entry.
bool editInTurn(const Plan& plan, ProgramWindows& windows, int showing) {
    QLockFile turn(plan.folder + u"turns/edit.lock"_qs);
    if (!turn.tryLock(kTimeout))
        return fail("no turn to edit");
    auto* list = control<QListWidget>(&windows.settings(), "LstItems");
    const QString s = QString::number(showing);
    const QString caption = plan.name + u" edited "_qs + s;
    const QString target = plan.name.toLower() + u"-exec-"_qs + s;
    list->setCurrentRow(plan.edited - 1);
    const QStringList before = lines(list);
    const qsizetype boxes = Dialogs::boxesShown().size();
    if (!addOrEdit(windows, "cmdEdit", caption, target))
        return fail("the entry dialog did not come up for an edit");
    QStringList after = lines(list);
    if (after.value(plan.edited - 1) != caption)
        return fail("the edit went to another line");
    after[plan.edited - 1] = before.value(plan.edited - 1);
    const bool told = Dialogs::boxesShown().size() > boxes;
    return told == (after != before) ||
           fail("the list was brought up to date without a word, or a word without it");
}

bool oneShowing(const Plan& plan, ProgramWindows& windows, int showing) {
    Dialogs::answerNextFile(plan.folder + u"menu.ini"_qs);
    click(&windows.settings(), "cmdOpen");
    const QString lower = plan.name.toLower();
    for (int i = 1; i <= plan.adds; ++i) {
        const QString k = QString::number((showing - 1) * plan.adds + i);
        if (!addOrEdit(windows, "cmdNew", plan.name + u' ' + k, u"/usr/bin/"_qs + lower + u'-' + k))
            return fail("the entry dialog did not come up for an addition");
    }
    const QString s = QString::number(showing);
    if (!allCopiesReach(plan, u"added-"_qs + s))
        return fail("another copy did not finish its additions");
    if (plan.edited > 0 && !editInTurn(plan, windows, showing))
        return false;
    return allCopiesReach(plan, u"edited-"_qs + s) || fail("another copy did not finish its edit");
}

bool run(const Plan& plan, ProgramWindows& windows) {
    BarWindow& bar = windows.bar();
    if (!QTest::qWaitForWindowExposed(&bar, kTimeout))
        return fail("the bar did not show");
    std::printf("ready\n");
    std::fflush(stdout);
    if (!QTest::qWaitFor([&] { return QFile::exists(plan.folder + u"go"_qs); }, kTimeout))
        return fail("no go-ahead");
    PictureButton* customize = bar.findChild<PictureButton*>(u"ImgSettings"_qs);
    for (int showing = 1; showing <= plan.showings; ++showing) {
        bool done = false;
        // The bar shows the Settings window modally: the commands run inside that showing.
        const bool shown = withModalDialog(
            &windows.settings(),
            [&] {
                QTest::mousePress(customize, Qt::LeftButton);
                QTest::mouseRelease(customize, Qt::LeftButton);
            },
            [&](SettingsWindow&) {
                const auto close = qScopeGuard([&] { click(&windows.settings(), "cmdClose"); });
                done = oneShowing(plan, windows, showing);
            });
        if (!shown || !done)
            return fail("a showing of the Settings window failed");
    }
    const BarPosition place{plan.place.y(), plan.place.x()};
    bar.placeAt(place);
    if (!QTest::qWaitFor([&] { return bar.position() == place; }, kTimeout))
        return fail("the bar did not move");
    bar.close();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 9) {
        std::fprintf(stderr, "usage: %s FOLDER NAME SHOWINGS ADDS EDITED LEFT TOP COPIES\n",
                     argv[0]);
        return 2;
    }
    Plan plan{args[1],         args[2],         args[3].toInt(),
              args[4].toInt(), args[5].toInt(), QPoint(args[6].toInt(), args[7].toInt()),
              args[8].toInt()};
    if (!plan.folder.endsWith(u'/'))
        plan.folder += u'/';
    setAppDirForTesting(plan.folder);
    Dialogs::resetForTesting();

    ProgramWindows windows;
    QObject::connect(&windows.bar(), &BarWindow::closed, &app, &QCoreApplication::quit);
    bool succeeded = false;
    QTimer::singleShot(0, &app, [&] {
        succeeded = run(plan, windows);
        if (!succeeded)
            app.exit(1);
    });
    windows.bar().show();
    const int status = app.exec();
    bool unexpectedBox = false;
    for (const Dialogs::Box& box : Dialogs::boxesShown()) {
        std::fprintf(stderr, "box \"%s\": %s\n", qPrintable(box.title), qPrintable(box.text));
        unexpectedBox = unexpectedBox || box.text != kListRenewed;
    }
    return status == 0 && succeeded && !unexpectedBox ? 0 : 1;
}
