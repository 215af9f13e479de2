// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke of the menu filter on 5,000 entries, each with a score from a history of
// 5,000 records: the first letter (a scan of every entry), a letter that narrows the previous
// matches, and a Backspace (a scan again); and what filtering costs once per opening: the
// history's scores and preparing the entries.
#include "bar/menufilter.h"
#include "core/launchhistory.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr qint64 kNow = 1'700'000'000;

QList<FilterItem> menuOf(int entries) {
    static const QStringList words{u"Écran"_qs,  u"notes"_qs, u"Terminal"_qs, u"réseau"_qs,
                                   u"Editor"_qs, u"Mail"_qs,  u"backup"_qs,   u"Photos"_qs};
    QList<FilterItem> items{{u"-"_qs, {}}};
    for (int i = 0; i < entries; ++i)
        items.append({u"&%1 %2 number %3"_qs.arg(words[i % 8], words[(i / 8) % 8]).arg(i),
                      u"/usr/bin/program-%1 --option %2"_qs.arg(i).arg(words[(i / 3) % 8])});
    items.append({u"-"_qs, {}});
    items.append({u"Exit"_qs, {}, true});
    return items;
}

QList<MenuEntry> entriesOf(const QList<FilterItem>& items) {
    QList<MenuEntry> entries;
    for (const FilterItem& item : items)
        entries.append({item.caption, item.target});
    return entries;
}

// A history file with a record for every entry, chosen over the last 50 days.
struct History {
    QTemporaryDir folder;
    QString path = folder.filePath(u"launch-history.tsv"_qs);
    explicit History(const QList<FilterItem>& items) {
        QList<HistoryRecord> records;
        for (qsizetype i = 1; i < items.size() - 2; ++i)
            records.append({{items[i].caption, items[i].target},
                            double(1 + i % 7),
                            kNow - (i % 50) * 24 * 60 * 60});
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(historyFileBytes(records)) < 0)
            qFatal("Cannot write %s", qPrintable(path));
    }
};

QList<FilterItem> scoredMenuOf(int entries) {
    QList<FilterItem> items = menuOf(entries);
    History history(items);
    const QList<double> scores = LaunchHistory(history.path).scores(entriesOf(items), kNow);
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i].weight = scores[i];
    return items;
}

const FilterIndex& index5000() {
    static const FilterIndex index(scoredMenuOf(5000));
    return index;
}

void Prepare(benchmark::State& state) {
    const QList<FilterItem> items = scoredMenuOf(5000);
    for (auto _ : state)
        benchmark::DoNotOptimize(FilterIndex(items).size());
}

// The first keystroke after the history file changed: it is read and parsed.
void HistoryScoresChanged(benchmark::State& state) {
    const QList<FilterItem> items = menuOf(5000);
    const QList<MenuEntry> entries = entriesOf(items);
    History history(items);
    for (auto _ : state)
        benchmark::DoNotOptimize(LaunchHistory(history.path).scores(entries, kNow).size());
}

// The first keystroke of a later opening: the unchanged file is read, not parsed.
void HistoryScoresUnchanged(benchmark::State& state) {
    const QList<FilterItem> items = menuOf(5000);
    const QList<MenuEntry> entries = entriesOf(items);
    History history(items);
    LaunchHistory reader(history.path);
    reader.scores(entries, kNow);
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.scores(entries, kNow).size());
}

// From an empty filter: every entry is compared.
void FirstLetter(benchmark::State& state) {
    for (auto _ : state) {
        MenuFilter filter(index5000());
        benchmark::DoNotOptimize(filter.setText(u"e"_qs).size());
    }
}

// "ecran no" after "ecran n": only the previous matches are compared.
void NarrowingLetter(benchmark::State& state) {
    MenuFilter filter(index5000());
    for (auto _ : state) {
        state.PauseTiming();
        filter.setText(u"ecran n"_qs);
        state.ResumeTiming();
        benchmark::DoNotOptimize(filter.setText(u"ecran no"_qs).size());
    }
}

// Backspace from "ecran no" to "ecran n": a wider filter scans every entry again.
void Backspace(benchmark::State& state) {
    MenuFilter filter(index5000());
    for (auto _ : state) {
        state.PauseTiming();
        filter.setText(u"ecran no"_qs);
        state.ResumeTiming();
        benchmark::DoNotOptimize(filter.setText(u"ecran n"_qs).size());
    }
}

} // namespace

BENCHMARK(Prepare)->Unit(benchmark::kMillisecond);
BENCHMARK(HistoryScoresChanged)->Unit(benchmark::kMillisecond);
BENCHMARK(HistoryScoresUnchanged)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstLetter)->Unit(benchmark::kMicrosecond);
BENCHMARK(NarrowingLetter)->Unit(benchmark::kMicrosecond);
BENCHMARK(Backspace)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
