// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/menushortcut.h"

#include <QCoreApplication>
#include <QKeyCombination>
#include <QString>
#include <memory>
#include <optional>

// One desktop's own shortcut settings, holding the binding that opens the launcher menu.
// Each call reads or writes the settings anew; only our own binding is ever written. A failed
// write throws LarkspanError and leaves the settings as they were.
class MenuShortcutStore {
    Q_DECLARE_TR_FUNCTIONS(MenuShortcutStore)

public:
    virtual ~MenuShortcutStore() = default;
    // The desktop's name as the user knows it ("GNOME").
    virtual QString desktopName() const = 0;
    // The combination that opens the menu now, or nothing.
    virtual std::optional<QKeyCombination> current() = 0;
    // What else the combination is bound to, in the store's words; empty when it is free.
    virtual QString takenBy(QKeyCombination keys) = 0;
    // Binds `keys` to `command`, in place of our earlier binding.
    virtual void set(QKeyCombination keys, const QString& command) = 0;
    virtual void clear() = 0;

protected:
    // The store's name for the keys; a LarkspanError when it has none.
    QString bindable(const std::optional<QString>& keysInStoreWords) const;
};

// The store of the running desktop, or nothing where the binding must be made by hand.
std::unique_ptr<MenuShortcutStore> menuShortcutStoreOfDesktop();

// GSettings custom keybindings of GNOME's settings daemon, through the gsettings tool.
std::unique_ptr<MenuShortcutStore> gnomeShortcutStore();
// Cinnamon's custom keybindings, the same way.
std::unique_ptr<MenuShortcutStore> cinnamonShortcutStore();
// Xfce's xfce4-keyboard-shortcuts channel, through xfconfd on the session bus.
std::unique_ptr<MenuShortcutStore> xfceShortcutStore();
// KDE's global shortcuts: `configFile` (kglobalshortcutsrc) and a desktop file for the command
// in `applicationsFolder`; a running kglobalaccel is told on the session bus.
std::unique_ptr<MenuShortcutStore> kdeShortcutStore(const QString& configFile,
                                                    const QString& applicationsFolder);
// openbox's configuration `rcFile`, started from `seedFile` while it does not exist; after a
// write the running openbox is told to read it again.
std::unique_ptr<MenuShortcutStore> openboxShortcutStore(const QString& rcFile,
                                                        const QString& seedFile);

// Runs one of the desktop's tools to its end: its output, or a LarkspanError in its words.
QByteArray runDesktopTool(const QString& program, const QStringList& arguments);

// The rc.xml to write: the one openbox reads (`inForce`, "" when unknown) when it is the
// user's, else the user's own of the same name in `configHome`/openbox.
QString openboxFileToWrite(const QString& inForce, const QString& configHome, bool lxde);
