#include "core/config.h"

#include "core/appdir.h"
#include "core/safefile.h"
#include "core/tools.h"

#include <QFileInfo>

void WriteDefaultConfig() {
    ConfigIni->WriteString(QStringLiteral("menu"), QStringLiteral("file"),
                           QStringLiteral("$apppath$\\menu.ini"));
    ConfigIni->WriteString(QStringLiteral("skin"), QStringLiteral("file"),
                           QStringLiteral("$apppath$\\skins\\default\\"));
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
    ConfigIni->WriteInteger(QStringLiteral("WindowPos"), QStringLiteral("Top"), bar.top());
    ConfigIni->WriteInteger(QStringLiteral("WindowPos"), QStringLiteral("Left"), bar.left());
}
