// The baseline for the start-up figures: the least a Qt Widgets program does to show one
// 406 x 30 window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(406, 30);
    window.show();
    return app.exec();
}
