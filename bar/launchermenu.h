#pragma once

#include "bar/menudrawing.h"

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

class EntryIcons;
class FilterIndex;
class MenuFilter;
class QEventLoop;

// One item of the launcher menu as built and settled: `caption` carries its access mark,
// exactly "-" makes a separator; a row that is not visible takes no room and cannot be chosen.
struct MenuRow {
    int tag = 0;
    QString caption;
    bool visible = true;
    QString target; // an entry's, for its icon and the filter
};

// The Start button's pop-up menu: a popup window of its own, made once and reused, that
// paints only the rows in view, so its opening costs little more at 20,000 entries than at 10.
class LauncherMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTopSeparatorTag = 1024;
    static constexpr int kExitSeparatorTag = 1025;
    static constexpr int kExitTag = 1026;
    // Rows of the filter: the typed text at the top, and the disabled "No match".
    static constexpr int kFilterLineTag = -1;
    static constexpr int kNoMatchTag = -2;

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
    // Rows are reused from one build to the next.
    void settleItems();

    // Opens beside `anchor` (screen coordinates; see placeMenu), with the keyboard, and
    // returns once closed: the chosen row, or -1.
    int exec(const QRect& anchor);

    const QList<MenuRow>& rows() const { return m_rows; }
    int activeRow() const { return m_active; }
    void setActiveRow(int row);
    // The row's rectangle in the popup, scrolled with it; empty for a row not shown.
    QRect rowGeometry(int row) const;
    bool isSelectable(int row) const;
    bool isFiltering() const { return m_filtering; }

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
    void layoutRows();
    int rowAt(QPoint at) const;
    int rowAtContent(int y) const;
    int scrollStripHeight() const;
    int viewportHeight() const;
    void scrollBy(int pixels);
    void ensureVisible(int row);
    void moveActive(int step);
    void activateEdge(bool last);
    void choose(int row);
    void followPointer(QPoint at);
    bool filterKey(QKeyEvent* event);
    void startFilter();
    void stopFilter();
    void setFilterText(const QString& text);
    // After m_rows changed while open: fresh layout and place, nothing highlighted.
    void rowsReplaced();
    void placeOnScreen();
    void drawIcon(QPainter& painter, const MenuRow& row, const QRect& rect);
    void loadPendingIcons();

    MenuLook m_look;
    QList<MenuRow> m_rows;
    // Content offsets of the rows (hidden ones take no room), one past the end holds the total.
    QList<int> m_rowTop;
    // The captions as built, before the rules gave them access keys; their widths; what the
    // separator rule showed of them.
    QStringList m_captions;
    QList<int> m_widths;
    QList<bool> m_shown;
    qsizetype m_built = 0;  // items added by the build under way
    bool m_changed = false; // some row differs from the last build
    bool m_settled = false; // a build was settled
    bool m_layoutStale = false;
    QStringList m_builtCaptions;
    QStringList m_builtTargets;
    int m_rowWidth = 0;
    int m_itemHeight = 0;
    int m_separatorHeight = 0;
    int m_offset = 0; // scrolled pixels
    bool m_scrolls = false;
    int m_active = -1;
    int m_chosen = -1;
    QRect m_anchor;
    // While a filter shows, m_rows holds its rows and m_allRows the settled menu.
    bool m_filtering = false;
    QString m_filterText;
    QList<MenuRow> m_allRows;
    std::unique_ptr<FilterIndex> m_filterIndex;
    std::unique_ptr<MenuFilter> m_filter;
    // Icons are looked up after painting, for the rows that were in view.
    std::unique_ptr<EntryIcons> m_icons;
    QStringList m_pendingIcons;
    QTimer m_iconTimer;
    QTimer m_scrollTimer;
    int m_scrollStep = 0;
    QPointer<QEventLoop> m_loop;
};
