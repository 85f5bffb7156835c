#include "data/nativesqlite.h"

#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace data {

sqlite3* nativeHandle(const QSqlDatabase& db)
{
#if defined(Q_OS_LINUX)
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(handle.data());
#else
    Q_UNUSED(db);
#endif
    return nullptr;
}

void FinalizeStatement::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

NativeStatement prepareNative(sqlite3* db, const QString& sql)
{
    sqlite3_stmt* statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &statement, nullptr);
    NativeStatement prepared(statement);
    if (rc != SQLITE_OK)
        prepared.reset();
    return prepared;
}

} // namespace data
