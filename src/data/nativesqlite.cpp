#include "data/nativesqlite.h"

#include <QSqlDriver>
#include <QVariant>

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

} // namespace data
