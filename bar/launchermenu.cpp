#include "bar/launchermenu.h"

#include "bar/menufilter.h"
#include "bar/menulogic.h"
#include "core/menufile.h"
#include "platform/entryicons.h"
#include "x11/desktopwindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QWindow>
#include <algorithm>

namespace {

constexpr int kScrollInterval = 50; // ms per row while the pointer rests on a scroll strip
constexpr int kIconsPerTurn = 4;    // lookups between two turns of the event loop
constexpr int kIconLeft = 5;        // in the 26-pixel gutter before the text

QStyleOptionMenuItem itemOption(const QWidget* menu, QStyleOptionMenuItem::MenuItemType type) {
    QStyleOptionMenuItem option;
    option.initFrom(menu);
    option.menuItemType = type;
    option.checkType = QStyleOptionMenuItem::NotCheckable;
    option.font = menu->font();
    option.fontMetrics = menu->fontMetrics();
    option.maxIconWidth = 0;
    return option;
}

// The rows as assistive technology sees them: one menu item per shown row, named without
// its access mark.
class AccessibleRow : public QAccessibleInterface {
public:
    AccessibleRow(LauncherMenu* menu, int row) : m_menu(menu), m_row(row) {}

    bool isValid() const override {
        return m_menu && m_row < m_menu->rows().size() && m_menu->rows()[m_row].visible;
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_menu ? m_menu->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_menu);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name)
            return QString();
        const QString& caption = m_menu->rows()[m_row].caption;
        return IsSeparator(caption) ? QString() : withoutAccessMarks(caption);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return QRect();
        const QRect r = m_menu->rowGeometry(m_row);
        return QRect(m_menu->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return isValid() && IsSeparator(m_menu->rows()[m_row].caption) ? QAccessible::Separator
                                                                       : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = s.selectable = m_menu->isSelectable(m_row);
        s.focused = s.selected = s.hotTracked = m_menu->activeRow() == m_row;
        const QRect r = m_menu->rowGeometry(m_row);
        s.invisible = s.offscreen = !m_menu->rect().intersects(r);
        return s;
    }

private:
    QPointer<LauncherMenu> m_menu;
    int m_row;
};

class AccessibleLauncherMenu : public QAccessibleWidget {
public:
    explicit AccessibleLauncherMenu(LauncherMenu* menu)
        : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    int childCount() const override { return int(shownRows().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<int> shown = shownRows();
        if (index < 0 || index >= shown.size())
            return nullptr;
        return rowInterface(shown[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const int active = menu()->activeRow();
        return active >= 0 ? rowInterface(active) : nullptr;
    }

    // Interfaces of the rows last asked for; a new build makes them anew.
    QAccessibleInterface* rowInterface(int row) const {
        auto it = m_ids.constFind(row);
        if (it != m_ids.constEnd())
            return QAccessible::accessibleInterface(*it);
        auto* iface = new AccessibleRow(menu(), row);
        m_ids.insert(row, QAccessible::registerAccessibleInterface(iface));
        return iface;
    }
    void forgetRows() {
        for (QAccessible::Id id : std::as_const(m_ids))
            QAccessible::deleteAccessibleInterface(id);
        m_ids.clear();
    }

private:
    LauncherMenu* menu() const { return static_cast<LauncherMenu*>(widget()); }
    QList<int> shownRows() const {
        QList<int> shown;
        const QList<MenuRow>& rows = menu()->rows();
        for (int i = 0; i < rows.size(); ++i)
            if (rows[i].visible)
                shown.append(i);
        return shown;
    }
    mutable QHash<int, QAccessible::Id> m_ids;
};

QAccessibleInterface* launcherMenuAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("LauncherMenu") && object && object->isWidgetType())
        return new AccessibleLauncherMenu(static_cast<LauncherMenu*>(object));
    return nullptr;
}

AccessibleLauncherMenu* existingAccessible(LauncherMenu* menu) {
    if (!QAccessible::isActive())
        return nullptr;
    return static_cast<AccessibleLauncherMenu*>(QAccessible::queryAccessibleInterface(menu));
}

} // namespace

