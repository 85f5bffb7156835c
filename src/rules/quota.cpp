#include "rules/quota.h"

#include "rules/calendar.h"

#include <QHash>

namespace quota {

QString placementYear(const QString& month, const QString& bulan, const QString& tahun)
{
    const int chosen = calendar::monthNames().indexOf(month) + 1;
    const int current = bulan.toInt();
    if (chosen == 0 || chosen >= current)
        return tahun;
    return QString::number(tahun.toInt() + 1);
}

QString countHeading(const QString& month, const QString& year)
{
    if (!calendar::monthNames().contains(month))
        return QStringLiteral("Jumlah / Unit");
    return QStringLiteral("Jumlah yang mulai\n%1 %2").arg(month, year);
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
