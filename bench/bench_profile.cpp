// SPDX-License-Identifier: GPL-3.0-or-later
// Costs of the profile-file calls on menu files of 10 to 10,000 entries, and of the menu
// calls on a 50 MB file of 20,000 entries.
#include "core/menufile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QByteArray menuText(int entries, const QByteArray& arguments) {
    QByteArray text = "[menu]\r\nitems=" + QByteArray::number(entries) + "\r\n\r\n";
    for (int i = 1; i <= entries; ++i)
        text += "[item" + QByteArray::number(i) + "]\r\ncaption=Program number " +
                QByteArray::number(i) + "\r\nexec=/usr/bin/program-" + QByteArray::number(i) + " " +
                arguments + "\r\n\r\n";
    return text;
}

QString menuFile(int entries, const QByteArray& arguments = "--option") {
    const QString path =
        folder().filePath(QStringLiteral("menu-%1-%2.ini").arg(entries).arg(arguments.size()));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(menuText(entries, arguments));
    return path;
}

// 20,000 entries whose targets take 2,500 characters each: 50 MB.
QString largeMenuFile() {
    return menuFile(20000, QByteArray(2450, 'a'));
}

void ReadString(benchmark::State& state) {
    ProfileFile file(menuFile(int(state.range(0))));
    const QString section = QStringLiteral("item%1").arg(state.range(0) / 2 + 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(file.ReadString(section, QStringLiteral("caption"), QString()));
}

void WriteString(benchmark::State& state) {
    ProfileFile file(menuFile(int(state.range(0))));
    const QString section = QStringLiteral("item%1").arg(state.range(0) / 2 + 1);
    int n = 0;
    for (auto _ : state)
        file.WriteString(section, QStringLiteral("caption"), QString::number(++n));
}

void ReadSectionValues(benchmark::State& state) {
    ProfileFile file(menuFile(int(state.range(0))));
    const QString section = QStringLiteral("item%1").arg(state.range(0) / 2 + 1);
    QStringList lines;
    for (auto _ : state) {
        file.ReadSectionValues(section, lines);
        benchmark::DoNotOptimize(lines);
    }
}

void ReadAllCaptions(benchmark::State& state) {
    MenuFile menu(menuFile(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(menu.captions());
}

// What the launcher menu reads at each opening: the captions and, for icons and the filter,
// the targets.
void ReadAllCaptionsAndTargets(benchmark::State& state) {
    MenuFile menu(menuFile(int(state.range(0))));
    QStringList targets;
    for (auto _ : state)
        benchmark::DoNotOptimize(menu.captions(&targets));
}

void DeleteEntry(benchmark::State& state) {
    const QString path = menuFile(int(state.range(0)));
    MenuFile menu(path);
    for (auto _ : state) {
        state.PauseTiming();
        menuFile(int(state.range(0)));
        state.ResumeTiming();
        menu.remove(1);
    }
}

void LargeMenuCaptions(benchmark::State& state) {
    MenuFile menu(largeMenuFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(menu.captions());
}

void LargeMenuAppend(benchmark::State& state) {
    MenuFile menu(largeMenuFile());
    for (auto _ : state)
        menu.append({{QStringLiteral("Added"), QStringLiteral("/usr/bin/added")}});
}

void LargeMenuDelete(benchmark::State& state) {
    MenuFile menu(largeMenuFile());
    for (auto _ : state)
        menu.remove(1);
}

} // namespace

BENCHMARK(ReadString)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteString)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadSectionValues)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadAllCaptions)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadAllCaptionsAndTargets)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(DeleteEntry)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

BENCHMARK(LargeMenuCaptions)->Unit(benchmark::kMillisecond);
BENCHMARK(LargeMenuAppend)->Unit(benchmark::kMillisecond);
BENCHMARK(LargeMenuDelete)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
