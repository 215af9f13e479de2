// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopentry/commandline.h"

#include <utility>

namespace {

bool isWordBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isEscapableInDoubleQuotes(QChar c) {
    return c == u'"' || c == u'\\' || c == u'$' || c == u'`';
}

} // namespace

std::optional<QStringList> splitCommandLine(const QString& commandLine) {
    enum class Quote { None, Single, Double };
    QStringList words;
    QString word;
    bool inWord = false; // so that "" gives an empty word
    Quote quote = Quote::None;
    const qsizetype size = commandLine.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = commandLine[i];
        switch (quote) {
        case Quote::None:
            if (isWordBlank(c)) {
                if (inWord)
                    words.append(std::exchange(word, QString()));
                inWord = false;
                continue;
            }
            inWord = true;
            if (c == u'\'')
                quote = Quote::Single;
            else if (c == u'"')
                quote = Quote::Double;
            else if (c == u'\\' && i + 1 < size)
                word += commandLine[++i];
            else
                word += c;
            break;
        case Quote::Single:
            if (c == u'\'')
                quote = Quote::None;
            else
                word += c;
            break;
        case Quote::Double:
            if (c == u'"')
                quote = Quote::None;
            else if (c == u'\\' && i + 1 < size && isEscapableInDoubleQuotes(commandLine[i + 1]))
                word += commandLine[++i];
            else
                word += c;
            break;
        }
    }
    if (quote != Quote::None)
        return std::nullopt;
    if (inWord)
        words.append(word);
    return words;
}