LauncherMenu::LauncherMenu(QWidget* parent) : QWidget(parent, Qt::Popup) {
    setObjectName(QStringLiteral("m_launcherMenu"));
    static const bool installed = (QAccessible::installFactory(launcherMenuAccessible), true);
    Q_UNUSED(installed);
    // Items are measured in the platform's menu font and drawn in the bar's.
    setFont(QApplication::font("QMenu"));
    setLayoutDirection(Qt::LeftToRight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_X11NetWmWindowTypePopupMenu);
    const QFontMetrics fm = fontMetrics();
    QStyleOptionMenuItem item = itemOption(this, QStyleOptionMenuItem::Normal);
    m_itemHeight =
        style()->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(0, fm.height()), this).height();
    QStyleOptionMenuItem separator = itemOption(this, QStyleOptionMenuItem::Separator);
    m_separatorHeight =
        style()->sizeFromContents(QStyle::CT_MenuItem, &separator, QSize(2, 2), this).height();
    m_scrollTimer.setInterval(kScrollInterval);
    connect(&m_scrollTimer, &QTimer::timeout, this, [this] { scrollBy(m_scrollStep); });
    m_iconTimer.setSingleShot(true);
    connect(&m_iconTimer, &QTimer::timeout, this, &LauncherMenu::loadPendingIcons);
}

LauncherMenu::~LauncherMenu() {
    if (m_loop)
        m_loop->quit();
}

void LauncherMenu::clearItems() {
    // A build compares with the settled menu, not with what a filter left showing.
    if (m_filtering) {
        m_rows = std::move(m_allRows);
        m_layoutStale = true;
    }
    m_filtering = false;
    m_filterText.clear();
    m_allRows.clear();
    m_filter.reset();
    m_filterIndex.reset();
    m_built = 0;
    m_changed = false;
}

bool LauncherMenu::keepBuildOf(const QStringList& captions, const QStringList& targets) {
    clearItems();
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
void LauncherMenu::AddMenuItem(int tag, const QString& caption, const QString& target) {
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

void LauncherMenu::settleItems() {
    const bool changed = m_changed || m_built != m_rows.size();
    if (changed) {
        m_rows.resize(m_built);
        m_captions.resize(m_built);
        m_widths.resize(m_built);
        const QStringList keyed = applyAccessKeys(m_captions);
        m_shown = visibleBySeparatorRule(m_captions);
        // The access-key rule only moves marks, so the text shown, and its width, are those
        // of the caption as built: a row is measured again only when its caption changed.
        const QFontMetrics fm = fontMetrics();
        int widest = 0;
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            m_rows[i].caption = keyed[i];
            if (m_widths[i] < 0)
                m_widths[i] = IsSeparator(keyed[i])
                                  ? 0
                                  : fm.size(Qt::TextShowMnemonic, m_captions[i]).width();
            widest = qMax(widest, m_widths[i]);
        }
        QStyleOptionMenuItem item = itemOption(this, QStyleOptionMenuItem::Normal);
        m_rowWidth =
            style()
                ->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(widest, fm.height()), this)
                .width();
        for (qsizetype i = 0; i < m_rows.size(); ++i)
            m_rows[i].visible = m_shown[i];
    }
    if (changed || m_layoutStale)
        layoutRows();
    m_layoutStale = false;
    m_settled = true;
    if (AccessibleLauncherMenu* accessible = existingAccessible(this))
        accessible->forgetRows();
    m_active = -1;
    m_offset = 0;
}

void LauncherMenu::layoutRows() {
    m_rowTop.resize(m_rows.size() + 1);
    int y = 0;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        m_rowTop[i] = y;
        if (m_rows[i].visible)
            y += IsSeparator(m_rows[i].caption) ? m_separatorHeight : m_itemHeight;
    }
    m_rowTop.back() = y;
}

int LauncherMenu::exec(const QRect& anchor) {
    m_anchor = anchor;
    m_chosen = -1;
    placeOnScreen();
    QEventLoop loop;
    m_loop = &loop;
    DesktopWindow::mapPopupAtOnce(windowHandle(), geometry());
    show();
    if (QAccessible::isActive()) {
        QAccessibleEvent started(this, QAccessible::PopupMenuStart);
        QAccessible::updateAccessibility(&started);
    }
    const QPointer<LauncherMenu> alive(this);
    loop.exec();
    return alive ? m_chosen : -1; // destroyed while open (the bar went): nothing is chosen
}

