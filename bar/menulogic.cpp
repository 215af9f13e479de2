// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/menulogic.h"

#include "core/menufile.h"

#include <QSet>

namespace {

// Digits and the letters a to z count as keys, compared in upper case.
std::optional<QChar> asKey(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return c;
    if (u >= u'A' && u <= u'Z')
        return c;
    if (u >= u'a' && u <= u'z')
        return QChar(char16_t(u - u'a' + u'A'));
    return std::nullopt;
}

bool takesPart(const QString& caption) {
    return !caption.isEmpty() && !IsSeparator(caption);
}

// Index of the character a single "&" marks, or -1.
qsizetype markedIndex(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return i + 1;
    }
    return -1;
}

} // namespace

std::optional<QChar> markedAccessKey(const QString& caption) {
    const qsizetype i = markedIndex(caption);
    return i < 0 ? std::nullopt : asKey(caption[i]);
}

QStringList applyAccessKeys(const QStringList& captions) {
    QStringList result = captions;
    QSet<QChar> held;
    QList<qsizetype> unmarked;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if (!takesPart(result[i]))
            continue;
        const auto key = markedAccessKey(result[i]);
        if (key && !held.contains(*key)) {
            held.insert(*key);
            continue;
        }
        // Taken or not a key: the marks go, a literal "&" stays written as "&&".
        result[i] = withoutAccessMarks(result[i]).replace(u'&', QStringLiteral("&&"));
        unmarked.append(i);
    }
    for (qsizetype i : unmarked) {
        QString& caption = result[i];
        for (qsizetype c = 0; c < caption.size(); ++c) {
            if (caption[c] == u'&') { // a literal "&", written "&&"
                ++c;
                continue;
            }
            const auto key = asKey(caption[c]);
            if (key && !held.contains(*key)) {
                held.insert(*key);
                caption.insert(c, u'&');
                break;
            }
        }
    }
    return result;
}

QList<bool> visibleBySeparatorRule(const QStringList& captions) {
    QList<bool> visible(captions.size(), true);
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (!IsSeparator(captions[i])) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (!IsSeparator(captions[i]))
            continue;
        const bool beforeFirst = first < 0 || i < first;
        const bool afterLast = i > last;
        const bool followedBySeparator = i + 1 < captions.size() && IsSeparator(captions[i + 1]);
        if (beforeFirst || afterLast || followedBySeparator)
            visible[i] = false;
    }
    return visible;
}

KeyMatch matchTypedCharacter(const QStringList& captions, const QList<bool>& selectable,
                             QChar typed, int current) {
    const auto key = asKey(typed);
    const QChar folded = typed.toCaseFolded();
    QList<int> byKey, byFirstCharacter;
    for (int i = 0; i < captions.size(); ++i) {
        if (!selectable.value(i))
            continue;
        const auto itemKey = markedAccessKey(captions[i]);
        if (itemKey) {
            if (key && *itemKey == *key)
                byKey.append(i);
        } else {
            const QString plain = withoutAccessMarks(captions[i]);
            if (!plain.isEmpty() && plain[0].toCaseFolded() == folded)
                byFirstCharacter.append(i);
        }
    }
    const QList<int>& matches = byKey.isEmpty() ? byFirstCharacter : byKey;
    if (matches.isEmpty())
        return {};
    int next = matches.first();
    for (int i : matches) {
        if (i > current) {
            next = i;
            break;
        }
    }
    return {next, matches.size() == 1};
}

QRect placeMenu(const QSize& menu, const QRect& anchor, const QRect& screen) {
    const int below = screen.bottom() - anchor.bottom();
    const int above = anchor.top() - screen.top();
    const int x = qMax(screen.left(), qMin(anchor.left(), screen.right() + 1 - menu.width()));
    if (menu.height() <= below || (menu.height() > above && below >= above))
        return QRect(x, anchor.bottom() + 1, menu.width(), qMin(menu.height(), qMax(below, 0)));
    const int height = qMin(menu.height(), above);
    return QRect(x, anchor.top() - height, menu.width(), height);
}
