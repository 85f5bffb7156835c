#pragma once

#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <string>
#include <vector>

namespace data {

// One row of a snapshot in a single heap block: the number of values, where each ends and what
// kind it is, then the bytes of them all. Text is held as Latin-1 when every character fits a
// byte (ASCII always does) and as UTF-8 otherwise, so a large table costs about the bytes of
// its text and one allocation a row.
class PackedRow {
public:
    PackedRow() = default;
    explicit PackedRow(const QVector<QVariant>& values) { assign(values); }
    PackedRow(const PackedRow& other);
    PackedRow& operator=(const PackedRow& other);
    PackedRow(PackedRow&&) noexcept = default;
    PackedRow& operator=(PackedRow&&) noexcept = default;

    // Gathers the values of one row, then packs them; it keeps its buffers for the next row.
    class Builder {
    public:
        void appendNull() { appendCell(Kind::Null, nullptr, 0); }
        void appendText(QStringView text);
        void appendUtf8(const char* utf8, qsizetype bytes);
        void appendInteger(qint64 value);
        void appendReal(double value);
        void append(const QVariant& value);
        // The row gathered so far; the builder starts the next one empty.
        PackedRow take();

    private:
        friend class PackedRow;
        enum class Kind : quint8 { Null, Latin1, Utf8, Integer, Real };
        void appendCell(Kind kind, const char* bytes, qsizetype size);

        std::vector<quint32> m_cells;
        std::string m_bytes;
    };

    int size() const;
    bool isNull(int column) const;
    // The value's text as stored (numbers in decimal); empty for NULL.
    QString text(int column) const;
    // Whether the value's text is `text` (a NULL reads as empty text).
    bool textEquals(int column, QStringView text, Qt::CaseSensitivity cs) const;
    QVariant value(int column) const;
    QVector<QVariant> values() const;

    void assign(const QVector<QVariant>& values);
    void set(int column, const QVariant& value);

    // Bytes of the row's block.
    qsizetype blockSize() const;

private:
    using Kind = Builder::Kind;
    struct Cell {
        Kind kind;
        const char* bytes;
        qsizetype size;
    };
    Cell cell(int column) const;

    std::unique_ptr<char[]> m_block;
};

} // namespace data
