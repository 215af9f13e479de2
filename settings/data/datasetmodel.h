// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/data/dataset.h"

#include <QAbstractTableModel>
#include <QPointer>

// A read-only table model of a data set for a grid: one row per record, the named fields as
// columns. The vertical header's RecordMarkRole tells the indicator column what to draw.
//
// Binding the controls of one list to its data set:
// - grid: a QTableView on this model; a click or a key moving its current row calls
//   moveTo(row); on stateChanged it selects currentRecord() again (moveTo of the current
//   record does nothing, so the two do not chase each other, and after a failed store the
//   data set's stateChanged takes the grid back to the record still being edited).
// - edit field: maximum length fieldWidth() (0: none); each edit by the user goes to
//   setFieldValue(), and when that returns false the text goes back to fieldValue(); on
//   recordChanged of the current record and on stateChanged it shows fieldValue().
// - navigator: on stateChanged each button is enabled by navigatorButtonEnabled(button,
//   navigatorStatus()); name, tooltip and press come from navigatorButtonRule(button), and
//   the press is handed a question box for Delete to ask.
// The data set's operations throw LarkspanError when the database refuses a change; the data
// set is then as it was before the call.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int RecordMarkRole = Qt::UserRole + 1;

    DataSetModel(DataSet* dataSet, const QStringList& columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void markChanged(int record);

    // The window may end its data sets before its grids.
    QPointer<DataSet> m_dataSet;
    QStringList m_columns;
    int m_rows = 0;
    int m_marked = -1;
};
