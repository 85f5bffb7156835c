#include "forms/quota.h"

#include <QHash>
#include <QVector>

namespace quota {

const QStringList& monthNames()
{
    static const QStringList names{"Januari", "Februari", "Maret",     "April",
                                   "Mei",     "Juni",     "Juli",      "Agustus",
                                   "September", "Oktober", "November", "Desember"};
    return names;
}

QString placementYear(const QString& month, const QString& bulan, const QString& tahun)
{
    const int chosen = monthNames().indexOf(month) + 1;
    const int current = bulan.toInt();
    if (chosen == 0 || chosen >= current)
        return tahun;
    return QString::number(tahun.toInt() + 1);
}

QStringList countsPerUnit(const QStringList& units, const QStringList& placedUnits)
{
    QHash<QString, int> placements;
    for (const QString& unit : placedUnits)
        ++placements[unit];
    QStringList counts;
    counts.reserve(units.size());
    for (const QString& unit : units) {
        const int n = placements.value(unit);
        counts << (n ? QString::number(n) : QString());
    }
    return counts;
}

} // namespace quota
