// SPDX-License-Identifier: GPL-3.0-or-later
// Connection strings on arbitrary text: parsing fails only with LarkspanError; what parses has
// trimmed, non-empty keys, answers each key with its last value, and, written out again with
// every value quoted, parses back into the same pairs.
#include "core/error.h"
#include "database/connectionstring.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString written(const QList<std::pair<QString, QString>>& entries) {
    QStringList pairs;
    for (auto [key, value] : entries)
        pairs.append(key.replace(u'=', u"=="_qs) + u"=\""_qs + value.replace(u'"', u"\"\""_qs) +
                     u'"');
    return pairs.join(u';');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    ConnectionString parsed;
    try {
        parsed = ConnectionString::parse(text);
    } catch (const LarkspanError&) {
        return 0;
    }
    for (const auto& [key, value] : parsed.entries()) {
        if (key.isEmpty() || key != key.trimmed() || key.contains(u';') || !parsed.contains(key))
            std::abort();
    }
    if (!parsed.entries().isEmpty() &&
        parsed.value(parsed.entries().back().first) != parsed.entries().back().second)
        std::abort();
    if (ConnectionString::parse(written(parsed.entries())).entries() != parsed.entries())
        std::abort();
    return 0;
}
