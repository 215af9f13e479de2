// SPDX-License-Identifier: GPL-3.0-or-later
// The baselines for the start-up figures: the least a Qt Widgets program does to show one
// 406 x 30 window, and the same window with a line of text, which makes Qt load its fonts.
// With --popup, a release on the window opens a plain Qt pop-up below it: the floor of the
// menu figures for any Qt program.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <memory>

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
    // Only the window asked for is made: the start-up baseline must not pay for the other.
    const bool popup = app.arguments().contains(QStringLiteral("--popup"));
    const std::unique_ptr<QWidget> window =
        popup ? std::make_unique<PopupBar>() : std::make_unique<QWidget>();
    window->setWindowFlag(Qt::FramelessWindowHint, popup);
    window->resize(406, 30);
    if (app.arguments().contains(QStringLiteral("--text"))) {
        auto* label = new QLabel(QStringLiteral("LARKSPAN"), window.get());
        label->adjustSize();
    }
    window->show();
    return app.exec();
}
