// SPDX-License-Identifier: GPL-3.0-or-later
// The Settings window's list on large menu files: filling it as a showing does, adding an
// entry, deleting one. 20,000 short entries, and 20,000 entries making a 50 MB file.
#include "core/programfiles.h"
#include "settings/entrydialog.h"
#include "settings/settingswindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

void writeMenu(int entries, qsizetype targetLength) {
    const QByteArray arguments(targetLength, 'a');
    QByteArray text = "[menu]\r\nitems=" + QByteArray::number(entries) + "\r\n\r\n";
    for (int i = 1; i <= entries; ++i)
        text += "[item" + QByteArray::number(i) + "]\r\ncaption=Program number " +
                QByteArray::number(i) + "\r\nexec=/usr/bin/program " + arguments + "\r\n\r\n";
    QFile file(folder().filePath(QStringLiteral("menu.ini")));
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
}

SettingsWindow* settings = nullptr;

SettingsWindow& window() {
    return *settings;
}

void FillList(benchmark::State& state) {
    writeMenu(20000, state.range(0));
    for (auto _ : state)
        window().loadMenuList();
}

void AddEntry(benchmark::State& state) {
    writeMenu(20000, state.range(0));
    window().loadMenuList();
    for (auto _ : state)
        window().appendEntries({{QStringLiteral("Added"), QStringLiteral("/usr/bin/added")}});
}

void DeleteEntry(benchmark::State& state) {
    writeMenu(20000, state.range(0));
    window().loadMenuList();
    for (auto _ : state)
        window().deleteEntry(1);
}

} // namespace

// Argument: the length of each target; 2,450 makes the file 50 MB.
BENCHMARK(FillList)->Arg(10)->Arg(2450)->Unit(benchmark::kMillisecond);
BENCHMARK(AddEntry)->Arg(10)->Arg(2450)->Unit(benchmark::kMillisecond);
BENCHMARK(DeleteEntry)->Arg(10)->Arg(2450)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramFiles files(Configuration(folder().filePath(QStringLiteral("config.ini"))));
    files.useMenuFile(folder().filePath(QStringLiteral("menu.ini")));
    EntryDialog entryDialog;
    SettingsWindow dialog(files, entryDialog);
    settings = &dialog;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
