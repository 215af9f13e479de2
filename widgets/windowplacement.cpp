// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/windowplacement.h"

#include "x11/desktopwindow.h"

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

namespace {

// The frame as Qt knows it, which may be stale.
QMargins qtFrameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

} // namespace

bool CentreOnFirstShow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Show) {
        placeOnShow();
    } else if (watched == m_window && event->type() == QEvent::Hide) {
        m_following = false;
    } else if (watched == m_handle && event->type() == QEvent::Expose && m_awaitingFrame &&
               m_handle->isExposed()) {
        // Framed and mapped: the frame's size is usually known now.
        m_awaitingFrame = false;
        if (stillWherePut())
            centreFrame(DesktopWindow::frameExtents(m_handle).value_or(qtFrameMargins(m_window)));
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
        m_following = true;
        centreFrame(qtFrameMargins(m_window));
        if (m_window->windowHandle() != nullptr) {
            m_handle = m_window->windowHandle();
            m_handle->installEventFilter(this);
            m_awaitingFrame = true;
            // The manager may tell the frame after it has shown the window, or change it.
            DesktopWindow::watchFrameExtents(m_handle, this, [this](const QMargins& frame) {
                if (stillWherePut())
                    centreFrame(frame);
            });
        }
        return;
    }
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    if (!WindowPlacement::canBeGrabbed(m_window->frameGeometry(), areas))
        centreFrame(qtFrameMargins(m_window));
}

bool CentreOnFirstShow::stillWherePut() const {
    return m_following && m_window->geometry().topLeft() == m_putAt;
}

void CentreOnFirstShow::centreFrame(const QMargins& frame) {
    const QSize frameSize = m_window->size().grownBy(frame);
    const QPoint inner =
        WindowPlacement::centred(workArea(), frameSize) + QPoint(frame.left(), frame.top());
    // move() places the frame as Qt knows it.
    const QMargins known = qtFrameMargins(m_window);
    if (m_window->geometry().topLeft() != inner)
        m_window->move(inner - QPoint(known.left(), known.top()));
    m_putAt = m_window->geometry().topLeft();
}
