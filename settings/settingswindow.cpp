#include "settings/settingswindow.h"

#include "core/appdir.h"
#include "core/menufile.h"
#include "core/tools.h"
#include "desktopentry/newentries.h"
#include "settings/entrydialog.h"
#include "settings/applicationpicker.h"
#include "settings/referencelists.h"
#include "settings/settingslogic.h"
#include "settings/settingswidgets.h"
#include "widgets/bevelline.h"
#include "widgets/dialogs.h"
#include "widgets/errorbox.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QToolButton>
#include <limits>

SettingsWindow* FrmSettings = nullptr;

namespace {

const QString kMenuFilter = QStringLiteral("My Menu Files(*.ini)|*.ini");

class FixedLineHeight : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 15};
    }
};

} // namespace

MenuEntryList::MenuEntryList(QWidget* parent) : QListWidget(parent) {
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setItemDelegate(new FixedLineHeight(this));
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
}

int MenuEntryList::selectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.constFirst());
}

QItemSelectionModel::SelectionFlags MenuEntryList::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event) == QItemSelectionModel::NoUpdate
               ? QItemSelectionModel::NoUpdate
               : QItemSelectionModel::ClearAndSelect;
}

void MenuEntryList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        emit deletePressed();
        return;
    }
    const bool up = event->key() == Qt::Key_Up;
    if ((up || event->key() == Qt::Key_Down) && event->modifiers() == Qt::AltModifier) {
        const int row = selectedRow();
        const int to = row + (up ? -1 : 1);
        if (row >= 0 && to >= 0 && to < count())
            emit moveRequested(row, to);
        return;
    }
    QListWidget::keyPressEvent(event);
}

void MenuEntryList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    m_pressedAt =
        event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid()
            ? std::optional(event->position().toPoint())
            : std::nullopt;
}

// The drag starts at the first move past the drag distance, whatever the selection did.
void MenuEntryList::mouseMoveEvent(QMouseEvent* event) {
    if (m_pressedAt && (event->buttons() & Qt::LeftButton)) {
        if ((event->position().toPoint() - *m_pressedAt).manhattanLength() >=
            QApplication::startDragDistance()) {
            m_pressedAt.reset();
            // Not the view's own drag, which takes a line out when it ends as a move.
            auto* drag = new QDrag(this);
            drag->setMimeData(model()->mimeData(selectedIndexes()));
            drag->exec(Qt::MoveAction);
        }
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void MenuEntryList::mouseReleaseEvent(QMouseEvent* event) {
    m_pressedAt.reset();
    QListWidget::mouseReleaseEvent(event);
}

void MenuEntryList::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != this && event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        QListWidget::dragEnterEvent(event);
}

void MenuEntryList::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this && event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
        return;
    }
    QListWidget::dragMoveEvent(event);
    if (event->source() == this)
        event->acceptProposedAction();
}

void MenuEntryList::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (event->source() != this) {
        if (event->mimeData()->hasUrls()) {
            event->acceptProposedAction();
            emit urlsDropped(event->mimeData()->urls());
        }
        return;
    }
    event->acceptProposedAction();
    const int from = selectedRow();
    const QPoint at = event->position().toPoint();
    const QModelIndex under = indexAt(at);
    int before = count();
    if (under.isValid())
        before = under.row() + (at.y() >= visualRect(under).center().y() ? 1 : 0);
    const int to = before > from ? before - 1 : before;
    if (from >= 0 && to != from)
        emit moveRequested(from, to);
}

void MenuEntryList::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    emit doubleClickedAnywhere();
}

