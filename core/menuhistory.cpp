// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/menuhistory.h"

#include "core/menufile.h"

void MenuHistory::follow(const QString& fileName) {
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    m_done.clear();
    m_undone.clear();
}

void MenuHistory::record(const SafeFile::Change& change, int selectedBefore, int selectedAfter) {
    if (change.before == change.after)
        return;
    Step step{change.before, change.after, selectedBefore, selectedAfter};
    // Usually the last step left what this one found: one copy serves both.
    if (!m_done.isEmpty() && m_done.last().after == step.before)
        step.before = m_done.last().after;
    m_done.append(std::move(step));
    m_undone.clear();
    dropOldest();
}

void MenuHistory::dropOldest() {
    qint64 bytes = 0;
    for (const Step& step : std::as_const(m_done))
        bytes += step.before.size() + step.after.size();
    // The last step stays whatever its size: it is the one a user takes back first.
    while (m_done.size() > m_maxSteps || (bytes > m_maxBytes && m_done.size() > 1)) {
        bytes -= m_done.first().before.size() + m_done.first().after.size();
        m_done.removeFirst();
    }
}

MenuHistory::Turn MenuHistory::undo() {
    return take(m_done, m_undone, true);
}

MenuHistory::Turn MenuHistory::redo() {
    return take(m_undone, m_done, false);
}

MenuHistory::Turn MenuHistory::take(QList<Step>& from, QList<Step>& to, bool back) {
    if (from.isEmpty())
        return {};
    const Step& step = from.last();
    const QByteArray& expected = back ? step.after : step.before;
    const QByteArray& wanted = back ? step.before : step.after;
    if (!MenuFile(m_fileName).replaceIfHolding(expected, wanted)) {
        m_done.clear();
        m_undone.clear();
        return {true, 0};
    }
    const int selected = back ? step.selectedBefore : step.selectedAfter;
    to.append(from.takeLast());
    return {false, selected};
}
