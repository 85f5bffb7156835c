#pragma once

#include <QSqlDatabase>
#include <QString>

// Single values the forms look up by key, read afresh on the form's own connection.
namespace data {

// Whether a trainee already holds the number `np`, compared exactly as stored; false too when
// the table cannot be read.
bool traineeNumberTaken(const QSqlDatabase& db, const QString& np);

// Whether a letter numbered exactly `ns` is stored. Throws data::Error.
bool letterExists(const QSqlDatabase& db, const QString& ns);

// The major of the trainee numbered `np`; empty when there is none. Throws data::Error.
QString majorOf(const QSqlDatabase& db, const QString& np);

// Whether letter `ns` already has a placement, through its trainees. Throws data::Error.
bool letterPlaced(const QSqlDatabase& db, const QString& ns);

// How many placements name the unit code `code`. Throws data::Error.
int placementsOfUnit(const QSqlDatabase& db, const QString& code);

// Moves every placement of unit code `from` to `to`; run inside the transaction that stores
// the unit's new code. Throws data::Error.
void movePlacements(QSqlDatabase& db, const QString& from, const QString& to);

} // namespace data
