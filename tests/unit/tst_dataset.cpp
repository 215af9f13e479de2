// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"
#include "core/error.h"
#include "settings/data/dataset.h"
#include "settings/data/datasetmodel.h"
#include "settings/data/referencedata.h"
#include "support/sqlitefixture.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kWindows = QStringLiteral("List of Windows MMC files");
const QString kRows =
    QStringLiteral("('Computer Management', 'compmgmt.msc'), ('Device Manager', 'devmgmt.msc'), "
                   "('Event Viewer', 'eventvwr.msc')");

// The buttons as "1" (available) and "0", First to Cancel.
QString buttons(const NavigatorStatus& status) {
    QString result;
    for (NavigatorButton button : kNavigatorButtons)
        result += navigatorButtonEnabled(button, status) ? u'1' : u'0';
    return result;
}

QString currentName(const DataSet& set) {
    return set.fieldValue(set.fieldIndex("Name")).toString();
}

// Where the cursor is: "current bof eof", with B and E for the flags.
QString position(const DataSet& set) {
    return QString::number(set.currentRecord()) + (set.bof() ? "B" : "") + (set.eof() ? "E" : "");
}

} // namespace

class TestDataSet : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<QTemporaryDir> m_current;
    QString m_startFolder = QDir::currentPath();
    QStringList m_reports;
    QStringList m_asked; // the questions the data sets put

    QString dbPath() const { return m_app->filePath("data.mdb"); }
    QStringList fileNames(const QString& table = kWindows) const {
        return queryRows(dbPath(), QString("SELECT Name FROM [%1] ORDER BY rowid").arg(table));
    }
    std::unique_ptr<ReferenceData> openData() {
        auto data = std::make_unique<ReferenceData>();
        data->open([this](const QString& message) { m_reports.append(message); });
        return data;
    }
    // Answers every question of a data set with `yes` and keeps it.
    DataSet::Confirm answering(bool yes) {
        return [this, yes](const QString& question) {
            m_asked.append(question);
            return yes;
        };
    }

