#pragma once

#include <QString>
#include <QVariant>
#include <QVector>
#include <vector>

namespace data {

// One row of a snapshot with the text of all its values in one buffer: reading a large table
// then costs two allocations a row instead of one a value.
class PackedRow {
public:
    PackedRow() = default;
    explicit PackedRow(const QVector<QVariant>& values) { assign(values); }

    void reserve(int columns, qsizetype chars);
    void appendNull();
    void appendText(QStringView text);
    void appendUtf8(const char* utf8, int bytes);
    void appendInteger(qint64 value);
    void appendReal(double value);

    int size() const { return int(m_cells.size()); }
    bool isNull(int column) const { return m_cells[column].kind == Kind::Null; }
    // The value's text as stored (numbers in decimal); empty for NULL.
    QStringView text(int column) const;
    QVariant value(int column) const;
    QVector<QVariant> values() const;

    void assign(const QVector<QVariant>& values);
    void set(int column, const QVariant& value);

private:
    enum class Kind : quint8 { Null, Text, Integer, Real };
    struct Cell {
        qint32 begin;
        qint32 length;
        Kind kind;
    };
    void appendCell(Kind kind, QStringView text);

    QString m_text;
    std::vector<Cell> m_cells;
};

} // namespace data
