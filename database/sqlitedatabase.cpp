// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "database/databaseproviders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Another program may be storing at the same moment; wait that long before giving up.
constexpr int kBusyTimeoutMs = 2000;
constexpr int kDefaultTextWidth = 255;

using Handle = std::shared_ptr<sqlite3>;

QString movedText(sqlite3* db) {
    return QCoreApplication::translate(
               "Database", "The database \"%1\" was deleted, moved or replaced after it was "
                           "opened; the change was not stored")
        .arg(QString::fromUtf8(sqlite3_db_filename(db, "main")));
}

QString errorText(sqlite3* db) {
    // SQLite's own text for this one speaks of a read-only database, which it is not.
    if (sqlite3_extended_errcode(db) == SQLITE_READONLY_DBMOVED)
        return movedText(db);
    return QString::fromUtf8(sqlite3_errmsg(db));
}

// The open file is no longer the one its name leads to. A write-ahead log would still take
// changes to it, which nobody would ever read again.
bool hasMoved(sqlite3* db) {
    int moved = 0;
    return sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
           moved != 0;
}

class Statement {
public:
    Statement(sqlite3* db, const QString& sql) : m_db(db) {
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &m_stmt, nullptr) != SQLITE_OK)
            throw LarkspanError(errorText(db));
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }
    // True while a row is there; throws on failure.
    bool step() {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw LarkspanError(errorText(m_db));
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

void execute(sqlite3* db, const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = message ? QString::fromUtf8(message) : errorText(db);
        sqlite3_free(message);
        throw LarkspanError(text);
    }
}

// A value exactly as SQLite holds it, so that a row can be compared with what was read.
struct SqlValue {
    int type = SQLITE_NULL;
    sqlite3_int64 integer = 0;
    double real = 0;
    QByteArray bytes;
};

SqlValue columnValue(sqlite3_stmt* stmt, int column) {
    SqlValue value;
    value.type = sqlite3_column_type(stmt, column);
    switch (value.type) {
    case SQLITE_INTEGER:
        value.integer = sqlite3_column_int64(stmt, column);
        break;
    case SQLITE_FLOAT:
        value.real = sqlite3_column_double(stmt, column);
        break;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const void* data = value.type == SQLITE_TEXT ? sqlite3_column_text(stmt, column)
                                                     : sqlite3_column_blob(stmt, column);
        value.bytes =
            QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(stmt, column));
        break;
    }
    default:
        break;
    }
    return value;
}

QVariant toVariant(const SqlValue& value) {
    switch (value.type) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(value.integer));
    case SQLITE_FLOAT:
        return QVariant(value.real);
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(value.bytes));
    case SQLITE_BLOB:
        return QVariant(value.bytes);
    default:
        return QVariant();
    }
}

void bind(sqlite3_stmt* stmt, int index, const SqlValue& value) {
    switch (value.type) {
    case SQLITE_INTEGER:
        sqlite3_bind_int64(stmt, index, value.integer);
        break;
    case SQLITE_FLOAT:
        sqlite3_bind_double(stmt, index, value.real);
        break;
    case SQLITE_TEXT:
        sqlite3_bind_text(stmt, index, value.bytes.constData(), int(value.bytes.size()),
                          SQLITE_TRANSIENT);
        break;
    case SQLITE_BLOB:
        sqlite3_bind_blob(stmt, index, value.bytes.constData(), int(value.bytes.size()),
                          SQLITE_TRANSIENT);
        break;
    default:
        sqlite3_bind_null(stmt, index);
        break;
    }
}

void bind(sqlite3_stmt* stmt, int index, const QVariant& value) {
    SqlValue raw;
    if (value.isNull()) {
        raw.type = SQLITE_NULL;
    } else if (value.typeId() == QMetaType::QByteArray) {
        raw.type = SQLITE_BLOB;
        raw.bytes = value.toByteArray();
    } else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        raw.type = SQLITE_FLOAT;
        raw.real = value.toDouble();
    } else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int ||
               value.typeId() == QMetaType::Bool || value.typeId() == QMetaType::UInt) {
        raw.type = SQLITE_INTEGER;
        raw.integer = value.toLongLong();
    } else {
        raw.type = SQLITE_TEXT;
        raw.bytes = value.toString().toUtf8();
    }
    bind(stmt, index, raw);
}

