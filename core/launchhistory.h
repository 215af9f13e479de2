// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/contentdigest.h"
#include "core/menufile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// How often and how lately the user opened each menu entry, kept for the filter to rank by.
// An entry is known by its caption and target, so moving or renaming another entry keeps its
// record; times are seconds since 1970.

// A choice counts half as much a week later: a burst long ago fades behind today's habits.
inline constexpr qint64 kHistoryHalfLifeSeconds = 7 * 24 * 60 * 60;
// Records kept at most; the lowest scores go first.
inline constexpr qsizetype kMaxHistoryRecords = 5000;
// A larger file counts as empty and is never read whole; none larger is written.
inline constexpr qint64 kMaxHistoryFileSize = 2 << 20;

struct HistoryRecord {
    MenuEntry entry;  // the caption as the menu file holds it, access marks and all
    double score = 0; // the decayed count of choices at `at`
    qint64 at = 0;    // when it was last chosen
    bool operator==(const HistoryRecord&) const = default;
};

// The record's score at `now`: halved for each half-life since it was last chosen.
double decayedScore(const HistoryRecord& record, qint64 now);

// The records a history file holds, at most kMaxHistoryRecords; lines that do not read as one
// are skipped, and of two records of one entry the first counts.
QList<HistoryRecord> parseHistory(QByteArrayView bytes);

// The records after `chosen` was chosen at `now`: only entries of `menu` kept, highest score
// first (ties in the order given), at most kMaxHistoryRecords, the choice always among them.
QList<HistoryRecord> historyAfterChoice(const QList<HistoryRecord>& records,
                                        const MenuEntry& chosen, const QList<MenuEntry>& menu,
                                        qint64 now);

// The bytes of a history file holding `records` in their order, as many of them as fit in
// kMaxHistoryFileSize.
QByteArray historyFileBytes(const QList<HistoryRecord>& records);

// The history file beside config.ini. A file that is missing, unreadable or past its size
// limit reads as empty; it is parsed again only when its bytes changed.
class LaunchHistory {
public:
    explicit LaunchHistory(QString fileName) : m_fileName(std::move(fileName)) {}

    const QString& fileName() const { return m_fileName; }
    // Each entry's score at `now`, 0 for one never chosen.
    QList<double> scores(const QList<MenuEntry>& entries, qint64 now);
    // Counts a choice of `chosen` and forgets entries no longer in `menu`, in one locked
    // replacement of the file. Throws LarkspanError when it cannot be written.
    void recordChoice(const MenuEntry& chosen, const QList<MenuEntry>& menu, qint64 now);
    // Forgets every choice. Throws LarkspanError when the file cannot be written.
    void clear();

private:
    void refresh();
    void keep(const QList<HistoryRecord>& records, const QByteArray& bytes);

    QString m_fileName;
    ContentDigest m_digest;
    QHash<MenuEntry, HistoryRecord> m_records;
};
