// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorbox.h"
#include "app/startup.h"
#include "app/termination.h"
#include "bar/barwindow.h"
#include "core/error.h"
#include "platform/actionsocket.h"
#include "platform/applicationservice.h"

#include <QCommandLineParser>
#include <QDBusConnection>
#include <QTimer>

int main(int argc, char** argv) {
    preferXWayland();
    LarkspanApplication app(argc, argv);
    // larkspan-action starts the program this way when no copy runs.
    QCommandLineParser parser;
    const QCommandLineOption actionOption(
        u"action"_qs,
        QCoreApplication::translate("main",
                                    "Performs ACTION (menu, settings, about) once started."),
        u"ACTION"_qs);
    parser.addOption(actionOption);
    parser.addHelpOption();
    parser.process(app);
    std::unique_ptr<ProgramWindows> windows;
    try {
        windows = std::make_unique<ProgramWindows>();
    } catch (const LarkspanError& e) {
        showErrorBox(e.message());
        return 1;
    }
    QObject::connect(&windows->bar(), &BarWindow::closed, &app, &QCoreApplication::quit);
    // At logout the bar closes as on Alt+F4, storing its place.
    TerminationRequests termination([&windows] { windows->bar().close(); });
    // The first copy is the one the desktop's actions reach; others run without.
    windows->serveOn(QDBusConnection::sessionBus());
    if (const std::optional<QString> socket = ActionSocket::defaultPath())
        windows->listenForActions(*socket);
    windows->bar().show();
    if (parser.isSet(actionOption)) {
        const QString action = parser.value(actionOption);
        if (ProgramWindows::actions().contains(action))
            QTimer::singleShot(0, &windows->bar(),
                               [&windows, action] { windows->runAction(action); });
        else
            showErrorBox(ApplicationService::noSuchAction(action));
    }
    return app.exec();
}
