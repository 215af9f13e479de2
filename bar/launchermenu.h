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

    // Destroys the items of the last build.
    void clearItems();
    void AddMenuItem(int tag, const QString& caption);
    // The access-key rule, then the separator rule, over the items just built.
    void settleItems();

    static int tagOf(const QAction* action);
    const MenuLook& look() const { return m_look; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MenuLook m_look;
};
