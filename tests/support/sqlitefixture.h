// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Test databases are made and inspected with SQLite itself, beside the layer under test.

void execSql(const QString& path, const QString& sql);

// Each row's values joined by "|", NULL shown as "<null>".
QStringList queryRows(const QString& path, const QString& sql);

// Another program working on the same file at the same time: the sqlite3 command-line tool.
void execInOtherProcess(const QString& path, const QString& sql);

// The three reference tables, with the given rows as SQL value lists.
void makeReferenceDatabase(const QString& path, const QString& windowsRows = QString(),
                           const QString& serverRows = QString(),
                           const QString& runRows = QString());
