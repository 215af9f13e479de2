// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/referencelists.h"

#include "core/error.h"
#include "settings/data/datasetmodel.h"
#include "settings/data/referencedata.h"
#include "widgets/dialogs.h"
#include "widgets/pngpicture.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {

constexpr int kIndicatorWidth = 12;
constexpr int kNoLimit = 32767; // QLineEdit's own default
constexpr QSize kNavigatorPicture{12, 12};

// The vertical header of a grid: a narrow column of marks for the current record, a triangle
// while browsing, an I-beam while it is edited and a star while it is new.
class RecordIndicator : public QHeaderView {
public:
    explicit RecordIndicator(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
        setSectionResizeMode(QHeaderView::Fixed);
        setSectionsClickable(false);
        setHighlightSections(false);
        setMinimumSectionSize(1);
        setDefaultSectionSize(fontMetrics().height() + 4);
    }
    QSize sizeHint() const override { return {kIndicatorWidth, QHeaderView::sizeHint().height()}; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        // The style leaves the painter clipped to the section's empty title.
        painter->save();
        QHeaderView::paintSection(painter, rect, section);
        painter->restore();
        const auto mark = DataSet::RecordMark(
            model()->headerData(section, Qt::Vertical, DataSetModel::RecordMarkRole).toInt());
        if (mark == DataSet::RecordMark::None)
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QPointF c = QRectF(rect).center();
        const QColor ink = palette().color(QPalette::ButtonText);
        painter->setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap));
        painter->setBrush(ink);
        switch (mark) {
        case DataSet::RecordMark::Current: {
            QPainterPath triangle;
            triangle.moveTo(c.x() - 2, c.y() - 4);
            triangle.lineTo(c.x() + 2.5, c.y());
            triangle.lineTo(c.x() - 2, c.y() + 4);
            triangle.closeSubpath();
            painter->drawPath(triangle);
            break;
        }
        case DataSet::RecordMark::Editing:
            painter->drawLine(QPointF(c.x(), c.y() - 4), QPointF(c.x(), c.y() + 4));
            painter->drawLine(QPointF(c.x() - 2, c.y() - 4.5), QPointF(c.x() + 2, c.y() - 4.5));
            painter->drawLine(QPointF(c.x() - 2, c.y() + 4.5), QPointF(c.x() + 2, c.y() + 4.5));
            break;
        case DataSet::RecordMark::Inserting:
            for (int angle : {0, 60, 120}) {
                QTransform t;
                t.translate(c.x(), c.y());
                t.rotate(angle);
                painter->drawLine(t.map(QLineF(0, -3.5, 0, 3.5)));
            }
            break;
        case DataSet::RecordMark::None:
            break;
        }
        painter->restore();
    }
};

bool movesTheCurrentRow(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
        return true;
    default:
        return false;
    }
}

// Runs a data set's operation from a widget's handler of a click or key. A failure goes to the
// error box from a call of its own, on the data set, so that it never unwinds through the
// widgets' event handling, which would be left half done.
template <typename Operation> void runReportingFailure(DataSet* dataSet, Operation operation) {
    try {
        operation();
    } catch (const LarkspanError& error) {
        QMetaObject::invokeMethod(
            dataSet, [error] { throw error; }, Qt::QueuedConnection);
    }
}

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

ReferenceGrid::ReferenceGrid(QWidget* parent, DataSet* dataSet, const QStringList& columns,
                             const QList<int>& widths, bool boldTitles)
    : QTableView(parent), m_dataSet(dataSet) {
    setVerticalHeader(new RecordIndicator(this));
    setModel(new DataSetModel(dataSet, columns, this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the grid for the next control instead of walking its cells.
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setShowGrid(true);

    QHeaderView* titles = horizontalHeader();
    titles->setSectionsClickable(false);
    titles->setHighlightSections(false);
    titles->setStretchLastSection(false);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    QFont titleFont = font();
    titleFont.setBold(boldTitles);
    titles->setFont(titleFont);
    for (int i = 0; i < widths.size(); ++i)
        titles->resizeSection(i, widths[i]);

    connect(dataSet, &DataSet::stateChanged, this, &ReferenceGrid::followDataSet);
    followDataSet();
}

bool ReferenceGrid::viewportEvent(QEvent* event) {
    const bool handled = QTableView::viewportEvent(event);
    if (movesTheCurrentRow(event))
        moveDataSet();
    return handled;
}

bool ReferenceGrid::event(QEvent* event) {
    const bool handled = QTableView::event(event);
    if (event->type() == QEvent::KeyPress)
        moveDataSet();
    return handled;
}

// Runs once the view has handled the user's input in full.
void ReferenceGrid::moveDataSet() {
    const int row = currentIndex().row();
    // A failing store has already taken the grid back to the record still being edited.
    if (m_dataSet && row >= 0 && row != m_dataSet->currentRecord())
        runReportingFailure(m_dataSet, [&] { m_dataSet->moveTo(row); });
    followDataSet();
}

void ReferenceGrid::followDataSet() {
    const int record = m_dataSet ? m_dataSet->currentRecord() : -1;
    if (record < 0 || record >= model()->rowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model()->index(record, qMax(currentIndex().column(), 0));
    if (index != currentIndex() || !selectionModel()->isRowSelected(record))
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
}

ReferenceField::ReferenceField(QWidget* parent, DataSet* dataSet, const QString& field)
    : QLineEdit(parent), m_dataSet(dataSet), m_field(field) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_dataSet) {
            // Starting to edit shows the record as it was before this keystroke: not here.
            const QScopedValueRollback handing(m_handingOver, true);
            m_dataSet->setFieldValue(m_dataSet->fieldIndex(m_field), text);
        }
        // The record may have taken less, or nothing.
        showField();
    });
    connect(dataSet, &DataSet::stateChanged, this, &ReferenceField::showField);
    connect(dataSet, &DataSet::recordChanged, this, [this](int record) {
        if (record == m_dataSet->currentRecord())
            showField();
    });
    showField();
}

