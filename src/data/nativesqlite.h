#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace data {

// The SQLite connection under a Qt connection, for reading large results straight from SQLite:
// going through QSqlQuery's per-value copies costs several times as much. Null where it is not
// the library this program links (elsewhere than on Linux, Qt's driver usually carries its own
// copy of SQLite) or the connection is not open.
sqlite3* nativeHandle(const QSqlDatabase& db);

// A statement prepared straight on SQLite, finalised when it goes.
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const;
};
using NativeStatement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// `sql` prepared on `db`; null when it does not prepare (sqlite3_errmsg tells why).
NativeStatement prepareNative(sqlite3* db, const QString& sql);

// Binds a value as Qt's driver would: whole numbers as integers, the rest as text.
void bindNative(sqlite3_stmt* statement, int index, const QVariant& value);

} // namespace data
