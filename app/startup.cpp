// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include "about/aboutwindow.h"
#include "app/errorbox.h"
#include "bar/barwindow.h"
#include "core/error.h"
#include "platform/actionsocket.h"
#include "platform/applicationservice.h"
#include "settings/entrydialog.h"
#include "settings/settingswindow.h"

#include <QApplication>

ProgramWindows::ProgramWindows() {
    m_bar = std::make_unique<BarWindow>(m_files);
    try {
        m_bar->loadFiles();
    } catch (const LarkspanError& e) {
        showErrorBox(e.message());
    }
    m_entryDialog = std::make_unique<EntryDialog>();
    // Opening the reference lists reports each failure before the bar is shown.
    m_settings =
        std::make_unique<SettingsWindow>(m_files, *m_entryDialog, m_bar.get(), showErrorBox);
    // The Settings window shows the entry dialog, which must stand over it, not over the bar.
    // It is destroyed before the Settings window (member order), so it is never deleted twice.
    m_entryDialog->setParent(m_settings.get(), m_entryDialog->windowFlags());
    m_about = std::make_unique<AboutWindow>(m_bar.get());
    m_bar->setSettingsWindow(m_settings.get());
    m_settings->setRunEntry(
        [bar = m_bar.get()](int n, const MenuEntry& entry) { return bar->openEntry(n, entry); });
    m_bar->setAboutWindow(m_about.get());
}

bool ProgramWindows::serveOn(const QDBusConnection& bus) {
    auto service = std::make_unique<ApplicationService>(actions());
    if (!service->registerOn(bus))
        return false;
    QObject::connect(service.get(), &ApplicationService::activated, m_bar.get(), [this] {
        if (!raiseModalWindow())
            m_bar->bringBack();
    });
    QObject::connect(service.get(), &ApplicationService::actionActivated, m_bar.get(),
                     [this](const QString& name) { runAction(name); });
    m_service = std::move(service);
    return true;
}

bool ProgramWindows::listenForActions(const QString& path) {
    auto socket = std::make_unique<ActionSocket>(actions());
    if (!socket->listenAt(path))
        return false;
    QObject::connect(socket.get(), &ActionSocket::actionActivated, m_bar.get(),
                     [this](const QString& name) { runAction(name); });
    m_actionSocket = std::move(socket);
    return true;
}

QStringList ProgramWindows::actions() {
    return {QStringLiteral("menu"), QStringLiteral("settings"), QStringLiteral("about")};
}

// While a modal window is open the others wait for it: it comes to the front instead.
bool ProgramWindows::raiseModalWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    modal->raise();
    modal->activateWindow();
    return true;
}

void ProgramWindows::runAction(const QString& name) {
    if (raiseModalWindow())
        return;
    if (name == u"menu")
        m_bar->showLauncherMenuFromKeyboard();
    else if (name == u"settings")
        m_settings->exec();
    else if (name == u"about")
        m_about->exec();
}

ProgramWindows::~ProgramWindows() {
    m_actionSocket.reset();
    m_service.reset();
}

void preferXWayland() {
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland" ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
