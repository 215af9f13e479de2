// One copy of the program for tst_two_copies: makes the four windows as the start-up does,
// in the application folder it is given, says "ready" and waits for the file "go" there; then
// shows the Settings window from the bar a number of times, each time opening the folder's
// menu.ini again (which writes config.ini), adding entries through the entry dialog and
// editing one entry; finally moves the bar and closes it, which stores its place.
//
//   larkspan_editing_copy FOLDER NAME SHOWINGS ADDS EDITED LEFT TOP
//
// Entry k (from 1) is captioned "NAME k" with the target "/usr/bin/name-k"; showing s edits
// entry EDITED (0: none) to "NAME edited s", "name-exec-s". The exit status is 0 when all of
// it went through without an error box; each box shown is written to the error output.

#include "app/errorbox.h"
#include "app/startup.h"
#include "bar/mainwindow.h"
#include "bar/picturebutton.h"
#include "core/appdir.h"
#include "settings/addnewdialog.h"
#include "settings/settingswindow.h"
#include "support/guitest.h"
#include "widgets/dialogs.h"

#include <QListWidget>
#include <QScopeGuard>
#include <cstdio>

namespace {

constexpr int kTimeout = 30000;

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

bool addOrEdit(const char* command, const QString& caption, const QString& target) {
    return withModalDialog(
        frmAddNew, [command] { click(FrmSettings, command); },
        [&](TfrmAddNew& dialog) { fillEntryDialog(dialog, caption, target); });
}

struct Plan {
    QString folder;
    QString name;
    int showings = 0;
    int adds = 0;
    int edited = 0;
    QPoint place;
};

bool oneShowing(const Plan& plan, int showing) {
    Dialogs::answerNextFile(plan.folder + u"menu.ini"_qs);
    click(FrmSettings, "cmdOpen");
    const QString lower = plan.name.toLower();
    for (int i = 1; i <= plan.adds; ++i) {
        const QString k = QString::number((showing - 1) * plan.adds + i);
        if (!addOrEdit("cmdNew", plan.name + u' ' + k, u"/usr/bin/"_qs + lower + u'-' + k))
            return fail("the entry dialog did not come up for an addition");
    }
    if (plan.edited > 0) {
        // Edit first brings a list the other copy has outdated up to date, without the
        // dialog; a user then chooses the line again.
        const QString s = QString::number(showing);
        bool edited = false;
        for (int attempt = 0; attempt < 10 && !edited; ++attempt) {
            control<QListWidget>(FrmSettings, "LstItems")->setCurrentRow(plan.edited - 1);
            edited = addOrEdit("cmdEdit", plan.name + u" edited "_qs + s, lower + u"-exec-"_qs + s);
        }
        if (!edited)
            return fail("the entry dialog did not come up for an edit");
    }
    return true;
}

bool run(const Plan& plan, Tfrmmain& bar) {
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
            FrmSettings,
            [&] {
                QTest::mousePress(customize, Qt::LeftButton);
                QTest::mouseRelease(customize, Qt::LeftButton);
            },
            [&](TFrmSettings&) {
                const auto close = qScopeGuard([] { click(FrmSettings, "cmdClose"); });
                done = oneShowing(plan, showing);
            });
        if (!shown || !done)
            return fail("a showing of the Settings window failed");
    }
    bar.setLeft(plan.place.x());
    bar.setTop(plan.place.y());
    if (!QTest::qWaitFor([&] { return QPoint(bar.left(), bar.top()) == plan.place; }, kTimeout))
        return fail("the bar did not move");
    bar.close();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 8) {
        std::fprintf(stderr, "usage: %s FOLDER NAME SHOWINGS ADDS EDITED LEFT TOP\n", argv[0]);
        return 2;
    }
    Plan plan{args[1],         args[2],         args[3].toInt(),
              args[4].toInt(), args[5].toInt(), QPoint(args[6].toInt(), args[7].toInt())};
    if (!plan.folder.endsWith(u'/'))
        plan.folder += u'/';
    setAppDirForTesting(plan.folder);
    Dialogs::resetForTesting();

    ProgramWindows windows;
    QObject::connect(&windows.bar(), &Tfrmmain::closed, &app, &QCoreApplication::quit);
    bool succeeded = false;
    QTimer::singleShot(0, &app, [&] {
        succeeded = run(plan, windows.bar());
        if (!succeeded)
            app.exit(1);
    });
    windows.bar().show();
    const int status = app.exec();
    const QList<Dialogs::Box> boxes = Dialogs::boxesShown();
    for (const Dialogs::Box& box : boxes)
        std::fprintf(stderr, "box \"%s\": %s\n", qPrintable(box.title), qPrintable(box.text));
    return status == 0 && succeeded && boxes.isEmpty() ? 0 : 1;
}
