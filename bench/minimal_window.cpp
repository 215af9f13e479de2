// The baselines for the start-up figures: the least a Qt Widgets program does to show one
// 406 x 30 window, and the same window with a line of text, which makes Qt load its fonts.
// With --popup, a release on the window opens a plain Qt pop-up below it: the floor of the
// menu figures for any Qt program.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace {

class PopupBar : public QWidget {
protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        m_popup.setGeometry(QRect(mapToGlobal(QPoint(0, height())), QSize(120, 260)));
        m_popup.show();
    }

private:
    QWidget m_popup{nullptr, Qt::Popup};
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool popup = app.arguments().contains(QStringLiteral("--popup"));
    PopupBar popupBar;
    QWidget plain;
    QWidget& window = popup ? popupBar : plain;
    window.setWindowFlag(Qt::FramelessWindowHint, popup);
    window.resize(406, 30);
    if (app.arguments().contains(QStringLiteral("--text"))) {
        auto* label = new QLabel(QStringLiteral("LARKSPAN"), &window);
        label->adjustSize();
    }
    window.show();
    return app.exec();
}
