// SPDX-License-Identifier: GPL-3.0-or-later
#include "database/database.h"

#include "core/appdir.h"
#include "core/error.h"
#include "database/connectionstring.h"
#include "database/databaseproviders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString columnKindName(ColumnKind kind) {
    switch (kind) {
    case ColumnKind::Text:
        //: Type of a database column, named in messages about a reference list's fields
        return QCoreApplication::translate("ColumnKind", "Text");
    case ColumnKind::Memo:
        return QCoreApplication::translate("ColumnKind", "Memo");
    case ColumnKind::Integer:
        return QCoreApplication::translate("ColumnKind", "Integer");
    case ColumnKind::Float:
        return QCoreApplication::translate("ColumnKind", "Float");
    case ColumnKind::Currency:
        return QCoreApplication::translate("ColumnKind", "Currency");
    case ColumnKind::Numeric:
        return QCoreApplication::translate("ColumnKind", "Numeric");
    case ColumnKind::Boolean:
        return QCoreApplication::translate("ColumnKind", "Boolean");
    case ColumnKind::DateTime:
        return QCoreApplication::translate("ColumnKind", "DateTime");
    case ColumnKind::Binary:
        return QCoreApplication::translate("ColumnKind", "Binary");
    case ColumnKind::Guid:
        return QCoreApplication::translate("ColumnKind", "GUID");
    case ColumnKind::Unknown:
        break;
    }
    return QCoreApplication::translate("ColumnKind", "Unknown");
}

int DatabaseTable::columnIndex(const QString& name) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

DatabaseFormat databaseFormat(const QByteArray& header) {
    if (header.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return DatabaseFormat::Sqlite;
    const QByteArrayView signature = QByteArrayView(header).sliced(qMin(header.size(), 4));
    if (signature.startsWith(QByteArrayView("Standard Jet DB\0", 16)) ||
        signature.startsWith(QByteArrayView("Standard ACE DB\0", 16)))
        return DatabaseFormat::Jet;
    return DatabaseFormat::Unknown;
}

QString locateDataSource(const QString& source, const QString& currentDir, const QString& appDir) {
    if (source.contains(u'/')) {
        const QString path = QDir(currentDir).absoluteFilePath(source);
        if (!QFileInfo(path).isFile())
            throw LarkspanError(
                QCoreApplication::translate("Database", "The database \"%1\" does not exist")
                    .arg(path));
        return QDir::cleanPath(path);
    }
    for (const QString& folder : {currentDir, appDir}) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).absoluteFilePath(source);
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    }
    throw LarkspanError(
        QCoreApplication::translate("Database",
                                    "The database \"%1\" was found neither in the current "
                                    "folder (%2) nor in the application folder (%3)")
            .arg(source, QDir::toNativeSeparators(currentDir), QDir::toNativeSeparators(appDir)));
}

Database::Database() = default;
Database::~Database() = default;

void Database::open(const QString& connectionString) {
    close();
    const ConnectionString parsed = ConnectionString::parse(connectionString);
    const QString provider = parsed.value(QStringLiteral("Provider"));
    if (provider.isEmpty())
        throw LarkspanError(
            QCoreApplication::translate("Database", "The connection string names no provider"));
    // Provider names are registry names, which never depended on letter case.
    if (provider.compare(QStringView(kJetProvider), Qt::CaseInsensitive) != 0)
        throw LarkspanError(QCoreApplication::translate(
                                "Database", "The provider \"%1\" is not available; this program "
                                            "provides only \"%2\"")
                                .arg(provider, QStringView(kJetProvider)));
    const QString source = parsed.value(QStringLiteral("Data Source"));
    if (source.isEmpty())
        throw LarkspanError(
            QCoreApplication::translate("Database", "The connection string names no data source"));

    const QString path = locateDataSource(source, QDir::currentPath(), GetAppDir());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LarkspanError(
            QCoreApplication::translate("Database", "The database \"%1\" cannot be read: %2")
                .arg(path, file.errorString()));
    const QByteArray header = file.read(32);
    file.close();
    switch (databaseFormat(header)) {
    case DatabaseFormat::Sqlite:
        m_file = openSqliteFile(path);
        break;
    case DatabaseFormat::Jet:
        m_file = openJetFile(path);
        break;
    case DatabaseFormat::Unknown:
        throw LarkspanError(
            QCoreApplication::translate("Database",
                                        "The file \"%1\" is neither an SQLite nor a Jet database")
                .arg(path));
    }
    m_path = path;
}

void Database::close() {
    m_file.reset();
    m_path.clear();
}

std::unique_ptr<DatabaseTable> Database::openTable(const QString& name) {
    if (!m_file)
        throw LarkspanError(
            QCoreApplication::translate("Database", "The database connection is not open"));
    return m_file->openTable(name);
}
