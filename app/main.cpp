#include "app/errorbox.h"

#include <QWidget>

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Larkspan"));
    window.resize(406, 30);
    window.show();
    return app.exec();
}
