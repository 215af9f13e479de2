// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/config.h"
#include "core/menufile.h"

// The files the windows share: the configuration and the menu file in use. The start-up
// owns it and hands it to each window.
class ProgramFiles {
public:
    ProgramFiles() = default;
    explicit ProgramFiles(Configuration config) : m_config(std::move(config)) {}

    Configuration& config() { return m_config; }
    // The menu file that reads and edits go to. Until the start-up has read which file is in
    // use, one without a name, which reads as empty.
    MenuFile& menu() { return m_menu; }
    const MenuFile& menu() const { return m_menu; }
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
    Configuration m_config;
    QString m_menuFileName;
    MenuFile m_menu{QString()};
};
