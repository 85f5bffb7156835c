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

} // namespace reports
