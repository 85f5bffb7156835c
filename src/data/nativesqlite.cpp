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

// Binds a value as Qt's driver would: whole numbers as integers, the rest as text.
void bindNative(sqlite3_stmt* statement, int index, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong: sqlite3_bind_int64(statement, index, value.toLongLong()); return;
    case QMetaType::Double: sqlite3_bind_double(statement, index, value.toDouble()); return;
    default:
        if (value.isNull()) {
            sqlite3_bind_null(statement, index);
            return;
        }
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
}

} // namespace data
