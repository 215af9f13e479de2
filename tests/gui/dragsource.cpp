// SPDX-License-Identifier: GPL-3.0-or-later
// Offers the URLs given as arguments by drag and drop, as a file manager or a browser does: a
// window at the top left of the screen that starts a drag when pressed. Prints "ready" once
// it can be pressed.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <cstdio>

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> urls)
        : QWidget(nullptr, Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint),
          m_urls(std::move(urls)) {
        setGeometry(0, 0, 120, 120);
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* mime = new QMimeData;
        mime->setUrls(m_urls);
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
    }

private:
    QList<QUrl> m_urls;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QList<QUrl> urls;
    for (const QString& argument : app.arguments().mid(1))
        urls.append(QUrl(argument));
    DragSource source(urls);
    source.show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (source.windowHandle() && source.windowHandle()->isExposed()) {
            poll.stop();
            std::puts("ready");
            std::fflush(stdout);
        }
    });
    poll.start(10);
    return app.exec();
}
