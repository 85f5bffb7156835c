#pragma once

#include "data/packedrow.h"

#include <QStringList>
#include <vector>

namespace data {

// The rows a report command returned, values as text (NULL as an empty text), in the
// command's row order; each row is held in one compact block.
struct Rows {
    QStringList columns;
    std::vector<PackedRow> values;

    int columnIndex(const QString& name) const { return columns.indexOf(name); }
    int count() const { return int(values.size()); }
    QString value(int row, int column) const { return values[size_t(row)].text(column); }
    void append(const QStringList& row);
};

// A forward walk over a command's rows: the pager reads a report through it, so a report is
// laid out from the database as it is read, or from rows already held.
class RowCursor {
public:
    virtual ~RowCursor() = default;
    const QStringList& columns() const { return m_columns; }
    int columnIndex(const QString& name) const { return m_columns.indexOf(name); }
    // Moves to the next row (the first, on the first call); false after the last. Throws
    // Error when the rows cannot be read.
    virtual bool next() = 0;
    // The current row's value in a column, NULL as an empty text.
    virtual QString value(int column) const = 0;

protected:
    QStringList m_columns;
};

// The cursor over rows already held.
class HeldRowCursor : public RowCursor {
public:
    explicit HeldRowCursor(const Rows& rows) : m_rows(rows) { m_columns = rows.columns; }
    bool next() override { return ++m_row < m_rows.count(); }
    QString value(int column) const override { return m_rows.value(m_row, column); }

private:
    const Rows& m_rows;
    int m_row = -1;
};

// Every row left to the cursor, read into memory.
Rows readAll(RowCursor& cursor);

// Keeps the rows of a command whose column (a table column such as "TSurat.Jawaban", which
// the command need not select) holds the value; an empty filter keeps every row.
struct RowFilter {
    QString column;
    QString value;
};

} // namespace data
