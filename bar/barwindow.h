// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/config.h"
#include "core/menufile.h"
#include "platform/launcher.h"
#include "skin/skin.h"

#include <QPoint>
#include <QWidget>

class BarTray;
class LauncherMenu;
struct MenuRow;
class Notifier;
class PictureButton;
class QDialog;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class ProgramFiles;
class QTimer;

// The bar: a thin borderless window on top of all others, and the program's main window.
class BarWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 406;
    static constexpr int kHeight = 30;
    static constexpr qreal kTranslucentOpacity = 188.0 / 255.0;

    // The bar reads and writes `files`, which must outlive it.
    explicit BarWindow(ProgramFiles& files, QWidget* parent = nullptr);
    ~BarWindow() override;

    // The creation steps that may fail: the configuration, the bar's place, the menu file in
    // use and the skin. The caller reports a failure and starts anyway; the steps after the
    // failing one are skipped.
    void loadFiles();

    void setSettingsWindow(QDialog* window) { m_settingsWindow = window; }
    void setAboutWindow(QDialog* window) { m_aboutWindow = window; }

    void ConfirmExit();
    // Builds the launcher menu and opens it with keyboard focus, its top-left at the screen
    // point `at` (a point on the bar stands for the whole bar, which it never covers), on its
    // first entry when `fromKeyboard`; returns after it closed and the chosen item's handler ran.
    // While it is open, nothing happens.
    void openLauncherMenu(QPoint at, bool fromKeyboard = false);

    // Opens the launcher menu with the keyboard in it: under the bar as from Start, or at the
    // pointer while the bar is in the tray; closes it when it is open.
    void showLauncherMenuFromKeyboard();
    // Opens the target of entry n; a failure is told without a dialog, naming the entry.
    bool openEntry(int n, const MenuEntry& entry);
    // Restores a hidden bar, or brings the shown one to the front.
    void bringBack();

    BarPosition position() const;
    void placeAt(const BarPosition& position);

    bool isTranslucent() const { return m_translucent; }
    QSystemTrayIcon* tray() const;
    QMenu* trayMenu() const;
    LauncherMenu* launcherMenu() const { return m_launcherMenu; }
    const Skin& skin() const { return m_skin; }

    void setVisible(bool visible) override;

signals:
    // The bar has closed and stored its place: the program ends.
    void closed();
    // An item of the launcher menu was chosen: `entry` is what the menu file holds for `tag`,
    // read before the item's handler runs.
    void menuItemChosen(int tag, const MenuEntry& entry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dragPress(Qt::MouseButton button, QPoint at, QPoint globalAt);
    void dragMove(Qt::MouseButtons buttons, QPoint globalAt);
    void dragRelease(Qt::MouseButton button);
    // Keeps the bar clear of panels and stores where it stands.
    void endDrag();
    void moveIntoWorkArea();
    void applyBarTiles();
    void startReleased(Qt::MouseButton button, int x, int y);
    QPoint menuCorner() const;
    void buildLauncherMenu();
    void prepareLauncherMenu();
    void chooseMenuItem(int tag);
    QList<MenuEntry> builtEntries() const;
    QList<double> filterWeights(const QList<MenuRow>& rows);
    void recordChoice(const MenuEntry& entry);
    void aboutReleased(Qt::MouseButton button, int x, int y);
    void customizeReleased(Qt::MouseButton button, int x, int y);
    void minimizeReleased(Qt::MouseButton button, int x, int y);
    void restoreFromTray();
    void showAbout();
    void becameActive();
    void becameInactive();

    ProgramFiles& m_files;
    QLabel* m_caption;
    PictureButton* m_startButton;
    PictureButton* m_minimizeButton;
    PictureButton* m_customizeButton;
    PictureButton* m_aboutButton;
    LauncherMenu* m_launcherMenu;
    MenuCaptionReader m_menuCaptions;
    // The menu file's entries the launcher menu was last built from.
    QStringList m_builtCaptions;
    QStringList m_builtTargets;
    BarTray* m_tray;
    Notifier* m_notifier;
    Skin m_skin;
    QRect m_tiledArea; // where the skin's background tile is painted, once the skin is loaded
    QDialog* m_settingsWindow = nullptr;
    QDialog* m_aboutWindow = nullptr;
    bool m_placed = false;
    bool m_menuPrepared = false;
    bool m_translucent = false;
    enum class Drag { None, Pressed, ByWindowManager, BySelf };
    Drag m_drag = Drag::None;
    QPoint m_pressedAt; // where the left button went down, in bar coordinates
    QPoint m_pressedOnScreen;
};