struct SqliteRowIdentity : RowIdentity {
    sqlite3_int64 rowid = 0;
    std::vector<SqlValue> original;
};

// Undoes an unfinished transaction when a step of a change throws.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : m_db(db) { execute(db, "BEGIN IMMEDIATE"); }
    ~Transaction() {
        if (!sqlite3_get_autocommit(m_db))
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit() {
        if (hasMoved(m_db))
            throw LarkspanError(movedText(m_db));
        execute(m_db, "COMMIT");
    }

private:
    sqlite3* m_db;
};

class SqliteTable : public DatabaseTable {
public:
    SqliteTable(Handle db, const QString& name, bool fileWritable) : m_db(std::move(db)) {
        m_name = name;
        m_quotedName = sqliteQuoted(name);
        sqlite3* db3 = m_db.get();
        {
            Statement probe(db3, QStringLiteral("SELECT * FROM %1").arg(m_quotedName));
            const int count = sqlite3_column_count(probe.get());
            for (int i = 0; i < count; ++i) {
                const char* declared = sqlite3_column_decltype(probe.get(), i);
                m_columns.append(
                    sqliteColumn(QString::fromUtf8(sqlite3_column_name(probe.get(), i)),
                                 QString::fromUtf8(declared ? declared : "")));
                m_quotedColumns.append(sqliteQuoted(m_columns.back().name));
            }
        }
        m_rowid = rowidName();
        const bool ordinaryTable = isOrdinaryTable();
        if (!ordinaryTable || !hasRowid())
            m_rowid.clear();
        m_updatable = fileWritable && !m_rowid.isEmpty() && !sqlite3_db_readonly(db3, "main");

        Statement select(db3, selectSql(QString()));
        while (select.step())
            m_rows.append(readRow(select.get()));
    }

    bool canUpdate() const override { return m_updatable; }

    DatabaseRow insertRow(const QList<QVariant>& values) override {
        requireUpdatable();
        sqlite3* db = m_db.get();
        QStringList names;
        QList<QVariant> given;
        for (int i = 0; i < m_columns.size() && i < values.size(); ++i) {
            if (!values[i].isNull()) {
                names.append(m_quotedColumns[i]);
                given.append(values[i]);
            }
        }
        QString sql = QStringLiteral("INSERT INTO %1 ").arg(m_quotedName);
        if (names.isEmpty())
            sql += QStringLiteral("DEFAULT VALUES");
        else
            sql += QStringLiteral("(%1) VALUES (%2)")
                       .arg(names.join(u','), placeholders(int(names.size())));
        Transaction transaction(db);
        {
            Statement insert(db, sql);
            for (int i = 0; i < given.size(); ++i)
                bind(insert.get(), i + 1, given[i]);
            insert.step();
        }
        DatabaseRow stored = readBack(sqlite3_last_insert_rowid(db));
        transaction.commit();
        return stored;
    }

    DatabaseRow updateRow(const DatabaseRow& row, const QList<QVariant>& values) override {
        requireUpdatable();
        const auto& identity = identityOf(row);
        QStringList assignments;
        QList<QVariant> changed;
        for (int i = 0; i < m_columns.size() && i < values.size(); ++i) {
            if (values[i] != row.values.value(i) ||
                values[i].isNull() != row.values.value(i).isNull()) {
                assignments.append(m_quotedColumns[i] + QStringLiteral(" = ?"));
                changed.append(values[i]);
            }
        }
        if (assignments.isEmpty())
            return row;
        sqlite3* db = m_db.get();
        Transaction transaction(db);
        {
            Statement update(db, QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                     .arg(m_quotedName, assignments.join(u','), unchangedSql()));
            int index = 1;
            for (const QVariant& value : changed)
                bind(update.get(), index++, value);
            bindIdentity(update.get(), index, identity);
            update.step();
            if (sqlite3_changes(db) != 1)
                throw LarkspanError(QCoreApplication::translate(
                    "Database", "The row was changed or deleted by another program after it "
                                "was read; the change was not stored"));
        }
        DatabaseRow stored = readBack(identity.rowid);
        transaction.commit();
        return stored;
    }

