// SPDX-License-Identifier: GPL-3.0-or-later
// Profile-file parsing and the integer rule on arbitrary bytes: no crash, and a value
// written into any file reads back as written while the other values stay.
#include "core/inidocument.h"
#include "core/profileinteger.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString asText = QString::fromUtf8(bytes.left(64));
    if (const auto n = parseProfileInteger(asText)) {
        if (parseProfileInteger(QString::number(*n)) != n)
            std::abort();
    }

    IniDocument document = IniDocument::parse(bytes);
    const auto before = document.value(u"keep", u"k");
    QString value = QString::fromUtf8(bytes.right(32));
    value.remove(u'\r').remove(u'\n');
    document.setValue(QStringLiteral("fuzz"), QStringLiteral("key"), value);
    const IniDocument reread = IniDocument::parse(document.serialize());
    if (reread.value(u"fuzz", u"key") != value)
        std::abort();
    if (reread.value(u"keep", u"k") != before)
        std::abort();
    return 0;
}
