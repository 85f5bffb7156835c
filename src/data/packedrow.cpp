#include "data/packedrow.h"

namespace data {

void PackedRow::reserve(int columns, qsizetype chars)
{
    m_cells.reserve(columns);
    m_text.reserve(chars);
}

void PackedRow::appendCell(Kind kind, QStringView text)
{
    m_cells.push_back({qint32(m_text.size()), qint32(text.size()), kind});
    m_text.append(text);
}

void PackedRow::appendNull() { m_cells.push_back({qint32(m_text.size()), 0, Kind::Null}); }

void PackedRow::appendText(QStringView text) { appendCell(Kind::Text, text); }

void PackedRow::appendUtf8(const char* utf8, int bytes)
{
    bool ascii = true;
    for (int i = 0; i < bytes && ascii; ++i)
        ascii = static_cast<unsigned char>(utf8[i]) < 0x80;
    const qint32 begin = qint32(m_text.size());
    if (ascii)
        m_text.append(QLatin1StringView(utf8, bytes));
    else
        m_text.append(QString::fromUtf8(utf8, bytes));
    m_cells.push_back({begin, qint32(m_text.size() - begin), Kind::Text});
}

void PackedRow::appendInteger(qint64 value) { appendCell(Kind::Integer, QString::number(value)); }

void PackedRow::appendReal(double value)
{
    appendCell(Kind::Real, QString::number(value, 'g', 17));
}

QStringView PackedRow::text(int column) const
{
    const Cell& c = m_cells[column];
    return QStringView(m_text).mid(c.begin, c.length);
}

QVariant PackedRow::value(int column) const
{
    switch (m_cells[column].kind) {
    case Kind::Null: return {};
    case Kind::Integer: return qlonglong(text(column).toLongLong());
    case Kind::Real: return text(column).toDouble();
    case Kind::Text: break;
    }
    return text(column).toString();
}

QVector<QVariant> PackedRow::values() const
{
    QVector<QVariant> out(size());
    for (int i = 0; i < size(); ++i)
        out[i] = value(i);
    return out;
}

void PackedRow::assign(const QVector<QVariant>& values)
{
    m_text.clear();
    m_cells.clear();
    m_cells.reserve(values.size());
    for (const QVariant& v : values) {
        if (v.isNull())
            appendNull();
        else if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
            appendInteger(v.toLongLong());
        else if (v.typeId() == QMetaType::Double)
            appendReal(v.toDouble());
        else
            appendText(v.toString());
    }
}

void PackedRow::set(int column, const QVariant& value)
{
    QVector<QVariant> all = values();
    all[column] = value;
    assign(all);
}

} // namespace data
