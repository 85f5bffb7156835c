#include "data/sequences.h"

#include "data/query.h"

namespace data {

namespace {
QString firstValue(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q = readQuery(db, sql, {}, QStringLiteral("Data tidak dapat dibaca"));
    return q.next() ? q.value(0).toString() : QString();
}
} // namespace

// The orders are those of the views in schema.sql, each term reversed (NULLs, first there,
// come last here). The key's index holds number and rowid, so only it is scanned.
QString lastTraineeNumber(const QSqlDatabase& db)
{
    return firstValue(db, QStringLiteral("SELECT Np FROM TKursan "
                                         "ORDER BY CAST(Np AS INTEGER) DESC, rowid DESC "
                                         "LIMIT 1"));
}

QString lastLetterNumber(const QSqlDatabase& db)
{
    return firstValue(db, QStringLiteral("SELECT Ns FROM TSurat "
                                         "ORDER BY CAST(substr(Ns, 3) AS INTEGER) DESC, "
                                         "rowid DESC LIMIT 1"));
}

bool letterSequenceTaken(const QSqlDatabase& db, const QString& ns)
{
    QSqlQuery q = readQuery(db,
                            QStringLiteral("SELECT 1 FROM TSurat WHERE CAST(substr(Ns, 3) AS "
                                           "INTEGER) = CAST(substr(?, 3) AS INTEGER) LIMIT 1"),
                            {ns}, QStringLiteral("Data surat tidak dapat dibaca"));
    return q.next();
}

} // namespace data
