#pragma once

#include "data/packedrow.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

namespace data {

// Reads the rows of `sql` (its "?" bound to `values` in order) straight from the engine's own
// library where it can (Qt's driver makes a QVariant of every value, several times the cost),
// else through Qt. With `placed`, the first column is the row's place (a rowid, or the
// server's ctid as kursan_rowid numbers it) and is given apart. `columns` gets the other
// columns' names. A read that fails throws data::Error: "`failure` tidak dapat dibaca: …".
void readPackedRows(const QSqlDatabase& db, const QString& sql, const QVariantList& values,
                    bool placed, const QString& failure, QStringList& columns,
                    const std::function<void(qint64 place, PackedRow&& row)>& keep);

} // namespace data
