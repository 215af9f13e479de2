// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTest>

void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

#ifdef PROFILE_WRITER
// Two copies of the profile-writer helper at once, on one file, each with `mode` and its own
// prefix ("a", "b") and any further arguments; returns once both have ended successfully.
inline void runTwoWriters(const QString& path, const QString& mode, const QStringList& more = {}) {
    QProcess a, b;
    a.start(QStringLiteral(PROFILE_WRITER), QStringList{path, mode, QStringLiteral("a")} + more);
    b.start(QStringLiteral(PROFILE_WRITER), QStringList{path, mode, QStringLiteral("b")} + more);
    QVERIFY(a.waitForFinished(120000));
    QVERIFY(b.waitForFinished(120000));
    QCOMPARE(a.exitCode(), 0);
    QCOMPARE(b.exitCode(), 0);
}
#endif
