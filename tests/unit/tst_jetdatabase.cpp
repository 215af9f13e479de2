// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"
#include "core/error.h"
#include "database/database.h"
#include "settings/data/dataset.h"
#include "settings/data/referencedata.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kJetDir = QDir::cleanPath(QStringLiteral(LARKSPAN_TESTDATA_DIR "/jet"));

QByteArray digest(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

// The Jet files live beside the checkout, not in it.
#define REQUIRE_JET_FILES()                                                                        \
    if (!QFileInfo::exists(kJetDir))                                                               \
    QSKIP(qPrintable("The Jet test files are not here: " + kJetDir))

class TestJetDatabase : public QObject {
    Q_OBJECT

    Database m_db;

    void openFile(const QString& file) {
        m_db.open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + kJetDir + '/' + file);
    }

private slots:
    void readsTablesColumnsAndRows_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("column");
        QTest::addColumn<ColumnKind>("kind");
        QTest::addColumn<int>("width");
        QTest::addColumn<QVariant>("firstValue");
        QTest::newRow("Jet 3 text") << "nwind.mdb"
                                    << "Shippers" << 3 << 3 << "CompanyName" << ColumnKind::Text
                                    << 40 << QVariant("Speedy Express");
        QTest::newRow("Jet 3 integer") << "nwind.mdb"
                                       << "shippers" << 3 << 3 << "ShipperID" << ColumnKind::Integer
                                       << 0 << QVariant(qlonglong(1));
        QTest::newRow("Jet 3 code page")
            << "nwind.mdb"
            << "Customers" << 91 << 11 << "City" << ColumnKind::Text << 15 << QVariant("Berlin");
        QTest::newRow("Jet 3 memo") << "nwind.mdb"
                                    << "Categories" << 8 << 4 << "Description" << ColumnKind::Memo
                                    << 0 << QVariant("Soft drinks, coffees, teas, beers, and ales");
        QTest::newRow("Jet 3 OLE object left empty")
            << "nwind.mdb"
            << "Categories" << 8 << 4 << "Picture" << ColumnKind::Binary << 0 << QVariant();
        QTest::newRow("Jet 3 flag") << "nwind.mdb"
                                    << "Products" << 77 << 10 << "Discontinued"
                                    << ColumnKind::Boolean << 0 << QVariant(false);
        QTest::newRow("Jet 3 non-ASCII table name")
            << "nwind.mdb"
            << "Umsätze" << 830 << 14 << "Freight" << ColumnKind::Currency << 0
            << QVariant("12.7500");
        QTest::newRow("Jet 4 text") << "DateTestDatabase.mdb"
                                    << "DateTest" << 6 << 6 << "ShortTextCol" << ColumnKind::Text
                                    << 255 << QVariant("Hello");
        QTest::newRow("Jet 4 date") << "DateTestDatabase.mdb"
                                    << "DateTest" << 6 << 6 << "DateTimeCol" << ColumnKind::DateTime
                                    << 0 << QVariant("2021-12-02 00:00:00");
        QTest::newRow("ACE text") << "ASampleDatabase.accdb"
                                  << "Asset Items" << 65 << 13 << "Asset No" << ColumnKind::Text
                                  << 5 << QVariant("30050");
        QTest::newRow("ACE currency") << "ASampleDatabase.accdb"
                                      << "Asset Items" << 65 << 13 << "Cost" << ColumnKind::Currency
                                      << 0 << QVariant("1995.5000");
    }
    void readsTablesColumnsAndRows() {
        QFETCH(QString, file);
        QFETCH(QString, table);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(QString, column);
        QFETCH(ColumnKind, kind);
        QFETCH(int, width);
        QFETCH(QVariant, firstValue);
        REQUIRE_JET_FILES();
        openFile(file);
        const auto opened = m_db.openTable(table);
        QCOMPARE(opened->name().toLower(), table.toLower());
        QCOMPARE(opened->rows().size(), rows);
        QCOMPARE(opened->columns().size(), columns);
        const int index = opened->columnIndex(column);
        QVERIFY(index >= 0);
        QCOMPARE(opened->columns()[index].kind, kind);
        QCOMPARE(opened->columns()[index].width, width);
        QCOMPARE(opened->rows()[0].values[index], firstValue);
        for (const DatabaseRow& row : opened->rows())
            QCOMPARE(row.values.size(), columns);
    }

    void isReadOnly() {
        REQUIRE_JET_FILES();
        openFile("nwind.mdb");
        const QByteArray before = digest(kJetDir + "/nwind.mdb");
        const auto table = m_db.openTable("Shippers");
        QVERIFY(!table->canUpdate());
        const QString refused =
            "The table \"Shippers\" is in a Jet database, which can only be read";
        for (const auto& change : std::initializer_list<std::function<void()>>{
                 [&] {
                     table->insertRow({qlonglong(4), QString("x"), QString("y")});
                 },
                 [&] {
                     table->updateRow(table->rows()[0], {qlonglong(1), QString("x"), QVariant()});
                 },
                 [&] { table->deleteRow(table->rows()[0]); }}) {
            try {
                change();
                QFAIL("changed a Jet table");
            } catch (const LarkspanError& e) {
                QCOMPARE(e.message(), refused);
            }
        }
        QCOMPARE(digest(kJetDir + "/nwind.mdb"), before);

        DataSet dataSet("ADOTable1", {"CompanyName", "Phone"});
        dataSet.open(m_db, "Shippers");
        QCOMPARE(dataSet.recordCount(), 3);
        QVERIFY(!dataSet.canModify());
        QVERIFY(!dataSet.setFieldValue(0, QString("typed")));
        dataSet.edit();
        QCOMPARE(dataSet.state(), DataSet::State::Browsing);
        QCOMPARE(dataSet.fieldValue(0), QVariant("Speedy Express"));
    }

    void aMissingTableIsNamed() {
        REQUIRE_JET_FILES();
        openFile("DateTestDatabase.mdb");
        try {
            m_db.openTable("MSysObjects");
            QFAIL("opened a system table");
        } catch (const LarkspanError& e) {
            QCOMPARE(e.message(), "The Jet database \"" + kJetDir +
                                      "/DateTestDatabase.mdb\" has no table \"MSysObjects\"");
        }
    }

    // A bare data.mdb that is a Jet file without the reference tables: the connection opens,
    // each of the three tables reports why it stays closed.
    void jetFileWithoutTheReferenceTables() {
        REQUIRE_JET_FILES();
        QTemporaryDir app;
        QVERIFY(QFile::link(kJetDir + "/nwind.mdb", app.filePath("data.mdb")));
        setAppDirForTesting(app.path() + '/');
        QStringList reports;
        ReferenceData data;
        data.open([&](const QString& message) { reports.append(message); });
        setAppDirForTesting(std::nullopt);
        QVERIFY(data.connection.isOpen());
        QCOMPARE(reports.size(), 3);
        QCOMPARE(reports[2], "The Jet database \"" + app.filePath("data.mdb") +
                                 "\" has no table \"Run Commands\"");
    }
};

QTEST_APPLESS_MAIN(TestJetDatabase)
#include "tst_jetdatabase.moc"
