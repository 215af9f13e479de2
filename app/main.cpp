#include "app/errorbox.h"
#include "app/startup.h"
#include "bar/mainwindow.h"
#include "core/error.h"

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
    QObject::connect(&windows->bar(), &Tfrmmain::closed, &app, &QCoreApplication::quit);
    windows->bar().show();
    return app.exec();
}
