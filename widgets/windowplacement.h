// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QWidget;
class QWindow;

// Where a dialog designed to stand in the middle of the screen goes when it is shown.
namespace WindowPlacement {

// The frame's top-left corner that centres it in the work area. A frame larger than the
// area is kept with its top-left on the area, so its title bar can still be taken hold of.
QPoint centred(const QRect& workArea, const QSize& frameSize);

// Whether enough of the frame's title band lies on one of the work areas to drag it by.
bool canBeGrabbed(const QRect& frame, const QList<QRect>& workAreas);

} // namespace WindowPlacement

// Centres a top-level window in the work area (or on the window it belongs to) the first time
// it is shown; afterwards it reappears where it was last, unless no screen shows its title
// bar any more (a screen was removed), in which case it is centred again. The window's frame
// is only known once the window manager has framed it, so the first placement is corrected
// each time the frame is told, until the window is moved from where it was put.
class CentreOnFirstShow : public QObject {
    Q_OBJECT
public:
    enum class Within { WorkArea, Owner };
    explicit CentreOnFirstShow(QWidget* window, Within within = Within::WorkArea);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect workArea() const;
    void placeOnShow();
    void centreFrame(const QMargins& frame);
    bool stillWherePut() const;

    QWidget* m_window;
    Within m_within;
    QPointer<QWindow> m_handle;
    bool m_shownBefore = false;
    bool m_awaitingFrame = false;
    bool m_following = false;
    QPoint m_putAt;
};
