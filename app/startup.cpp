#include "app/startup.h"

#include "about/aboutwindow.h"
#include "app/errorbox.h"
#include "bar/mainwindow.h"
#include "core/error.h"
#include "settings/addnewdialog.h"
#include "settings/settingswindow.h"

ProgramWindows::ProgramWindows() {
    m_bar = std::make_unique<Tfrmmain>();
    frmmain = m_bar.get();
    try {
        m_bar->FormCreate();
    } catch (const LarkspanError& e) {
        showErrorBox(e.message());
    }
    // Opening the reference lists reports each failure before the bar is shown.
    m_settings = std::make_unique<TFrmSettings>(m_bar.get(), showErrorBox);
    FrmSettings = m_settings.get();
    m_addNew = std::make_unique<TfrmAddNew>(m_bar.get());
    frmAddNew = m_addNew.get();
    m_about = std::make_unique<TfrmAbout>(m_bar.get());
    frmAbout = m_about.get();
    m_bar->setSettingsWindow(m_settings.get());
    m_settings->setRunProgram(RunProgram);
    m_bar->setAboutWindow(m_about.get());
}

ProgramWindows::~ProgramWindows() {
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
