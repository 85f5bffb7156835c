#include "data/query.h"

#include "data/error.h"

#include <QSqlError>

namespace data {

QSqlQuery readQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values,
                    const QString& failure)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant& value : values)
        q.addBindValue(value);
    if (!q.exec())
        throw Error(QStringLiteral("%1: %2").arg(failure, q.lastError().text()));
    return q;
}

} // namespace data
