// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/launchhistory.h"

#include "core/error.h"
#include "core/profilefile.h"
#include "core/safefile.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <system_error>

namespace {

// The first line; lines starting with "#" are skipped, so that a reader may be told the format.
const QByteArray kHeader =
    "# Larkspan launch history: score, time chosen (seconds since 1970), caption, target; "
    "tab-separated, \\ escapes tab, line breaks and itself\n";

QByteArray escaped(const QString& text) {
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Nothing for a lone "\" or an unknown escape: the line was not written by escaped().
std::optional<QString> unescaped(QByteArrayView field) {
    if (!field.contains('\\'))
        return QString::fromUtf8(field);
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return QString::fromUtf8(out);
}

std::optional<HistoryRecord> recordIn(QByteArrayView line) {
    QByteArrayView fields[4];
    qsizetype from = 0;
    for (int i = 0; i < 4; ++i) {
        const qsizetype tab = line.indexOf('\t', from);
        // Three tabs exactly: a line with fewer or more is not a record.
        if ((i == 3) != (tab < 0))
            return std::nullopt;
        const qsizetype end = tab < 0 ? line.size() : tab;
        fields[i] = line.sliced(from, end - from);
        from = end + 1;
    }
    bool scoreOk = false;
    bool atOk = false;
    const double score = fields[0].toDouble(&scoreOk);
    const qint64 at = fields[1].toLongLong(&atOk);
    const std::optional<QString> caption = unescaped(fields[2]);
    const std::optional<QString> target = unescaped(fields[3]);
    // A hand-edited score must not outweigh every real one for good, nor break the order.
    if (!scoreOk || !atOk || !std::isfinite(score) || score <= 0 || !caption || !target)
        return std::nullopt;
    return HistoryRecord{{*caption, *target}, score, at};
}

} // namespace

double decayedScore(const HistoryRecord& record, qint64 now) {
    // A clock set back must not make a score grow; in doubles, as a hand-edited time may lie
    // past any difference a qint64 holds.
    const double elapsed = qMax(0.0, double(now) - double(record.at));
    return record.score * std::exp2(-elapsed / double(kHistoryHalfLifeSeconds));
}

QList<HistoryRecord> parseHistory(QByteArrayView bytes) {
    QList<HistoryRecord> records;
    QSet<MenuEntry> seen;
    for (qsizetype from = 0; from < bytes.size() && records.size() < kMaxHistoryRecords;) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(from, end - from);
        from = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('#'))
            continue;
        if (const std::optional<HistoryRecord> record = recordIn(line)) {
            if (!seen.contains(record->entry)) {
                seen.insert(record->entry);
                records.append(*record);
            }
        }
    }
    return records;
}

QList<HistoryRecord> historyAfterChoice(const QList<HistoryRecord>& records,
                                        const MenuEntry& chosen, const QList<MenuEntry>& menu,
                                        qint64 now) {
    const QSet<MenuEntry> inMenu(menu.begin(), menu.end());
    QList<std::pair<double, HistoryRecord>> kept;
    kept.reserve(records.size() + 1);
    HistoryRecord counted{chosen, 1.0, now};
    for (const HistoryRecord& record : records) {
        if (record.entry == chosen)
            counted.score += decayedScore(record, now);
        else if (inMenu.contains(record.entry))
            kept.append({decayedScore(record, now), record});
    }
    if (inMenu.contains(chosen))
        kept.append({counted.score, counted});
    std::stable_sort(kept.begin(), kept.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    // The choice just made stays even when its score is the lowest: a full history must not
    // shut out what the user opens now.
    if (kept.size() > kMaxHistoryRecords) {
        const auto last = kept.begin() + kMaxHistoryRecords - 1;
        const auto choice =
            std::find_if(last, kept.end(), [&](const auto& k) { return k.second.entry == chosen; });
        if (choice != kept.end())
            std::rotate(last, choice, choice + 1);
        kept.resize(kMaxHistoryRecords);
    }
    QList<HistoryRecord> result;
    result.reserve(kept.size());
    for (const auto& k : kept)
        result.append(k.second);
    return result;
}

QByteArray historyFileBytes(const QList<HistoryRecord>& records) {
    QByteArray bytes = kHeader;
    for (const HistoryRecord& record : records) {
        const QByteArray line =
            QByteArray::number(record.score, 'g', 17) + '\t' + QByteArray::number(record.at) +
            '\t' + escaped(record.entry.caption) + '\t' + escaped(record.entry.target) + '\n';
        if (bytes.size() + line.size() > kMaxHistoryFileSize)
            break;
        bytes += line;
    }
    return bytes;
}

void LaunchHistory::refresh() {
    const QByteArray bytes =
        SafeFile::read(m_fileName, nullptr, kMaxHistoryFileSize).value_or(QByteArray());
    if (ContentDigest::of(bytes) != m_digest)
        keep(parseHistory(bytes), bytes);
}

void LaunchHistory::keep(const QList<HistoryRecord>& records, const QByteArray& bytes) {
    m_records.clear();
    m_records.reserve(records.size());
    for (const HistoryRecord& record : records)
        m_records.insert(record.entry, record);
    m_digest = ContentDigest::of(bytes);
}

QList<double> LaunchHistory::scores(const QList<MenuEntry>& entries, qint64 now) {
    refresh();
    QList<double> scores;
    scores.reserve(entries.size());
    for (const MenuEntry& entry : entries) {
        const auto found = m_records.constFind(entry);
        scores.append(found == m_records.cend() ? 0.0 : decayedScore(*found, now));
    }
    return scores;
}

void LaunchHistory::recordChoice(const MenuEntry& chosen, const QList<MenuEntry>& menu,
                                 qint64 now) {
    QByteArray bytes;
    try {
        // What the file holds under the lock counts, not what was read before: another copy
        // of the program may have recorded a choice since.
        SafeFile::update(
            m_fileName,
            [&](const std::optional<QByteArray>& old) {
                bytes = historyFileBytes(historyAfterChoice(
                    parseHistory(old.value_or(QByteArray())), chosen, menu, now));
                return bytes;
            },
            kMaxHistoryFileSize, SafeFile::Backup::None, SafeFile::PastLimit::CountsAsMissing);
    } catch (const std::system_error&) {
        throw unwritable(m_fileName);
    }
    // What was written is what the next reading would parse.
    keep(parseHistory(bytes), bytes);
}

void LaunchHistory::clear() {
    const QByteArray bytes = historyFileBytes({});
    try {
        SafeFile::update(
            m_fileName, [&](const std::optional<QByteArray>&) { return bytes; },
            kMaxHistoryFileSize, SafeFile::Backup::None, SafeFile::PastLimit::CountsAsMissing);
    } catch (const std::system_error&) {
        throw unwritable(m_fileName);
    }
    keep({}, bytes);
}
