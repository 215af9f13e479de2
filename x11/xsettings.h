// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A string setting in an XSettings blob; nothing when absent or when the blob is malformed.
std::optional<QString> xsettingsString(const QByteArray& blob, const QString& name);
