#pragma once

#include "data/packedrow.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

struct pg_conn;
struct pg_result;

namespace data {

// The server's connection under a Qt connection, for reading many rows straight from libpq:
// Qt's driver makes a QVariant of every value, several times the cost. Null where the
// connection is not the server's.
pg_conn* nativePgHandle(const QSqlDatabase& db);

// A result of libpq's, cleared when it goes.
struct ClearResult {
    void operator()(pg_result* result) const;
};
using PgResult = std::unique_ptr<pg_result, ClearResult>;

// `sql` with its "?" marks written as libpq's $1, $2, …; the values as the texts libpq sends.
QString numberedMarks(const QString& sql);
struct PgParameters {
    explicit PgParameters(const QVariantList& values);
    int count() const { return int(m_pointers.size()); }
    const char* const* values() const { return m_pointers.data(); }

private:
    std::vector<QByteArray> m_texts;
    std::vector<const char*> m_pointers;
};

// One value of a result, as the file's native reading gives it: whole numbers as integers (a
// row's place, ctid, as the number kursan_rowid gives), the rest as text; NULL as NULL.
void appendValue(PackedRow::Builder& row, pg_result* result, int row_, int column);
QString valueText(pg_result* result, int row, int column);
// A whole number of a result: an integer column, or a ctid as kursan_rowid numbers it.
qint64 rowidOf(pg_result* result, int row, int column);

// What went wrong with a result or the connection, in libpq's words.
QString pgError(pg_conn* connection, pg_result* result);

} // namespace data
