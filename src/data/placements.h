#pragma once

#include "data/changes.h"
#include "data/rows.h"
#include "rules/occupancy.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace data {

// Reads the board's data on a read-only connection of its own, closed before returning.
// Throws data::Error.
occupancy::BoardData readBoardData();

// What of the board's data `changes` name, read as it is stored now: the units again when any
// changed, and the granted placements of the trainees and letters named, in placement order
// (everything, when very many are). None when nothing the board shows was touched. Throws
// data::Error.
std::optional<occupancy::BoardChanges> readBoardChanges(const Changes& changes);

// Gives the placements their trainees' names and institutions, which the board reads only for
// the few placements a list shows. Throws data::Error.
void readTraineeNames(std::vector<occupancy::GrantedPlacement>& placements);

// The stored periods of the granted placements in unit `unitCode`, leaving out placement
// `except` (a rowid; -1 leaves out none). Throws data::Error.
QStringList grantedPeriods(const QSqlDatabase& db, const QString& unitCode, qint64 except);

// The unit names of the granted placements (view QAktiv) starting in the named month of `year`,
// read afresh; placements whose unit no longer exists are left out. Throws data::Error.
QStringList placedUnits(const QSqlDatabase& db, const QString& month, const QString& year);

// Every placement with its letter, trainee, reply, unit and period (view QSPM), read on a
// read-only connection of its own. Throws data::Error.
Rows readPlacementList();

} // namespace data
