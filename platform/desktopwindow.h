#pragma once

#include <QByteArray>
#include <QtGlobal>

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

// The desktop's settings as its XSettings manager publishes them on the first screen
// (_XSETTINGS_SETTINGS), undecoded; empty without a manager or off X11.
QByteArray xsettings();

} // namespace DesktopWindow
