#include "data/sequences.h"

#include "data/database.h"
#include "data/query.h"

namespace data {

namespace {
QString firstValue(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q = readQuery(db, sql, {}, QStringLiteral("Data tidak dapat dibaca"));
    return q.next() ? q.value(0).toString() : QString();
}
} // namespace

// The orders are those of the views in the schema, each term reversed (NULLs, first there,
// come last here). The key's index holds number and rowid, so only it is read.
QString lastTraineeNumber(const QSqlDatabase& db)
{
    const Engine& e = Database::engine();
    return firstValue(db, QStringLiteral("SELECT Np FROM TKursan ORDER BY %1 DESC, %2 DESC "
                                         "LIMIT 1")
                              .arg(e.integerOf(QStringLiteral("Np")), e.rowid("TKursan")));
}

QString lastLetterNumber(const QSqlDatabase& db)
{
    const Engine& e = Database::engine();
    return firstValue(db,
                      QStringLiteral("SELECT Ns FROM TSurat ORDER BY %1 DESC, %2 DESC "
                                     "LIMIT 1")
                          .arg(e.integerOf(QStringLiteral("substr(Ns, 3)")), e.rowid("TSurat")));
}

bool letterSequenceTaken(const QSqlDatabase& db, const QString& ns)
{
    const Engine& e = Database::engine();
    QSqlQuery q = readQuery(db,
                            QStringLiteral("SELECT 1 FROM TSurat WHERE %1 = %2 LIMIT 1")
                                .arg(e.integerOf(QStringLiteral("substr(Ns, 3)")),
                                     e.integerOf(QStringLiteral("substr(CAST(? AS TEXT), 3)"))),
                            {ns}, QStringLiteral("Data surat tidak dapat dibaca"));
    return q.next();
}

} // namespace data