    void deleteRow(const DatabaseRow& row) override {
        requireUpdatable();
        const auto& identity = identityOf(row);
        sqlite3* db = m_db.get();
        Transaction transaction(db);
        {
            Statement remove(
                db, QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_quotedName, unchangedSql()));
            bindIdentity(remove.get(), 1, identity);
            remove.step();
            if (sqlite3_changes(db) != 1)
                throw LarkspanError(QCoreApplication::translate(
                    "Database", "The row was changed or deleted by another program after it "
                                "was read; it was not deleted"));
        }
        transaction.commit();
    }

private:
    // A column of the table may itself be called rowid; SQLite offers two more names for it.
    QString rowidName() const {
        for (const char* candidate : {"rowid", "_rowid_", "oid"}) {
            if (columnIndex(QString::fromLatin1(candidate)) < 0)
                return QString::fromLatin1(candidate);
        }
        return QString();
    }

    // Views deliver rows but cannot take changes.
    bool isOrdinaryTable() const {
        Statement type(m_db.get(), QStringLiteral("SELECT type FROM main.sqlite_schema "
                                                  "WHERE name = ?1 COLLATE NOCASE"));
        const QByteArray name = m_name.toUtf8();
        sqlite3_bind_text(type.get(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        return type.step() &&
               qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(type.get(), 0)),
                       "table") == 0;
    }

    // Tables made WITHOUT ROWID have none.
    bool hasRowid() const {
        if (m_rowid.isEmpty())
            return false;
        sqlite3_stmt* stmt = nullptr;
        const QByteArray sql =
            QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(m_rowid, m_quotedName).toUtf8();
        const bool ok =
            sqlite3_prepare_v2(m_db.get(), sql.constData(), -1, &stmt, nullptr) == SQLITE_OK;
        sqlite3_finalize(stmt);
        return ok;
    }

    QString selectSql(const QString& where) const {
        const QString rowid = m_rowid.isEmpty() ? QStringLiteral("NULL") : m_rowid;
        QString sql = QStringLiteral("SELECT %1, %2 FROM %3")
                          .arg(rowid, m_quotedColumns.join(u','), m_quotedName);
        if (!where.isEmpty())
            sql += QStringLiteral(" WHERE ") + where;
        return sql;
    }

    DatabaseRow readRow(sqlite3_stmt* stmt) const {
        auto identity = std::make_shared<SqliteRowIdentity>();
        identity->rowid = sqlite3_column_int64(stmt, 0);
        DatabaseRow row;
        for (int i = 0; i < m_columns.size(); ++i) {
            identity->original.push_back(columnValue(stmt, i + 1));
            row.values.append(toVariant(identity->original.back()));
        }
        row.identity = std::move(identity);
        return row;
    }

    DatabaseRow readBack(sqlite3_int64 rowid) const {
        Statement select(m_db.get(), selectSql(m_rowid + QStringLiteral(" = ?")));
        sqlite3_bind_int64(select.get(), 1, rowid);
        if (!select.step())
            throw LarkspanError(QCoreApplication::translate(
                "Database", "The row was changed or deleted by another program after it was read"));
        return readRow(select.get());
    }

    // The row is found by its rowid and only while every column still holds what was read;
    // BINARY, so that a change of letter case under a NOCASE column still counts as a change.
    QString unchangedSql() const {
        QStringList terms{m_rowid + QStringLiteral(" = ?")};
        for (const QString& column : m_quotedColumns)
            terms.append(column + QStringLiteral(" IS ? COLLATE BINARY"));
        return terms.join(QStringLiteral(" AND "));
    }

    void bindIdentity(sqlite3_stmt* stmt, int first, const SqliteRowIdentity& identity) const {
        sqlite3_bind_int64(stmt, first, identity.rowid);
        for (size_t i = 0; i < identity.original.size(); ++i)
            bind(stmt, first + 1 + int(i), identity.original[i]);
    }

    const SqliteRowIdentity& identityOf(const DatabaseRow& row) const {
        const auto* identity = dynamic_cast<const SqliteRowIdentity*>(row.identity.get());
        if (!identity || identity->original.size() != size_t(m_columns.size()))
            throw LarkspanError(
                QCoreApplication::translate("Database", "The row does not belong to table \"%1\"")
                    .arg(m_name));
        return *identity;
    }

    void requireUpdatable() const {
        if (!m_updatable)
            throw LarkspanError(
                QCoreApplication::translate("Database", "The table \"%1\" cannot be updated")
                    .arg(m_name));
    }

    static QString placeholders(int count) {
        QStringList marks;
        for (int i = 0; i < count; ++i)
            marks.append(QStringLiteral("?"));
        return marks.join(u',');
    }

    Handle m_db;
    QString m_quotedName;
    QStringList m_quotedColumns;
    QString m_rowid;
    bool m_updatable = false;
};

