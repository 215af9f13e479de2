// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

class QMenu;
class QSystemTrayIcon;
class QTimer;

// Where the hidden bar waits: the icon in the notification area with its menu (Restore,
// About, Exit). Asks for the bar back when clicked, and also when the notification area goes
// away, so that a hidden bar is never lost with it.
class BarTray : public QObject {
    Q_OBJECT
public:
    static constexpr int kWatchInterval = 500; // ms

    // The menu belongs to `owner`, the bar.
    explicit BarTray(QWidget* owner);

    QSystemTrayIcon* icon() const { return m_icon; }
    QMenu* menu() const { return m_menu; }
    // The icon shows while the bar is hidden, and the notification area is watched meanwhile.
    void showIcon();
    void hideIcon();

signals:
    void restoreRequested();
    void aboutRequested();
    void exitRequested();

private:
    QSystemTrayIcon* m_icon;
    QMenu* m_menu;
    QTimer* m_watch;
};
