// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/database.h"
#include "settings/data/dataset.h"

#include <functional>

// The three reference lists of the Settings window and their one connection, opened once at
// start-up and kept until the program ends; a record still being edited then is discarded.
class ReferenceData {
public:
    static const QString kConnectionString;

    ReferenceData();
    ReferenceData(const ReferenceData&) = delete;
    ReferenceData& operator=(const ReferenceData&) = delete;

    // Opens the connection, then the three tables, each in turn; a table whose connection is
    // not open tries it again first. Each failure goes to `report` and opening goes on, so a
    // missing database gives four reports: the connection and the three tables.
    void open(const std::function<void(const QString& message)>& report);

    Database connection;
    // The lists of the Windows and the Windows Server management consoles, and the Run
    // commands.
    DataSet windowsMmcFiles;
    DataSet serverMmcFiles;
    DataSet runCommands;
};
