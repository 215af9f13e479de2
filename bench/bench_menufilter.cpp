// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke of the menu filter on 5,000 entries: the first letter (a scan of every entry),
// a letter that narrows the previous matches, and a Backspace (a scan again); and preparing the
// entries once per opening.
#include "bar/menufilter.h"

#include <benchmark/benchmark.h>

namespace {

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

const FilterIndex& index5000() {
    static const FilterIndex index(menuOf(5000));
    return index;
}

void Prepare(benchmark::State& state) {
    const QList<FilterItem> items = menuOf(5000);
    for (auto _ : state)
        benchmark::DoNotOptimize(FilterIndex(items).size());
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
BENCHMARK(FirstLetter)->Unit(benchmark::kMicrosecond);
BENCHMARK(NarrowingLetter)->Unit(benchmark::kMicrosecond);
BENCHMARK(Backspace)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
