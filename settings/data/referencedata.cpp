// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/data/referencedata.h"

#include "core/error.h"

const QString ReferenceData::kConnectionString = QStringLiteral(
    "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=data.mdb;Persist Security Info=False");

namespace {
const QStringList kMmcFields{QStringLiteral("Name"), QStringLiteral("MMC File")};
}

// The names head the messages of the tables' failures.
ReferenceData::ReferenceData()
    : windowsMmcFiles(QStringLiteral("ADOTable1"), kMmcFields),
      serverMmcFiles(QStringLiteral("ADOTable2"), kMmcFields),
      // The Run-commands list has no navigator and no edit fields: it is only browsed.
      runCommands(QStringLiteral("ADOTable3"), {}, DataSet::Access::BrowseOnly) {}

void ReferenceData::open(const std::function<void(const QString& message)>& report) {
    try {
        connection.open(kConnectionString);
    } catch (const LarkspanError& e) {
        report(e.message());
    }
    const std::pair<DataSet*, QString> tables[] = {
        {&windowsMmcFiles, QStringLiteral("List of Windows MMC files")},
        {&serverMmcFiles, QStringLiteral("List of Windows Server MMC files")},
        {&runCommands, QStringLiteral("Run Commands")},
    };
    for (const auto& [dataSet, tableName] : tables) {
        try {
            if (!connection.isOpen())
                connection.open(kConnectionString);
            dataSet->open(connection, tableName);
        } catch (const LarkspanError& e) {
            report(e.message());
        }
    }
}
