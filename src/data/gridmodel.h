#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

namespace data {

class RecordSet;

// The visible rows of a record set for a grid; headed by column names.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `columns` picks and orders the shown columns; empty shows all of them.
    GridModel(RecordSet* recordset, QStringList columns = {}, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void reset();

    QPointer<RecordSet> m_recordset;
    QStringList m_names;
    QVector<int> m_columns;
};

} // namespace data
