// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/config.h"
#include "core/launchhistory.h"
#include "core/menufile.h"
#include "core/menuhistory.h"
#include "core/safefile.h"

#include <QDir>
#include <QFileInfo>

// The files the windows share: the configuration, the menu file in use with the steps taken in
// it, and the launch history. The start-up owns it and hands it to each window.
class ProgramFiles {
public:
    ProgramFiles() : ProgramFiles(Configuration()) {}
    explicit ProgramFiles(Configuration config)
        : m_config(std::move(config)), m_launchHistory(historyBeside(m_config)) {}

    Configuration& config() { return m_config; }
    // Which entries the user opens, for the menu's filter; its file lies beside config.ini.
    LaunchHistory& launchHistory() { return m_launchHistory; }
    // The menu file that reads and edits go to. Until the start-up has read which file is in
    // use, one without a name, which reads as empty.
    MenuFile& menu() { return m_menu; }
    const MenuFile& menu() const { return m_menu; }
    // The changes made to the open menu file by any window, which Settings takes back and again.
    MenuHistory& menuHistory() { return m_menuHistory; }
    // Appends entries to the open menu file as one step of its history.
    void appendToMenu(const QList<MenuEntry>& entries, int selectedBefore, int selectedAfter) {
        const SafeFile::Change change = m_menu.append(entries);
        m_menuHistory.follow(m_menu.fileName());
        m_menuHistory.record(change, selectedBefore, selectedAfter);
    }
    void useMenuFile(const QString& fileName) {
        m_menuFileName = fileName;
        m_menu = MenuFile(fileName);
    }

    // The current menu file's name. A saved copy becomes current here at once, while reads
    // and edits go to the open file until the Settings window next opens (reopenMenuFile).
    const QString& menuFileName() const { return m_menuFileName; }
    void setMenuFileName(const QString& fileName) { m_menuFileName = fileName; }
    void reopenMenuFile() { m_menu = MenuFile(m_menuFileName); }

private:
    static QString historyBeside(const Configuration& config) {
        return QFileInfo(SafeFile::localPath(config.file().FileName()))
            .dir()
            .filePath(QStringLiteral("launch-history.tsv"));
    }

    Configuration m_config;
    LaunchHistory m_launchHistory;
    QString m_menuFileName;
    MenuFile m_menu{QString()};
    MenuHistory m_menuHistory;
};
