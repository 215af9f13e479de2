// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/safefile.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The steps taken in one menu file, to be taken back and taken again: each holds the file's
// bytes before and after it and the entry selected then. An undo writes the bytes before only
// while the file still holds those after, so that another program's change is never
// overwritten; a redo the reverse. Steps are kept up to a number and a total size, the oldest
// going first.
class MenuHistory {
public:
    static constexpr int kMaxSteps = 100;
    static constexpr qint64 kMaxBytes = 64 << 20;

    explicit MenuHistory(int maxSteps = kMaxSteps, qint64 maxBytes = kMaxBytes)
        : m_maxSteps(maxSteps), m_maxBytes(maxBytes) {}

    // Starts anew when `fileName` is not the file the steps were taken in.
    void follow(const QString& fileName);
    // A step just taken in that file, and the entries selected before and after it (numbered
    // from 1). It drops the steps undone; a change of no byte is no step.
    void record(const SafeFile::Change& change, int selectedBefore, int selectedAfter);

    bool canUndo() const { return !m_done.isEmpty(); }
    bool canRedo() const { return !m_undone.isEmpty(); }

    // What an undo or redo did: refused when another program had changed the file since the
    // step, which then keeps that change while the history starts anew; else done, with the
    // entry to select.
    struct Turn {
        bool refused = false;
        int selected = 0;
    };
    // With nothing to undo or redo nothing happens. A failed write throws LarkspanError and
    // keeps the step.
    Turn undo();
    Turn redo();

private:
    struct Step {
        QByteArray before;
        QByteArray after;
        int selectedBefore = 0;
        int selectedAfter = 0;
    };
    Turn take(QList<Step>& from, QList<Step>& to, bool back);
    void dropOldest();

    int m_maxSteps;
    qint64 m_maxBytes;
    QString m_fileName;
    QList<Step> m_done;
    QList<Step> m_undone;
};
