// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Filtering the launcher menu as the user types: pure rules over the menu's items.

// The text as compared: case-folded, accents dropped (é matches e).
QString foldedForMatching(QStringView text);

// One menu item as the filter sees it.
struct FilterItem {
    QString caption; // as in the menu, access marks included
    QString target;
    bool keptLast = false; // "Exit": listed after every other match
    double weight = 0;     // how much the user opens it; 0 for never
};

// The items prepared once per opening, so that a keystroke only compares.
class FilterIndex {
public:
    explicit FilterIndex(const QList<FilterItem>& items);
    qsizetype size() const { return m_entries.size(); }

private:
    friend class MenuFilter;
    struct Entry {
        QString caption; // folded, without access marks
        QString target;  // folded
        bool separator;
        bool keptLast;
        int item; // its place among the items given
    };
    // By descending weight, ties and unweighted items in menu order: a keystroke reads them
    // front to back, and each group of matches comes out ranked.
    QList<Entry> m_entries;
};

// The matches of one filter text. An entry matches when every word of the filter is found in
// its caption or its target. Captions that start with the filter come first, then those where
// every word starts a word of the caption, then the rest, each group by descending weight and
// otherwise in menu order; kept-last items follow them all. Separators never match. No words:
// no matches.
class MenuFilter {
public:
    explicit MenuFilter(const FilterIndex& index) : m_index(&index) {}

    // Narrows the previous matches when the text extends the previous text, else scans all.
    // Returns the indexes of the matching items in display order.
    const QList<int>& setText(const QString& text);
    const QList<int>& matches() const { return m_ranked; }

private:
    const FilterIndex* m_index;
    QString m_folded;
    bool m_scanned = false;
    QList<int> m_candidates; // the matches' places in the index, for a longer text
    QList<int> m_ranked;
};
