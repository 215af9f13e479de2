// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bar/menurows.h"

#include <QList>
#include <QString>
#include <memory>

class FilterIndex;
class MenuFilter;

// The launcher menu while the user filters it: the settled menu's rows put aside, the typed
// text, and the rows that text shows in their place.
class MenuFilterMode {
public:
    MenuFilterMode();
    ~MenuFilterMode();

    bool isActive() const { return m_active; }
    const QString& text() const { return m_text; }

    // Puts the settled menu's rows aside and indexes them once for the keystrokes to come;
    // `weights`, aligned with the rows, rank the matches (see MenuFilter).
    void start(const QList<MenuRow>& rows, const QList<double>& weights = {});
    // Ends filtering: the rows put aside, to be shown again.
    QList<MenuRow> stop();
    // Ends filtering, if it was, and drops the index; a new build makes a new one.
    void reset();
    // The rows `text` shows: the filter line where the hidden top separator stood, then the
    // whole menu for an empty text, else the matches or a disabled "No match".
    QList<MenuRow> rowsFor(const QString& text);

private:
    bool m_active = false;
    QString m_text;
    QList<MenuRow> m_allRows;
    std::unique_ptr<FilterIndex> m_index;
    std::unique_ptr<MenuFilter> m_filter;
};
