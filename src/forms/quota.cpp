#include "forms/quota.h"

#include "data/error.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

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

QStringList placedUnits(const QSqlDatabase& db, const QString& month, const QString& year)
{
    // Only the month's rows are fetched: a snapshot of every placement would cost several
    // times as much on a large database.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT Unit FROM QAktiv WHERE Bulan = ? AND Tahun = ?"));
    q.addBindValue(month);
    q.addBindValue(year);
    if (!q.exec())
        throw data::Error(QStringLiteral("Data penempatan tidak dapat dibaca: %1")
                              .arg(q.lastError().text()));
    QStringList units;
    while (q.next())
        if (!q.value(0).isNull())
            units << q.value(0).toString();
    return units;
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
