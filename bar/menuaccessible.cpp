// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/menuaccessible.h"

#include "bar/launchermenu.h"
#include "bar/menulogic.h"
#include "core/menufile.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

namespace {

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

void installLauncherMenuAccessibility() {
    static const bool installed = (QAccessible::installFactory(launcherMenuAccessible), true);
    Q_UNUSED(installed);
}

void forgetAccessibleRows(LauncherMenu* menu) {
    if (AccessibleLauncherMenu* accessible = existingAccessible(menu))
        accessible->forgetRows();
}

void announceActiveRow(LauncherMenu* menu, int row) {
    if (row < 0 || !QAccessible::isActive())
        return;
    if (AccessibleLauncherMenu* accessible = existingAccessible(menu)) {
        QAccessibleEvent focus(accessible->rowInterface(row), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void announcePopup(LauncherMenu* menu, bool opened) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(menu, opened ? QAccessible::PopupMenuStart : QAccessible::PopupMenuEnd);
    QAccessible::updateAccessibility(&event);
}
