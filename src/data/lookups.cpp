#include "data/lookups.h"

#include "data/query.h"

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

} // namespace data