void LauncherMenu::hideEvent(QHideEvent* event) {
    m_scrollTimer.stop();
    if (QAccessible::isActive()) {
        QAccessibleEvent ended(this, QAccessible::PopupMenuEnd);
        QAccessible::updateAccessibility(&ended);
    }
    if (m_loop)
        m_loop->quit();
    QWidget::hideEvent(event);
}

void LauncherMenu::placeOnScreen() {
    QScreen* screen = QGuiApplication::screenAt(m_anchor.bottomLeft() + QPoint(0, 1));
    if (!screen)
        screen = QGuiApplication::screenAt(m_anchor.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect placed =
        placeMenu(QSize(m_rowWidth, m_rowTop.back()), m_anchor, screen->geometry());
    m_scrolls = placed.height() < m_rowTop.back();
    setGeometry(placed);
}

bool LauncherMenu::isSelectable(int row) const {
    return row >= 0 && row < m_rows.size() && m_rows[row].visible && m_rows[row].tag >= 0 &&
           !IsSeparator(m_rows[row].caption);
}

int LauncherMenu::scrollStripHeight() const {
    return m_scrolls ? style()->pixelMetric(QStyle::PM_MenuScrollerHeight, nullptr, this) : 0;
}

int LauncherMenu::viewportHeight() const {
    return height() - 2 * scrollStripHeight();
}

QRect LauncherMenu::rowGeometry(int row) const {
    if (row < 0 || row >= m_rows.size() || !m_rows[row].visible)
        return QRect();
    return QRect(0, scrollStripHeight() + m_rowTop[row] - m_offset, width(),
                 m_rowTop[row + 1] - m_rowTop[row]);
}

int LauncherMenu::rowAt(QPoint at) const {
    const int strip = scrollStripHeight();
    const int y = at.y() - strip + m_offset;
    if (!rect().contains(at) || at.y() < strip || at.y() >= height() - strip ||
        y >= m_rowTop.back())
        return -1;
    return rowAtContent(y);
}

// The shown row covering content offset y, or the last one above it.
int LauncherMenu::rowAtContent(int y) const {
    const auto it = std::upper_bound(m_rowTop.begin(), m_rowTop.end() - 1, y);
    int row = int(it - m_rowTop.begin()) - 1;
    while (row >= 0 && !m_rows[row].visible)
        --row;
    return row;
}

void LauncherMenu::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    const int strip = scrollStripHeight();
    painter.setClipRect(QRect(0, strip, width(), viewportHeight()));
    const int first = rowAtContent(qMax(dirty.top() - strip, 0) + m_offset);
    for (int row = qMax(first, 0); row < m_rows.size(); ++row) {
        const QRect r = rowGeometry(row);
        if (r.top() > dirty.bottom())
            break;
        if (r.isValid())
            paintRow(painter, row, r);
    }
    if (strip == 0)
        return;
    painter.setClipping(false);
    const QBrush fill = m_look.background.isNull() ? palette().window() : QBrush(m_look.background);
    painter.setBrushOrigin(0, 0);
    for (const bool down : {false, true}) {
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = QRect(0, down ? height() - strip : 0, width(), strip);
        painter.fillRect(arrow.rect, fill);
        style()->drawPrimitive(down ? QStyle::PE_IndicatorArrowDown : QStyle::PE_IndicatorArrowUp,
                               &arrow, &painter, this);
    }
}

void LauncherMenu::paintRow(QPainter& painter, int row, const QRect& rect) {
    const MenuRow& item = m_rows[row];
    if (item.tag == kFilterLineTag) {
        DrawMenuItem(painter, rect, QString(), false, m_look);
        painter.setFont(m_look.font);
        DrawMenuText(painter, rect.adjusted(kIconLeft, 0, 0, 0),
                     u"/ "_qs + QString(m_filterText).replace(u'&', u"&&"_qs) + u'_');
        return;
    }
    if (item.tag == kNoMatchTag) {
        painter.save();
        painter.setOpacity(0.5);
        DrawMenuItem(painter, rect, item.caption, false, m_look);
        painter.restore();
        return;
    }
    DrawMenuItem(painter, rect, item.caption, row == m_active, m_look);
    drawIcon(painter, item, rect);
}

