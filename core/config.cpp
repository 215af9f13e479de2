#include "core/config.h"

#include "core/appdir.h"
#include "core/safefile.h"
#include "core/tools.h"

#include <QFileInfo>

// Each in one update: a program killed half-way must not leave a configuration that lacks
// the skin for good, nor another copy a position of which only one half is its own.
void WriteDefaultConfig() {
    ConfigIni->Update([](ProfileEditor& config) {
        config.WriteString(QStringLiteral("menu"), QStringLiteral("file"),
                           QStringLiteral("$apppath$\\menu.ini"));
        config.WriteString(QStringLiteral("skin"), QStringLiteral("file"),
                           QStringLiteral("$apppath$\\skins\\default\\"));
    });
}

void LoadConfig(BarPlacement& bar) {
    ConfigIni = std::make_unique<ProfileFile>(GetAppDir() + QStringLiteral("config.ini"));
    if (!QFileInfo::exists(SafeFile::localPath(ConfigIni->FileName())))
        WriteDefaultConfig();
    const QString section = QStringLiteral("WindowPos");
    bar.setTop(ConfigIni->ReadInteger(section, QStringLiteral("Top"), 1));
    const int defaultLeft = bar.primaryScreenWidth() - bar.width() - 1;
    bar.setLeft(ConfigIni->ReadInteger(section, QStringLiteral("Left"), defaultLeft));
}

void SaveWindowPos(const BarPlacement& bar) {
    ConfigIni->Update([&bar](ProfileEditor& config) {
        config.WriteInteger(QStringLiteral("WindowPos"), QStringLiteral("Top"), bar.top());
        config.WriteInteger(QStringLiteral("WindowPos"), QStringLiteral("Left"), bar.left());
    });
}
