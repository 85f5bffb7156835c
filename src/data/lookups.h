#pragma once

#include <QSqlDatabase>
#include <QString>

// Single values the forms look up by key, read afresh on the form's own connection.
namespace data {

// Whether a trainee already holds the number `np`, compared exactly as stored; false too when
// the table cannot be read.
bool traineeNumberTaken(const QSqlDatabase& db, const QString& np);

// The major of the trainee numbered `np`; empty when there is none. Throws data::Error.
QString majorOf(const QSqlDatabase& db, const QString& np);

// Whether letter `ns` already has a placement, through its trainees. Throws data::Error.
bool letterPlaced(const QSqlDatabase& db, const QString& ns);

} // namespace data
