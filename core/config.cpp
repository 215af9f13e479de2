// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/config.h"

#include "core/appdir.h"
#include "core/safefile.h"

#include <QFileInfo>

namespace {
const QString kWindowPos = QStringLiteral("WindowPos");
const QString kMenu = QStringLiteral("menu");
const QString kFile = QStringLiteral("file");
} // namespace

Configuration::Configuration() : m_file(GetAppDir() + QStringLiteral("config.ini")) {}

// Each in one update: a program killed half-way must not leave a configuration that lacks
// the skin for good, nor another copy a position of which only one half is its own.
void Configuration::writeDefaults() {
    m_file.Update([](ProfileEditor& config) {
        config.WriteString(kMenu, kFile, QStringLiteral("$apppath$\\menu.ini"));
        config.WriteString(QStringLiteral("skin"), kFile,
                           QStringLiteral("$apppath$\\skins\\default\\"));
    });
}

BarPosition Configuration::load(int screenWidth, int barWidth) {
    if (!QFileInfo::exists(SafeFile::localPath(m_file.FileName())))
        writeDefaults();
    const ProfileSnapshot config = m_file.Snapshot();
    return {config.ReadInteger(kWindowPos, QStringLiteral("Top"), 1),
            config.ReadInteger(kWindowPos, QStringLiteral("Left"), screenWidth - barWidth - 1)};
}

void Configuration::storeBarPosition(const BarPosition& position) {
    m_file.Update([&position](ProfileEditor& config) {
        config.WriteInteger(kWindowPos, QStringLiteral("Top"), position.top);
        config.WriteInteger(kWindowPos, QStringLiteral("Left"), position.left);
    });
}

QString Configuration::menuFileName() const {
    return ResolveAppPath(m_file.ReadString(kMenu, kFile, QStringLiteral("$apppath$\\menu.ini")));
}

void Configuration::storeMenuFileName(const QString& fileName) {
    m_file.WriteString(kMenu, kFile, CollapseAppPath(fileName));
}

QString Configuration::skinFolder() const {
    return ResolveAppPath(m_file.ReadString(QStringLiteral("skin"), kFile, QString()));
}
