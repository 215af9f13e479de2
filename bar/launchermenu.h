#pragma once

#include "bar/menudrawing.h"

#include <QMenu>

// The Start button's pop-up menu: items drawn in the skin, access keys and separators
// settled each time it opens.
class LauncherMenu : public QMenu {
    Q_OBJECT
public:
    static constexpr int kTopSeparatorTag = 1024;
    static constexpr int kExitSeparatorTag = 1025;
    static constexpr int kExitTag = 1026;

    explicit LauncherMenu(QWidget* parent);
    void setLook(const MenuLook& look) { m_look = look; }

    // Starts a build: the items of the last build are replaced by those added next.
    void clearItems();
    void AddMenuItem(int tag, const QString& caption);
    // Ends a build (items the last build had beyond this one's go), then applies the
    // access-key rule and the separator rule to the items just built.
    void settleItems();

    static int tagOf(const QAction* action);
    const MenuLook& look() const { return m_look; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MenuLook m_look;
    // The items of the build under way; settling puts them into the menu's actions, which
    // are reused from one build to the next: an item that comes out the same costs nothing,
    // so a large menu is not laid out anew at every opening.
    QList<std::pair<int, QString>> m_built;
    QList<QAction*> m_items;
};
