// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/errorbox.h"
#include "app/startup.h"
#include "app/termination.h"
#include "bar/barwindow.h"
#include "core/error.h"

#include <QDBusConnection>

int main(int argc, char** argv) {
    preferXWayland();
    LarkspanApplication app(argc, argv);
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
    windows->bar().show();
    return app.exec();
}
