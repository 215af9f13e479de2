#pragma once

#include "core/config.h"
#include "core/menufile.h"
#include "platform/launcher.h"
#include "skin/skin.h"

#include <QPoint>
#include <QWidget>

class LauncherMenu;
class Notifier;
class PictureButton;
class QDialog;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QTimer;

// The bar: a thin borderless window on top of all others, and the program's main window.
class BarWindow : public QWidget, public BarPlacement {
    Q_OBJECT
public:
    static constexpr int kWidth = 406;
    static constexpr int kHeight = 30;
    static constexpr qreal kTranslucentOpacity = 188.0 / 255.0;
    static constexpr int kTrayWatchInterval = 500; // ms

    explicit BarWindow(QWidget* parent = nullptr);
    ~BarWindow() override;

    // The creation steps that may fail; the caller reports a failure and starts anyway.
    void FormCreate();

    void setSettingsWindow(QDialog* window) { m_settingsWindow = window; }
    void setAboutWindow(QDialog* window) { m_aboutWindow = window; }

    void ConfirmExit();
    // Builds the launcher menu and opens it with keyboard focus, its top-left at the screen
    // point `at` (a point on the bar stands for the whole bar, which it never covers), on its
    // first entry when `fromKeyboard`; returns after it closed and the chosen item's handler ran.
    void openLauncherMenu(QPoint at, bool fromKeyboard = false);

    // Opens the launcher menu with the keyboard in it: under the bar as from Start, or at the
    // pointer while the bar is in the tray.
    void showLauncherMenuFromKeyboard();
    // Opens the target of entry n as read into AppInfo; a failure is told without a dialog,
    // naming the entry.
    bool RunEntry(int n);
    // Restores a hidden bar, or brings the shown one to the front.
    void bringBack();

    int top() const override;
    int left() const override;
    int width() const override { return QWidget::width(); }
    void setTop(int top) override;
    void setLeft(int left) override;
    int primaryScreenWidth() const override;

    bool isTranslucent() const { return m_translucent; }
    QSystemTrayIcon* tray() const { return m_tray; }
    QMenu* trayMenu() const { return m_trayMenu; }
    LauncherMenu* launcherMenu() const { return m_launcherMenu; }
    const Skin& skin() const { return m_skin; }

    void setVisible(bool visible) override;

signals:
    // The bar has closed and stored its place: the program ends.
    void closed();

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
    void FormMouseDown(Qt::MouseButton button, QPoint at);
    void FormMouseMove(Qt::MouseButtons buttons, QPoint globalAt);
    void FormMouseUp(Qt::MouseButton button);
    void ApplyBarTiles();
    void ImgMenuMouseUp(Qt::MouseButton button, int x, int y);
    QPoint menuCorner() const;
    void BuildMenu();
    void prepareLauncherMenu();
    void MenuItemClick(int tag);
    void ImgAboutMouseUp(Qt::MouseButton button, int x, int y);
    void ImgSettingsMouseUp(Qt::MouseButton button, int x, int y);
    void ImgCloseMouseUp(Qt::MouseButton button, int x, int y);
    void Tray1Click();
    void mnuAboutClick();
    void AppActivate();
    void AppDeactivate();
    QPoint primaryOrigin() const;

    QLabel* lblCaption;
    PictureButton* ImgMenu;
    PictureButton* ImgClose;
    PictureButton* ImgSettings;
    PictureButton* ImgAbout;
    LauncherMenu* m_launcherMenu;
    MenuCaptionReader m_menuCaptions;
    QSystemTrayIcon* m_tray;
    QMenu* m_trayMenu;
    QTimer* m_trayWatch;
    Notifier* m_notifier;
    Skin m_skin;
    QDialog* m_settingsWindow = nullptr;
    QDialog* m_aboutWindow = nullptr;
    bool m_placed = false;
    bool m_menuPrepared = false;
    bool m_translucent = false;
    enum class Drag { None, ByWindowManager, BySelf };
    Drag m_drag = Drag::None;
    QPoint m_pressedAt; // where the left button went down, in bar coordinates
};

// Opens a menu entry's target; false when nothing could be started. Why a launch failed
// reaches `onFailure`, possibly later.
bool RunProgram(const QString& file, const LaunchFailure& onFailure = {});

// The one instance, made by the start-up sequence.
extern BarWindow* frmmain;
