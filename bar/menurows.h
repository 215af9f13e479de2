// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// One item of the launcher menu as built and settled: `caption` carries its access mark,
// exactly "-" makes a separator; a row that is not visible takes no room and cannot be chosen.
struct MenuRow {
    // The tags of the bar's own rows; entries count from 1.
    static constexpr int kTopSeparatorTag = 1024;
    static constexpr int kExitSeparatorTag = 1025;
    static constexpr int kExitTag = 1026;
    // Rows of the filter: the typed text at the top, and the disabled "No match".
    static constexpr int kFilterLineTag = -1;
    static constexpr int kNoMatchTag = -2;

    int tag = 0;
    QString caption;
    bool visible = true;
    QString target; // an entry's, for its icon and the filter
};

// The launcher menu's rows: built item by item, kept from one build to the next, measured
// and laid out top to bottom. Rows are reused, so that rebuilding an unchanged menu file
// costs a comparison per row and measures nothing.
class MenuRows {
public:
    // The width of a caption's text as drawn, "&" marks and all.
    using TextWidth = std::function<int(const QString&)>;

    MenuRows() = default;
    MenuRows(TextWidth textWidth, int itemHeight, int separatorHeight);

    // Starts a build: the items of the last build are replaced by those added next.
    void clear();
    // Starts a build of a menu file's entries. True when the last build was made from these
    // very lists (shared, not merely equal, as the caption reader hands them back while the
    // file's bytes stay the same): its rows then stand and no item need be added.
    bool keepBuildOf(const QStringList& captions, const QStringList& targets);
    void add(int tag, const QString& caption, const QString& target = {});
    // Ends a build, then applies the access-key rule and the separator rule to its items and
    // lays them out. True when some row changed, and so the widest text may have.
    bool settle();

    // Shows other rows in place of the build's (a filter's) until the next build; they are
    // laid out by layOut().
    void setRows(QList<MenuRow> rows);
    void layOut();

    const QList<MenuRow>& rows() const { return m_rows; }
    qsizetype size() const { return m_rows.size(); }
    bool isSelectable(int row) const;
    int widestText() const { return m_widest; }
    int itemHeight() const { return m_itemHeight; }

    // Content offsets: hidden rows take no room.
    int top(int row) const { return m_rowTop[row]; }
    int bottom(int row) const { return m_rowTop[row + 1]; }
    int height() const { return m_rowTop.back(); }
    // The shown row covering content offset y, or the last one above it; -1 above them all.
    int rowAt(int y) const;

private:
    TextWidth m_textWidth;
    int m_itemHeight = 0;
    int m_separatorHeight = 0;
    QList<MenuRow> m_rows;
    // One past the end holds the total.
    QList<int> m_rowTop{0};
    // The captions as built, before the rules gave them access keys, and their widths.
    QStringList m_captions;
    QList<int> m_widths;
    int m_widest = 0;
    qsizetype m_built = 0;  // items added by the build under way
    bool m_changed = false; // some row differs from the last build
    bool m_settled = false; // a build was settled
    bool m_layoutStale = false;
    QStringList m_builtCaptions;
    QStringList m_builtTargets;
};
