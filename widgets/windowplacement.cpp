#include "widgets/windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace WindowPlacement {

QPoint centred(const QRect& workArea, const QSize& frameSize) {
    const int x = workArea.x() + std::max(0, (workArea.width() - frameSize.width()) / 2);
    const int y = workArea.y() + std::max(0, (workArea.height() - frameSize.height()) / 2);
    return {x, y};
}

bool canBeGrabbed(const QRect& frame, const QList<QRect>& workAreas) {
    // A band as high as a title bar along the frame's top; a piece of it as wide as a
    // thumb's reach must be on screen.
    constexpr int bandHeight = 16;
    constexpr int minWidth = 48;
    constexpr int minHeight = 8;
    const QRect band(frame.left(), frame.top(), frame.width(),
                     std::min(frame.height(), bandHeight));
    return std::any_of(workAreas.begin(), workAreas.end(), [&](const QRect& area) {
        const QRect visible = band & area;
        return visible.width() >= std::min(minWidth, band.width()) &&
               visible.height() >= std::min(minHeight, band.height());
    });
}

} // namespace WindowPlacement

CentreOnFirstShow::CentreOnFirstShow(QWidget* window, Within within)
    : QObject(window), m_window(window), m_within(within) {
    window->installEventFilter(this);
}

bool CentreOnFirstShow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Show) {
        placeOnShow();
    } else if (watched == m_handle && event->type() == QEvent::Expose && m_awaitingFrame &&
               m_handle->isExposed()) {
        // Framed and mapped: the frame's size is known now.
        m_awaitingFrame = false;
        centreFrame();
    }
    return false;
}

QRect CentreOnFirstShow::workArea() const {
    const QWidget* anchor = m_window->parentWidget();
    if (anchor && m_within == Within::Owner)
        return anchor->window()->frameGeometry();
    QScreen* screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        screen = m_window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

void CentreOnFirstShow::placeOnShow() {
    if (!m_shownBefore) {
        m_shownBefore = true;
        centreFrame();
        if (m_window->windowHandle() != nullptr) {
            m_handle = m_window->windowHandle();
            m_handle->installEventFilter(this);
            m_awaitingFrame = true;
        }
        return;
    }
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    if (!WindowPlacement::canBeGrabbed(m_window->frameGeometry(), areas))
        centreFrame();
}

void CentreOnFirstShow::centreFrame() {
    const QRect frame = m_window->frameGeometry();
    const QPoint target = WindowPlacement::centred(workArea(), frame.size());
    if (frame.topLeft() != target)
        m_window->move(target);
}
