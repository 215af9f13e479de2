#pragma once

#include <memory>

class ApplicationService;
class QDBusConnection;
class QString;
class TfrmAbout;
class TfrmAddNew;
class TFrmSettings;
class Tfrmmain;

// The program's four windows, made hidden in their fixed order and kept until exit.
class ProgramWindows {
public:
    // Throws what escapes a window's creation; a failing FormCreate step of the bar is
    // reported in the error box instead and the start goes on.
    ProgramWindows();
    ~ProgramWindows();

    Tfrmmain& bar() const { return *m_bar; }

    // Offers the desktop's actions (menu, settings, about) and activation on `bus`; false
    // when the bus is missing or another copy serves them.
    bool serveOn(const QDBusConnection& bus);
    void runAction(const QString& name);

private:
    std::unique_ptr<Tfrmmain> m_bar;
    std::unique_ptr<TFrmSettings> m_settings;
    std::unique_ptr<TfrmAddNew> m_addNew;
    std::unique_ptr<TfrmAbout> m_about;
    std::unique_ptr<ApplicationService> m_service;
};

// Before the application object exists: a Wayland session runs the bar through XWayland,
// where a window may place itself and stay on top.
void preferXWayland();