void LauncherMenu::drawIcon(QPainter& painter, const MenuRow& row, const QRect& rect) {
    if (row.target.isEmpty())
        return;
    const std::optional<QPixmap> icon =
        m_icons ? m_icons->cached(row.target, devicePixelRatioF()) : std::nullopt;
    if (!icon) {
        if (!m_pendingIcons.contains(row.target))
            m_pendingIcons.append(row.target);
        if (!m_iconTimer.isActive())
            m_iconTimer.start(0);
        return;
    }
    if (!icon->isNull())
        painter.drawPixmap(rect.left() + kIconLeft,
                           rect.top() + (rect.height() - EntryIcons::kSize) / 2, *icon);
}

// A few lookups per turn of the event loop, so that the menu answers keys and the pointer
// while icons come in.
void LauncherMenu::loadPendingIcons() {
    if (!m_icons)
        m_icons = std::make_unique<EntryIcons>();
    for (int i = 0; i < kIconsPerTurn && !m_pendingIcons.isEmpty(); ++i)
        m_icons->pixmap(m_pendingIcons.takeFirst(), devicePixelRatioF());
    if (!m_pendingIcons.isEmpty())
        m_iconTimer.start(0);
    update();
}

void LauncherMenu::startFilter() {
    QList<FilterItem> items;
    items.reserve(m_rows.size());
    for (const MenuRow& row : std::as_const(m_rows))
        items.append({row.caption, row.target, row.tag == kExitTag});
    m_filterIndex = std::make_unique<FilterIndex>(items);
    m_filter = std::make_unique<MenuFilter>(*m_filterIndex);
    m_allRows = m_rows;
    m_filtering = true;
    setFilterText(QString());
}

void LauncherMenu::stopFilter() {
    m_filtering = false;
    m_filterText.clear();
    m_rows = std::move(m_allRows);
    m_allRows.clear();
    rowsReplaced();
}

void LauncherMenu::rowsReplaced() {
    if (AccessibleLauncherMenu* accessible = existingAccessible(this))
        accessible->forgetRows();
    m_active = -1;
    m_offset = 0;
    layoutRows();
    placeOnScreen();
    update();
}

// The filter line stands in the place of the hidden top separator. An empty filter shows the
// whole menu below it.
void LauncherMenu::setFilterText(const QString& text) {
    m_filterText = text;
    QList<MenuRow> rows{{kFilterLineTag, QString(), true, QString()}};
    if (text.trimmed().isEmpty()) {
        rows += m_allRows.mid(1);
    } else {
        for (int i : m_filter->setText(text))
            rows.append(m_allRows[i]);
        if (rows.size() == 1)
            rows.append({kNoMatchTag, u"No match"_qs, true, QString()});
    }
    m_rows = std::move(rows);
    rowsReplaced();
    if (!text.trimmed().isEmpty())
        moveActive(1);
}

