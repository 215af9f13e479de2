// The baselines for the start-up figures: the least a Qt Widgets program does to show one
// 406 x 30 window, and the same window with a line of text, which makes Qt load its fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(406, 30);
    if (app.arguments().contains(QStringLiteral("--text"))) {
        auto* label = new QLabel(QStringLiteral("LARKSPAN"), &window);
        label->adjustSize();
    }
    window.show();
    return app.exec();
}
