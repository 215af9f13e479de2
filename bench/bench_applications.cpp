// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the installed applications for the Settings window's picker: 2,000 desktop files
// of the size a desktop's own carry (sixty translations of name and comment), in two
// folders with subfolders, written once. Each repetition is one reading, the first one
// included.
#include "desktopentry/newentries.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QStringList writeApplications(const QTemporaryDir& dir, int count) {
    const QStringList folders{dir.filePath(QStringLiteral("home/applications")),
                              dir.filePath(QStringLiteral("usr/applications"))};
    for (const QString& folder : folders)
        QDir().mkpath(folder + QStringLiteral("/sub"));
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        QByteArray text = "[Desktop Entry]\nType=Application\nName=Application " + n +
                          "\nExec=/usr/bin/app" + n + " %U\nIcon=app" + n + "\n";
        for (int t = 0; t < 60; ++t) {
            const QByteArray lang = QByteArray(1, char('a' + t % 26)) + char('a' + t / 26);
            text += "Name[" + lang + "]=Anwendung " + n + "\nComment[" + lang +
                    "]=Eine Anwendung, die etwas Nützliches tut, Nummer " + n + "\n";
        }
        if (i % 10 == 0)
            text += "NoDisplay=true\n";
        text += "[Desktop Action new]\nName=New\nExec=/usr/bin/app" + n + " --new\n";
        const QString folder = folders[i % 2] + (i % 3 == 0 ? QStringLiteral("/sub") : QString());
        QFile file(folder + QStringLiteral("/app") + QString::number(i) +
                   QStringLiteral(".desktop"));
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
    return folders;
}

void ReadInstalledApplications(benchmark::State& state) {
    static const QTemporaryDir dir;
    static const QStringList folders = writeApplications(dir, int(state.range(0)));
    qsizetype listed = 0;
    for (auto _ : state)
        listed = readInstalledApplications(folders, {QStringLiteral("XFCE")},
                                           QStringLiteral("de_DE.UTF-8"))
                     .size();
    state.counters["listed"] = double(listed);
}

} // namespace

BENCHMARK(ReadInstalledApplications)
    ->Arg(2000)
    ->Iterations(1)
    ->Repetitions(9)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