// The keys of the filter; false for those the menu handles as always.
bool LauncherMenu::filterKey(QKeyEvent* event) {
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (!m_filtering) {
        if (event->text() == u"/" || (control && event->key() == Qt::Key_F)) {
            startFilter();
            return true;
        }
        return false;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        stopFilter();
        return true;
    case Qt::Key_Backspace:
        setFilterText(m_filterText.chopped(qMin<qsizetype>(1, m_filterText.size())));
        return true;
    case Qt::Key_Space:
        setFilterText(m_filterText + u' ');
        return true;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || !typed[0].isPrint() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    setFilterText(m_filterText + typed);
    return true;
}

void LauncherMenu::setActiveRow(int row) {
    if (!isSelectable(row))
        row = -1;
    if (row == m_active)
        return;
    update(rowGeometry(m_active));
    m_active = row;
    ensureVisible(row);
    update(rowGeometry(row));
    if (row >= 0 && QAccessible::isActive()) {
        if (AccessibleLauncherMenu* accessible = existingAccessible(this)) {
            QAccessibleEvent focus(accessible->rowInterface(row), QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void LauncherMenu::scrollBy(int pixels) {
    const int limit = qMax(0, m_rowTop.back() - viewportHeight());
    const int offset = qBound(0, m_offset + pixels, limit);
    if (offset == m_offset) {
        m_scrollTimer.stop();
        return;
    }
    m_offset = offset;
    update();
}

void LauncherMenu::ensureVisible(int row) {
    if (row < 0 || !m_scrolls)
        return;
    const int top = m_rowTop[row];
    const int bottom = m_rowTop[row + 1];
    if (top < m_offset)
        scrollBy(top - m_offset);
    else if (bottom > m_offset + viewportHeight())
        scrollBy(bottom - m_offset - viewportHeight());
}

// Moves the highlight `step` selectable rows on; a single step wraps around at the ends, a
// page stops there. From no highlight, forward starts at the top and backward at the bottom.
void LauncherMenu::moveActive(int step) {
    const int count = int(m_rows.size());
    const int direction = step > 0 ? 1 : -1;
    int row = m_active;
    int target = -1;
    int moved = 0;
    for (int visited = 0; visited <= count && moved < std::abs(step); ++visited) {
        row += direction;
        if (row < 0 || row >= count) {
            if (target >= 0 || std::abs(step) > 1)
                break;
            row = row < 0 ? count - 1 : 0;
        }
        if (isSelectable(row)) {
            target = row;
            ++moved;
        }
    }
    if (target >= 0)
        setActiveRow(target);
}

void LauncherMenu::activateEdge(bool last) {
    const int count = int(m_rows.size());
    for (int i = 0; i < count; ++i) {
        const int row = last ? count - 1 - i : i;
        if (isSelectable(row)) {
            setActiveRow(row);
            return;
        }
    }
}

void LauncherMenu::choose(int row) {
    m_chosen = row;
    hide();
}

void LauncherMenu::keyPressEvent(QKeyEvent* event) {
    if (filterKey(event))
        return;
    if (m_filtering && !event->text().isEmpty() && event->text()[0].isPrint())
        return; // no access keys while filtering
    const int page = qMax(1, viewportHeight() / qMax(1, m_itemHeight) - 1);
    switch (event->key()) {
    case Qt::Key_Down:
        moveActive(1);
        return;
    case Qt::Key_Up:
        moveActive(-1);
        return;
    case Qt::Key_PageDown:
        moveActive(page);
        return;
    case Qt::Key_PageUp:
        moveActive(-page);
        return;
    case Qt::Key_Home:
        activateEdge(false);
        return;
    case Qt::Key_End:
        activateEdge(true);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_active >= 0)
            choose(m_active);
        return;
    case Qt::Key_Escape:
        hide();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() != 1 || !typed[0].isPrint() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return;
    QStringList captions;
    QList<bool> selectable;
    captions.reserve(m_rows.size());
    selectable.reserve(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i) {
        captions.append(m_rows[i].caption);
        selectable.append(isSelectable(i));
    }
    const KeyMatch match = matchTypedCharacter(captions, selectable, typed[0], m_active);
    if (match.index < 0)
        return;
    setActiveRow(match.index);
    if (match.chooses)
        choose(match.index);
}

void LauncherMenu::followPointer(QPoint at) {
    const int strip = scrollStripHeight();
    m_scrollStep = 0;
    if (strip > 0 && rect().contains(at)) {
        if (at.y() < strip)
            m_scrollStep = -m_itemHeight;
        else if (at.y() >= height() - strip)
            m_scrollStep = m_itemHeight;
    }
    if (m_scrollStep == 0)
        m_scrollTimer.stop();
    else if (!m_scrollTimer.isActive())
        m_scrollTimer.start();
    if (rect().contains(at))
        setActiveRow(rowAt(at));
}

void LauncherMenu::mouseMoveEvent(QMouseEvent* event) {
    followPointer(event->position().toPoint());
}

void LauncherMenu::leaveEvent(QEvent*) {
    m_scrollTimer.stop();
}

void LauncherMenu::mousePressEvent(QMouseEvent* event) {
    // A press outside closes the menu and, on this platform, goes no further: a press on
    // Start closes it without opening it again.
    if (!rect().contains(event->position().toPoint()))
        hide();
}

void LauncherMenu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    const int row = rowAt(event->position().toPoint());
    if (isSelectable(row))
        choose(row);
}

void LauncherMenu::wheelEvent(QWheelEvent* event) {
    if (m_scrolls)
        scrollBy(-event->angleDelta().y() * 3 * m_itemHeight / 120);
    followPointer(event->position().toPoint());
}
