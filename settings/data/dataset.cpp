// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/data/dataset.h"

#include "core/error.h"

#include <QCoreApplication>

namespace {

// The declared fields are text of at most this many UTF-16 code units.
constexpr int kDeclaredTextWidth = 255;

bool isBlank(const QVariant& value) {
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

// An emptied field counts as unchanged when it held nothing, so that a new record whose field
// was typed into and cleared again is still dropped on leaving it.
bool sameValue(const QVariant& a, const QVariant& b) {
    if (isBlank(a) && isBlank(b))
        return true;
    return a.isNull() == b.isNull() && a == b;
}

QVariant clipped(const QVariant& value, int width) {
    if (width <= 0 || value.typeId() != QMetaType::QString)
        return value;
    const QString text = value.toString();
    if (text.size() <= width)
        return value;
    qsizetype cut = width;
    // Never split a character made of two code units.
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return QVariant(text.left(cut));
}

// Left to right, in the order of kNavigatorButtons.
constexpr std::array<NavigatorButtonRule, kNavigatorButtons.size()> kNavigatorButtonRules{{
    {NavigatorButton::First, u"First", QT_TRANSLATE_NOOP("Navigator", "First record"),
     [](const NavigatorStatus& s) { return !s.bof; },
     [](DataSet& d, const DataSet::Confirm&) { d.first(); }},
    {NavigatorButton::Prior, u"Prior", QT_TRANSLATE_NOOP("Navigator", "Prior record"),
     [](const NavigatorStatus& s) { return !s.bof; },
     [](DataSet& d, const DataSet::Confirm&) { d.prior(); }},
    {NavigatorButton::Next, u"Next", QT_TRANSLATE_NOOP("Navigator", "Next record"),
     [](const NavigatorStatus& s) { return !s.eof; },
     [](DataSet& d, const DataSet::Confirm&) { d.next(); }},
    {NavigatorButton::Last, u"Last", QT_TRANSLATE_NOOP("Navigator", "Last record"),
     [](const NavigatorStatus& s) { return !s.eof; },
     [](DataSet& d, const DataSet::Confirm&) { d.last(); }},
    {NavigatorButton::Insert, u"Insert", QT_TRANSLATE_NOOP("Navigator", "Insert record"),
     [](const NavigatorStatus& s) { return s.canModify; },
     [](DataSet& d, const DataSet::Confirm&) { d.insert(); }},
    {NavigatorButton::Delete, u"Delete", QT_TRANSLATE_NOOP("Navigator", "Delete record"),
     [](const NavigatorStatus& s) { return s.canModify && !s.empty; },
     [](DataSet& d, const DataSet::Confirm& confirm) { d.deleteRecord(confirm); }},
    {NavigatorButton::Edit, u"Edit", QT_TRANSLATE_NOOP("Navigator", "Edit record"),
     [](const NavigatorStatus& s) { return s.canModify && !s.editing; },
     [](DataSet& d, const DataSet::Confirm&) { d.edit(); }},
    //: Tooltip of the reference list's button that stores the record being edited
    {NavigatorButton::Post, u"Post", QT_TRANSLATE_NOOP("Navigator", "Post edit"),
     [](const NavigatorStatus& s) { return s.canModify && s.editing; },
     [](DataSet& d, const DataSet::Confirm&) { d.post(); }},
    {NavigatorButton::Cancel, u"Cancel", QT_TRANSLATE_NOOP("Navigator", "Cancel edit"),
     [](const NavigatorStatus& s) { return s.canModify && s.editing; },
     [](DataSet& d, const DataSet::Confirm&) { d.cancel(); }},
}};

static_assert([] {
    for (std::size_t i = 0; i < kNavigatorButtons.size(); ++i) {
        if (kNavigatorButtonRules[i].button != kNavigatorButtons[i])
            return false;
    }
    return true;
}());

} // namespace

const NavigatorButtonRule& navigatorButtonRule(NavigatorButton button) {
    return kNavigatorButtonRules[std::size_t(button)];
}

bool navigatorButtonEnabled(NavigatorButton button, const NavigatorStatus& status) {
    return status.open && navigatorButtonRule(button).availableWhenOpen(status);
}

QString navigatorHint(NavigatorButton button) {
    return QCoreApplication::translate("Navigator", navigatorButtonRule(button).hint);
}

DataSet::DataSet(const QString& name, const QStringList& declaredTextFields, Access access,
                 QObject* parent)
    : QObject(parent), m_name(name), m_declared(declaredTextFields), m_access(access) {
    setObjectName(name);
}

// A record still being edited or inserted is discarded, never stored.
DataSet::~DataSet() = default;

void DataSet::open(Database& database, const QString& tableName) {
    close();
    std::unique_ptr<DatabaseTable> table = database.openTable(tableName);
    const QList<DatabaseColumn>& columns = table->columns();
    QList<Field> fields;
    if (m_declared.isEmpty()) {
        for (int i = 0; i < columns.size(); ++i)
            fields.append({columns[i].name, i, columns[i].width});
    }
    for (const QString& declared : m_declared) {
        const int column = table->columnIndex(declared);
        if (column < 0)
            throw LarkspanError(QCoreApplication::translate("DataSet", "%1: Field '%2' not found")
                                    .arg(m_name, declared));
        if (columns[column].kind != ColumnKind::Text)
            throw LarkspanError(QCoreApplication::translate(
                                    "DataSet", "%1: Type mismatch for field '%2', expecting: %3 "
                                               "actual: %4")
                                    .arg(m_name, declared, columnKindName(ColumnKind::Text),
                                         columnKindName(columns[column].kind)));
        fields.append({declared, column, qMin(kDeclaredTextWidth, columns[column].width)});
    }

    emit recordsAboutToBeReset();
    m_rows = table->rows();
    m_table = std::move(table);
    m_fields = std::move(fields);
    m_state = State::Browsing;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    emit recordsReset();
    emit stateChanged();
}

void DataSet::close() {
    if (m_state == State::Closed)
        return;
    emit recordsAboutToBeReset();
    m_table.reset();
    m_fields.clear();
    m_rows.clear();
    m_buffer.clear();
    m_original.clear();
    m_state = State::Closed;
    m_current = -1;
    m_bof = m_eof = true;
    emit recordsReset();
    emit stateChanged();
}

bool DataSet::canModify() const {
    return isOpen() && m_access == Access::Editable && m_table->canUpdate();
}

bool DataSet::isModified() const {
    if (!isEditing())
        return false;
    for (int i = 0; i < m_buffer.size(); ++i) {
        if (!sameValue(m_buffer[i], m_original.value(i)))
            return true;
    }
    return false;
}

NavigatorStatus DataSet::navigatorStatus() const {
    return {isOpen(), m_bof, m_eof, isEmpty(), canModify(), isEditing()};
}

QString DataSet::fieldName(int field) const {
    return field >= 0 && field < m_fields.size() ? m_fields[field].name : QString();
}

int DataSet::fieldIndex(const QString& name) const {
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int DataSet::fieldWidth(int field) const {
    return field >= 0 && field < m_fields.size() ? m_fields[field].width : 0;
}

int DataSet::recordCount() const {
    return int(m_rows.size()) + (m_state == State::Inserting ? 1 : 0);
}

// While inserting, the new record is the current one and has no row yet.
int DataSet::rowOf(int record) const {
    if (m_state != State::Inserting || record < m_current)
        return record;
    return record == m_current ? -1 : record - 1;
}

QVariant DataSet::value(int record, int field) const {
    if (field < 0 || field >= m_fields.size() || record < 0 || record >= recordCount())
        return QVariant();
    const int column = m_fields[field].column;
    if (isEditing() && record == m_current)
        return m_buffer.value(column);
    return m_rows[rowOf(record)].values.value(column);
}

DataSet::RecordMark DataSet::recordMark(int record) const {
    if (record < 0 || record != m_current)
        return RecordMark::None;
    switch (m_state) {
    case State::Editing:
        return RecordMark::Editing;
    case State::Inserting:
        return RecordMark::Inserting;
    default:
        return RecordMark::Current;
    }
}

bool DataSet::setFieldValue(int field, const QVariant& value) {
    if (field < 0 || field >= m_fields.size() || !canModify())
        return false;
    if (!isEditing())
        edit();
    const int column = m_fields[field].column;
    const QVariant stored = clipped(value, m_fields[field].width);
    if (m_buffer[column] == stored && m_buffer[column].isNull() == stored.isNull())
        return true;
    m_buffer[column] = stored;
    emit recordChanged(m_current);
    emit stateChanged();
    return true;
}

void DataSet::first() {
    if (!isOpen())
        return;
    int target = 0;
    leaveRecord(target);
    const int count = recordCount();
    setCurrent(count > 0 ? 0 : -1, true, count == 0);
}

void DataSet::prior() {
    if (!isOpen())
        return;
    int target = m_current - 1;
    leaveRecord(target);
    const int count = recordCount();
    if (target < 0)
        setCurrent(count > 0 ? 0 : -1, true, count == 0);
    else
        setCurrent(target, false, false);
}

void DataSet::next() {
    if (!isOpen())
        return;
    int target = m_current + 1;
    leaveRecord(target);
    const int count = recordCount();
    if (target >= count)
        setCurrent(count - 1, count == 0, true);
    else
        setCurrent(target, false, false);
}

void DataSet::last() {
    if (!isOpen())
        return;
    int target = recordCount() - 1;
    leaveRecord(target);
    const int count = recordCount();
    setCurrent(count - 1, count == 0, true);
}

void DataSet::moveTo(int record) {
    if (!isOpen() || record == m_current || record < 0 || record >= recordCount())
        return;
    leaveRecord(record);
    setCurrent(record, false, false);
}

void DataSet::insert() {
    if (!canModify())
        return;
    int target = m_current;
    leaveRecord(target);
    const int position = qMax(target, 0);
    emit recordAboutToBeInserted(position);
    m_state = State::Inserting;
    m_current = position;
    m_buffer = QList<QVariant>(m_table->columns().size());
    m_original = m_buffer;
    m_bof = m_eof = false;
    emit recordInserted(position);
    emit stateChanged();
}

void DataSet::edit() {
    if (!canModify() || isEditing())
        return;
    if (m_rows.isEmpty()) {
        insert();
        return;
    }
    m_state = State::Editing;
    m_buffer = m_rows[m_current].values;
    m_buffer.resize(m_table->columns().size());
    m_original = m_buffer;
    emit recordChanged(m_current);
    emit stateChanged();
}

void DataSet::post() {
    if (!isEditing())
        return;
    if (m_state == State::Editing && !isModified()) {
        cancel();
        return;
    }
    storeRecord();
    emit stateChanged();
}

void DataSet::cancel() {
    if (m_state == State::Editing) {
        m_state = State::Browsing;
        m_buffer.clear();
        m_original.clear();
        emit recordChanged(m_current);
    } else if (m_state == State::Inserting) {
        removeCurrent();
    } else {
        return;
    }
    emit stateChanged();
}

bool DataSet::deleteRecord(const Confirm& confirm) {
    if (!canModify() || isEmpty())
        return false;
    if (!confirm(QCoreApplication::translate("DataSet", "Delete record?")))
        return false;
    if (m_state != State::Inserting)
        m_table->deleteRow(m_rows[m_current]);
    removeCurrent();
    emit stateChanged();
    return true;
}

void DataSet::leaveRecord(int& target) {
    if (!isEditing())
        return;
    if (isModified()) {
        try {
            storeRecord();
        } catch (const LarkspanError&) {
            // A bound grid has already shown the move; this takes it back.
            emit stateChanged();
            throw;
        }
        return;
    }
    if (m_state == State::Editing) {
        cancel();
        return;
    }
    const int dropped = m_current;
    removeCurrent();
    if (target > dropped)
        --target;
}

void DataSet::removeCurrent() {
    const int removed = m_current;
    emit recordAboutToBeRemoved(removed);
    if (m_state != State::Inserting)
        m_rows.removeAt(removed);
    m_state = State::Browsing;
    m_buffer.clear();
    m_original.clear();
    const int count = int(m_rows.size());
    m_current = count > 0 ? qMin(removed, count - 1) : -1;
    m_bof = m_eof = count == 0;
    emit recordRemoved(removed);
}

void DataSet::storeRecord() {
    if (m_state == State::Editing)
        m_rows[m_current] = m_table->updateRow(m_rows[m_current], m_buffer);
    else
        m_rows.insert(m_current, m_table->insertRow(m_buffer));
    m_state = State::Browsing;
    m_buffer.clear();
    m_original.clear();
    emit recordChanged(m_current);
}

void DataSet::setCurrent(int record, bool bof, bool eof) {
    m_current = record;
    m_bof = bof;
    m_eof = eof;
    emit stateChanged();
}
