#pragma once

#include <QSqlDatabase>

struct sqlite3;

namespace data {

// The SQLite connection under a Qt connection, for reading large results straight from SQLite:
// going through QSqlQuery's per-value copies costs several times as much. Null where it is not
// the library this program links (elsewhere than on Linux, Qt's driver usually carries its own
// copy of SQLite) or the connection is not open.
sqlite3* nativeHandle(const QSqlDatabase& db);

} // namespace data
