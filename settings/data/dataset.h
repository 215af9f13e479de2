// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "database/database.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>

// The buttons of a record navigator, left to right.
enum class NavigatorButton { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel };
inline constexpr std::array<NavigatorButton, 9> kNavigatorButtons{
    NavigatorButton::First, NavigatorButton::Prior,  NavigatorButton::Next,
    NavigatorButton::Last,  NavigatorButton::Insert, NavigatorButton::Delete,
    NavigatorButton::Edit,  NavigatorButton::Post,   NavigatorButton::Cancel};

// What a navigator needs to know of its data set.
struct NavigatorStatus {
    bool open = false;
    bool bof = true;
    bool eof = true;
    bool empty = true;
    bool canModify = false;
    bool editing = false; // a record is being edited or inserted
};

bool navigatorButtonEnabled(NavigatorButton button, const NavigatorStatus& status);
// The button's tooltip: "First record" ... "Cancel edit".
QString navigatorHint(NavigatorButton button);

// One table seen through a client-side static cursor: the rows read at opening, a current
// record, and one record at a time being edited or inserted. Every stored change goes to the
// database at once. Failures throw LarkspanError and leave the data set as it was, so a record
// whose store failed stays in editing or inserting.
//
// Records are numbered from 0 in the order shown; while inserting, the new record counts as
// one of them, at the place where it was inserted.
class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Closed, Browsing, Editing, Inserting };
    enum class RecordMark { None, Current, Editing, Inserting };
    // A browse-only data set takes no changes even where the database would.
    enum class Access { Editable, BrowseOnly };
    // Puts a question to the user; true goes ahead.
    using Confirm = std::function<bool(const QString& question)>;

    // `name` is the table object's name used in messages (such as "ADOTable1"). Declared fields
    // must be text columns of the table; further columns are ignored. Without declared fields
    // every column of the table is a field, as it comes.
    DataSet(const QString& name, const QStringList& declaredTextFields,
            Access access = Access::Editable, QObject* parent = nullptr);
    ~DataSet() override;

    // Opens the table whole; on failure the data set stays closed.
    void open(Database& database, const QString& tableName);
    // Discards a record being edited or inserted without storing it.
    void close();

    const QString& name() const { return m_name; }
    State state() const { return m_state; }
    bool isOpen() const { return m_state != State::Closed; }
    bool isEditing() const { return m_state == State::Editing || m_state == State::Inserting; }
    bool canModify() const;
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    bool isEmpty() const { return recordCount() == 0; }
    // A field of the record being edited or inserted holds something else than it did.
    bool isModified() const;
    NavigatorStatus navigatorStatus() const;

    int fieldCount() const { return int(m_fields.size()); }
    QString fieldName(int field) const;
    // Letter case does not count; -1 when absent.
    int fieldIndex(const QString& name) const;
    // The most UTF-16 code units the field takes; 0 when it has no limit.
    int fieldWidth(int field) const;

    int recordCount() const;
    // -1 when there is no record.
    int currentRecord() const { return m_current; }
    // A record's value, with the changes not yet stored; a null QVariant for NULL.
    QVariant value(int record, int field) const;
    QVariant fieldValue(int field) const { return value(m_current, field); }
    RecordMark recordMark(int record) const;

    // Hands a field's new value to the current record: starts editing when browsing (inserting
    // on an empty table). Text longer than the field is cut. Returns false when the value is
    // ignored: closed, not updatable, or no such field.
    bool setFieldValue(int field, const QVariant& value);

    // Moving away first stores the record being edited or inserted if anything in it changed,
    // and drops it otherwise.
    void first();
    void prior();
    void next();
    void last();
    // The grid's move: to a record as numbered before the move.
    void moveTo(int record);

    // A new empty record in front of the current one.
    void insert();
    // Starts editing the current record; on an empty table inserts instead.
    void edit();
    void post();
    void cancel();
    // Asks `confirm` "Delete record?", then deletes the current record (a new record is only
    // dropped). Returns whether a record went.
    bool deleteRecord(const Confirm& confirm);

signals:
    // State, current record, beginning and end of the cursor, or the modified flag changed.
    void stateChanged();
    // The records, for a bound grid; each "about to" comes before the change it announces.
    void recordsAboutToBeReset();
    void recordsReset();
    void recordAboutToBeInserted(int record);
    void recordInserted(int record);
    void recordAboutToBeRemoved(int record);
    void recordRemoved(int record);
    void recordChanged(int record);

private:
    struct Field {
        QString name;
        int column = -1;
        int width = 0;
    };

    int rowOf(int record) const;
    // Stores or drops the record being edited or inserted; `target`, a record number from
    // before, is brought up to date when the drop removes a record in front of it.
    void leaveRecord(int& target);
    // Takes the current record out of the list: the new record, or a row just deleted.
    void removeCurrent();
    void setCurrent(int record, bool bof, bool eof);
    void storeRecord();

    QString m_name;
    QStringList m_declared;
    Access m_access;
    std::unique_ptr<DatabaseTable> m_table;
    QList<Field> m_fields;
    QList<DatabaseRow> m_rows;
    State m_state = State::Closed;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    QList<QVariant> m_buffer; // the record being edited or inserted, all columns
    QList<QVariant> m_original;
};

// Everything that tells one navigator button from another, kept in one table.
struct NavigatorButtonRule {
    NavigatorButton button;
    // The button's object name; its picture is nav-<name in lower case>.png.
    QStringView name;
    // The tooltip, untranslated: navigatorHint gives it in the user's language.
    const char* hint;
    // Whether the button is available, given that the data set is open.
    bool (*availableWhenOpen)(const NavigatorStatus& status);
    // What a press does; a deletion asks `confirm` first.
    void (*act)(DataSet& dataSet, const DataSet::Confirm& confirm);
};
const NavigatorButtonRule& navigatorButtonRule(NavigatorButton button);
