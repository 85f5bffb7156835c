#pragma once

#include <QStringList>
#include <vector>

namespace reports {

// The rows a report command returned, values as text (NULL as an empty text), in the
// command's row order.
struct Rows {
    QStringList columns;
    std::vector<QStringList> values;

    int columnIndex(const QString& name) const { return columns.indexOf(name); }
    int count() const { return int(values.size()); }
};

// Keeps the rows of a command whose column (a table column such as "TSurat.Jawaban", which
// the command need not select) holds the value; an empty filter keeps every row.
struct RowFilter {
    QString column;
    QString value;
};

} // namespace reports
