// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/sqlitefixture.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <sqlite3.h>
#include <utility>

void execSql(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        qFatal("cannot open %s", qPrintable(path));
    char* message = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
        qFatal("%s: %s", qPrintable(sql), message);
    sqlite3_close(db);
}

QStringList queryRows(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* stmt = nullptr;
    QStringList rows;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
        qFatal("%s: %s", qPrintable(sql), sqlite3_errmsg(db));
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            values.append(text ? QString::fromUtf8(text) : QStringLiteral("<null>"));
        }
        rows.append(values.join(u'|'));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

void execInOtherProcess(const QString& path, const QString& sql) {
    QProcess process;
    process.start(QStringLiteral(SQLITE3_PROGRAM), {QStringLiteral("-bail"), path, sql});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(process.exitCode(), 0);
}

void makeReferenceDatabase(const QString& path, const QString& windowsRows,
                           const QString& serverRows, const QString& runRows) {
    QString sql = QStringLiteral(
        "CREATE TABLE [List of Windows MMC files] (Name VARCHAR(255), [MMC File] VARCHAR(64));"
        "CREATE TABLE [List of Windows Server MMC files] (Name TEXT, [MMC File] TEXT);"
        "CREATE TABLE [Run Commands] (Name VARCHAR(255), Command VARCHAR(255));");
    const std::pair<QString, QString> inserts[] = {
        {QStringLiteral("List of Windows MMC files"), windowsRows},
        {QStringLiteral("List of Windows Server MMC files"), serverRows},
        {QStringLiteral("Run Commands"), runRows}};
    for (const auto& [table, rows] : inserts) {
        if (!rows.isEmpty())
            sql += QStringLiteral("INSERT INTO [%1] VALUES %2;").arg(table, rows);
    }
    execSql(path, sql);
}
