#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The counting behind the trainee form's unit quota detector.
namespace quota {

// "Januari" … "Desember", in calendar order.
const QStringList& monthNames();

// The year of the next occurrence of the month named `month`, seen from month `bulan`
// ("01" … "12") of year `tahun`: this year when that month is the current one or later,
// otherwise next year. A text that names no month gives this year.
QString placementYear(const QString& month, const QString& bulan, const QString& tahun);

// The unit names of the granted placements (view QAktiv) starting in the named month of `year`,
// read afresh; placements whose unit no longer exists are left out. Throws data::Error.
QStringList placedUnits(const QSqlDatabase& db, const QString& month, const QString& year);

// One entry per unit name: how many of `placedUnits` equal it (exactly, case included), or an
// empty entry when none do. A name listed twice is counted at both places.
QStringList countsPerUnit(const QStringList& units, const QStringList& placedUnits);

} // namespace quota
