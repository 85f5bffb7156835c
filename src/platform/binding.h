#pragma once

#include <QStringList>

class QLineEdit;
class QTableView;

namespace data {
class RecordSet;
}

namespace platform {

// The box shows the column of the record set's current row; typing writes the field.
void bindText(QLineEdit* box, data::RecordSet* recordset, const QString& column);

// The grid shows the visible rows (all columns, or the named ones); the grid's current row
// (by mouse or keys) is the record set's current row, and moving the record set moves the
// grid's selection.
void bindGrid(QTableView* grid, data::RecordSet* recordset, const QStringList& columns = {});

} // namespace platform