void ReferenceField::showField() {
    if (!m_dataSet || m_handingOver)
        return;
    const int field = m_dataSet->fieldIndex(m_field);
    const int width = m_dataSet->fieldWidth(field);
    const int maximum = width > 0 ? width : kNoLimit;
    // Both set the text anew, which would move the cursor away from where the user types and
    // forget what can be undone: only on a real change.
    if (maximum != maxLength())
        setMaxLength(maximum);
    setReadOnly(!m_dataSet->canModify());
    const QString value = m_dataSet->fieldValue(field).toString();
    if (value != text())
        setText(value);
}

ReferenceNavigator::ReferenceNavigator(QWidget* parent, DataSet* dataSet, bool showHints)
    : QWidget(parent), m_dataSet(dataSet) {
    setFocusPolicy(Qt::NoFocus);
    int left = 0;
    for (NavigatorButton which : kNavigatorButtons) {
        const NavigatorButtonRule& rule = navigatorButtonRule(which);
        auto* b = named(new QToolButton(this), rule.name.toString());
        b->setGeometry(QRect(QPoint(left, 0), kButtonSize));
        b->setFocusPolicy(Qt::NoFocus);
        b->setIcon(pngIcon(u":/settings/nav-"_qs + rule.name.toString().toLower() + u".png"_qs));
        b->setIconSize(kNavigatorPicture);
        if (showHints)
            b->setToolTip(navigatorHint(which));
        connect(b, &QToolButton::clicked, this, [this, which] { press(which); });
        m_buttons.append(b);
        left += kButtonSize.width();
    }
    setFixedSize(left, kButtonSize.height());
    connect(dataSet, &DataSet::stateChanged, this, &ReferenceNavigator::updateButtons);
    updateButtons();
}

QToolButton* ReferenceNavigator::button(NavigatorButton which) const {
    return m_buttons.value(int(which));
}

void ReferenceNavigator::press(NavigatorButton which) {
    if (m_dataSet)
        runReportingFailure(m_dataSet, [&] {
            navigatorButtonRule(which).act(
                *m_dataSet, [this](const QString& question) { return confirm(question); });
        });
}

// Anything but Cancel goes ahead.
bool ReferenceNavigator::confirm(const QString& question) {
    const Dialogs::Box box{QMessageBox::Question, tr("Confirm"), question,
                           QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
    return Dialogs::show(window(), box) != QMessageBox::Cancel;
}

void ReferenceNavigator::updateButtons() {
    const NavigatorStatus status = m_dataSet ? m_dataSet->navigatorStatus() : NavigatorStatus{};
    for (NavigatorButton which : kNavigatorButtons)
        button(which)->setEnabled(navigatorButtonEnabled(which, status));
}

namespace {

// Where the controls of a management-console list sit in their group box.
struct MmcListLayout {
    int number; // 1 or 2: DBGrid1, DBEdit1 and DBEdit2, ...
    int left;
    int gridWidth;
    QList<int> columnWidths;
    bool showHints;
};

void buildMmcList(QGroupBox* box, DataSet& dataSet, const MmcListLayout& layout) {
    const int n = layout.number;
    const QString nameField = QStringLiteral("Name");
    const QString fileField = QStringLiteral("MMC File");
    const int x = layout.left;
    auto* navigator =
        named(new ReferenceNavigator(box, &dataSet, layout.showHints), u"DBNavigator%1"_qs.arg(n));
    navigator->move(x, 272);
    auto* grid =
        named(new ReferenceGrid(box, &dataSet, {nameField, fileField}, layout.columnWidths, true),
              u"DBGrid%1"_qs.arg(n));
    grid->setGeometry(x, 32, layout.gridWidth, 113);
    grid->model()->setObjectName(u"DataSource%1"_qs.arg(n));

    const auto field = [&](int number, const QString& column, int top, int width) {
        auto* edit = named(new ReferenceField(box, &dataSet, column), u"DBEdit%1"_qs.arg(number));
        edit->setGeometry(x, top + 21, width, 23);
        auto* label = named(new QLabel(column, box), u"Label%1"_qs.arg(number));
        label->move(x, top);
        label->adjustSize();
        label->setBuddy(edit);
        return edit;
    };
    QWidget* nameEdit = field(2 * n - 1, nameField, 152, 410);
    QWidget* fileEdit = field(2 * n, fileField, 210, 205);
    QWidget::setTabOrder(grid, nameEdit);
    QWidget::setTabOrder(nameEdit, fileEdit);
}

} // namespace

void buildReferenceLists(ReferenceData& data, QGroupBox* windowsBox, QGroupBox* serverBox,
                         QGroupBox* runCommandsBox) {
    buildMmcList(windowsBox, data.windowsMmcFiles, {1, 15, 410, {250, 126}, true});
    buildMmcList(serverBox, data.serverMmcFiles, {2, 16, 449, {270, 145}, false});
    auto* runGrid = named(new ReferenceGrid(runCommandsBox, &data.runCommands,
                                            {QStringLiteral("Name"), QStringLiteral("Command")},
                                            {235, 180}, false),
                          u"DBGrid3"_qs);
    runGrid->setGeometry(16, 29, 449, 212);
    runGrid->model()->setObjectName(u"DataSource3"_qs);
}
