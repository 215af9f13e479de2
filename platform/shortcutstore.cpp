// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/shortcutstore.h"

#include "core/error.h"
#include "desktopentry/newentries.h"
#include "x11/desktopwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

// Runs one of the desktop's tools to its end; its output, or a LarkspanError in its words.
QByteArray runDesktopTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        throw LarkspanError(MenuShortcutStore::tr("%1 could not be started.").arg(program));
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        throw LarkspanError(
            MenuShortcutStore::tr("%1 did not answer within 10 seconds.").arg(program));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw LarkspanError(
            MenuShortcutStore::tr("%1 %2 failed: %3")
                .arg(program, arguments.value(0),
                     QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));
    return process.readAllStandardOutput();
}

QString MenuShortcutStore::bindable(const std::optional<QString>& keysInStoreWords) const {
    if (!keysInStoreWords)
        throw LarkspanError(tr("%1 cannot bind this key.").arg(desktopName()));
    return *keysInStoreWords;
}

QString openboxFileToWrite(const QString& inForce, const QString& configHome, bool lxde) {
    if (!inForce.isEmpty() && inForce.startsWith(QDir(configHome).absolutePath() + u'/'))
        return inForce;
    return configHome + (lxde ? u"/openbox/lxde-rc.xml"_qs : u"/openbox/rc.xml"_qs);
}

std::unique_ptr<MenuShortcutStore> menuShortcutStoreOfDesktop() {
    const QStringList desktops = currentDesktops();
    switch (shortcutDesktopFor(desktops)) {
    case ShortcutDesktop::Gnome:
        return gnomeShortcutStore();
    case ShortcutDesktop::Cinnamon:
        return cinnamonShortcutStore();
    case ShortcutDesktop::Xfce:
        return xfceShortcutStore();
    case ShortcutDesktop::Kde:
        return kdeShortcutStore(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                u"/kglobalshortcutsrc"_qs,
            QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
    case ShortcutDesktop::Openbox: {
        // openbox names the file it read on the root window.
        const QString inForce = QString::fromUtf8(DesktopWindow::rootWindowText("_OB_CONFIG_FILE"));
        const bool lxde = desktops.contains(u"LXDE"_qs, Qt::CaseInsensitive);
        const QString seed = QFileInfo::exists(inForce)
                                 ? inForce
                                 : QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                                                          u"openbox/rc.xml"_qs);
        return openboxShortcutStore(
            openboxFileToWrite(
                inForce, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                lxde),
            seed);
    }
    case ShortcutDesktop::Unsupported:
        break;
    }
    return nullptr;
}
