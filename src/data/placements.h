#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace data {

// A placement whose letter was answered "Dapat", with what a list of trainees shows.
struct GrantedPlacement {
    qint64 id = -1;      // the placement's rowid
    QString unitCode;
    QString period;      // Tanggal_Pelaksanaan as stored
    QString name;        // the trainee's
    QString institution;
    QString letter;      // Ns
};

struct UnitName {
    QString code;
    QString name;
};

// What the placement board shows: every unit in table order and every granted placement in
// placement order.
struct BoardData {
    std::vector<UnitName> units;
    std::vector<GrantedPlacement> placements;
};

// Reads the board's data on a read-only connection of its own, closed before returning.
// Throws data::Error.
BoardData readBoardData();

// The stored periods of the granted placements in unit `unitCode`, leaving out placement
// `except` (a rowid; -1 leaves out none). Throws data::Error.
QStringList grantedPeriods(const QSqlDatabase& db, const QString& unitCode, qint64 except);

} // namespace data
