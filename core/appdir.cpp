// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"

#include "core/safefile.h"

#include <QDir>
#include <QFileInfo>

namespace {

std::optional<QString>& appDirOverride() {
    static std::optional<QString> dir;
    return dir;
}

const QString kToken = QStringLiteral("$apppath$");

} // namespace

QString appDirFromExecutablePath(const QString& executablePath) {
    const qsizetype slash = executablePath.lastIndexOf(u'/');
    return slash < 0 ? QString() : executablePath.first(slash + 1);
}

QString GetAppDir() {
    if (appDirOverride())
        return *appDirOverride();
    static const QString dir =
        appDirFromExecutablePath(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
    return dir;
}

QString ExpandAppPath(const QString& path) {
    QString result = path;
    return result.replace(kToken, GetAppDir(), Qt::CaseInsensitive);
}

QString CollapseAppPath(const QString& path) {
    const QString dir = GetAppDir();
    if (dir.isEmpty())
        return path;
    // Linux file names are case-sensitive: /home/u/Lark/ is not the folder /home/u/lark/.
    QString result = path;
    return result.replace(dir, kToken + u'\\', Qt::CaseSensitive);
}

QString ResolveAppPath(const QString& path) {
    const QString expanded = ExpandAppPath(path);
    if (QDir::isRelativePath(SafeFile::localPath(expanded)))
        return GetAppDir() + expanded;
    return expanded;
}

void setAppDirForTesting(std::optional<QString> appDir) {
    appDirOverride() = std::move(appDir);
}
