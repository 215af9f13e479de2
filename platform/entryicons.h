// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <optional>

// The icon of a menu entry, derived from its target and never stored.

// What a target stands for as far as its icon goes, and the icon names to try, best first
// (an absolute path is an icon file). Paths on network mounts are judged by their name only.
struct IconRequest {
    enum class Kind { None, Program, DesktopEntry, Folder, Document, Url, Mail };
    Kind kind = Kind::None;
    QStringList names;
};
IconRequest iconRequestFor(const QString& target, const QStringList& networkMountPoints);

// The icon a desktop entry's Icon= names: a file by its absolute path, else a name in the
// icon theme. Null when it names nothing.
QIcon iconOfDesktopEntry(const QString& icon);

// The mount points of network file systems in a mount table (/proc/self/mounts).
QStringList networkMountPoints(const QByteArray& mountTable);

// The desktop's icon theme: XSettings Net/IconThemeName, else GTK's settings.ini
// (gtk-icon-theme-name), else KDE's kdeglobals ([Icons] Theme); empty when none names one.
QString desktopIconTheme(const QByteArray& xsettings, const QByteArray& gtkSettings,
                         const QByteArray& kdeGlobals);

// Icons of 16 x 16 logical pixels, drawn at the device pixel ratio, looked up in the desktop's
// theme, then Adwaita, then hicolor, then among the program's own for the target's kind.
// Cached by target text, misses included.
class EntryIcons {
public:
    static constexpr int kSize = 16;

    // Reads the theme choice and the mount table once.
    EntryIcons();
    // For tests: the given theme and mount table.
    EntryIcons(const QString& theme, const QByteArray& mountTable);

    // A null pixmap when the target gets no icon.
    QPixmap pixmap(const QString& target, qreal devicePixelRatio);
    // Only what an earlier lookup found; nothing when the target was never looked up.
    std::optional<QPixmap> cached(const QString& target, qreal devicePixelRatio) const;

private:
    QPixmap load(const QString& target, qreal devicePixelRatio) const;
    static QString cacheKey(const QString& target, qreal devicePixelRatio);

    QStringList m_networkMounts;
    QHash<QString, QPixmap> m_cache; // by ratio and target
};
