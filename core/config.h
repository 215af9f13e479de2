// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/profilefile.h"

// The bar's place, relative to the primary screen's top-left corner.
struct BarPosition {
    int top = 0;
    int left = 0;
    bool operator==(const BarPosition&) const = default;
};

// config.ini: the menu file in use, the skin and the bar's place.
class Configuration {
public:
    // config.ini of the application folder.
    Configuration();
    explicit Configuration(QString fileName) : m_file(std::move(fileName)) {}

    const ProfileFile& file() const { return m_file; }

    // Writes the first-run defaults when there is no file yet, then reads the bar's place:
    // the top right corner of a screen `screenWidth` wide where none is stored.
    BarPosition load(int screenWidth, int barWidth);
    void writeDefaults();
    void storeBarPosition(const BarPosition& position);
    // The menu file in use, "$apppath$" resolved; stored collapsed.
    QString menuFileName() const;
    void storeMenuFileName(const QString& fileName);
    // The skin's folder, "$apppath$" resolved; an empty entry gives bare file names, which
    // belong to the application folder.
    QString skinFolder() const;

private:
    ProfileFile m_file;
};
