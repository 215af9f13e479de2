// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The executable's folder with its trailing separator; "" when the path holds none.
QString GetAppDir();
QString appDirFromExecutablePath(const QString& executablePath);

// "$apppath$" (any letter case) replaced by the application folder, and back.
QString ExpandAppPath(const QString& path);
QString CollapseAppPath(const QString& path);

// ExpandAppPath, with a relative result taken in the application folder: the program may be
// started from any folder, and nothing but the database is looked up in that one.
QString ResolveAppPath(const QString& path);

// Test seam: tests run the program's logic in a temporary application folder.
void setAppDirForTesting(std::optional<QString> appDir);
