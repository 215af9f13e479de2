// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/programfiles.h"

#include <QStringList>
#include <memory>

class ActionSocket;
class ApplicationService;
class QDBusConnection;
class AboutWindow;
class EntryDialog;
class SettingsWindow;
class BarWindow;

// The program's four windows, made hidden in their fixed order and kept until exit.
class ProgramWindows {
public:
    // Throws what escapes a window's creation; a failing loadFiles step of the bar is
    // reported in the error box instead and the start goes on.
    ProgramWindows();
    ~ProgramWindows();

    BarWindow& bar() const { return *m_bar; }
    SettingsWindow& settings() const { return *m_settings; }
    EntryDialog& entryDialog() const { return *m_entryDialog; }
    AboutWindow& about() const { return *m_about; }
    ProgramFiles& files() { return m_files; }

    // Offers the desktop's actions (menu, settings, about) and activation on `bus`; false
    // when the bus is missing or another copy serves them. While a modal window is open, each
    // brings that window to the front instead.
    bool serveOn(const QDBusConnection& bus);
    // Offers the same actions to larkspan-action on the socket at `path`; false when another
    // copy listens there or the socket cannot be made.
    bool listenForActions(const QString& path);
    // The actions above, by name.
    static QStringList actions();
    void runAction(const QString& name);

private:
    bool raiseModalWindow();

    ProgramFiles m_files;
    std::unique_ptr<BarWindow> m_bar;
    std::unique_ptr<SettingsWindow> m_settings;
    std::unique_ptr<EntryDialog> m_entryDialog;
    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<ApplicationService> m_service;
    std::unique_ptr<ActionSocket> m_actionSocket;
};

// Before the application object exists: a Wayland session runs the bar through XWayland,
// where a window may place itself and stay on top.
void preferXWayland();
