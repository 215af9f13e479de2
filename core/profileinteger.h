// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <optional>

// Converts a profile value to a 32-bit integer: optional blanks, one sign, then decimal
// digits or a hexadecimal number after "$", "x" or "0x". Anything else has no value.
std::optional<qint32> parseProfileInteger(QStringView text);
