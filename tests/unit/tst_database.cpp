// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"
#include "core/error.h"
#include "database/database.h"
#include "database/databaseproviders.h"
#include "support/sqlitefixture.h"
#include "support/testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

namespace {

QString messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const LarkspanError& e) {
        return e.message();
    }
    return QStringLiteral("<no failure>");
}

QString connectionTo(const QString& path) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(path);
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    Database m_db;

    std::unique_ptr<DatabaseTable> table(const QString& name) {
        m_db.open(connectionTo(m_path));
        return m_db.openTable(name);
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("test %1.mdb").arg(QTest::currentDataTag()));
        QFile::remove(m_path);
        execSql(m_path, "CREATE TABLE t (Name VARCHAR(20), Kind TEXT COLLATE NOCASE, Size INT);"
                        "INSERT INTO t VALUES ('a', 'x', 1), ('b', 'y', NULL), ('b', 'y', NULL);");
    }
    void cleanup() { m_db.close(); }

    void formatFromHeader_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<DatabaseFormat>("format");
        QTest::newRow("sqlite") << QByteArray("SQLite format 3\0\x10\0", 19)
                                << DatabaseFormat::Sqlite;
        QTest::newRow("jet") << QByteArray("\0\1\0\0Standard Jet DB\0\1", 21)
                             << DatabaseFormat::Jet;
        QTest::newRow("ace") << QByteArray("\0\1\0\0Standard ACE DB\0\2", 21)
                             << DatabaseFormat::Jet;
        QTest::newRow("empty") << QByteArray() << DatabaseFormat::Unknown;
        QTest::newRow("short") << QByteArray("\0\1\0\0Standard Jet", 16) << DatabaseFormat::Unknown;
        QTest::newRow("text") << QByteArray("SQLite format 3 is what I am not")
                              << DatabaseFormat::Unknown;
    }
    void formatFromHeader() {
        QFETCH(QByteArray, header);
        QFETCH(DatabaseFormat, format);
        QCOMPARE(databaseFormat(header), format);
    }

    void sqliteColumnKinds_data() {
        QTest::addColumn<QString>("declared");
        QTest::addColumn<ColumnKind>("kind");
        QTest::addColumn<int>("width");
        QTest::newRow("TEXT") << "TEXT" << ColumnKind::Text << 255;
        QTest::newRow("VARCHAR(40)") << "VARCHAR(40)" << ColumnKind::Text << 40;
        QTest::newRow("char ( 7 )") << "char ( 7 )" << ColumnKind::Text << 7;
        QTest::newRow("NVARCHAR(300)") << "NVARCHAR(300)" << ColumnKind::Text << 300;
        QTest::newRow("CHARACTER VARYING(12)") << "CHARACTER VARYING(12)" << ColumnKind::Text << 12;
        QTest::newRow("VARCHAR(0)") << "VARCHAR(0)" << ColumnKind::Text << 255;
        QTest::newRow("CLOB") << "CLOB" << ColumnKind::Text << 255;
        QTest::newRow("INTEGER") << "INTEGER" << ColumnKind::Integer << 0;
        QTest::newRow("BIGINT") << "BIGINT" << ColumnKind::Integer << 0;
        QTest::newRow("none") << "" << ColumnKind::Binary << 0;
        QTest::newRow("BLOB") << "BLOB" << ColumnKind::Binary << 0;
        QTest::newRow("DOUBLE PRECISION") << "DOUBLE PRECISION" << ColumnKind::Float << 0;
        QTest::newRow("BOOLEAN") << "BOOLEAN" << ColumnKind::Boolean << 0;
        QTest::newRow("DATETIME") << "DATETIME" << ColumnKind::DateTime << 0;
        QTest::newRow("DECIMAL(10,2)") << "DECIMAL(10,2)" << ColumnKind::Numeric << 0;
    }
    void sqliteColumnKinds() {
        QFETCH(QString, declared);
        QFETCH(ColumnKind, kind);
        QFETCH(int, width);
        const DatabaseColumn column = sqliteColumn("c", declared);
        QCOMPARE(column.kind, kind);
        QCOMPARE(column.width, width);
    }

    void bareNameIsLookedForInTheCurrentFolderThenTheApplicationFolder() {
        QTemporaryDir current, app;
        writeBytes(app.filePath("data.mdb"), "app");
        QCOMPARE(locateDataSource("data.mdb", current.path(), app.path() + '/'),
                 app.filePath("data.mdb"));
        writeBytes(current.filePath("data.mdb"), "current");
        QCOMPARE(locateDataSource("data.mdb", current.path(), app.path() + '/'),
                 current.filePath("data.mdb"));
        // A name with a folder is not looked for elsewhere.
        QCOMPARE(messageOf([&] { locateDataSource("sub/data.mdb", current.path(), app.path()); }),
                 QString("The database \"%1/sub/data.mdb\" does not exist").arg(current.path()));
        QCOMPARE(messageOf([&] { locateDataSource("other.mdb", current.path(), app.path()); }),
                 QString("The database \"other.mdb\" was found neither in the current folder (%1) "
                         "nor in the application folder (%2)")
                     .arg(current.path(), app.path()));
    }

    void openingFails_data() {
        QTest::addColumn<QString>("connection");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("another provider")
            << "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=x.mdb"
            << ""
            << "The provider \"Microsoft.ACE.OLEDB.12.0\" is not available; this program "
               "provides only \"Microsoft.Jet.OLEDB.4.0\"";
        QTest::newRow("no provider") << "Data Source=x.mdb"
                                     << ""
                                     << "The connection string names no provider";
        QTest::newRow("no data source") << "Provider=microsoft.jet.oledb.4.0"
                                        << ""
                                        << "The connection string names no data source";
        QTest::newRow("neither kind") << connectionTo("%1") << "just some text"
                                      << "The file \"%1\" is neither an SQLite nor a Jet database";
        QTest::newRow("empty file") << connectionTo("%1") << ""
                                    << "The file \"%1\" is neither an SQLite nor a Jet database";
        QTest::newRow("damaged sqlite")
            << connectionTo("%1") << QString("SQLite format 3") + QChar(0) + QString(200, 'x')
            << "The database \"%1\" cannot be opened: file is not a database";
        QTest::newRow("damaged jet")
            << connectionTo("%1") << QString(4, QChar(0)) + "Standard Jet DB" + QChar(0)
            << "The Jet database \"%1\" cannot be read";
    }
    void openingFails() {
        QFETCH(QString, connection);
        QFETCH(QString, content);
        QFETCH(QString, message);
        const QString path = m_dir.filePath("bad.mdb");
        writeBytes(path, content.toLatin1());
        auto withPath = [&](const QString& text) {
            return text.contains("%1") ? text.arg(path) : text;
        };
        Database db;
        QCOMPARE(messageOf([&] { db.open(withPath(connection)); }), withPath(message));
        QVERIFY(!db.isOpen());
    }

    void namesAreQuoted_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("blank") << "List of Windows MMC files";
        QTest::newRow("bracket") << "odd]name[";
        QTest::newRow("double quote") << "say \"hi\"";
        QTest::newRow("injection") << "t; DROP TABLE t; --";
    }
    void namesAreQuoted() {
        QFETCH(QString, name);
        execSql(m_path, QString("CREATE TABLE %1 (%2 TEXT); INSERT INTO %1 VALUES ('v');")
                            .arg(sqliteQuoted(name), sqliteQuoted(name + " column")));
        auto opened = table(name);
        QCOMPARE(opened->columns().size(), 1);
        QCOMPARE(opened->columns()[0].name, name + " column");
        QCOMPARE(opened->rows().size(), 1);
        opened->insertRow({QString("w")});
        opened->updateRow(opened->rows()[0], {QString("v2")});
        QCOMPARE(queryRows(m_path, QString("SELECT * FROM %1").arg(sqliteQuoted(name))),
                 QStringList({"v2", "w"}));
        QCOMPARE(queryRows(m_path, "SELECT count(*) FROM t"), QStringList{"3"});
    }

    void readsColumnsAndRows() {
        auto t = table("T");
        QCOMPARE(t->name(), QString("T"));
        QCOMPARE(t->columns().size(), 3);
        QCOMPARE(t->columns()[0].width, 20);
        QCOMPARE(t->columns()[2].kind, ColumnKind::Integer);
        QCOMPARE(t->columnIndex("size"), 2);
        QCOMPARE(t->rows().size(), 3);
        QCOMPARE(t->rows()[0].values, QList<QVariant>({"a", "x", qlonglong(1)}));
        QVERIFY(t->rows()[1].values[2].isNull());
        QVERIFY(t->canUpdate());
        QCOMPARE(messageOf([&] { m_db.openTable("missing"); }), QString("no such table: missing"));
    }

    void eachChangeIsWrittenAtOnceOneRow() {
        auto t = table("t");
        const DatabaseRow added = t->insertRow({QString("c"), QVariant(), qlonglong(7)});
        QCOMPARE(added.values, QList<QVariant>({"c", QVariant(), qlonglong(7)}));
        QCOMPARE(queryRows(m_path, "SELECT * FROM t WHERE Name = 'c'"), QStringList{"c|<null>|7"});
        // Of two equal rows only the one read is changed, then only the other is deleted.
        t->updateRow(t->rows()[1], {QString("b"), QString("z"), QVariant()});
        QCOMPARE(queryRows(m_path, "SELECT Kind FROM t WHERE Name = 'b' ORDER BY rowid"),
                 QStringList({"z", "y"}));
        t->deleteRow(t->rows()[2]);
        QCOMPARE(queryRows(m_path, "SELECT Name, Kind FROM t ORDER BY rowid"),
                 QStringList({"a|x", "b|z", "c|<null>"}));
    }

    void aRowChangedByAnotherProgramIsNotOverwritten_data() {
        QTest::addColumn<QString>("otherChange");
        QTest::newRow("changed") << "UPDATE t SET Size = 2 WHERE Name = 'a'";
        QTest::newRow("letter case under NOCASE") << "UPDATE t SET Kind = 'X' WHERE Name = 'a'";
        QTest::newRow("deleted") << "DELETE FROM t WHERE Name = 'a'";
        QTest::newRow("deleted and made again") << "DELETE FROM t WHERE Name = 'a'; "
                                                   "INSERT INTO t VALUES ('a', 'x', 1)";
    }
    void aRowChangedByAnotherProgramIsNotOverwritten() {
        QFETCH(QString, otherChange);
        auto t = table("t");
        execInOtherProcess(m_path, otherChange);
        const QStringList afterOther = queryRows(m_path, "SELECT rowid, * FROM t ORDER BY rowid");
        const DatabaseRow read = t->rows()[0];
        QCOMPARE(messageOf([&] {
                     t->updateRow(read, {QString("mine"), QString("x"), qlonglong(1)});
                 }),
                 QString("The row was changed or deleted by another program after it was read; "
                         "the change was not stored"));
        QCOMPARE(messageOf([&] { t->deleteRow(read); }),
                 QString("The row was changed or deleted by another program after it was read; "
                         "it was not deleted"));
        QCOMPARE(queryRows(m_path, "SELECT rowid, * FROM t ORDER BY rowid"), afterOther);
    }

    void holdsNoLockBetweenChanges() {
        auto t = table("t");
        t->updateRow(t->rows()[0], {QString("a2"), QString("x"), qlonglong(1)});
        // Another program gets the file to itself without waiting.
        QElapsedTimer timer;
        timer.start();
        execInOtherProcess(m_path, "PRAGMA busy_timeout = 0; BEGIN EXCLUSIVE; "
                                   "UPDATE t SET Size = 5 WHERE Name = 'b'; COMMIT;");
        QVERIFY(timer.elapsed() < 1500);
    }

    void aBusyFileFailsAfterWaitingAndChangesNothing() {
        auto t = table("t");
        sqlite3* other = nullptr;
        sqlite3_open(QFile::encodeName(m_path).constData(), &other);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(messageOf([&] {
                     t->insertRow({QString("c"), QVariant(), QVariant()});
                 }),
                 QString("database is locked"));
        QVERIFY(timer.elapsed() >= 1500);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(queryRows(m_path, "SELECT count(*) FROM t"), QStringList{"3"});
        // Once the other program is done, the same change goes through.
        t->insertRow({QString("c"), QVariant(), QVariant()});
        QCOMPARE(queryRows(m_path, "SELECT count(*) FROM t"), QStringList{"4"});
    }

    void refusedChangeLeavesTheFileUnchanged() {
        execSql(m_path, "CREATE TABLE strict (Name TEXT NOT NULL CHECK (Name <> 'no'))");
        auto t = table("strict");
        QCOMPARE(messageOf([&] { t->insertRow({QVariant()}); }),
                 QString("NOT NULL constraint failed: strict.Name"));
        QCOMPARE(messageOf([&] { t->insertRow({QString("no")}); }),
                 QString("CHECK constraint failed: Name <> 'no'"));
        QCOMPARE(queryRows(m_path, "SELECT count(*) FROM strict"), QStringList{"0"});
    }

    void tablesThatCannotTakeChanges_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("name");
        QTest::newRow("view") << "CREATE VIEW v AS SELECT * FROM t"
                              << "v";
        QTest::newRow("without rowid")
            << "CREATE TABLE w (k TEXT PRIMARY KEY, v TEXT) WITHOUT ROWID"
            << "w";
        QTest::newRow("read-only file") << ""
                                        << "t";
    }
    void tablesThatCannotTakeChanges() {
        QFETCH(QString, setup);
        QFETCH(QString, name);
        if (!setup.isEmpty())
            execSql(m_path, setup);
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup);
        auto t = table(name);
        QVERIFY(!t->canUpdate());
        QCOMPARE(t->rows().size(), name == "w" ? 0 : 3);
        QVERIFY(messageOf([&] { t->insertRow({}); }).endsWith("cannot be updated"));
    }

    // A planted file's schema must not make the program run functions or write where no
    // statement of ours does.
    void plantedSchemaRunsNothing_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("failure");
        QTest::newRow("view over a virtual table")
            << "CREATE VIEW p AS SELECT name AS Name FROM pragma_table_info('t')"
            << "p"
            << "unsafe use of virtual table \"pragma_table_info\"";
        QTest::newRow("trigger writing a shadow table")
            << "CREATE VIRTUAL TABLE f USING fts5(x);"
               "CREATE TRIGGER tr AFTER INSERT ON t BEGIN INSERT INTO f_data VALUES (9, x'00'); END"
            << "t"
            << "table f_data may not be modified";
    }
    void plantedSchemaRunsNothing() {
        QFETCH(QString, setup);
        QFETCH(QString, name);
        QFETCH(QString, failure);
        execSql(m_path, setup);
        const QString message = messageOf([&] {
            auto t = table(name);
            t->rows();
            t->insertRow({QString("c"), QVariant(), QVariant()});
        });
        QVERIFY2(message.contains(failure), qPrintable(message));
        QCOMPARE(queryRows(m_path, "SELECT count(*) FROM t"), QStringList{"3"});
    }

    void aColumnNamedRowidDoesNotHideTheRow() {
        execSql(m_path, "CREATE TABLE r (rowid TEXT, Name TEXT); INSERT INTO r VALUES ('7', 'a');"
                        "INSERT INTO r VALUES ('7', 'b');");
        auto t = table("r");
        QVERIFY(t->canUpdate());
        t->updateRow(t->rows()[1], {QString("7"), QString("b2")});
        QCOMPARE(queryRows(m_path, "SELECT Name FROM r ORDER BY _rowid_"),
                 QStringList({"a", "b2"}));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