SettingsWindow::SettingsWindow(QWidget* parent, const std::function<void(const QString&)>& reportError)
    : FixedDialog(parent, u"FrmSettings"_qs, u"Settings"_qs, {952, 630}) {
    sTab1 = new QTabWidget(this);
    sTab1->setObjectName(u"sTab1"_qs);
    sTab1->setGeometry(8, 8, 410, 257);
    TabApps = new QWidget;
    TabApps->setObjectName(u"TabApps"_qs);
    sTab1->addTab(TabApps, u"Applications"_qs);

    const auto button = [this](const QString& name, int x, const QString& tip,
                               const QString& picture) {
        QToolButton* b = makeFlatButton(TabApps, name, {x, 3, 28, 28}, picture);
        b->setToolTip(tip);
        return b;
    };
    cmdOpen = button(u"cmdOpen"_qs, 8, u"Open menu"_qs, u"open"_qs);
    cmdSave = button(u"cmdSave"_qs, 36, u"Save menu"_qs, u"save"_qs);
    lnSpacer = new BevelLine(Qt::Vertical, TabApps);
    lnSpacer->setObjectName(u"lnSpacer"_qs);
    lnSpacer->setGeometry(69, 4, 9, 25);
    cmdNew = button(u"cmdNew"_qs, 78, u"New application"_qs, u"new"_qs);
    cmdEdit = button(u"cmdEdit"_qs, 106, u"Edit application"_qs, u"edit"_qs);
    cmdDelete = button(u"cmdDelete"_qs, 134, u"Delete application"_qs, u"delete"_qs);

    LstItems = new MenuEntryList(TabApps);
    LstItems->setObjectName(u"LstItems"_qs);
    LstItems->setGeometry(3, 37, 387, 182);
    LstItems->setContextMenuPolicy(Qt::CustomContextMenu);

    mnuItems = new QMenu(this);
    mnuItems->setObjectName(u"mnuItems"_qs);
    const auto item = [this](const QString& name, const QString& text) {
        QAction* action = mnuItems->addAction(text);
        action->setObjectName(name);
        return action;
    };
    mnuAddInstalled = item(u"mnuAddInstalled"_qs, u"Add installed application\u2026"_qs);
    mnuItems->addSeparator();
    mnuMoveUp = item(u"mnuMoveUp"_qs, u"Move up"_qs);
    mnuMoveDown = item(u"mnuMoveDown"_qs, u"Move down"_qs);
    mnuTry = item(u"mnuTry"_qs, u"Try it"_qs);
    mnuItems->addSeparator();
    mnuEdit = item(u"mnuEdit"_qs, u"Edit"_qs);
    mnuDelete = item(u"mnuDelete"_qs, u"Delete"_qs);

    cmdClose = new QPushButton(u"Close"_qs, this);
    cmdClose->setObjectName(u"cmdClose"_qs);
    cmdClose->setGeometry(870, 595, 75, 28);
    cmdClose->setDefault(true);

    const auto group = [this](const QString& name, const QRect& box, const QString& title) {
        auto* g = new QGroupBox(title, this);
        g->setObjectName(name);
        g->setGeometry(box);
        return g;
    };
    GroupBox1 = group(u"GroupBox1"_qs, {8, 281, 441, 308}, u"List of Windows MMC Records"_qs);
    GroupBox2 =
        group(u"GroupBox2"_qs, {464, 281, 481, 308}, u"List of Windows Server MMC Records"_qs);
    GroupBox3 = group(u"GroupBox3"_qs, {464, 8, 481, 257}, u"Run Commands"_qs);

    // Each handler shows its own failure in the error box before it could reach Qt.
    const auto handled = [this](void (SettingsWindow::*handler)()) {
        return [this, handler] { reportingErrors([this, handler] { (this->*handler)(); }); };
    };
    connect(LstItems, &QListWidget::itemSelectionChanged, this,
            handled(&SettingsWindow::LstItemsClick));
    connect(LstItems, &MenuEntryList::doubleClickedAnywhere, this,
            handled(&SettingsWindow::LstItemsDblClick));
    connect(LstItems, &MenuEntryList::deletePressed, this, handled(&SettingsWindow::LstItemsKeyDown));
    connect(cmdNew, &QToolButton::clicked, this, handled(&SettingsWindow::cmdNewClick));
    connect(cmdEdit, &QToolButton::clicked, this, handled(&SettingsWindow::cmdEditClick));
    connect(cmdDelete, &QToolButton::clicked, this, handled(&SettingsWindow::cmdDeleteClick));
    connect(cmdOpen, &QToolButton::clicked, this, handled(&SettingsWindow::cmdOpenClick));
    connect(cmdSave, &QToolButton::clicked, this, handled(&SettingsWindow::cmdSaveClick));
    connect(cmdClose, &QPushButton::clicked, this, &SettingsWindow::cmdCloseClick);
    connect(mnuAddInstalled, &QAction::triggered, this,
            handled(&SettingsWindow::mnuAddInstalledClick));
    connect(mnuMoveUp, &QAction::triggered, this, handled(&SettingsWindow::mnuMoveUpClick));
    connect(mnuMoveDown, &QAction::triggered, this, handled(&SettingsWindow::mnuMoveDownClick));
    connect(mnuTry, &QAction::triggered, this, handled(&SettingsWindow::mnuTryClick));
    connect(mnuEdit, &QAction::triggered, this, handled(&SettingsWindow::cmdEditClick));
    connect(mnuDelete, &QAction::triggered, this, handled(&SettingsWindow::cmdDeleteClick));
    connect(LstItems, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { reportingErrors([&] { LstItemsContextPopup(at); }); });
    // Queued: after the drop has ended, so that an error box holds up no program.
    connect(
        LstItems, &MenuEntryList::moveRequested, this,
        [this](int from, int to) { reportingErrors([&] { LstItemsDragDrop(from, to); }); },
        Qt::QueuedConnection);
    connect(
        LstItems, &MenuEntryList::urlsDropped, this,
        [this](const QList<QUrl>& urls) { reportingErrors([&] { LstItemsUrlsDrop(urls); }); },
        Qt::QueuedConnection);

    m_referenceData.open([&](const QString& message) {
        if (reportError)
            reportError(message);
    });
}

