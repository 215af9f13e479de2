// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopentry/newentries.h"

#include <QCollator>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>

namespace {

// A name as the menu is to show it: what the user never chose marks no access key.
QString visibleCaption(QString name) {
    for (QChar& c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    return literalCaption(name);
}

MenuEntry entryForUrl(const QUrl& url, const QString& locale) {
    if (!url.isLocalFile()) {
        const QString text = url.toString(QUrl::FullyEncoded);
        return {url.host().isEmpty() ? text : url.host(), text};
    }
    // A folder may come as "file:///home/me/Documents/", its name before the last slash.
    const QFileInfo file(QDir::cleanPath(QFileInfo(url.toLocalFile()).absoluteFilePath()));
    const QString path = file.filePath();
    if (path.endsWith(u".desktop") && file.isFile()) {
        const auto entry = readDesktopEntry(path, locale);
        if (entry && !entry->name.isEmpty())
            return {entry->name, path};
    }
    const QString name = file.fileName();
    return {name.isEmpty() ? path : name, path};
}

} // namespace

QList<MenuEntry> entriesForDroppedUrls(const QList<QUrl>& urls, const QString& locale) {
    QList<MenuEntry> entries;
    for (const QUrl& url : urls) {
        if (!url.isValid() || url.isEmpty())
            continue;
        MenuEntry entry = entryForUrl(url, locale);
        if (entry.target.isEmpty() || entry.target.contains(u'\n') || entry.target.contains(u'\r'))
            continue;
        entry.caption = visibleCaption(entry.caption);
        entries.append(entry);
    }
    return entries;
}

MenuEntry entryForApplication(const DesktopEntry& application) {
    return {visibleCaption(application.name), application.location};
}

QStringList applicationFolders() {
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
}

QStringList currentDesktops() {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
}

QList<DesktopEntry> readInstalledApplications(const QStringList& folders,
                                              const QStringList& desktops, const QString& locale) {
    QList<DesktopEntry> applications;
    QSet<QString> ids;
    for (const QString& folder : folders) {
        const QDir root(folder);
        QDirIterator it(folder, {u"*.desktop"_qs}, QDir::Files,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString id = root.relativeFilePath(path).replace(u'/', u'-');
            if (ids.contains(id))
                continue;
            ids.insert(id);
            auto entry = readDesktopEntry(path, locale);
            if (entry && entry->type == u"Application" && !entry->name.isEmpty() &&
                isListedOn(*entry, desktops))
                applications.append(std::move(*entry));
        }
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(applications.begin(), applications.end(),
                     [&](const DesktopEntry& a, const DesktopEntry& b) {
                         return collator.compare(a.name, b.name) < 0;
                     });
    return applications;
}
