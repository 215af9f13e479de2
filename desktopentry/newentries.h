// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/menufile.h"
#include "desktopentry/desktopentry.h"

#include <QList>
#include <QStringList>
#include <QUrl>

// Where new menu entries come from besides typing: items dropped from a file manager or a
// browser, and the desktop's installed applications.

// One entry (caption, target) per dropped item, in order: a desktop file gives its Name in
// `locale` and its own path; another file or folder its name and its path; a URL its host (the
// whole URL when it has none) and the URL. An item no menu file can hold (an empty target, a
// line break in it) is left out; control characters in a caption become spaces. Captions show
// names as they are (literalCaption).
QList<MenuEntry> entriesForDroppedUrls(const QList<QUrl>& urls,
                                       const QString& locale = messagesLocale());

// The entry for an installed application: its name, shown as it is, and its desktop file.
MenuEntry entryForApplication(const DesktopEntry& application);

// The "applications" folders of the XDG data dirs, the user's own first.
QStringList applicationFolders();

// XDG_CURRENT_DESKTOP's parts.
QStringList currentDesktops();

// The applications a menu of `desktops` lists from the desktop files in `folders` and their
// subfolders, sorted by name. A desktop file ID (its path below the folder, "/" read as "-")
// is taken from the first folder that has it, so that a user's hidden copy hides the system's.
QList<DesktopEntry> readInstalledApplications(const QStringList& folders,
                                              const QStringList& desktops,
                                              const QString& locale = messagesLocale());
