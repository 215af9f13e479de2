// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/database.h"

// The two providers behind Database. Each throws LarkspanError naming the file on failure.
std::unique_ptr<DatabaseFile> openSqliteFile(const QString& path);
std::unique_ptr<DatabaseFile> openJetFile(const QString& path);

// SQLite keeps declared types as free text: text types (TEXT, VARCHAR(n), CHAR(n) ...) are Text
// of their declared width, 255 when none is given; the rest follow SQLite's own type affinity.
DatabaseColumn sqliteColumn(const QString& name, const QString& declaredType);
// An identifier quoted for SQLite, which takes any name between double quotes.
QString sqliteQuoted(const QString& name);
