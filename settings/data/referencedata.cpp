#include "settings/data/referencedata.h"

#include "core/error.h"

const QString ReferenceData::kConnectionString = QStringLiteral(
    "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=data.mdb;Persist Security Info=False");

namespace {
const QStringList kMmcFields{QStringLiteral("Name"), QStringLiteral("MMC File")};
}

ReferenceData::ReferenceData()
    : ADOTable1(QStringLiteral("ADOTable1"), kMmcFields),
      ADOTable2(QStringLiteral("ADOTable2"), kMmcFields),
      // The Run-commands list has no navigator and no edit fields: it is only browsed.
      ADOTable3(QStringLiteral("ADOTable3"), {}, DataSet::Access::BrowseOnly) {}

void ReferenceData::open(const std::function<void(const QString& message)>& report) {
    try {
        ADOConnection1.open(kConnectionString);
    } catch (const LarkspanError& e) {
        report(e.message());
    }
    const std::pair<DataSet*, QString> tables[] = {
        {&ADOTable1, QStringLiteral("List of Windows MMC files")},
        {&ADOTable2, QStringLiteral("List of Windows Server MMC files")},
        {&ADOTable3, QStringLiteral("Run Commands")},
    };
    for (const auto& [dataSet, tableName] : tables) {
        try {
            if (!ADOConnection1.isOpen())
                ADOConnection1.open(kConnectionString);
            dataSet->open(ADOConnection1, tableName);
        } catch (const LarkspanError& e) {
            report(e.message());
        }
    }
}
