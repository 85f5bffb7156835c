#include "data/nativepostgres.h"

#include <QSqlDriver>
#include <QVariant>
#include <cstdlib>
#include <libpq-fe.h>

namespace data {

namespace {
// The type numbers of the server's whole-number types (int2, int4, int8).
constexpr Oid Int8 = 20, Int2 = 21, Int4 = 23, Tid = 27;

// "(block,offset)" as block * 65536 + offset, kursan_rowid's number.
qint64 placeOf(const char* text)
{
    char* end = nullptr;
    const qint64 block = std::strtoll(text + 1, &end, 10);
    const qint64 offset = end && *end == ',' ? std::strtoll(end + 1, nullptr, 10) : 0;
    return block * 65536 + offset;
}
} // namespace

pg_conn* nativePgHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    // Qt names the type as libpq declares it, pg_conn*; older Qts said PGconn*.
    if (handle.isValid() &&
        (qstrcmp(handle.typeName(), "pg_conn*") == 0 || qstrcmp(handle.typeName(), "PGconn*") == 0))
        return *static_cast<PGconn* const*>(handle.data());
    return nullptr;
}

void ClearResult::operator()(pg_result* result) const { PQclear(result); }

QString numberedMarks(const QString& sql)
{
    QString out;
    out.reserve(sql.size() + 16);
    int n = 0;
    QChar quote;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            out += c;
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            out += c;
        } else if (c == u'?') {
            out += QLatin1Char('$') + QString::number(++n);
        } else {
            out += c;
        }
    }
    return out;
}

PgParameters::PgParameters(const QVariantList& values)
{
    m_texts.reserve(values.size());
    for (const QVariant& v : values)
        m_texts.push_back(v.isNull() ? QByteArray() : v.toString().toUtf8());
    for (qsizetype i = 0; i < values.size(); ++i)
        m_pointers.push_back(values[i].isNull() ? nullptr : m_texts[size_t(i)].constData());
}

void appendValue(PackedRow::Builder& row, pg_result* result, int r, int c)
{
    if (PQgetisnull(result, r, c)) {
        row.appendNull();
        return;
    }
    const char* text = PQgetvalue(result, r, c);
    const Oid type = PQftype(result, c);
    if (type == Int2 || type == Int4 || type == Int8)
        row.appendInteger(std::strtoll(text, nullptr, 10));
    else if (type == Tid)
        row.appendInteger(placeOf(text));
    else
        row.appendUtf8(text, PQgetlength(result, r, c));
}

QString valueText(pg_result* result, int r, int c)
{
    return PQgetisnull(result, r, c)
               ? QString()
               : QString::fromUtf8(PQgetvalue(result, r, c), PQgetlength(result, r, c));
}

qint64 rowidOf(pg_result* result, int r, int c)
{
    const char* text = PQgetvalue(result, r, c);
    return PQftype(result, c) == Tid ? placeOf(text) : std::strtoll(text, nullptr, 10);
}

QString pgError(pg_conn* connection, pg_result* result)
{
    const char* said = result ? PQresultErrorMessage(result) : PQerrorMessage(connection);
    return QString::fromUtf8(said).trimmed();
}

} // namespace data
