#include "reports/engine/rows.h"

namespace reports {

void Rows::append(const QStringList& row)
{
    data::PackedRow::Builder packed;
    for (const QString& value : row)
        packed.appendText(value);
    values.push_back(packed.take());
}

Rows readAll(RowCursor& cursor)
{
    Rows rows;
    rows.columns = cursor.columns();
    data::PackedRow::Builder packed;
    while (cursor.next()) {
        for (int i = 0; i < rows.columns.size(); ++i)
            packed.appendText(cursor.value(i));
        rows.values.push_back(packed.take());
    }
    return rows;
}

} // namespace reports
