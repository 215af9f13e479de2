// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/launchermenu.h"

#include "bar/menuaccessible.h"
#include "bar/menulogic.h"
#include "platform/entryicons.h"
#include "x11/desktopwindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QWindow>

namespace {

constexpr int kScrollInterval = 50; // ms per row while the pointer rests on a scroll strip

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

} // namespace

LauncherMenu::LauncherMenu(QWidget* parent) : QWidget(parent, Qt::Popup) {
    setObjectName(QStringLiteral("m_launcherMenu"));
    installLauncherMenuAccessibility();
    // Items are measured in the platform's menu font and drawn in the bar's.
    setFont(QApplication::font("QMenu"));
    setLayoutDirection(Qt::LeftToRight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_X11NetWmWindowTypePopupMenu);
    const QFontMetrics fm = fontMetrics();
    QStyleOptionMenuItem item = itemOption(this, QStyleOptionMenuItem::Normal);
    const int itemHeight =
        style()->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(0, fm.height()), this).height();
    QStyleOptionMenuItem separator = itemOption(this, QStyleOptionMenuItem::Separator);
    const int separatorHeight =
        style()->sizeFromContents(QStyle::CT_MenuItem, &separator, QSize(2, 2), this).height();
    m_rows = MenuRows(
        [this](const QString& caption) {
            return fontMetrics().size(Qt::TextShowMnemonic, caption).width();
        },
        itemHeight, separatorHeight);
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
    if (m_filter.isActive())
        m_rows.setRows(m_filter.stop());
    m_filter.reset();
    m_rows.clear();
}

bool LauncherMenu::keepBuildOf(const QStringList& captions, const QStringList& targets) {
    clearItems();
    return m_rows.keepBuildOf(captions, targets);
}

void LauncherMenu::AddMenuItem(int tag, const QString& caption, const QString& target) {
    m_rows.add(tag, caption, target);
}

void LauncherMenu::settleItems() {
    if (m_rows.settle()) {
        const QFontMetrics fm = fontMetrics();
        QStyleOptionMenuItem item = itemOption(this, QStyleOptionMenuItem::Normal);
        m_rowWidth = style()
                         ->sizeFromContents(QStyle::CT_MenuItem, &item,
                                            QSize(m_rows.widestText(), fm.height()), this)
                         .width();
    }
    forgetAccessibleRows(this);
    m_active = -1;
    m_activeByPointer = false;
    m_offset = 0;
}

int LauncherMenu::exec(const QRect& anchor) {
    // A second loop would take m_loop from the first, which then never ends until the program
    // does, and returns its choice a second time.
    if (m_loop)
        return -1;
    m_anchor = anchor;
    m_chosen = -1;
    placeOnScreen();
    QEventLoop loop;
    m_loop = &loop;
    DesktopWindow::mapPopupAtOnce(windowHandle(), geometry());
    show();
    announcePopup(this, true);
    const QPointer<LauncherMenu> alive(this);
    loop.exec();
    return alive ? m_chosen : -1; // destroyed while open (the bar went): nothing is chosen
}

void LauncherMenu::hideEvent(QHideEvent* event) {
    m_scrollTimer.stop();
    announcePopup(this, false);
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
        placeMenu(QSize(m_rowWidth, m_rows.height()), m_anchor, screen->geometry());
    m_scrolls = placed.height() < m_rows.height();
    setGeometry(placed);
}

int LauncherMenu::scrollStripHeight() const {
    return m_scrolls ? style()->pixelMetric(QStyle::PM_MenuScrollerHeight, nullptr, this) : 0;
}

// The filter line is row 0 of the filter's rows.
int LauncherMenu::pinnedHeight() const {
    return m_filter.isActive() ? m_rows.bottom(0) : 0;
}

// From the top: the pinned filter line, a scroll strip, the viewport, a scroll strip. A row
// below the pinned one at content offset y shows at strip + y - m_offset.
int LauncherMenu::viewportHeight() const {
    return height() - pinnedHeight() - 2 * scrollStripHeight();
}

QRect LauncherMenu::rowGeometry(int row) const {
    if (row < 0 || row >= m_rows.size() || !rows()[row].visible)
        return QRect();
    if (row == 0 && pinnedHeight() > 0)
        return QRect(0, 0, width(), pinnedHeight());
    return QRect(0, scrollStripHeight() + m_rows.top(row) - m_offset, width(),
                 m_rows.bottom(row) - m_rows.top(row));
}

int LauncherMenu::rowAt(QPoint at) const {
    if (!rect().contains(at))
        return -1;
    const int pinned = pinnedHeight();
    if (at.y() < pinned)
        return 0;
    const int strip = scrollStripHeight();
    const int y = at.y() - strip + m_offset;
    if (at.y() < pinned + strip || at.y() >= height() - strip || y >= m_rows.height())
        return -1;
    return m_rows.rowAt(y);
}

void LauncherMenu::scrollBy(int pixels) {
    const int limit = qMax(0, m_rows.height() - pinnedHeight() - viewportHeight());
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
    const int top = m_rows.top(row) - pinnedHeight();
    const int bottom = m_rows.bottom(row) - pinnedHeight();
    if (top < m_offset)
        scrollBy(top - m_offset);
    else if (bottom > m_offset + viewportHeight())
        scrollBy(bottom - m_offset - viewportHeight());
}

void LauncherMenu::setActiveRow(int row) {
    highlight(row, false);
}

void LauncherMenu::highlight(int row, bool byPointer) {
    if (!isSelectable(row))
        row = -1;
    m_activeByPointer = byPointer && row >= 0;
    if (row == m_active)
        return;
    update(rowGeometry(m_active));
    m_active = row;
    ensureVisible(row);
    update(rowGeometry(row));
    announceActiveRow(this, row);
}

void LauncherMenu::startFilter() {
    m_filter.start(rows(), m_filterWeights ? m_filterWeights(rows()) : QList<double>());
    setFilterText(QString());
}

void LauncherMenu::stopFilter() {
    m_rows.setRows(m_filter.stop());
    rowsReplaced();
}

void LauncherMenu::rowsReplaced() {
    forgetAccessibleRows(this);
    m_active = -1;
    m_activeByPointer = false;
    m_offset = 0;
    m_rows.layOut();
    placeOnScreen();
    update();
}

void LauncherMenu::setFilterText(const QString& text) {
    m_rows.setRows(m_filter.rowsFor(text));
    rowsReplaced();
    if (!text.trimmed().isEmpty())
        moveActive(1);
}
