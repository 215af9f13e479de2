// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/entryicons.h"

#include "core/inidocument.h"
#include "desktopentry/commandline.h"
#include "desktopentry/desktopentry.h"
#include "platform/launchplan.h"
#include "x11/desktopwindow.h"
#include "x11/xsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The settings and lists read here are a few lines; nothing larger is taken.
constexpr qint64 SmallFileMaxSize = 1 << 20;
const QString GenericProgramIcon = u"application-x-executable"_qs;

QByteArray readSmallFile(const QString& path) {
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > SmallFileMaxSize)
        return {};
    return file.read(SmallFileMaxSize);
}

bool isOnNetworkMount(const QString& path, const QStringList& mountPoints) {
    if (path.startsWith(u"//"))
        return true;
    for (const QString& mount : mountPoints)
        if (path == mount || path.startsWith(mount.endsWith(u'/') ? mount : mount + u'/'))
            return true;
    return false;
}

IconRequest documentByName(const QString& path) {
    static const QMimeDatabase mimes;
    const QMimeType type = mimes.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
        return {};
    return {IconRequest::Kind::Document, {type.iconName(), type.genericIconName()}};
}

IconRequest programIcon(const QString& program) {
    return {IconRequest::Kind::Program, {QFileInfo(program).fileName(), GenericProgramIcon}};
}

IconRequest desktopEntryIcon(const QString& path) {
    const auto entry = readDesktopEntry(path);
    if (!entry)
        return {};
    QStringList names{GenericProgramIcon};
    if (!entry->icon.isEmpty())
        names.prepend(entry->icon);
    return {IconRequest::Kind::DesktopEntry, names};
}

// The Icon= of the desktop's default handler of the scheme, from the mimeapps.list files.
QString schemeHandlerIcon(const QString& scheme) {
    const QString key = u"x-scheme-handler/"_qs + scheme.toLower();
    QStringList lists;
    for (const QString& dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation) +
             QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        lists << dir + u"/mimeapps.list"_qs;
    for (const QString& list : lists) {
        const auto handlers =
            IniDocument::parse(readSmallFile(list)).value(u"Default Applications", key);
        for (const QString& id : handlers.value_or(QString()).split(u';', Qt::SkipEmptyParts)) {
            const QString entry = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
            if (entry.isEmpty())
                continue;
            if (const auto parsed = readDesktopEntry(entry))
                return parsed->icon;
        }
    }
    return {};
}

IconRequest urlIcon(const QString& url) {
    const QString scheme = url.left(url.indexOf(u':'));
    const QString handler = schemeHandlerIcon(scheme);
    IconRequest request{IconRequest::Kind::Url, {u"text-html"_qs}};
    if (scheme.compare(u"mailto", Qt::CaseInsensitive) == 0)
        request = {IconRequest::Kind::Mail, {u"internet-mail"_qs, u"mail-message-new"_qs}};
    if (!handler.isEmpty())
        request.names.prepend(handler);
    return request;
}

// The program's own icon for a kind of target, for themes that have none.
QString builtInIcon(IconRequest::Kind kind) {
    switch (kind) {
    case IconRequest::Kind::None:
        return {};
    case IconRequest::Kind::Program:
    case IconRequest::Kind::DesktopEntry:
        return u"program"_qs;
    case IconRequest::Kind::Folder:
        return u"folder"_qs;
    case IconRequest::Kind::Document:
        return u"document"_qs;
    case IconRequest::Kind::Url:
        return u"web-page"_qs;
    case IconRequest::Kind::Mail:
        return u"mail"_qs;
    }
    return {};
}

