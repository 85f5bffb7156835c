#include "data/packedrow.h"

#include "data/error.h"

#include <QByteArrayView>
#include <charconv>
#include <cstring>

namespace data {

namespace {
// Block layout: quint32 count, then a quint32 a value (its end among the bytes << 3 | kind),
// then the bytes.
constexpr int KindBits = 3;
constexpr quint32 KindMask = (1u << KindBits) - 1;
constexpr qsizetype MaxBytes = (qsizetype(1) << (32 - KindBits)) - 1;

quint32 word(const char* at)
{
    quint32 w;
    std::memcpy(&w, at, sizeof w);
    return w;
}

bool fitsLatin1(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() > 0xff)
            return false;
    return true;
}
} // namespace

// ---- building ----------------------------------------------------------------------------

void PackedRow::Builder::appendCell(Kind kind, const char* bytes, qsizetype size)
{
    if (size)
        m_bytes.append(bytes, size_t(size));
    if (qsizetype(m_bytes.size()) > MaxBytes) {
        m_cells.clear();
        m_bytes.clear();
        throw Error(QStringLiteral("Data tidak dapat dibaca: satu baris melebihi 512 MB."));
    }
    m_cells.push_back(quint32(m_bytes.size()) << KindBits | quint32(kind));
}

void PackedRow::Builder::appendText(QStringView text)
{
    if (fitsLatin1(text)) {
        const size_t at = m_bytes.size();
        m_bytes.resize(at + size_t(text.size()));
        for (qsizetype i = 0; i < text.size(); ++i)
            m_bytes[at + size_t(i)] = char(text[i].unicode());
        appendCell(Kind::Latin1, nullptr, 0);
        return;
    }
    const QByteArray utf8 = text.toUtf8();
    appendCell(Kind::Utf8, utf8.constData(), utf8.size());
}

void PackedRow::Builder::appendUtf8(const char* utf8, qsizetype bytes)
{
    for (qsizetype i = 0; i < bytes; ++i)
        if (static_cast<unsigned char>(utf8[i]) >= 0x80) {
            // Rare: decoded once, so that accented Latin text still takes a byte a character.
            appendText(QString::fromUtf8(utf8, bytes));
            return;
        }
    appendCell(Kind::Latin1, utf8, bytes);
}

void PackedRow::Builder::appendInteger(qint64 value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    appendCell(Kind::Integer, digits, end - digits);
}

void PackedRow::Builder::appendReal(double value)
{
    const QByteArray digits = QByteArray::number(value, 'g', 17);
    appendCell(Kind::Real, digits.constData(), digits.size());
}

void PackedRow::Builder::append(const QVariant& value)
{
    if (value.isNull())
        appendNull();
    else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        appendInteger(value.toLongLong());
    else if (value.typeId() == QMetaType::Double)
        appendReal(value.toDouble());
    else
        appendText(value.toString());
}

PackedRow PackedRow::Builder::take()
{
    const size_t table = sizeof(quint32) * (1 + m_cells.size());
    PackedRow row;
    row.m_block.reset(new char[table + m_bytes.size()]);
    const quint32 count = quint32(m_cells.size());
    std::memcpy(row.m_block.get(), &count, sizeof count);
    std::memcpy(row.m_block.get() + sizeof count, m_cells.data(), table - sizeof count);
    std::memcpy(row.m_block.get() + table, m_bytes.data(), m_bytes.size());
    m_cells.clear();
    m_bytes.clear();
    return row;
}

// ---- the row -----------------------------------------------------------------------------

PackedRow::PackedRow(const PackedRow& other)
{
    if (const qsizetype bytes = other.blockSize()) {
        m_block.reset(new char[size_t(bytes)]);
        std::memcpy(m_block.get(), other.m_block.get(), size_t(bytes));
    }
}

PackedRow& PackedRow::operator=(const PackedRow& other)
{
    if (this != &other)
        *this = PackedRow(other);
    return *this;
}

int PackedRow::size() const { return m_block ? int(word(m_block.get())) : 0; }

qsizetype PackedRow::blockSize() const
{
    const int n = size();
    if (n == 0)
        return m_block ? qsizetype(sizeof(quint32)) : 0;
    const qsizetype table = qsizetype(sizeof(quint32)) * (1 + n);
    return table + (word(m_block.get() + table - sizeof(quint32)) >> KindBits);
}

PackedRow::Cell PackedRow::cell(int column) const
{
    const char* cells = m_block.get() + sizeof(quint32);
    const quint32 w = word(cells + sizeof(quint32) * size_t(column));
    const quint32 begin = column ? word(cells + sizeof(quint32) * size_t(column - 1)) >> KindBits
                                 : 0;
    const char* bytes = cells + sizeof(quint32) * size_t(size());
    return {Kind(w & KindMask), bytes + begin, qsizetype((w >> KindBits) - begin)};
}

bool PackedRow::isNull(int column) const { return cell(column).kind == Kind::Null; }

QString PackedRow::text(int column) const
{
    const Cell c = cell(column);
    if (c.kind == Kind::Utf8)
        return QString::fromUtf8(c.bytes, c.size);
    return QString::fromLatin1(c.bytes, c.size);
}

bool PackedRow::textEquals(int column, QStringView text, Qt::CaseSensitivity cs) const
{
    const Cell c = cell(column);
    if (c.kind == Kind::Utf8) {
        const QString own = QString::fromUtf8(c.bytes, c.size);
        return own.size() == text.size() && text.compare(own, cs) == 0;
    }
    // Case folding keeps the length, so most rows are told apart by their size alone.
    const QLatin1StringView own(c.bytes, c.size);
    return own.size() == text.size() && (text == own || text.compare(own, cs) == 0);
}

QVariant PackedRow::value(int column) const
{
    const Cell c = cell(column);
    switch (c.kind) {
    case Kind::Null: return {};
    case Kind::Integer: return qlonglong(QByteArrayView(c.bytes, c.size).toLongLong());
    case Kind::Real: return QByteArrayView(c.bytes, c.size).toDouble();
    case Kind::Latin1:
    case Kind::Utf8: break;
    }
    return text(column);
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
    Builder builder;
    for (const QVariant& v : values)
        builder.append(v);
    *this = builder.take();
}

void PackedRow::set(int column, const QVariant& value)
{
    QVector<QVariant> all = values();
    all[column] = value;
    assign(all);
}

} // namespace data
