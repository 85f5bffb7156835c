#include "data/lookups.h"

#include "data/error.h"
#include "data/query.h"

#include <QSqlError>

namespace data {

namespace {
// The query run with its one value bound; throws when it cannot be read.
QSqlQuery lookUp(const QSqlDatabase& db, const QString& sql, const QString& value)
{
    return readQuery(db, sql, {value}, QStringLiteral("Data tidak dapat dibaca"));
}
} // namespace

bool traineeNumberTaken(const QSqlDatabase& db, const QString& np)
{
    QSqlQuery taken(db);
    taken.prepare(QStringLiteral("SELECT 1 FROM TKursan WHERE Np = ?"));
    taken.addBindValue(np);
    return taken.exec() && taken.next();
}

bool letterExists(const QSqlDatabase& db, const QString& ns)
{
    return lookUp(db, QStringLiteral("SELECT 1 FROM TSurat WHERE Ns = ?"), ns).next();
}

QString majorOf(const QSqlDatabase& db, const QString& np)
{
    QSqlQuery q = lookUp(db, QStringLiteral("SELECT Jurusan FROM TKursan WHERE Np = ?"), np);
    return q.next() ? q.value(0).toString() : QString();
}

bool letterPlaced(const QSqlDatabase& db, const QString& ns)
{
    return lookUp(db,
                  QStringLiteral("SELECT 1 FROM TKegiatan JOIN TKursan ON TKursan.Np = TKegiatan.Np"
                                 " WHERE TKursan.Ns = ? LIMIT 1"),
                  ns)
        .next();
}

int placementsOfUnit(const QSqlDatabase& db, const QString& code)
{
    QSqlQuery q = lookUp(db, QStringLiteral("SELECT count(*) FROM TKegiatan WHERE Kode_Unit = ?"),
                         code);
    return q.next() ? q.value(0).toInt() : 0;
}

void movePlacements(QSqlDatabase& db, const QString& from, const QString& to)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE TKegiatan SET Kode_Unit = ? WHERE Kode_Unit = ?"));
    q.addBindValue(to);
    q.addBindValue(from);
    if (!q.exec())
        throw Error(QStringLiteral("Penempatan unit %1 tidak dapat dipindah: %2")
                        .arg(from, q.lastError().text()));
}

} // namespace data
