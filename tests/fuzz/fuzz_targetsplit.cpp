// SPDX-License-Identifier: GPL-3.0-or-later
// Menu targets on arbitrary text: splitting, expansion and desktop entries never crash; the
// words of a command line, quoted again, split back into the same words; text without
// quotes or backslashes splits at blanks only; expansion that knows no name changes nothing.
#include "desktopentry/commandline.h"
#include "desktopentry/desktopentry.h"
#include "platform/environmentstrings.h"

#include <QRegularExpression>
#include <cstdint>
#include <cstdlib>

namespace {

QString singleQuoted(QString word) {
    return u'\'' + word.replace(u"'"_qs, u"'\\''"_qs) + u'\'';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);

    if (const auto words = splitCommandLine(text)) {
        QStringList quoted;
        for (const QString& word : *words)
            quoted.append(singleQuoted(word));
        if (splitCommandLine(quoted.join(u' ')) != words)
            std::abort();
        const bool plain = !text.contains(u'\'') && !text.contains(u'"') && !text.contains(u'\\');
        static const QRegularExpression blanks(u"[ \t\r\n]+"_qs);
        if (plain && *words != text.split(blanks, Qt::SkipEmptyParts))
            std::abort();
    } else if (!text.contains(u'\'') && !text.contains(u'"')) {
        std::abort(); // only an open quote makes a command line unusable
    }

    const auto nothing = [](const QString&) -> std::optional<QString> { return std::nullopt; };
    if (expandEnvironmentStrings(text, nothing) != text)
        std::abort();
    const auto empty = [](const QString&) -> std::optional<QString> { return QString(); };
    if (expandEnvironmentStrings(text, empty).size() > text.size())
        std::abort();

    if (const auto entry = parseDesktopEntry(bytes, u"/fuzz.desktop"_qs))
        (void)desktopExecArguments(*entry);
    return 0;
}
