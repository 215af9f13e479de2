#include "app/startup.h"

#include "about/aboutwindow.h"
#include "app/errorbox.h"
#include "bar/barwindow.h"
#include "core/error.h"
#include "platform/applicationservice.h"
#include "settings/entrydialog.h"
#include "settings/settingswindow.h"

#include <QApplication>

ProgramWindows::ProgramWindows() {
    m_bar = std::make_unique<BarWindow>();
    frmmain = m_bar.get();
    try {
        m_bar->FormCreate();
    } catch (const LarkspanError& e) {
        showErrorBox(e.message());
    }
    // Opening the reference lists reports each failure before the bar is shown.
    m_settings = std::make_unique<SettingsWindow>(m_bar.get(), showErrorBox);
    FrmSettings = m_settings.get();
    m_addNew = std::make_unique<EntryDialog>(m_bar.get());
    frmAddNew = m_addNew.get();
    m_about = std::make_unique<AboutWindow>(m_bar.get());
    frmAbout = m_about.get();
    m_bar->setSettingsWindow(m_settings.get());
    m_settings->setRunEntry([bar = m_bar.get()](int n) { return bar->RunEntry(n); });
    m_bar->setAboutWindow(m_about.get());
}

bool ProgramWindows::serveOn(const QDBusConnection& bus) {
    auto service = std::make_unique<ApplicationService>(
        QStringList{QStringLiteral("menu"), QStringLiteral("settings"), QStringLiteral("about")});
    if (!service->registerOn(bus))
        return false;
    QObject::connect(service.get(), &ApplicationService::activated, m_bar.get(),
                     &BarWindow::bringBack);
    QObject::connect(service.get(), &ApplicationService::actionActivated, m_bar.get(),
                     [this](const QString& name) { runAction(name); });
    m_service = std::move(service);
    return true;
}

void ProgramWindows::runAction(const QString& name) {
    // While a modal window is open the others wait for it: it comes to the front instead.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    if (name == u"menu")
        m_bar->showLauncherMenuFromKeyboard();
    else if (name == u"settings")
        m_settings->exec();
    else if (name == u"about")
        m_about->exec();
}

ProgramWindows::~ProgramWindows() {
    m_service.reset();
    frmAbout = nullptr;
    frmAddNew = nullptr;
    FrmSettings = nullptr;
    frmmain = nullptr;
}

void preferXWayland() {
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland" ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
