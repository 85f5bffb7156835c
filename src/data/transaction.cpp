#include "data/transaction.h"

#include "data/database.h"
#include "data/error.h"

#include <QSqlError>
#include <QSqlQuery>

namespace data {

namespace {
QString why(const QSqlError& error)
{
    return Database::isBusy(error) ? QStringLiteral("DataBase sedang dipakai oleh program lain. "
                                                    "Coba simpan lagi sebentar lagi.")
                                   : Database::engine().reason(error);
}
} // namespace

void inTransaction(QSqlDatabase db, const std::function<void(QSqlDatabase&)>& write,
                   const std::function<void()>& accept)
{
    const Engine& engine = Database::engine();
    if (const QSqlError failed = engine.beginWrite(db); failed.isValid())
        throw Error(QStringLiteral("Transaksi tidak dapat dimulai: %1").arg(why(failed)));
    try {
        write(db);
    } catch (...) {
        db.rollback();
        engine.recover(db);
        throw;
    }
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        engine.recover(db);
        throw Error(QStringLiteral("Data tidak dapat disimpan: %1").arg(why(error)));
    }
    if (accept)
        accept();
}

} // namespace data
