// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/data/datasetmodel.h"

DataSetModel::DataSetModel(DataSet* dataSet, const QStringList& columns, QObject* parent)
    : QAbstractTableModel(parent), m_dataSet(dataSet), m_columns(columns),
      m_rows(dataSet->recordCount()), m_marked(dataSet->currentRecord()) {
    // The model keeps its own row count: between an "about to" and its change the data set
    // already differs, and a view must still see the old count.
    connect(dataSet, &DataSet::recordsAboutToBeReset, this, [this] { beginResetModel(); });
    connect(dataSet, &QObject::destroyed, this, [this] {
        beginResetModel();
        m_rows = 0;
        m_marked = -1;
        endResetModel();
    });
    connect(dataSet, &DataSet::recordsReset, this, [this] {
        m_rows = m_dataSet->recordCount();
        m_marked = m_dataSet->currentRecord();
        endResetModel();
    });
    connect(dataSet, &DataSet::recordAboutToBeInserted, this,
            [this](int record) { beginInsertRows(QModelIndex(), record, record); });
    connect(dataSet, &DataSet::recordInserted, this, [this] {
        ++m_rows;
        endInsertRows();
    });
    connect(dataSet, &DataSet::recordAboutToBeRemoved, this,
            [this](int record) { beginRemoveRows(QModelIndex(), record, record); });
    connect(dataSet, &DataSet::recordRemoved, this, [this] {
        --m_rows;
        endRemoveRows();
    });
    connect(dataSet, &DataSet::recordChanged, this, [this](int record) {
        if (record >= 0 && record < m_rows && !m_columns.isEmpty())
            emit dataChanged(index(record, 0), index(record, int(m_columns.size()) - 1));
    });
    connect(dataSet, &DataSet::stateChanged, this, [this] {
        const int previous = m_marked;
        m_marked = m_dataSet->currentRecord();
        markChanged(previous);
        markChanged(m_marked);
    });
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    if (!m_dataSet || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return m_dataSet->value(index.row(), m_dataSet->fieldIndex(m_columns.value(index.column())));
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal)
        return role == Qt::DisplayRole ? QVariant(m_columns.value(section)) : QVariant();
    if (role == RecordMarkRole && m_dataSet)
        return QVariant::fromValue(int(m_dataSet->recordMark(section)));
    return QVariant();
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void DataSetModel::markChanged(int record) {
    if (record >= 0 && record < m_rows)
        emit headerDataChanged(Qt::Vertical, record, record);
}
