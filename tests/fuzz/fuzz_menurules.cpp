// SPDX-License-Identifier: GPL-3.0-or-later
// The launcher menu's rules over arbitrary captions, one a line: keys stay distinct, the drawn
// text loses nothing but its marks, and no separator shows at an end or next to another.
#include "bar/menulogic.h"

#include <QSet>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList captions = text.split(u'\n');
    const QStringList keyed = applyAccessKeys(captions);
    if (keyed.size() != captions.size())
        std::abort();
    QSet<QChar> keys;
    for (qsizetype i = 0; i < keyed.size(); ++i) {
        if (withoutAccessMarks(keyed[i]).remove(u'&') != withoutAccessMarks(captions[i]).remove(u'&'))
            std::abort();
        if (const auto key = markedAccessKey(keyed[i]); key && captions[i] != u"-") {
            if (keys.contains(*key))
                std::abort();
            keys.insert(*key);
        }
    }
    const QList<bool> visible = visibleBySeparatorRule(captions);
    qsizetype lastShown = -1;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (!visible[i])
            continue;
        const bool separator = captions[i] == u"-";
        if (separator && (lastShown < 0 || captions[lastShown] == u"-"))
            std::abort();
        lastShown = i;
    }
    if (lastShown >= 0 && captions[lastShown] == u"-")
        std::abort();
    QList<bool> selectable;
    for (const QString& c : keyed)
        selectable.append(c != u"-");
    if (!text.isEmpty()) {
        const KeyMatch match = matchTypedCharacter(keyed, selectable, text[0], 0);
        if (match.index >= keyed.size() || (match.index >= 0 && !selectable[match.index]))
            std::abort();
    }
    return 0;
}