// The reference lists' widgets and the applications picker are made before the first showing,
// not at start-up, where the bar waits for them; the lists follow the tables in whatever state
// opening left them.
void SettingsWindow::setVisible(bool visible) {
    if (visible && !frmApplications) {
        frmApplications = new ApplicationPicker(this);
        buildReferenceLists(m_referenceData, GroupBox1, GroupBox2, GroupBox3);
        setTabOrder(sTab1, cmdClose);
        setTabOrder(cmdClose, GroupBox1);
        setTabOrder(GroupBox1, GroupBox2);
        setTabOrder(GroupBox2, GroupBox3);
    }
    FixedDialog::setVisible(visible);
}

void SettingsWindow::aboutToShow() {
    LoadMenuList();
}

void SettingsWindow::LoadMenuList() {
    MenuIni = std::make_unique<ProfileFile>(MenuFileName);
    fillList(ReadMenuCaptions());
    if (LstItems->count() > 0) {
        LstItems->setCurrentRow(0);
        SelectedItem = 1;
        LstItems->setFocus();
    }
}

void SettingsWindow::fillList(const QStringList& captions) {
    LstItems->clear();
    for (const QString& caption : captions)
        LstItems->addItem(ListLineText(caption));
}

bool SettingsWindow::refillIfStale(int row) {
    const QStringList captions = ReadMenuCaptions();
    bool same = captions.size() == LstItems->count();
    for (int i = 0; same && i < captions.size(); ++i)
        same = LstItems->item(i)->text() == ListLineText(captions[i]);
    if (same)
        return false;
    fillList(captions);
    if (LstItems->count() > 0)
        LstItems->setCurrentRow(qBound(0, row, LstItems->count() - 1));
    return true;
}

void SettingsWindow::AppendItem() {
    AppendItems({AppInfo});
}

void SettingsWindow::AppendItems(const QList<MenuEntry>& entries) {
    AppendMenuFileItems(entries);
    for (const MenuEntry& entry : entries)
        LstItems->addItem(ListLineText(entry.caption));
    LstItems->setCurrentRow(LstItems->count() - 1);
}

void SettingsWindow::addEntries(const QList<MenuEntry>& entries) {
    if (entries.isEmpty())
        return;
    AppendItems(entries);
    refillIfStale(std::numeric_limits<int>::max());
    SelectedItem = LstItems->selectedRow() + 1;
}

void SettingsWindow::MoveItem(int from, int to) {
    // A failed rewrite throws first: file and list stay as they were.
    MoveMenuFileItem(from, to);
    LstItems->insertItem(to - 1, LstItems->takeItem(from - 1));
    LstItems->setCurrentRow(to - 1);
    SelectedItem = to;
}

void SettingsWindow::UpdateItem(int n) {
    UpdateMenuFileItem(n);
    LstItems->item(n - 1)->setText(ListLineText(AppInfo.caption));
}

void SettingsWindow::DeleteItem(int n) {
    // A failed rewrite throws before the list changes: the line stays while the file
    // still holds the entry.
    DeleteMenuFileItem(n);
    DeleteSelectedListItem(LstItems);
    SelectedItem = LstItems->selectedRow() + 1;
}

