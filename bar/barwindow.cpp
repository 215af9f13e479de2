// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/barwindow.h"

#include "bar/barlogic.h"
#include "bar/barmessage.h"
#include "bar/bartray.h"
#include "bar/launchermenu.h"
#include "bar/menulogic.h"
#include "bar/picturebutton.h"
#include "core/appdir.h"
#include "core/error.h"
#include "core/menufile.h"
#include "core/programfiles.h"
#include "desktopentry/newentries.h"
#include "platform/launcher.h"
#include "platform/notifier.h"
#include "skin/skincolor.h"
#include "widgets/dialogs.h"
#include "widgets/errorbox.h"
#include "widgets/pngpicture.h"
#include "widgets/uifont.h"
#include "x11/desktopwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QDebug>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>
#include <limits>

namespace {

// Qt hands the X server no size above 128, and a tray icon is smaller still.
QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128})
        icon.addPixmap(pngPicture(QStringLiteral(":/icons/larkspan-%1.png").arg(size)));
    return icon;
}

QPixmap builtinPicture(const char* name) {
    return pngPicture(QStringLiteral(":/builtin/%1.png").arg(QLatin1String(name)));
}

} // namespace

BarWindow::BarWindow(ProgramFiles& files, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_files(files) {
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("Larkspan"));
    setFixedSize(kWidth, kHeight);
    setFont(uiFont(12));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(226, 198, 255));
    setPalette(background);
    setAutoFillBackground(true);
    setAcceptDrops(true);

    m_caption = new QLabel(QStringLiteral("LARKSPAN"), this);
    m_caption->setObjectName(QStringLiteral("lblCaption"));
    m_caption->setFont(uiFont(13));
    m_caption->move(36, 5);
    m_caption->setFixedHeight(17);
    m_caption->adjustSize();
    m_caption->setFixedHeight(17);
    m_caption->installEventFilter(this);

    const auto button = [this](const char* name, const QString& tip, const char* picture, int x) {
        auto* b = new PictureButton(tip, this);
        b->setObjectName(QLatin1String(name));
        b->setPicture(builtinPicture(picture));
        b->move(x, 0);
        return b;
    };
    //: Tooltip of the bar's button that opens the menu of entries
    m_startButton = button("ImgMenu", tr("Start"), "start", 0);
    m_minimizeButton = button("ImgClose", tr("Minimize"), "minimize", 376);
    //: Tooltip of the bar's button that opens the Settings window
    m_customizeButton = button("ImgSettings", tr("Customize"), "customize", 346);
    m_aboutButton = button("ImgAbout", tr("About"), "about", 316);
    connect(m_startButton, &PictureButton::released, this, &BarWindow::startReleased);
    connect(m_aboutButton, &PictureButton::released, this, &BarWindow::aboutReleased);
    connect(m_customizeButton, &PictureButton::released, this, &BarWindow::customizeReleased);
    connect(m_minimizeButton, &PictureButton::released, this, &BarWindow::minimizeReleased);

    m_launcherMenu = new LauncherMenu(this);
    m_launcherMenu->setFilterWeights(
        [this](const QList<MenuRow>& rows) { return filterWeights(rows); });
    m_tray = new BarTray(this);
    m_notifier = new Notifier(
        m_tray->icon(),
        [this](const QString& summary, const QString& body) {
            showBarMessage(this, summary, body);
        },
        this);
    connect(m_tray, &BarTray::restoreRequested, this, &BarWindow::restoreFromTray);
    connect(m_tray, &BarTray::aboutRequested, this, &BarWindow::showAbout);
    connect(m_tray, &BarTray::exitRequested, this, &BarWindow::ConfirmExit);

    DesktopWindow::watchActivation(this, [this](bool active) {
        if (active)
            becameActive();
        else
            becameInactive();
    });
    // The icon's seven sizes cost more to decode and hand to the X server than the rest of the
    // bar's first showing, and nobody sees them before the bar is up.
    QTimer::singleShot(0, this, [this] {
        setWindowIcon(programIcon());
        m_tray->icon()->setIcon(windowIcon());
    });
}

BarWindow::~BarWindow() = default;

