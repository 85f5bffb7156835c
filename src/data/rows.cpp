#include "data/rows.h"

namespace data {

void Rows::append(const QStringList& row)
{
    PackedRow::Builder packed;
    for (const QString& value : row)
        packed.appendText(value);
    values.push_back(packed.take());
}

Rows readAll(RowCursor& cursor)
{
    Rows rows;
    rows.columns = cursor.columns();
    PackedRow::Builder packed;
    while (cursor.next()) {
        for (int i = 0; i < rows.columns.size(); ++i)
            packed.appendText(cursor.value(i));
        rows.values.push_back(packed.take());
    }
    return rows;
}

} // namespace data