void SettingsWindow::DeleteSelectedListItem(MenuEntryList* list) {
    const int removed = list->selectedRow();
    if (removed < 0)
        return;
    const int count = list->count();
    delete list->takeItem(removed);
    const int next = RowAfterRemoving(count, removed);
    if (next >= 0)
        list->setCurrentRow(next);
}

void SettingsWindow::LstItemsClick() {
    const int row = LstItems->selectedRow();
    if (row >= 0)
        SelectedItem = row + 1;
}

void SettingsWindow::LstItemsDblClick() {
    cmdEditClick();
}

void SettingsWindow::LstItemsKeyDown() {
    cmdDeleteClick();
}

void SettingsWindow::cmdNewClick() {
    EditMode = false;
    frmAddNew->exec();
    if (DialogResult != 1)
        return;
    // Also after a refused write: the entry dialog expects 0 when it opens.
    const auto reset = qScopeGuard([] { DialogResult = 0; });
    addEntries({AppInfo});
}

void SettingsWindow::cmdEditClick() {
    if (LstItems->selectedRow() < 0 || refillIfStale(LstItems->selectedRow()))
        return;
    ReadMenuItem(SelectedItem);
    EditMode = true;
    frmAddNew->exec();
    if (DialogResult != 1)
        return;
    const auto reset = qScopeGuard([] { DialogResult = 0; });
    UpdateItem(SelectedItem);
    refillIfStale(SelectedItem - 1);
}

void SettingsWindow::cmdDeleteClick() {
    if (LstItems->selectedRow() < 0 || refillIfStale(LstItems->selectedRow()))
        return;
    const QString line = LstItems->item(SelectedItem - 1)->text();
    const auto answer = Dialogs::show(
        this, {QMessageBox::Information, u"Confirm"_qs,
               u"Are you sure you want to delete \""_qs + line + u'"',
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes});
    if (answer == QMessageBox::Yes)
        DeleteItem(SelectedItem);
}

void SettingsWindow::cmdOpenClick() {
    const QString path = Dialogs::openFileName(this, u"Open"_qs, QtNameFilter(kMenuFilter));
    if (path.isEmpty())
        return;
    MenuFileName = path;
    LoadMenuList();
    ConfigIni->WriteString(u"menu"_qs, u"file"_qs, CollapseAppPath(MenuFileName));
}

void SettingsWindow::cmdSaveClick() {
    const QString path =
        Dialogs::saveFileName(this, u"Save"_qs, QtNameFilter(kMenuFilter), u"ini"_qs);
    if (path.isEmpty())
        return;
    SaveMenuCopy(path);
}

void SettingsWindow::cmdCloseClick() {
    close();
}

void SettingsWindow::LstItemsContextPopup(const QPoint& at) {
    const int row = LstItems->selectedRow();
    for (QAction* action : {mnuMoveUp, mnuMoveDown, mnuTry, mnuEdit, mnuDelete})
        action->setEnabled(row >= 0);
    mnuMoveUp->setEnabled(row > 0);
    mnuMoveDown->setEnabled(row >= 0 && row + 1 < LstItems->count());
    mnuTry->setVisible(bool(m_runEntry));
    mnuItems->popup(LstItems->viewport()->mapToGlobal(at));
}

void SettingsWindow::LstItemsDragDrop(int from, int to) {
    if (!refillIfStale(from))
        MoveItem(from + 1, to + 1);
}

void SettingsWindow::LstItemsUrlsDrop(const QList<QUrl>& urls) {
    addEntries(entriesForDroppedUrls(urls));
}

void SettingsWindow::mnuAddInstalledClick() {
    frmApplications->load(readInstalledApplications(applicationFolders(), currentDesktops()));
    if (frmApplications->exec() != QDialog::Accepted)
        return;
    if (const auto application = frmApplications->chosen())
        addEntries({entryForApplication(*application)});
}

void SettingsWindow::mnuMoveUpClick() {
    const int row = LstItems->selectedRow();
    if (row > 0)
        LstItemsDragDrop(row, row - 1);
}

void SettingsWindow::mnuMoveDownClick() {
    const int row = LstItems->selectedRow();
    if (row >= 0 && row + 1 < LstItems->count())
        LstItemsDragDrop(row, row + 1);
}

void SettingsWindow::mnuTryClick() {
    if (!m_runEntry || LstItems->selectedRow() < 0 || refillIfStale(LstItems->selectedRow()))
        return;
    ReadMenuItem(SelectedItem);
    m_runEntry(SelectedItem);
}
