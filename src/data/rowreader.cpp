#include "data/rowreader.h"

#include "data/database.h"
#include "data/error.h"
#include "data/nativepostgres.h"
#include "data/nativesqlite.h"
#include "data/schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace data {

namespace {
// Reads the rows straight from SQLite (see nativeHandle): the snapshot of a large table is read
// at every form load. Each row goes to `keep(rowid, row)`; false when there is no native handle.
template <typename Keep>
bool readNative(const QSqlDatabase& db, const QString& sql, const QVariantList& values, int first,
                const QString& failure, QStringList& columns, Keep&& keep)
{
    sqlite3* con = nativeHandle(db);
    const NativeStatement statement = con ? prepareNative(con, sql) : NativeStatement();
    sqlite3_stmt* stmt = statement.get();
    if (!stmt)
        return false;
    for (int i = 0; i < values.size(); ++i)
        bindNative(stmt, i + 1, values[i]);
    const int count = sqlite3_column_count(stmt);
    for (int i = first; i < count; ++i)
        columns << QString::fromUtf8(sqlite3_column_name(stmt, i));
    PackedRow::Builder row;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        for (int i = first; i < count; ++i) {
            switch (sqlite3_column_type(stmt, i)) {
            case SQLITE_INTEGER: row.appendInteger(sqlite3_column_int64(stmt, i)); break;
            case SQLITE_FLOAT: row.appendReal(sqlite3_column_double(stmt, i)); break;
            case SQLITE_NULL: row.appendNull(); break;
            default: { // blobs read as text: none of ours is binary
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                row.appendUtf8(text, sqlite3_column_bytes(stmt, i));
            }
            }
        }
        keep(first ? sqlite3_column_int64(stmt, 0) : -1, row.take());
    }
    if (rc != SQLITE_DONE)
        throw Error(QStringLiteral("%1 tidak dapat dibaca: %2")
                        .arg(failure, QString::fromUtf8(sqlite3_errmsg(con))));
    return true;
}
// The same from the server, straight from libpq; false when `db` is not the server's.
template <typename Keep>
bool readNativePg(const QSqlDatabase& db, const QString& sql, const QVariantList& values, int first,
                  const QString& failure, QStringList& columns, Keep&& keep)
{
    pg_conn* con = nativePgHandle(db);
    if (!con)
        return false;
    const PgParameters parameters(values);
    const PgResult result(PQexecParams(con, numberedMarks(sql).toUtf8().constData(),
                                       parameters.count(), nullptr, parameters.values(), nullptr,
                                       nullptr, 0));
    if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
        const QString why = pgError(con, result.get());
        QSqlDatabase failed = db;
        Database::engine().recover(failed);
        throw Error(QStringLiteral("%1 tidak dapat dibaca: %2").arg(failure, why));
    }
    const int count = PQnfields(result.get());
    for (int i = first; i < count; ++i)
        columns << schema::canonical(QString::fromUtf8(PQfname(result.get(), i)));
    PackedRow::Builder row;
    for (int r = 0; r < PQntuples(result.get()); ++r) {
        for (int i = first; i < count; ++i)
            appendValue(row, result.get(), r, i);
        keep(first ? rowidOf(result.get(), r, 0) : -1, row.take());
    }
    return true;
}
} // namespace

void readPackedRows(const QSqlDatabase& db, const QString& sql, const QVariantList& values,
                    bool placed, const QString& failure, QStringList& columns,
                    const std::function<void(qint64 place, PackedRow&& row)>& keep)
{
    const int first = placed ? 1 : 0;
    if (readNative(db, sql, values, first, failure, columns, keep) ||
        readNativePg(db, sql, values, first, failure, columns, keep))
        return;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw Error(QStringLiteral("%1 tidak dapat dibaca: %2").arg(failure, q.lastError().text()));
    const QSqlRecord rec = q.record();
    for (int i = first; i < rec.count(); ++i)
        columns << schema::canonical(rec.fieldName(i));
    PackedRow::Builder row;
    while (q.next()) {
        for (int i = first; i < rec.count(); ++i)
            row.append(q.value(i));
        keep(first ? q.value(0).toLongLong() : -1, row.take());
    }
    if (q.lastError().isValid())
        throw Error(QStringLiteral("%1 tidak dapat dibaca: %2").arg(failure, q.lastError().text()));
}

} // namespace data