private slots:
    void init() {
        m_app = std::make_unique<QTemporaryDir>();
        m_current = std::make_unique<QTemporaryDir>();
        // The program finds data.mdb in its own folder when the current folder has none.
        setAppDirForTesting(m_app->path() + '/');
        QDir::setCurrent(m_current->path());
        m_reports.clear();
        m_asked.clear();
    }
    void cleanup() {
        setAppDirForTesting(std::nullopt);
        QDir::setCurrent(m_startFolder);
    }

    void navigatorRules_data() {
        QTest::addColumn<NavigatorStatus>("status");
        QTest::addColumn<QString>("available");
        //                                 open   bof    eof    empty  modify editing
        QTest::newRow("closed") << NavigatorStatus{false, false, false, false, true, true}
                                << "000000000";
        QTest::newRow("opened") << NavigatorStatus{true, true, false, false, true, false}
                                << "001111100";
        QTest::newRow("empty") << NavigatorStatus{true, true, true, true, true, false}
                               << "000010100";
        QTest::newRow("editing inside")
            << NavigatorStatus{true, false, false, false, true, true} << "111111011";
        QTest::newRow("at the end")
            << NavigatorStatus{true, false, true, false, true, false} << "110011100";
        QTest::newRow("not updatable")
            << NavigatorStatus{true, false, false, false, false, false} << "111100000";
    }
    void navigatorRules() {
        QFETCH(NavigatorStatus, status);
        QFETCH(QString, available);
        QCOMPARE(buttons(status), available);
    }

    void withoutDatabaseFourReportsAndNothingWorks() {
        auto data = openData();
        const QString missing = QString("The database \"data.mdb\" was found neither in the "
                                        "current folder (%1) nor in the application folder (%2/)")
                                    .arg(m_current->path(), m_app->path());
        QCOMPARE(m_reports, QStringList(4, missing));
        for (DataSet* set : {&data->windowsMmcFiles, &data->serverMmcFiles, &data->runCommands}) {
            QCOMPARE(set->state(), DataSet::State::Closed);
            QCOMPARE(buttons(set->navigatorStatus()), QString("000000000"));
            QVERIFY(!set->setFieldValue(0, QString("typed")));
            QVERIFY(!set->deleteRecord(answering(true)));
            QCOMPARE(set->recordCount(), 0);
        }
        QVERIFY(m_asked.isEmpty());
    }

    void openingReportsEachTableInTurn_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<QStringList>("closed");
        const QString run = "CREATE TABLE [Run Commands] (Name TEXT, Command TEXT);";
        const QString server = "CREATE TABLE [List of Windows Server MMC files] "
                               "(Name TEXT, [MMC File] TEXT);";
        QTest::newRow("all there, other letter case, more columns")
            << "CREATE TABLE [list of windows mmc files] (ID INTEGER PRIMARY KEY, name TEXT, "
               "[mmc FILE] CHAR(30));" +
                   server + run
            << QStringList() << QStringList();
        QTest::newRow("missing column")
            << "CREATE TABLE [List of Windows MMC files] (Name TEXT, [MMC File] TEXT);"
               "CREATE TABLE [List of Windows Server MMC files] (Name TEXT, MMCFile TEXT);" +
                   run
            << QStringList{"ADOTable2: Field 'MMC File' not found"} << QStringList{"ADOTable2"};
        QTest::newRow("integer column")
            << "CREATE TABLE [List of Windows MMC files] (Name INTEGER, [MMC File] TEXT);" +
                   server + run
            << QStringList{"ADOTable1: Type mismatch for field 'Name', expecting: Text actual: "
                           "Integer"}
            << QStringList{"ADOTable1"};
        QTest::newRow("untyped column")
            << "CREATE TABLE [List of Windows MMC files] (Name TEXT, [MMC File]);" + server + run
            << QStringList{"ADOTable1: Type mismatch for field 'MMC File', expecting: Text "
                           "actual: Binary"}
            << QStringList{"ADOTable1"};
        QTest::newRow("every table missing")
            << "CREATE TABLE other (x)"
            << QStringList{"no such table: List of Windows MMC files",
                           "no such table: List of Windows Server MMC files",
                           "no such table: Run Commands"}
            << QStringList{"ADOTable1", "ADOTable2", "ADOTable3"};
    }
    void openingReportsEachTableInTurn() {
        QFETCH(QString, sql);
        QFETCH(QStringList, reports);
        QFETCH(QStringList, closed);
        execSql(dbPath(), sql);
        auto data = openData();
        QCOMPARE(m_reports, reports);
        QVERIFY(data->connection.isOpen());
        for (DataSet* set : {&data->windowsMmcFiles, &data->serverMmcFiles, &data->runCommands})
            QCOMPARE(set->isOpen(), !closed.contains(set->name()));
    }

    void emptyTableOffersInsertAndEditOnly() {
        makeReferenceDatabase(dbPath());
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        QCOMPARE(buttons(set.navigatorStatus()), QString("000010100"));
        QCOMPARE(set.currentRecord(), -1);
        set.edit();
        QCOMPARE(set.state(), DataSet::State::Inserting);
        QCOMPARE(set.recordCount(), 1);
        QCOMPARE(set.currentRecord(), 0);
        set.cancel();
        QCOMPARE(set.recordCount(), 0);
        QCOMPARE(position(set), QString("-1BE"));
        // Typing on an empty table starts a new record as well.
        QVERIFY(set.setFieldValue(set.fieldIndex("MMC File"), QString("gpedit.msc")));
        QCOMPARE(set.state(), DataSet::State::Inserting);
        set.post();
        QCOMPARE(queryRows(dbPath(), "SELECT * FROM [List of Windows MMC files]"),
                 QStringList{"<null>|gpedit.msc"});
    }

    void deleteAsksFirst_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("no") << false
                            << QStringList{"Computer Management", "Device Manager", "Event Viewer"};
        QTest::newRow("yes") << true << QStringList{"Computer Management", "Event Viewer"};
    }
    void deleteAsksFirst() {
        QFETCH(bool, answer);
        QFETCH(QStringList, left);
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        set.next();
        QCOMPARE(set.deleteRecord(answering(answer)), answer);
        QCOMPARE(m_asked, QStringList{"Delete record?"});
        QCOMPARE(fileNames(), left);
        QCOMPARE(set.recordCount(), left.size());
        QCOMPARE(currentName(set), left[1]);
    }

    void deleteOfANewRecordOnlyDropsIt() {
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        set.next();
        set.insert();
        set.setFieldValue(0, QString("typed"));
        QVERIFY(set.deleteRecord(answering(true)));
        QCOMPARE(m_asked, QStringList{"Delete record?"});
        QCOMPARE(set.state(), DataSet::State::Browsing);
        QCOMPARE(set.recordCount(), 3);
        QCOMPARE(currentName(set), QString("Device Manager"));
        QCOMPARE(fileNames().size(), 3);
    }

    void typingThenMovingStores_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<QString>("landsOn");
        QTest::newRow("grid click") << "moveTo2"
                                    << "Event Viewer";
        QTest::newRow("Next") << "next"
                              << "Event Viewer";
        QTest::newRow("Prior") << "prior"
                               << "Computer Management";
        QTest::newRow("First") << "first"
                               << "Computer Management";
        QTest::newRow("Last") << "last"
                              << "Event Viewer";
        QTest::newRow("Insert") << "insert"
                                << "";
        QTest::newRow("Post") << "post"
                              << "changed";
    }
    void typingThenMovingStores() {
        QFETCH(QString, move);
        QFETCH(QString, landsOn);
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        set.moveTo(1);
        QSignalSpy states(&set, &DataSet::stateChanged);
        QVERIFY(set.setFieldValue(set.fieldIndex("Name"), QString("changed")));
        QCOMPARE(set.state(), DataSet::State::Editing);
        QVERIFY(!states.isEmpty());
        QCOMPARE(fileNames()[1], QString("Device Manager"));
        const std::map<QString, std::function<void()>> moves{
            {"moveTo2", [&] { set.moveTo(2); }}, {"next", [&] { set.next(); }},
            {"prior", [&] { set.prior(); }},     {"first", [&] { set.first(); }},
            {"last", [&] { set.last(); }},       {"insert", [&] { set.insert(); }},
            {"post", [&] { set.post(); }}};
        moves.at(move)();
        QCOMPARE(fileNames(), QStringList({"Computer Management", "changed", "Event Viewer"}));
        QCOMPARE(currentName(set), landsOn);
    }

    void insertThenMovingAwayWithoutTypingLeavesNoRow_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<QString>("landsOn");
        QTest::addColumn<QString>("position");
        // The new record stands in front of "Device Manager"; moves go by what was shown.
        QTest::newRow("Next") << "next"
                              << "Device Manager"
                              << "1";
        QTest::newRow("Prior") << "prior"
                               << "Computer Management"
                               << "0";
        QTest::newRow("grid click below") << "moveTo2"
                                          << "Device Manager"
                                          << "1";
        QTest::newRow("grid click on the last") << "moveTo3"
                                                << "Event Viewer"
                                                << "2";
        QTest::newRow("First") << "first"
                               << "Computer Management"
                               << "0B";
        QTest::newRow("Last") << "last"
                              << "Event Viewer"
                              << "2E";
        QTest::newRow("typed and cleared") << "cleared"
                                           << "Device Manager"
                                           << "1";
    }
    void insertThenMovingAwayWithoutTypingLeavesNoRow() {
        QFETCH(QString, move);
        QFETCH(QString, landsOn);
        QFETCH(QString, position);
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        set.next();
        set.insert();
        QCOMPARE(set.recordCount(), 4);
        QCOMPARE(set.recordMark(1), DataSet::RecordMark::Inserting);
        if (move == "next")
            set.next();
        else if (move == "prior")
            set.prior();
        else if (move == "moveTo2")
            set.moveTo(2);
        else if (move == "moveTo3")
            set.moveTo(3);
        else if (move == "first")
            set.first();
        else if (move == "last")
            set.last();
        else {
            set.setFieldValue(0, QString("x"));
            set.setFieldValue(0, QString());
            set.next();
        }
        QCOMPARE(set.state(), DataSet::State::Browsing);
        QCOMPARE(set.recordCount(), 3);
        QCOMPARE(fileNames().size(), 3);
        QCOMPARE(currentName(set), landsOn);
        QCOMPARE(::position(set), position);
    }

    void aTypedNewRecordIsStoredWhereItWasInserted() {
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        set.next();
        set.insert();
        set.setFieldValue(set.fieldIndex("Name"), QString("Services"));
        set.setFieldValue(set.fieldIndex("MMC File"), QString("services.msc"));
        set.next();
        QCOMPARE(queryRows(dbPath(), "SELECT * FROM [List of Windows MMC files] WHERE rowid = 4"),
                 QStringList{"Services|services.msc"});
        QStringList shown;
        for (int record = 0; record < set.recordCount(); ++record)
            shown.append(set.value(record, 0).toString());
        QCOMPARE(shown, QStringList(
                            {"Computer Management", "Services", "Device Manager", "Event Viewer"}));
        QCOMPARE(currentName(set), QString("Device Manager"));
    }

    void cursorBeginningAndEnd() {
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        QStringList steps{position(set)};
        set.next();
        steps << position(set);
        set.prior();
        steps << position(set);
        set.prior();
        steps << position(set);
        set.last();
        steps << position(set);
        set.next();
        steps << position(set);
        set.moveTo(0);
        steps << position(set);
        set.first();
        steps << position(set);
        QCOMPARE(steps, QStringList({"0B", "1", "0", "0B", "2E", "2E", "0", "0B"}));
    }

    void pendingEditStaysUntilTheEndAndIsThenLost() {
        makeReferenceDatabase(dbPath(), kRows);
        {
            auto data = openData();
            DataSet& set = data->windowsMmcFiles;
            set.setFieldValue(0, QString("pending"));
            // Nothing but a move, Post or Cancel ends the edit: not time, not other tables.
            data->serverMmcFiles.first();
            QTest::qWait(50);
            QCOMPARE(set.state(), DataSet::State::Editing);
            QCOMPARE(currentName(set), QString("pending"));
        }
        QCOMPARE(fileNames()[0], QString("Computer Management"));
        auto reopened = openData();
        QCOMPARE(currentName(reopened->windowsMmcFiles), QString("Computer Management"));
    }

    void aReadOnlyFileIsBrowsedOnly() {
        makeReferenceDatabase(dbPath(), kRows, kRows);
        QFile::setPermissions(dbPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        auto data = openData();
        QCOMPARE(m_reports, QStringList());
        DataSet& set = data->serverMmcFiles;
        set.next();
        QCOMPARE(currentName(set), QString("Device Manager"));
        QCOMPARE(buttons(set.navigatorStatus()), QString("111100000"));
        QVERIFY(!set.setFieldValue(0, QString("typed")));
        set.insert();
        set.edit();
        QCOMPARE(set.state(), DataSet::State::Browsing);
        QVERIFY(!set.deleteRecord(answering(true)));
        QVERIFY(m_asked.isEmpty());
    }

    void runCommandsAreBrowsedOnlyWithAllTheirColumns() {
        execSql(dbPath(), "CREATE TABLE [List of Windows MMC files] (Name TEXT, [MMC File] TEXT);"
                          "CREATE TABLE [List of Windows Server MMC files] (Name TEXT, "
                          "[MMC File] TEXT);"
                          "CREATE TABLE [Run Commands] (ID INTEGER, Name TEXT, Command BLOB);"
                          "INSERT INTO [Run Commands] VALUES (1, 'Calculator', 'calc');");
        auto data = openData();
        QCOMPARE(m_reports, QStringList());
        DataSet& set = data->runCommands;
        QCOMPARE(set.fieldCount(), 3);
        QCOMPARE(set.fieldValue(set.fieldIndex("Command")), QVariant("calc"));
        QVERIFY(!set.canModify());
        QVERIFY(!set.setFieldValue(1, QString("typed")));
        QCOMPARE(buttons(set.navigatorStatus()), QString("001100000"));
    }

    void fieldsTakeAtMostTheirWidth_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("declared 255") << "Name" << QString(300, 'n') << QString(255, 'n');
        QTest::newRow("narrower in the file") << "MMC File" << QString(70, 'f') << QString(64, 'f');
        QTest::newRow("no half character")
            << "MMC File" << QString(63, 'f') + QString::fromUtf8("\xF0\x9F\x98\x80")
            << QString(63, 'f');
    }
    void fieldsTakeAtMostTheirWidth() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        QCOMPARE(set.fieldWidth(set.fieldIndex("Name")), 255);
        QCOMPARE(set.fieldWidth(set.fieldIndex("MMC File")), 64);
        set.setFieldValue(set.fieldIndex(field), typed);
        set.post();
        QCOMPARE(queryRows(dbPath(),
                           QString("SELECT [%1] FROM [%2] WHERE rowid = 1").arg(field, kWindows)),
                 QStringList{kept});
    }

    void aRowChangedElsewhereIsNotOverwritten() {
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        set.setFieldValue(set.fieldIndex("MMC File"), QString("mine.msc"));
        execInOtherProcess(dbPath(), "UPDATE [List of Windows MMC files] SET [MMC File] = "
                                     "'theirs.msc' WHERE rowid = 1");
        const QString conflict = "The row was changed or deleted by another program after it "
                                 "was read; the change was not stored";
        for (const auto& store : std::initializer_list<std::function<void()>>{
                 [&] { set.post(); }, [&] { set.next(); }, [&] { set.moveTo(2); }}) {
            try {
                store();
                QFAIL("stored over another program's change");
            } catch (const LarkspanError& e) {
                QCOMPARE(e.message(), conflict);
            }
            QCOMPARE(set.state(), DataSet::State::Editing);
            QCOMPARE(set.currentRecord(), 0);
            QCOMPARE(set.fieldValue(1), QVariant("mine.msc"));
        }
        QCOMPARE(queryRows(dbPath(), "SELECT [MMC File] FROM [List of Windows MMC files] "
                                     "WHERE rowid = 1"),
                 QStringList{"theirs.msc"});
        set.cancel();
        QCOMPARE(set.state(), DataSet::State::Browsing);
        set.next();
        QCOMPARE(currentName(set), QString("Device Manager"));
    }

    void gridModelFollowsTheRecords() {
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSet& set = data->windowsMmcFiles;
        DataSetModel model(&set, {"Name", "MMC File"});
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto markOf = [&](int row) {
            return DataSet::RecordMark(
                model.headerData(row, Qt::Vertical, DataSetModel::RecordMarkRole).toInt());
        };
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("MMC File"));
        QCOMPARE(markOf(0), DataSet::RecordMark::Current);
        set.next();
        set.insert();
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(markOf(1), DataSet::RecordMark::Inserting);
        QCOMPARE(model.index(2, 0).data().toString(), QString("Device Manager"));
        set.setFieldValue(0, QString("Services"));
        QCOMPARE(model.index(1, 0).data().toString(), QString("Services"));
        set.post();
        QCOMPARE(markOf(1), DataSet::RecordMark::Current);
        set.insert();
        set.cancel();
        QCOMPARE(model.rowCount(), 4);
        set.setFieldValue(1, QString("x.msc"));
        QCOMPARE(markOf(1), DataSet::RecordMark::Editing);
        set.deleteRecord(answering(true));
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(1, 0).data().toString(), QString("Device Manager"));
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        set.close();
        QCOMPARE(model.rowCount(), 0);
    }

    void gridModelOutlivesItsDataSet() {
        makeReferenceDatabase(dbPath(), kRows);
        auto data = openData();
        DataSetModel model(&data->windowsMmcFiles, {"Name"});
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 3);
        data.reset();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.headerData(0, Qt::Vertical, DataSetModel::RecordMarkRole), QVariant());
    }
};

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
