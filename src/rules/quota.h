#pragma once

#include <QString>
#include <QStringList>

// The counting behind the trainee form's unit quota detector.
namespace quota {

// The year of the next occurrence of the month named `month`, seen from month `bulan`
// ("01" … "12") of year `tahun`: this year when that month is the current one or later,
// otherwise next year. A text that names no month gives this year.
QString placementYear(const QString& month, const QString& bulan, const QString& tahun);

// The heading over the counts: which month and year they are of, and that they count the
// placements starting then (the placement board counts every month a period touches).
// "Jumlah / Unit" until a month is chosen.
QString countHeading(const QString& month, const QString& year);

// One entry per unit name: how many of `placedUnits` equal it (exactly, case included), or an
// empty entry when none do. A name listed twice is counted at both places.
QStringList countsPerUnit(const QStringList& units, const QStringList& placedUnits);

} // namespace quota
