// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/menurows.h"

#include "bar/menulogic.h"
#include "core/menufile.h"

#include <algorithm>

MenuRows::MenuRows(TextWidth textWidth, int itemHeight, int separatorHeight)
    : m_textWidth(std::move(textWidth)), m_itemHeight(itemHeight),
      m_separatorHeight(separatorHeight) {}

void MenuRows::clear() {
    m_built = 0;
    m_changed = false;
}

bool MenuRows::keepBuildOf(const QStringList& captions, const QStringList& targets) {
    clear();
    const bool same =
        m_settled && captions.isSharedWith(m_builtCaptions) && targets.isSharedWith(m_builtTargets);
    m_builtCaptions = captions;
    m_builtTargets = targets;
    if (same)
        m_built = m_rows.size();
    return same;
}

// An item that comes out as in the last build costs a comparison: an unchanged menu file
// is settled at no cost, however long it is.
void MenuRows::add(int tag, const QString& caption, const QString& target) {
    if (m_built == m_rows.size()) {
        m_rows.append({tag, caption, true, target});
        m_captions.append(caption);
        m_widths.append(-1);
        m_changed = true;
    } else if (m_rows[m_built].tag != tag || m_captions[m_built] != caption) {
        m_rows[m_built].tag = tag;
        m_captions[m_built] = caption;
        m_widths[m_built] = -1;
        m_changed = true;
    }
    // The target takes no part in the rules or the width.
    if (m_rows[m_built].target != target)
        m_rows[m_built].target = target;
    ++m_built;
}

bool MenuRows::settle() {
    const bool changed = m_changed || m_built != m_rows.size();
    if (changed) {
        m_rows.resize(m_built);
        m_captions.resize(m_built);
        m_widths.resize(m_built);
        const QStringList keyed = applyAccessKeys(m_captions);
        const QList<bool> shown = visibleBySeparatorRule(m_captions);
        // The access-key rule only moves marks, so the text shown, and its width, are those
        // of the caption as built: a row is measured again only when its caption changed.
        m_widest = 0;
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            m_rows[i].caption = keyed[i];
            m_rows[i].visible = shown[i];
            if (m_widths[i] < 0)
                m_widths[i] = IsSeparator(keyed[i]) ? 0 : m_textWidth(m_captions[i]);
            m_widest = qMax(m_widest, m_widths[i]);
        }
        m_layoutStale = true;
    }
    layOut();
    m_settled = true;
    return changed;
}

void MenuRows::setRows(QList<MenuRow> rows) {
    m_rows = std::move(rows);
    m_layoutStale = true;
}

void MenuRows::layOut() {
    if (!m_layoutStale)
        return;
    m_layoutStale = false;
    m_rowTop.resize(m_rows.size() + 1);
    int y = 0;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        m_rowTop[i] = y;
        if (m_rows[i].visible)
            y += IsSeparator(m_rows[i].caption) ? m_separatorHeight : m_itemHeight;
    }
    m_rowTop.back() = y;
}

bool MenuRows::isSelectable(int row) const {
    return row >= 0 && row < m_rows.size() && m_rows[row].visible && m_rows[row].tag >= 0 &&
           !IsSeparator(m_rows[row].caption);
}

int MenuRows::rowAt(int y) const {
    const auto it = std::upper_bound(m_rowTop.begin(), m_rowTop.end() - 1, y);
    int row = int(it - m_rowTop.begin()) - 1;
    while (row >= 0 && !m_rows[row].visible)
        --row;
    return row;
}