// Read as PNG by name, so that no image-format plugin is asked about it.
QPixmap builtInPixmap(const QString& name, int pixels) {
    const QString file = pixels > EntryIcons::kSize ? u"%1@2x.png"_qs : u"%1.png"_qs;
    const QImage image(u":/entryicons/"_qs + file.arg(name), "PNG");
    if (image.isNull())
        return {};
    return QPixmap::fromImage(
        image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// A whole path: nothing when it does not exist.
std::optional<IconRequest> pathIcon(const QString& path, const QStringList& networkMounts) {
    if (isOnNetworkMount(QDir::cleanPath(path), networkMounts)) {
        if (path.endsWith(u'/'))
            return IconRequest{IconRequest::Kind::Folder, {u"folder"_qs}};
        return documentByName(path);
    }
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    if (info.isDir())
        return IconRequest{IconRequest::Kind::Folder, {u"folder"_qs}};
    if (path.endsWith(u".desktop"))
        return desktopEntryIcon(path);
    if (info.isExecutable())
        return programIcon(path);
    return documentByName(path);
}

QString configFile(const QString& relative) {
    return QStandardPaths::locate(QStandardPaths::GenericConfigLocation, relative);
}

} // namespace

IconRequest iconRequestFor(const QString& target, const QStringList& networkMountPoints) {
    const QString expanded = expandEnvironmentStrings(target, processEnvironmentLookup).trimmed();
    if (expanded.isEmpty())
        return {};
    if (isUrl(expanded) && !expanded.startsWith(u"file:", Qt::CaseInsensitive))
        return urlIcon(expanded);
    const QString path = expanded.startsWith(u"file:", Qt::CaseInsensitive)
                             ? QUrl(expanded).toLocalFile()
                             : expanded;
    if (path.contains(u'/'))
        if (auto whole = pathIcon(path, networkMountPoints))
            return *whole;
    if (const QString installed = installedDesktopEntry(path); !installed.isEmpty())
        return desktopEntryIcon(installed);
    const auto words = splitCommandLine(expanded);
    if (!words || words->isEmpty())
        return {};
    const QString& first = words->first();
    if (first.contains(u'/')) {
        if (isOnNetworkMount(QDir::cleanPath(first), networkMountPoints))
            return programIcon(first);
        const QFileInfo info(first);
        return info.isFile() && info.isExecutable() ? programIcon(first) : IconRequest{};
    }
    return QStandardPaths::findExecutable(first).isEmpty() ? IconRequest{} : programIcon(first);
}

QIcon iconOfDesktopEntry(const QString& icon) {
    if (icon.isEmpty())
        return {};
    return QDir::isAbsolutePath(icon) ? QIcon(icon) : QIcon::fromTheme(icon);
}

QStringList networkMountPoints(const QByteArray& mountTable) {
    static const QStringList networkTypes{u"nfs"_qs,         u"nfs4"_qs,
                                          u"cifs"_qs,        u"smb3"_qs,
                                          u"smbfs"_qs,       u"ncpfs"_qs,
                                          u"afs"_qs,         u"9p"_qs,
                                          u"ceph"_qs,        u"glusterfs"_qs,
                                          u"lustre"_qs,      u"davfs"_qs,
                                          u"fuse.sshfs"_qs,  u"fuse.gvfsd-fuse"_qs,
                                          u"fuse.rclone"_qs, u"fuse.s3fs"_qs};
    QStringList points;
    for (const QByteArray& line : mountTable.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || !networkTypes.contains(QString::fromUtf8(fields[2])))
            continue;
        // Blanks in a mount point are written as octal escapes.
        QString point = QString::fromUtf8(fields[1]);
        point.replace(u"\\040"_qs, u" "_qs).replace(u"\\011"_qs, u"\t"_qs);
        points.append(point);
    }
    return points;
}

QString desktopIconTheme(const QByteArray& xsettings, const QByteArray& gtkSettings,
                         const QByteArray& kdeGlobals) {
    if (const auto name = xsettingsString(xsettings, u"Net/IconThemeName"_qs);
        name && !name->isEmpty())
        return *name;
    if (const auto name =
            IniDocument::parse(gtkSettings).value(u"Settings", u"gtk-icon-theme-name");
        name && !name->isEmpty())
        return *name;
    return IniDocument::parse(kdeGlobals).value(u"Icons", u"Theme").value_or(QString());
}

EntryIcons::EntryIcons()
    : EntryIcons(desktopIconTheme(DesktopWindow::xsettings(),
                                  readSmallFile(configFile(u"gtk-3.0/settings.ini"_qs)),
                                  readSmallFile(configFile(u"kdeglobals"_qs))),
                 readSmallFile(u"/proc/self/mounts"_qs)) {}

EntryIcons::EntryIcons(const QString& theme, const QByteArray& mountTable)
    : m_networkMounts(networkMountPoints(mountTable)) {
    // Without a desktop platform theme Qt knows no icon folders.
    QStringList searchPaths = QIcon::themeSearchPaths();
    for (const QString& dir :
         QStringList{QDir::homePath() + u"/.icons"_qs} +
             QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, u"icons"_qs,
                                       QStandardPaths::LocateDirectory))
        if (!searchPaths.contains(dir))
            searchPaths.append(dir);
    QIcon::setThemeSearchPaths(searchPaths);
    // Qt looks in hicolor after the theme and its fallback.
    const QString adwaita = u"Adwaita"_qs;
    QIcon::setThemeName(theme.isEmpty() ? adwaita : theme);
    QIcon::setFallbackThemeName(adwaita);
}

QString EntryIcons::cacheKey(const QString& target, qreal devicePixelRatio) {
    return QString::number(devicePixelRatio) + u'|' + target;
}

std::optional<QPixmap> EntryIcons::cached(const QString& target, qreal devicePixelRatio) const {
    const auto found = m_cache.constFind(cacheKey(target, devicePixelRatio));
    if (found == m_cache.cend())
        return std::nullopt;
    return *found;
}

QPixmap EntryIcons::pixmap(const QString& target, qreal devicePixelRatio) {
    const QString key = cacheKey(target, devicePixelRatio);
    if (const auto cached = m_cache.constFind(key); cached != m_cache.cend())
        return *cached;
    const QPixmap loaded = load(target, devicePixelRatio);
    m_cache.insert(key, loaded);
    return loaded;
}

QPixmap EntryIcons::load(const QString& target, qreal devicePixelRatio) const {
    // Asked for in device pixels: Qt 6.4 may otherwise scale up the 16-pixel file at 2x.
    const int pixels = qRound(kSize * devicePixelRatio);
    const IconRequest request = iconRequestFor(target, m_networkMounts);
    for (const QString& name : request.names) {
        QPixmap pixmap = iconOfDesktopEntry(name).pixmap(QSize(pixels, pixels), 1.0);
        if (pixmap.isNull())
            continue;
        if (pixmap.width() != pixels)
            pixmap = pixmap.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        pixmap.setDevicePixelRatio(devicePixelRatio);
        return pixmap;
    }
    QPixmap own = builtInPixmap(builtInIcon(request.kind), pixels);
    own.setDevicePixelRatio(devicePixelRatio);
    return own;
}
