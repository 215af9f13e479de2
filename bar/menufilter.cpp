// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/menufilter.h"

#include "bar/menulogic.h"
#include "core/menufile.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber();
}

bool startsWordAt(const QString& text, qsizetype at) {
    return at == 0 || !isWordCharacter(text[at - 1]);
}

bool foundAtWordStart(const QString& text, const QString& word) {
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1))
        if (startsWordAt(text, at))
            return true;
    return false;
}

QStringList wordsOf(const QString& folded) {
    return folded.split(u' ', Qt::SkipEmptyParts);
}

} // namespace

QString foldedForMatching(QStringView text) {
    // Decomposition splits an accented letter into its base and combining marks.
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        folded += c.isSpace() ? QChar(u' ') : c;
    }
    return folded.toCaseFolded();
}

FilterIndex::FilterIndex(const QList<FilterItem>& items) {
    QList<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&items](int a, int b) { return items[a].weight > items[b].weight; });
    m_entries.reserve(items.size());
    for (int i : order) {
        const FilterItem& item = items[i];
        m_entries.append({foldedForMatching(withoutAccessMarks(item.caption)),
                          foldedForMatching(item.target), IsSeparator(item.caption), item.keptLast,
                          i});
    }
}

const QList<int>& MenuFilter::setText(const QString& text) {
    const QString folded = wordsOf(foldedForMatching(text)).join(u' ');
    const QStringList words = wordsOf(folded);
    // Every word of a longer text holds the word it grew from, so only the old matches can
    // match it.
    const bool narrows = m_scanned && !m_folded.isEmpty() && folded.startsWith(m_folded);
    const qsizetype count = narrows ? m_candidates.size() : m_index->size();

    QList<int> candidates;
    std::array<QList<int>, 3> groups;
    QList<int> last;
    for (qsizetype k = 0; k < count; ++k) {
        const int at = narrows ? m_candidates[k] : int(k);
        const FilterIndex::Entry& entry = m_index->m_entries[at];
        const int i = entry.item;
        if (entry.separator || words.isEmpty())
            continue;
        bool all = true;
        bool allAtWordStarts = true;
        for (const QString& word : words) {
            const bool inCaption = entry.caption.contains(word);
            if (!inCaption && !entry.target.contains(word)) {
                all = false;
                break;
            }
            allAtWordStarts = allAtWordStarts && inCaption && foundAtWordStart(entry.caption, word);
        }
        if (!all)
            continue;
        candidates.append(at);
        if (entry.keptLast)
            last.append(i);
        else if (entry.caption.startsWith(folded))
            groups[0].append(i);
        else
            groups[allAtWordStarts ? 1 : 2].append(i);
    }
    m_ranked = groups[0] + groups[1] + groups[2] + last;
    m_candidates = std::move(candidates);
    m_folded = folded;
    m_scanned = true;
    return m_ranked;
}