void BarWindow::loadFiles() {
    m_tray->icon()->setToolTip(QStringLiteral("Larkspan"));
    const QScreen* primary = QGuiApplication::primaryScreen();
    placeAt(m_files.config().load(primary ? primary->geometry().width() : 0, width()));
    m_files.useMenuFile(m_files.config().menuFileName());
    LoadSkin(m_files.config().skinFolder(), m_skin, [this](TColor color) {
        QPalette p = m_caption->palette();
        p.setColor(QPalette::WindowText, toQColor(color));
        m_caption->setPalette(p);
    });
    applyBarTiles();
}

void BarWindow::applyBarTiles() {
    PictureButton* const buttons[] = {m_startButton, m_aboutButton, m_customizeButton,
                                      m_minimizeButton};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setPicture(QPixmap::fromImage(GetBarTile(m_skin.bar, i)));
    m_tiledArea = rect();
    repaint();
}

void BarWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBarBackground(painter, m_skin.bar, m_tiledArea);
    // Once the bar is on screen, the menu file is read and its rows measured, so that the
    // first opening costs what a later one does; an opening still reads the file again.
    if (!m_menuPrepared) {
        m_menuPrepared = true;
        QTimer::singleShot(0, this, &BarWindow::prepareLauncherMenu);
    }
}

void BarWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void BarWindow::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    // After the drop has ended, so that an error box does not hold up the program it came from.
    QTimer::singleShot(0, this, [this, urls = event->mimeData()->urls()] {
        reportingErrors([&] {
            const QList<MenuEntry> entries = entriesForDroppedUrls(urls);
            // Not before the start-up has read which menu file is in use.
            if (!m_files.menu().fileName().isEmpty() && !entries.isEmpty())
                // Settings selects the last entry, the one added, when the drop is redone.
                m_files.appendToMenu(entries, 0, std::numeric_limits<int>::max());
        });
    });
}

namespace {
QPoint primaryOrigin() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? primary->geometry().topLeft() : QPoint();
}
} // namespace

BarPosition BarWindow::position() const {
    const QPoint at = pos() - primaryOrigin();
    return {at.y(), at.x()};
}

void BarWindow::placeAt(const BarPosition& position) {
    move(primaryOrigin() + QPoint(position.left, position.top));
}

void BarWindow::setVisible(bool visible) {
    if (visible && !isVisible()) {
        if (!m_placed) {
            // The stored place is kept in the file; only what is shown is corrected.
            moveIntoWorkArea();
            m_placed = true;
        }
        winId();
        DesktopWindow::markAsDockedBar(windowHandle());
    }
    QWidget::setVisible(visible);
    if (visible)
        DesktopWindow::requestDockedBarStates(windowHandle());
}

void BarWindow::moveIntoWorkArea() {
    QList<QRect> workAreas;
    for (const QScreen* screen : QGuiApplication::screens())
        workAreas.append(screen->availableGeometry());
    move(keepInWorkArea(geometry(), workAreas));
}

void BarWindow::closeEvent(QCloseEvent* event) {
    // A place that cannot be stored is reported, but never keeps the user from quitting; the
    // old file stays as it was.
    reportingErrors([this] { m_files.config().storeBarPosition(position()); });
    event->accept();
    emit closed();
}

