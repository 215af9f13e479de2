// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QString>
#include <QStringList>
#include <optional>

// The desktop's own key binding that opens the launcher menu: what it runs, which key
// combinations it may be, and how each desktop's settings write them. Pure functions.

// The command a binding runs: the trigger beside the running program, `programFolder` quoted
// for the desktops' word splitting when it holds blanks, quotes or backslashes.
QString menuShortcutCommand(const QString& programFolder);

// Whether `command` is one menuShortcutCommand made, from any folder: how a store finds its
// own binding again after the program has moved.
bool isMenuShortcutCommand(const QString& command);

// A binding needs Ctrl, Alt or Super, or is a function key (with any modifiers): anything
// else would take a key the user types. The key must have a name the desktops know.
bool isAcceptedShortcut(QKeyCombination keys);

// The combination in GTK's accelerator syntax ("<Super>space"), which GNOME's settings and
// Xfce's keep; nothing for a key without a name there.
std::optional<QString> gtkAccelerator(QKeyCombination keys);
std::optional<QKeyCombination> keysOfGtkAccelerator(const QString& accelerator);

// The combination as openbox's rc.xml writes it ("W-space").
std::optional<QString> openboxKey(QKeyCombination keys);
std::optional<QKeyCombination> keysOfOpenboxKey(const QString& key);

// The combination as KDE's kglobalshortcutsrc writes it ("Meta+Space").
QString kdeShortcut(QKeyCombination keys);
std::optional<QKeyCombination> keysOfKdeShortcut(const QString& shortcut);

// The desktop whose settings take the binding, from XDG_CURRENT_DESKTOP's parts.
enum class ShortcutDesktop { Unsupported, Gnome, Cinnamon, Xfce, Kde, Openbox };
ShortcutDesktop shortcutDesktopFor(const QStringList& currentDesktops);
