// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/menufiltermode.h"

#include "bar/menufilter.h"

#include <QCoreApplication>

MenuFilterMode::MenuFilterMode() = default;
MenuFilterMode::~MenuFilterMode() = default;

void MenuFilterMode::start(const QList<MenuRow>& rows, const QList<double>& weights) {
    QList<FilterItem> items;
    items.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        items.append(
            {rows[i].caption, rows[i].target, rows[i].tag == MenuRow::kExitTag, weights.value(i)});
    m_index = std::make_unique<FilterIndex>(items);
    m_filter = std::make_unique<MenuFilter>(*m_index);
    m_allRows = rows;
    m_active = true;
}

QList<MenuRow> MenuFilterMode::stop() {
    m_active = false;
    m_text.clear();
    QList<MenuRow> rows = std::move(m_allRows);
    m_allRows.clear();
    return rows;
}

void MenuFilterMode::reset() {
    m_active = false;
    m_text.clear();
    m_allRows.clear();
    m_filter.reset();
    m_index.reset();
}

QList<MenuRow> MenuFilterMode::rowsFor(const QString& text) {
    m_text = text;
    QList<MenuRow> rows{{MenuRow::kFilterLineTag, QString(), true, QString()}};
    if (text.trimmed().isEmpty()) {
        rows += m_allRows.mid(1);
    } else {
        for (int i : m_filter->setText(text))
            rows.append(m_allRows[i]);
        if (rows.size() == 1)
            rows.append({MenuRow::kNoMatchTag,
                         //: Shown in the launcher menu when no entry matches the typed filter
                         QCoreApplication::translate("LauncherMenu", "No match"), true, QString()});
    }
    return rows;
}
