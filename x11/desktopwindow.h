// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QtGlobal>
#include <functional>
#include <optional>

class QObject;
class QWindow;

// What the desktop must know of the bar that Qt has no words for.
namespace DesktopWindow {

// Marks a window that is about to be shown as staying on top and having no button in task
// bars or pagers. The window manager drops these states when a window is hidden, so this is
// called before every showing. Does nothing where the display is not X11.
void markAsDockedBar(QWindow* window);
// The same states asked of the window manager once the window is shown: a manager still
// busy with the hiding before may have cleared what markAsDockedBar wrote.
void requestDockedBarStates(QWindow* window);

// The whole window's opacity as the compositor reads it (_NET_WM_WINDOW_OPACITY), shown or
// hidden; 1 removes it. Qt applies its own opacity only when a window is created.
void setOpacity(QWindow* window, qreal opacity);

// Ends a move that QWindow::startSystemMove asked of the window manager (or keeps it from
// starting).
void cancelMove(QWindow* window);

// Calls `ended` once a move that QWindow::startSystemMove handed to the window manager is
// over: the pointer's buttons are all up and Qt has taken in what the server told of the
// window's place until then. Only while `owner` lives; does nothing off X11.
void whenMoveEnds(QWindow* window, QObject* owner, std::function<void()> ended);

// Calls `changed(true)` when one of this program's windows becomes the active window and
// `changed(false)` when another program's does, for as long as `owner` lives. Follows the
// window manager's _NET_ACTIVE_WINDOW where it keeps one: Qt's own idea of being active
// misses activations that come with a press starting a window move. Elsewhere Qt's
// application state is used.
void watchActivation(QObject* owner, std::function<void(bool active)> changed);

// The window manager's frame around `window` (_NET_FRAME_EXTENTS) in the window's own pixels,
// read from the server now; nothing before the manager has set it, or off X11.
std::optional<QMargins> frameExtents(QWindow* window);
// Calls `changed` with the window manager's frame around `window` (_NET_FRAME_EXTENTS, in
// the window's own pixels) each time the manager sets it, for as long as `owner` lives.
// Qt reads the frame again only after a ConfigureNotify, and a manager may set the extents
// after the last one; so each change is also passed on to Qt as a ConfigureNotify of the
// window's unchanged geometry, which makes its frameGeometry right again. Does nothing off
// X11.
void watchFrameExtents(QWindow* window, QObject* owner, std::function<void(QMargins)> changed);

// The desktop's settings as its XSettings manager publishes them on the first screen
// (_XSETTINGS_SETTINGS), undecoded; empty without a manager or off X11.
QByteArray xsettings();

// A text property of the first screen's root window (any 8-bit type, as window managers set
// their own), empty when unset or off X11.
QByteArray rootWindowText(const char* name);

// Places a popup whose native window exists already at `geometry` and maps it, before
// QWindow::show: Qt's show first reads the window's state back from the server, a round trip
// the user would wait for. The window manager leaves popups alone, so nothing it reads may
// come first; Qt's own placing and mapping that follow change nothing. Does nothing off X11
// or for other windows.
void mapPopupAtOnce(QWindow* window, const QRect& geometry);

} // namespace DesktopWindow
