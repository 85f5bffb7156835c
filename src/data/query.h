#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace data {

// `sql` run forward-only with `values` bound in order. When it cannot be read, throws
// data::Error with `failure` ("Data Kursan tidak dapat dibaca") and the database's reason.
QSqlQuery readQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values,
                    const QString& failure);

} // namespace data
