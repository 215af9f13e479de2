// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The keys of a desktop entry file's [Desktop Entry] group that launching and listing need,
// with the string escapes (\s \n \t \r \\) undone.
struct DesktopEntry {
    QString type;
    QString exec;
    QString name; // in the language asked for when the file has it
    QString icon;
    QString path;
    QString url;
    bool terminal = false;
    bool noDisplay = false;
    bool hidden = false;
    QStringList onlyShowIn;
    QStringList notShowIn;
    QString location; // the file the entry came from
};

// The language of messages as desktop files name it: LC_ALL, LC_MESSAGES or LANG, whichever is
// set first, e.g. "de_DE.UTF-8@euro".
QString messagesLocale();

// Nothing when the content has no [Desktop Entry] group. The name is the best match of
// Name[lang_COUNTRY@MODIFIER], Name[lang_COUNTRY], Name[lang@MODIFIER], Name[lang] and Name
// for `locale` (its encoding part ignored).
std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& content, const QString& location,
                                              const QString& locale = messagesLocale());

// The desktop entry in the file at `path`; nothing when it cannot be read, is far larger than
// any desktop entry, or is none.
std::optional<DesktopEntry> readDesktopEntry(const QString& path,
                                             const QString& locale = messagesLocale());

// The file of an installed application given by its desktop file ID ("org.example.App.desktop")
// in the applications folders, the user's own first; empty when the text is none or no folder
// has it.
QString installedDesktopEntry(const QString& id);

// Whether a menu of the desktops `currentDesktops` (XDG_CURRENT_DESKTOP's parts) lists the
// entry: not NoDisplay, not Hidden, and allowed by OnlyShowIn and NotShowIn.
bool isListedOn(const DesktopEntry& entry, const QStringList& currentDesktops);

// The command line of the entry's Exec value as words, field codes expanded for a launch
// without files or URLs. Nothing when the value is empty, has an unterminated quote or a
// field code the entry format does not know.
std::optional<QStringList> desktopExecArguments(const DesktopEntry& entry);