void BarWindow::ConfirmExit() {
    const auto answer =
        Dialogs::show(this, {QMessageBox::Question, tr("Confirm"), tr("Close Larkspan?"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes});
    if (answer == QMessageBox::Yes)
        close();
}

void BarWindow::dragPress(Qt::MouseButton button, QPoint at, QPoint globalAt) {
    if (button != Qt::LeftButton)
        return;
    m_drag = Drag::Pressed;
    m_pressedAt = at;
    m_pressedOnScreen = globalAt;
}

void BarWindow::dragMove(Qt::MouseButtons buttons, QPoint globalAt) {
    if (!(buttons & Qt::LeftButton))
        return;
    // A window manager given the move at the press snaps the bar or swallows the next click
    // when the pointer never moves.
    if (m_drag == Drag::Pressed) {
        if ((globalAt - m_pressedOnScreen).manhattanLength() < QApplication::startDragDistance())
            return;
        // The manager moves the bar from where the pointer is when it takes over, which may be
        // past this event: the bar must not lag behind it.
        move(QCursor::pos() - m_pressedAt);
        if (windowHandle() && windowHandle()->startSystemMove()) {
            m_drag = Drag::ByWindowManager;
            DesktopWindow::whenMoveEnds(windowHandle(), this, [this] {
                if (m_drag == Drag::ByWindowManager)
                    endDrag();
            });
            return;
        }
        m_drag = Drag::BySelf;
    } else if (m_drag == Drag::BySelf)
        move(globalAt - m_pressedAt);
}

void BarWindow::dragRelease(Qt::MouseButton button) {
    if (button != Qt::LeftButton)
        return;
    // A release that reaches us came before the manager's move began: cancelled, it cannot
    // drag the bar after the pointer and swallow the next click. Storing the place is left to
    // the move's watch, which waits until the bar's final place is known here.
    if (m_drag == Drag::ByWindowManager) {
        DesktopWindow::cancelMove(windowHandle());
        return;
    }
    if (m_drag == Drag::BySelf)
        endDrag();
    m_drag = Drag::None;
}

void BarWindow::endDrag() {
    m_drag = Drag::None;
    moveIntoWorkArea();
    reportingErrors([this] { m_files.config().storeBarPosition(position()); });
}

void BarWindow::mousePressEvent(QMouseEvent* event) {
    dragPress(event->button(), event->position().toPoint(), event->globalPosition().toPoint());
}

void BarWindow::mouseMoveEvent(QMouseEvent* event) {
    dragMove(event->buttons(), event->globalPosition().toPoint());
}

void BarWindow::mouseReleaseEvent(QMouseEvent* event) {
    dragRelease(event->button());
}

bool BarWindow::eventFilter(QObject* watched, QEvent* event) {
    // A press on the caption drags like one on the bar.
    if (watched != m_caption)
        return QWidget::eventFilter(watched, event);
    // Only mouse events are QMouseEvents: cast once the type is known.
    const auto mouse = [event] { return static_cast<QMouseEvent*>(event); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        dragPress(mouse()->button(), m_caption->mapToParent(mouse()->position().toPoint()),
                  mouse()->globalPosition().toPoint());
        return true;
    case QEvent::MouseMove:
        dragMove(mouse()->buttons(), mouse()->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        dragRelease(mouse()->button());
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void BarWindow::startReleased(Qt::MouseButton button, int x, int y) {
    if (IsReleaseInside(m_startButton->size(), button, x, y))
        openLauncherMenu(menuCorner());
}

QPoint BarWindow::menuCorner() const {
    return mapToGlobal(QPoint(m_startButton->x(), m_startButton->y() + m_startButton->height()));
}

void BarWindow::prepareLauncherMenu() {
    buildLauncherMenu();
    m_launcherMenu->setLook({font(), m_skin.menu, m_skin.colors});
    m_launcherMenu->settleItems();
}

void BarWindow::openLauncherMenu(QPoint at, bool fromKeyboard) {
    // One opening at a time: the open one's rows stand until it has returned its choice.
    if (m_launcherMenu->isOpen())
        return;
    prepareLauncherMenu();
    // A keyboard user starts on the first entry, as after pressing Down.
    if (fromKeyboard)
        for (int row = 0; row < m_launcherMenu->rows().size(); ++row)
            if (m_launcherMenu->isSelectable(row)) {
                m_launcherMenu->setActiveRow(row);
                break;
            }
    // A point on the bar or on its lower edge stands for the whole bar, which the menu then
    // opens below or above without covering it.
    const QRect bar = frameGeometry();
    QRect anchor(at, QSize(0, 0));
    if (bar.adjusted(0, 0, 0, 1).contains(at))
        anchor = QRect(at.x(), bar.top(), 0, bar.height());
    const int chosen = m_launcherMenu->exec(anchor);
    if (chosen >= 0)
        chooseMenuItem(m_launcherMenu->rows()[chosen].tag);
}

void BarWindow::showLauncherMenuFromKeyboard() {
    // Asked again while it is open, it closes, as on a second press on Start.
    if (m_launcherMenu->isOpen()) {
        m_launcherMenu->hide();
        return;
    }
    if (isVisible()) {
        raise();
        activateWindow();
        openLauncherMenu(menuCorner(), true);
    } else {
        openLauncherMenu(QCursor::pos(), true);
    }
}

void BarWindow::bringBack() {
    if (isVisible()) {
        raise();
        activateWindow();
    } else {
        restoreFromTray();
    }
}

void BarWindow::buildLauncherMenu() {
    // Without a menu file (a failed start) the menu holds "Exit" alone.
    // The targets give the rows their icons and are searched by the filter.
    QStringList targets;
    const QStringList captions = m_menuCaptions.read(m_files.menu(), &targets);
    m_builtCaptions = captions;
    m_builtTargets = targets;
    if (m_launcherMenu->keepBuildOf(captions, targets))
        return;
    m_launcherMenu->AddMenuItem(LauncherMenu::kTopSeparatorTag, QStringLiteral("-"));
    for (int k = 0; k < captions.size(); ++k)
        m_launcherMenu->AddMenuItem(k + 1, captions[k], targets.value(k));
    m_launcherMenu->AddMenuItem(LauncherMenu::kExitSeparatorTag, QStringLiteral("-"));
    //: Last item of the launcher menu: ends the program
    m_launcherMenu->AddMenuItem(LauncherMenu::kExitTag, tr("Exit"));
}

void BarWindow::chooseMenuItem(int tag) {
    const MenuEntry entry = m_files.menu().entry(tag);
    emit menuItemChosen(tag, entry);
    if (tag == LauncherMenu::kExitTag) {
        ConfirmExit();
        return;
    }
    if (openEntry(tag, entry))
        recordChoice(entry);
}

QList<MenuEntry> BarWindow::builtEntries() const {
    QList<MenuEntry> entries;
    entries.reserve(m_builtCaptions.size());
    for (qsizetype k = 0; k < m_builtCaptions.size(); ++k)
        entries.append({m_builtCaptions[k], m_builtTargets.value(k)});
    return entries;
}

// Rows that are no entry (separators, "Exit") weigh nothing: the filter never ranks them.
QList<double> BarWindow::filterWeights(const QList<MenuRow>& rows) {
    const QList<double> scores =
        m_files.launchHistory().scores(builtEntries(), QDateTime::currentSecsSinceEpoch());
    QList<double> weights;
    weights.reserve(rows.size());
    for (const MenuRow& row : rows)
        weights.append(scores.value(row.tag - 1));
    return weights;
}

// After the launch, never in its way: the ranking is a convenience, so a history that cannot
// be written is only logged.
void BarWindow::recordChoice(const MenuEntry& entry) {
    try {
        m_files.launchHistory().recordChoice(entry, builtEntries(),
                                             QDateTime::currentSecsSinceEpoch());
    } catch (const LarkspanError& e) {
        qWarning().noquote() << e.message();
    }
}

bool BarWindow::openEntry(int n, const MenuEntry& entry) {
    const QString caption = withoutAccessMarks(entry.caption);
    //: Names a menu entry without a caption in a notification; %1 is its number
    const QString name = caption.isEmpty() ? tr("entry %1").arg(n) : caption;
    return openTarget(entry.target, [notifier = QPointer(m_notifier), name](const QString& why) {
        if (notifier)
            notifyLaunchFailure(*notifier, name, why);
    });
}

void BarWindow::aboutReleased(Qt::MouseButton button, int x, int y) {
    if (IsReleaseInside(m_aboutButton->size(), button, x, y))
        showAbout();
}

void BarWindow::customizeReleased(Qt::MouseButton button, int x, int y) {
    if (IsReleaseInside(m_customizeButton->size(), button, x, y) && m_settingsWindow)
        m_settingsWindow->exec();
}

void BarWindow::minimizeReleased(Qt::MouseButton button, int x, int y) {
    if (!IsReleaseInside(m_minimizeButton->size(), button, x, y))
        return;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        Dialogs::show(this, {QMessageBox::Information, tr("Information"),
                             tr("There is no notification area to hide the bar into."),
                             QMessageBox::Ok, QMessageBox::Ok});
        return;
    }
    hide();
    m_tray->showIcon();
}

void BarWindow::restoreFromTray() {
    m_tray->hideIcon();
    show();
    raise();
    activateWindow();
}

void BarWindow::showAbout() {
    if (m_aboutWindow)
        m_aboutWindow->exec();
}

// The opacity goes straight to the window's property: Qt applies its own setting only when
// the window is created, and writing both makes them race.
void BarWindow::becameActive() {
    m_translucent = false;
    DesktopWindow::setOpacity(windowHandle(), 1.0);
    update();
}

void BarWindow::becameInactive() {
    m_translucent = true;
    winId();
    DesktopWindow::setOpacity(windowHandle(), kTranslucentOpacity);
}

QSystemTrayIcon* BarWindow::tray() const {
    return m_tray->icon();
}

QMenu* BarWindow::trayMenu() const {
    return m_tray->menu();
}
