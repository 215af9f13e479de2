// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

// The database layer: a connection opened from a connection string, and tables read whole
// (a static cursor) whose rows are added, changed and deleted one at a time, each written to
// the file at once. Every failure is a LarkspanError whose message says why.

enum class ColumnKind {
    Text,
    Memo,
    Integer,
    Float,
    Currency,
    Numeric,
    Boolean,
    DateTime,
    Binary,
    Guid,
    Unknown
};
QString columnKindName(ColumnKind kind);

struct DatabaseColumn {
    QString name;
    ColumnKind kind = ColumnKind::Unknown;
    // Text: the most UTF-16 code units the column holds; 0 for other kinds.
    int width = 0;
};

// What a provider needs to find a row again and to tell whether someone changed it since.
class RowIdentity {
public:
    virtual ~RowIdentity() = default;
};

struct DatabaseRow {
    // In column order; a null QVariant is a NULL in the database.
    QList<QVariant> values;
    std::shared_ptr<const RowIdentity> identity;
};

// One table, read whole when it was opened.
class DatabaseTable {
public:
    virtual ~DatabaseTable() = default;

    const QString& name() const { return m_name; }
    const QList<DatabaseColumn>& columns() const { return m_columns; }
    // Letter case does not count, as in the databases' own name lookup; -1 when absent.
    int columnIndex(const QString& name) const;
    // The rows as read at opening, in the order the database delivered them.
    const QList<DatabaseRow>& rows() const { return m_rows; }

    virtual bool canUpdate() const = 0;
    // Each writes one row at once and returns it as stored. A row that another program changed
    // or deleted since it was read is not touched: that fails with a message saying so.
    virtual DatabaseRow insertRow(const QList<QVariant>& values) = 0;
    virtual DatabaseRow updateRow(const DatabaseRow& row, const QList<QVariant>& values) = 0;
    virtual void deleteRow(const DatabaseRow& row) = 0;

protected:
    QString m_name;
    QList<DatabaseColumn> m_columns;
    QList<DatabaseRow> m_rows;
};

// A provider's open file.
class DatabaseFile {
public:
    virtual ~DatabaseFile() = default;
    virtual std::unique_ptr<DatabaseTable> openTable(const QString& name) = 0;
};

// The connection object. Opening needs the provider "Microsoft.Jet.OLEDB.4.0" and a data source;
// the file may be an SQLite database (read and write) or a Jet/ACE database (read only). Tables
// keep what they need of the file, so they may outlive a closed connection.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void open(const QString& connectionString);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    // The absolute path of the open file; "" when closed.
    const QString& filePath() const { return m_path; }
    std::unique_ptr<DatabaseTable> openTable(const QString& name);

private:
    std::unique_ptr<DatabaseFile> m_file;
    QString m_path;
};

inline constexpr char16_t kJetProvider[] = u"Microsoft.Jet.OLEDB.4.0";

enum class DatabaseFormat { Sqlite, Jet, Unknown };
// Told by the first bytes of the file.
DatabaseFormat databaseFormat(const QByteArray& header);

// The file a data source names, as an absolute path. A bare file name is looked for in the
// current folder first, then in the application folder; a name with a folder is taken as it
// stands. Throws LarkspanError when there is no such file.
QString locateDataSource(const QString& source, const QString& currentDir, const QString& appDir);
