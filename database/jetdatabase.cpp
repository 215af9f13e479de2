// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/error.h"
#include "database/databaseproviders.h"

#include <QCoreApplication>
#include <QFile>
#include <mdbtools.h>
#include <vector>

namespace {

// Large enough for any text column and for most memos; longer memos are cut there.
constexpr size_t kBindSize = 256 * 1024;

ColumnKind jetKind(int type) {
    switch (type) {
    case MDB_TEXT:
        return ColumnKind::Text;
    case MDB_MEMO:
        return ColumnKind::Memo;
    case MDB_BOOL:
        return ColumnKind::Boolean;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return ColumnKind::Integer;
    case MDB_FLOAT:
    case MDB_DOUBLE:
        return ColumnKind::Float;
    case MDB_MONEY:
        return ColumnKind::Currency;
    case MDB_NUMERIC:
        return ColumnKind::Numeric;
    case MDB_DATETIME:
        return ColumnKind::DateTime;
    case MDB_BINARY:
    case MDB_OLE:
        return ColumnKind::Binary;
    case MDB_REPID:
        return ColumnKind::Guid;
    default:
        return ColumnKind::Unknown;
    }
}

// libmdb hands every value over as text; numbers and flags become numbers again, the rest
// (dates in ISO form, currency and decimals exactly as stored) stay text.
QVariant jetValue(ColumnKind kind, const char* data, int length) {
    if (length <= 0)
        return QVariant();
    const QByteArray bytes(data, length);
    bool ok = false;
    switch (kind) {
    case ColumnKind::Binary:
        return QVariant(bytes);
    case ColumnKind::Integer: {
        const qlonglong number = bytes.toLongLong(&ok);
        if (ok)
            return QVariant(number);
        break;
    }
    case ColumnKind::Float: {
        const double number = bytes.toDouble(&ok);
        if (ok)
            return QVariant(number);
        break;
    }
    case ColumnKind::Boolean:
        return QVariant(bytes != "0");
    default:
        break;
    }
    return QVariant(QString::fromUtf8(bytes));
}

class JetTable : public DatabaseTable {
public:
    JetTable(const QString& name, QList<DatabaseColumn> columns, QList<DatabaseRow> rows) {
        m_name = name;
        m_columns = std::move(columns);
        m_rows = std::move(rows);
    }

    bool canUpdate() const override { return false; }
    DatabaseRow insertRow(const QList<QVariant>&) override { readOnly(); }
    DatabaseRow updateRow(const DatabaseRow&, const QList<QVariant>&) override { readOnly(); }
    void deleteRow(const DatabaseRow&) override { readOnly(); }

private:
    [[noreturn]] void readOnly() const {
        throw LarkspanError(
            QCoreApplication::translate(
                "Database", "The table \"%1\" is in a Jet database, which can only be read")
                .arg(m_name));
    }
};

struct TableDefDeleter {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

class JetFile : public DatabaseFile {
public:
    explicit JetFile(const QString& path) : m_path(path) {
        m_mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
        if (!m_mdb || !mdb_read_catalog(m_mdb, MDB_TABLE)) {
            if (m_mdb)
                mdb_close(m_mdb);
            throw LarkspanError(
                QCoreApplication::translate("Database", "The Jet database \"%1\" cannot be read")
                    .arg(path));
        }
        mdb_set_bind_size(m_mdb, kBindSize);
        mdb_set_date_fmt(m_mdb, "%Y-%m-%d %H:%M:%S");
        mdb_set_shortdate_fmt(m_mdb, "%Y-%m-%d");
        mdb_set_boolean_fmt_numbers(m_mdb);
    }
    ~JetFile() override {
        if (m_mdb)
            mdb_close(m_mdb);
    }
    JetFile(const JetFile&) = delete;
    JetFile& operator=(const JetFile&) = delete;

    std::unique_ptr<DatabaseTable> openTable(const QString& name) override {
        MdbCatalogEntry* entry = findTable(name);
        if (!entry)
            throw LarkspanError(QCoreApplication::translate(
                                    "Database", "The Jet database \"%1\" has no table \"%2\"")
                                    .arg(m_path, name));
        std::unique_ptr<MdbTableDef, TableDefDeleter> table(mdb_read_table(entry));
        if (!table || !mdb_read_columns(table.get()))
            throw LarkspanError(QCoreApplication::translate(
                                    "Database", "The table \"%1\" of the Jet database \"%2\" "
                                                "cannot be read")
                                    .arg(name, m_path));

        QList<DatabaseColumn> columns;
        std::vector<std::vector<char>> buffers(table->num_cols);
        std::vector<int> lengths(table->num_cols, 0);
        for (unsigned i = 0; i < table->num_cols; ++i) {
            const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            DatabaseColumn described{QString::fromUtf8(column->name), jetKind(column->col_type), 0};
            if (described.kind == ColumnKind::Text)
                described.width = isJet3() ? column->col_size : column->col_size / 2;
            columns.append(described);
            // Long binary objects would need libmdb's chunked reader; they are left empty.
            if (column->col_type != MDB_OLE && described.kind != ColumnKind::Unknown) {
                buffers[i].assign(kBindSize, '\0');
                mdb_bind_column(table.get(), int(i) + 1, buffers[i].data(), &lengths[i]);
            }
        }

        QList<DatabaseRow> rows;
        mdb_rewind_table(table.get());
        while (mdb_fetch_row(table.get())) {
            DatabaseRow row;
            for (unsigned i = 0; i < table->num_cols; ++i) {
                row.values.append(buffers[i].empty() ? QVariant()
                                                     : jetValue(columns[i].kind, buffers[i].data(),
                                                                qMin(lengths[i], int(kBindSize))));
                lengths[i] = 0;
            }
            rows.append(std::move(row));
        }
        return std::make_unique<JetTable>(QString::fromUtf8(entry->object_name), std::move(columns),
                                          std::move(rows));
    }

private:
    bool isJet3() const { return m_mdb->f->jet_version == MDB_VER_JET3; }

    MdbCatalogEntry* findTable(const QString& name) const {
        for (unsigned i = 0; i < m_mdb->num_catalog; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(m_mdb->catalog, i));
            if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry) &&
                QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
                return entry;
        }
        return nullptr;
    }

    QString m_path;
    MdbHandle* m_mdb = nullptr;
};

} // namespace

std::unique_ptr<DatabaseFile> openJetFile(const QString& path) {
    return std::make_unique<JetFile>(path);
}
