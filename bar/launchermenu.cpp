#include "bar/launchermenu.h"

#include "bar/menulogic.h"
#include "core/menufile.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

// Lets the skin draw every item while the platform's style measures them.
class LauncherMenuStyle : public QProxyStyle {
public:
    explicit LauncherMenuStyle(const LauncherMenu* menu) : m_menu(menu) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuItem || !item || widget != m_menu) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
        const bool selected = !separator && (item->state & State_Selected);
        DrawMenuItem(*painter, item->rect, separator ? QStringLiteral("-") : item->text, selected,
                     m_menu->look());
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        // The items cover the menu; only the scroll arrows' strips show this background.
        if ((element == PE_PanelMenu || element == PE_FrameMenu) && widget == m_menu) {
            if (!m_menu->look().background.isNull())
                painter->fillRect(option->rect, QBrush(m_menu->look().background));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (widget == m_menu &&
            (metric == PM_MenuPanelWidth || metric == PM_MenuHMargin || metric == PM_MenuVMargin))
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        // A menu taller than the screen scrolls rather than running off it.
        if (hint == SH_Menu_Scrollable && widget == m_menu)
            return true;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    const LauncherMenu* m_menu;
};

} // namespace

LauncherMenu::LauncherMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("PopupMenu1"));
    // Items are measured in the platform's menu font and drawn in the bar's.
    setFont(QApplication::font("QMenu"));
    auto* style = new LauncherMenuStyle(this);
    style->setParent(this);
    setStyle(style);
    setLayoutDirection(Qt::LeftToRight);
}

void LauncherMenu::clearItems() {
    m_built.clear();
}

void LauncherMenu::AddMenuItem(int tag, const QString& caption) {
    m_built.append({tag, caption});
}

int LauncherMenu::tagOf(const QAction* action) {
    return action ? action->data().toInt() : 0;
}

void LauncherMenu::settleItems() {
    QStringList captions;
    captions.reserve(m_built.size());
    for (const auto& item : std::as_const(m_built))
        captions.append(item.second);
    const QStringList keyed = applyAccessKeys(captions);
    const QList<bool> visible = visibleBySeparatorRule(captions);
    while (m_items.size() > m_built.size())
        delete m_items.takeLast();
    while (m_items.size() < m_built.size()) {
        m_items.append(new QAction(this));
        addAction(m_items.back());
    }
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        QAction* action = m_items[i];
        action->setSeparator(IsSeparator(captions[i]));
        action->setText(keyed[i]);
        action->setData(m_built[i].first);
        action->setVisible(visible[i]);
    }
}

void LauncherMenu::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool plainCharacter = typed.size() == 1 && typed[0].isPrint() &&
                                !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!plainCharacter) {
        QMenu::keyPressEvent(event);
        return;
    }
    const QList<QAction*> items = actions();
    QStringList captions;
    QList<bool> selectable;
    for (const QAction* action : items) {
        captions.append(action->text());
        selectable.append(action->isVisible() && !action->isSeparator() && action->isEnabled());
    }
    const KeyMatch match =
        matchTypedCharacter(captions, selectable, typed[0], int(items.indexOf(activeAction())));
    if (match.index < 0)
        return;
    setActiveAction(items[match.index]);
    if (match.chooses) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QMenu::keyPressEvent(&enter);
    }
}
