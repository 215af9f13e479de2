// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bar/menudrawing.h"
#include "bar/menufiltermode.h"
#include "bar/menurows.h"

#include <QClipboard>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class EntryIcons;
class QEventLoop;

// The Start button's pop-up menu: a popup window of its own, made once and reused, that
// paints only the rows in view, so its opening costs little more at 20,000 entries than at 10.
// Its rows are a MenuRows; painting is in launchermenupaint.cpp, keys and the pointer in
// launchermenuinput.cpp.
class LauncherMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTopSeparatorTag = MenuRow::kTopSeparatorTag;
    static constexpr int kExitSeparatorTag = MenuRow::kExitSeparatorTag;
    static constexpr int kExitTag = MenuRow::kExitTag;
    static constexpr int kFilterLineTag = MenuRow::kFilterLineTag;
    static constexpr int kNoMatchTag = MenuRow::kNoMatchTag;

    explicit LauncherMenu(QWidget* parent);
    ~LauncherMenu() override;
    void setLook(const MenuLook& look) { m_look = look; }
    const MenuLook& look() const { return m_look; }

    // Starts a build: the items of the last build are replaced by those added next.
    void clearItems();
    // Starts a build of a menu file's entries. True when the last build was made from these
    // very lists (shared, not merely equal, as the caption reader hands them back while the
    // file's bytes stay the same): its rows then stand and no item need be added.
    bool keepBuildOf(const QStringList& captions, const QStringList& targets);
    void AddMenuItem(int tag, const QString& caption, const QString& target = {});
    // Ends a build, then applies the access-key rule and the separator rule to its items.
    // Rows are reused from one build to the next (see MenuRows).
    void settleItems();

    // How much the user opens each of `rows`, asked as filtering starts, for the filter to
    // rank its matches by. Without it they stay in menu order.
    using FilterWeights = std::function<QList<double>(const QList<MenuRow>& rows)>;
    void setFilterWeights(FilterWeights weights) { m_filterWeights = std::move(weights); }

    // Opens beside `anchor` (screen coordinates; see placeMenu), with the keyboard, and
    // returns once closed: the chosen row, or -1. While it is open, a second call returns -1 at
    // once and leaves it as it is.
    int exec(const QRect& anchor);
    bool isOpen() const { return !m_loop.isNull(); }

    const QList<MenuRow>& rows() const { return m_rows.rows(); }
    int activeRow() const { return m_active; }
    void setActiveRow(int row);
    // The row's rectangle in the popup, scrolled with it; empty for a row not shown.
    QRect rowGeometry(int row) const;
    bool isSelectable(int row) const { return m_rows.isSelectable(row); }
    bool isFiltering() const { return m_filter.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void paintRow(QPainter& painter, int row, const QRect& rect);
    int rowAt(QPoint at) const;
    int scrollStripHeight() const;
    // While filtering, the filter line stays at the top and only the rows below it scroll.
    int pinnedHeight() const;
    int viewportHeight() const;
    void scrollBy(int pixels);
    void ensureVisible(int row);
    void moveActive(int step);
    void activateEdge(bool last);
    void choose(int row);
    void highlight(int row, bool byPointer);
    void followPointer(QPoint at);
    void pointerLeft();
    bool filterKey(QKeyEvent* event);
    void paste(QClipboard::Mode mode);
    void startFilter();
    void stopFilter();
    void setFilterText(const QString& text);
    // After m_rows changed while open: fresh layout and place, nothing highlighted.
    void rowsReplaced();
    void placeOnScreen();
    void drawIcon(QPainter& painter, const MenuRow& row, const QRect& rect);
    void loadPendingIcons();

    MenuLook m_look;
    // While a filter shows, m_rows holds its rows and m_filter the settled menu's.
    MenuRows m_rows;
    MenuFilterMode m_filter;
    FilterWeights m_filterWeights;
    int m_rowWidth = 0;
    int m_offset = 0; // scrolled pixels
    bool m_scrolls = false;
    int m_active = -1;
    bool m_activeByPointer = false; // the pointer, not a key, put the highlight there
    int m_chosen = -1;
    QRect m_anchor;
    // Icons are looked up after painting, for the rows that were in view.
    std::unique_ptr<EntryIcons> m_icons;
    QStringList m_pendingIcons;
    QTimer m_iconTimer;
    QTimer m_scrollTimer;
    int m_scrollStep = 0;
    QPointer<QEventLoop> m_loop;
};