// A file whose permissions deny writing is opened read-only, even for a user (such as root)
// whom the system would let write it, so that marking the file read-only always protects it.
bool isWritable(const QString& path) {
    struct stat info {};
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &info) != 0)
        return false;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
        ::access(native.constData(), W_OK) != 0)
        return false;
    // Changes need a journal beside the file.
    return ::access(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), W_OK) == 0;
}

class SqliteFile : public DatabaseFile {
public:
    explicit SqliteFile(const QString& path) : m_path(path) {
        m_writable = isWritable(path);
        const int flags =
            (m_writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOMUTEX;
        sqlite3* db = nullptr;
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
        m_db = Handle(db, sqlite3_close_v2);
        if (rc != SQLITE_OK)
            fail(db ? errorText(db) : QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        // A file from elsewhere must not be able to corrupt itself or run code through its
        // schema, and a misspelt column must be an error rather than a string.
        sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, static_cast<int*>(nullptr));
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, static_cast<int*>(nullptr));
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, static_cast<int*>(nullptr));
        try {
            execute(db, "PRAGMA trusted_schema=OFF");
            // Reads the header now, so that a damaged file is reported at opening.
            execute(db, "SELECT count(*) FROM sqlite_schema");
        } catch (const LarkspanError& e) {
            fail(e.message());
        }
    }

    std::unique_ptr<DatabaseTable> openTable(const QString& name) override {
        return std::make_unique<SqliteTable>(m_db, name, m_writable);
    }

private:
    [[noreturn]] void fail(const QString& reason) const {
        throw LarkspanError(
            QCoreApplication::translate("Database", "The database \"%1\" cannot be opened: %2")
                .arg(m_path, reason));
    }

    QString m_path;
    Handle m_db;
    bool m_writable = false;
};

} // namespace

std::unique_ptr<DatabaseFile> openSqliteFile(const QString& path) {
    return std::make_unique<SqliteFile>(path);
}

DatabaseColumn sqliteColumn(const QString& name, const QString& declaredType) {
    const QString type = declaredType.toUpper();
    DatabaseColumn column{name, ColumnKind::Numeric, 0};
    if (type.contains(u"INT")) {
        column.kind = ColumnKind::Integer;
    } else if (type.contains(u"CHAR") || type.contains(u"CLOB") || type.contains(u"TEXT")) {
        column.kind = ColumnKind::Text;
        static const QRegularExpression size(QStringLiteral("\\(\\s*(\\d+)"));
        const QRegularExpressionMatch match = size.match(type);
        bool ok = false;
        const int width = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
        column.width = ok && width > 0 ? width : kDefaultTextWidth;
    } else if (type.contains(u"BLOB") || type.trimmed().isEmpty()) {
        column.kind = ColumnKind::Binary;
    } else if (type.contains(u"REAL") || type.contains(u"FLOA") || type.contains(u"DOUB")) {
        column.kind = ColumnKind::Float;
    } else if (type.contains(u"BOOL")) {
        column.kind = ColumnKind::Boolean;
    } else if (type.contains(u"DATE") || type.contains(u"TIME")) {
        column.kind = ColumnKind::DateTime;
    }
    return column;
}

QString sqliteQuoted(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
