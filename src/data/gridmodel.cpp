#include "data/gridmodel.h"

#include "data/recordset.h"

namespace data {

GridModel::GridModel(RecordSet* recordset, QStringList columns, QObject* parent)
    : QAbstractTableModel(parent), m_recordset(recordset), m_names(std::move(columns))
{
    connect(recordset, &RecordSet::rowsReset, this, &GridModel::reset);
    connect(recordset, &RecordSet::fieldChanged, this, [this](int column) {
        const int row = m_recordset->position();
        const int shown = m_columns.indexOf(column);
        if (shown >= 0 && row >= 0 && row < rowCount())
            emit dataChanged(index(row, shown), index(row, shown));
    });
    connect(recordset, &RecordSet::rowsAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveRows({}, first, last); });
    connect(recordset, &RecordSet::rowsRemoved, this, &GridModel::endRemoveRows);
    connect(recordset, &RecordSet::rowsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertRows({}, first, last); });
    connect(recordset, &RecordSet::rowsInserted, this, &GridModel::endInsertRows);
    connect(recordset, &RecordSet::rowChanged, this,
            [this](int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); });
    reset();
}

void GridModel::reset()
{
    beginResetModel();
    m_columns.clear();
    if (m_names.isEmpty()) {
        for (int i = 0; i < m_recordset->columnCount(); ++i)
            m_columns << i;
    } else {
        for (const QString& n : m_names)
            m_columns << m_recordset->columnIndex(n);
    }
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_recordset ? 0 : m_recordset->recordCount();
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns.size();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!m_recordset || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QVariant v = m_recordset->value(index.row(), m_columns.value(index.column(), -1));
    return v.isNull() ? QVariant() : QVariant(v.toString());
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const int c = m_columns.value(section, -1);
    return m_recordset && c >= 0 ? m_recordset->columnNames().value(c) : QVariant();
}

} // namespace data
