// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/bartray.h"

#include "bar/menulogic.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

BarTray::BarTray(QWidget* owner)
    : QObject(owner), m_icon(new QSystemTrayIcon(this)), m_menu(new QMenu(owner)),
      m_watch(new QTimer(this)) {
    m_menu->setObjectName(QStringLiteral("MnuTray"));
    const QStringList captions =
        applyAccessKeys({tr("Restore"), QStringLiteral("-"), tr("About"), tr("Exit")});
    QAction* restore = m_menu->addAction(captions[0], this, [this] { emit restoreRequested(); });
    restore->setObjectName(QStringLiteral("mnuRestore"));
    m_menu->setDefaultAction(restore);
    m_menu->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_menu->addAction(captions[2], this, [this] { emit aboutRequested(); })
        ->setObjectName(QStringLiteral("mnuAbout"));
    m_menu->addAction(captions[3], this, [this] { emit exitRequested(); })
        ->setObjectName(QStringLiteral("mnuExit"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                // The second click of a double click finds the icon gone and does nothing.
                if (reason == QSystemTrayIcon::Trigger && m_icon->isVisible())
                    emit restoreRequested();
            });
    // Qt tells nobody when the notification area goes away.
    m_watch->setInterval(kWatchInterval);
    connect(m_watch, &QTimer::timeout, this, [this] {
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            emit restoreRequested();
    });
}

void BarTray::showIcon() {
    m_icon->show();
    m_watch->start();
}

void BarTray::hideIcon() {
    m_watch->stop();
    m_icon->hide();
}
