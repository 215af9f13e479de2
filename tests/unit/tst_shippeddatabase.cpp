// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"
#include "settings/data/referencedata.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The data.mdb the build lays out beside the program, opened as the program opens it.
class TestShippedDatabase : public QObject {
    Q_OBJECT

    std::unique_ptr<ReferenceData> m_data;

    static QMap<QString, QString> pairs(const DataSet& set, const QString& key) {
        QMap<QString, QString> result;
        for (int record = 0; record < set.recordCount(); ++record)
            result.insert(set.value(record, set.fieldIndex(key)).toString(),
                          set.value(record, set.fieldIndex("Name")).toString());
        return result;
    }

private slots:
    void initTestCase() {
        const QString file = QStringLiteral(LARKSPAN_DATABASE_FILE);
        QVERIFY2(QFileInfo::exists(file), qPrintable(file));
        QTemporaryDir elsewhere;
        const QString start = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
        setAppDirForTesting(QFileInfo(file).absolutePath() + '/');
        QStringList reports;
        m_data = std::make_unique<ReferenceData>();
        m_data->open([&](const QString& message) { reports.append(message); });
        setAppDirForTesting(std::nullopt);
        QDir::setCurrent(start);
        QCOMPARE(reports, QStringList());
    }

    void holdsKnownRows_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("compmgmt") << 1 << "MMC File"
                                  << "compmgmt.msc"
                                  << "Computer Management";
        QTest::newRow("devmgmt") << 1 << "MMC File"
                                 << "devmgmt.msc"
                                 << "Device Manager";
        QTest::newRow("services") << 1 << "MMC File"
                                  << "services.msc"
                                  << "Services";
        QTest::newRow("dsa") << 2 << "MMC File"
                             << "dsa.msc"
                             << "Active Directory Users and Computers";
        QTest::newRow("gpmc") << 2 << "MMC File"
                              << "gpmc.msc"
                              << "Group Policy Management";
        QTest::newRow("calc") << 3 << "Command"
                              << "calc"
                              << "Calculator";
        QTest::newRow("regedit") << 3 << "Command"
                                 << "regedit"
                                 << "Registry Editor";
    }
    void holdsKnownRows() {
        QFETCH(int, table);
        QFETCH(QString, key);
        QFETCH(QString, file);
        QFETCH(QString, name);
        const DataSet* sets[] = {&m_data->windowsMmcFiles, &m_data->serverMmcFiles,
                                 &m_data->runCommands};
        QCOMPARE(pairs(*sets[table - 1], key).value(file), name);
    }

    void everyRowIsComplete_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<QString>("key");
        QTest::newRow("Windows") << 1 << "MMC File";
        QTest::newRow("Windows Server") << 2 << "MMC File";
        QTest::newRow("Run Commands") << 3 << "Command";
    }
    void everyRowIsComplete() {
        QFETCH(int, table);
        QFETCH(QString, key);
        DataSet* sets[] = {&m_data->windowsMmcFiles, &m_data->serverMmcFiles, &m_data->runCommands};
        const DataSet& set = *sets[table - 1];
        QVERIFY(set.recordCount() >= 20);
        QSet<QString> keys, names;
        for (int record = 0; record < set.recordCount(); ++record) {
            const QString value = set.value(record, set.fieldIndex(key)).toString();
            const QString name = set.value(record, set.fieldIndex("Name")).toString();
            QVERIFY2(!value.isEmpty() && !name.isEmpty(), qPrintable(name));
            if (key == "MMC File")
                QVERIFY2(value.endsWith(".msc") && value == value.toLower(), qPrintable(value));
            QVERIFY2(!keys.contains(value), qPrintable(value));
            QVERIFY2(!names.contains(name), qPrintable(name));
            keys.insert(value);
            names.insert(name);
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedDatabase)
#include "tst_shippeddatabase.moc"
