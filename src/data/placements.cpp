#include "data/placements.h"

#include "data/database.h"
#include "data/error.h"
#include "data/query.h"
#include "data/rowreader.h"
#include "data/schema.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <iterator>

namespace data {

namespace {
// The granted placements with their trainees. The unit is not joined: the board names units
// from its own list.
const QString grantedPlacements = QStringLiteral(" FROM TKegiatan"
                                                 " JOIN TKursan ON TKursan.Np = TKegiatan.Np"
                                                 " JOIN TSurat ON TSurat.Ns = TKursan.Ns"
                                                 " WHERE TSurat.Jawaban = ?");

bool byId(const occupancy::GrantedPlacement& a, const occupancy::GrantedPlacement& b)
{
    return a.id < b.id;
}

// A placement's rowid, as the letter form's grid names it.
QString placement() { return Database::engine().rowid(QStringLiteral("TKegiatan")); }

QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    return readQuery(db, sql, values, QStringLiteral("Data penempatan tidak dapat dibaca"));
}

std::vector<occupancy::UnitName> readUnits(const QSqlDatabase& db)
{
    QSqlQuery q = run(db,
                      QStringLiteral("SELECT Kode_Unit, Unit FROM TUnit ORDER BY %1")
                          .arg(Database::engine().tableOrder(QStringLiteral("TUnit"))),
                      {});
    std::vector<occupancy::UnitName> units;
    while (q.next())
        units.push_back({q.value(0).toString(), q.value(1).toString()});
    return units;
}

// The granted placements, all of them or those matching `where` (bound to `values`), in
// placement order. Read straight from the engine and put in order here: the server would
// otherwise number and sort every row before sending the first.
std::vector<occupancy::GrantedPlacement>
readPlacements(const QSqlDatabase& db, const QString& where = {}, const QVariantList& values = {})
{
    QVariantList bound{occupancy::GrantedReply};
    bound << values;
    const QString sql = QStringLiteral("SELECT %1, TKegiatan.Kode_Unit,")
                            .arg(Database::engine().snapshotRowid(QStringLiteral("TKegiatan"))) +
                        QStringLiteral(" TKegiatan.Tanggal_Pelaksanaan, TKursan.Ns, TKegiatan.Np") +
                        grantedPlacements + where;
    std::vector<occupancy::GrantedPlacement> placements;
    QStringList columns;
    readPackedRows(
        db, sql, bound, true, QStringLiteral("Data penempatan"), columns,
        [&placements](qint64 id, PackedRow&& row) {
            placements.push_back({id, row.text(0), row.text(1), {}, {}, row.text(2), row.text(3)});
        });
    if (!std::is_sorted(placements.begin(), placements.end(), byId))
        std::sort(placements.begin(), placements.end(), byId);
    return placements;
}

// More trainees and letters than this are read by reading every placement again.
constexpr qsizetype KeysOneByOne = 500;

QString inList(const QString& column, const QSet<QString>& keys, QVariantList& values)
{
    QStringList marks;
    for (const QString& key : keys) {
        marks << QStringLiteral("?");
        values << key;
    }
    return QStringLiteral("%1 IN (%2)").arg(column, marks.join(QStringLiteral(", ")));
}
} // namespace

void readTraineeNames(std::vector<occupancy::GrantedPlacement>& placements)
{
    // A few hundred trainees a statement, however long the list.
    std::vector<QSet<QString>> batches;
    for (const occupancy::GrantedPlacement& p : placements) {
        if (batches.empty() || batches.back().size() >= KeysOneByOne)
            batches.emplace_back();
        batches.back().insert(p.trainee);
    }
    QHash<QString, std::pair<QString, QString>> names;
    Database::onOwnConnection(QStringLiteral("papan"), [&](const QSqlDatabase& db) {
        for (const QSet<QString>& trainees : batches) {
            QVariantList values;
            const QString among = inList(QStringLiteral("Np"), trainees, values);
            QSqlQuery q = run(
                db,
                QStringLiteral("SELECT Np, Nama_Kursan, Instansi FROM TKursan WHERE %1").arg(among),
                values);
            while (q.next())
                names.insert(q.value(0).toString(), {q.value(1).toString(), q.value(2).toString()});
        }
    });
    for (occupancy::GrantedPlacement& p : placements) {
        const auto found = names.constFind(p.trainee);
        if (found != names.constEnd())
            std::tie(p.name, p.institution) = *found;
    }
}

occupancy::BoardData readBoardData()
{
    return Database::onOwnConnection(QStringLiteral("papan"), [](const QSqlDatabase& db) {
        return occupancy::BoardData{readUnits(db), readPlacements(db)};
    });
}

std::optional<occupancy::BoardChanges> readBoardChanges(const Changes& changes)
{
    occupancy::BoardChanges out;
    out.trainees = changes.of(QStringLiteral("TKegiatan")) + changes.of(QStringLiteral("TKursan"));
    out.letters = changes.of(QStringLiteral("TSurat"));
    out.unitsChanged = changes.touches(QStringLiteral("TUnit"));
    if (!out.unitsChanged && out.trainees.isEmpty() && out.letters.isEmpty() && !changes.everything)
        return std::nullopt;
    if (changes.everything || out.trainees.size() + out.letters.size() > KeysOneByOne) {
        out.everything = true;
        out.data = readBoardData();
        return out;
    }
    Database::onOwnConnection(QStringLiteral("papan"), [&](const QSqlDatabase& db) {
        if (out.unitsChanged)
            out.data.units = readUnits(db);
        // One read per kind of key, each through its column's index.
        std::vector<occupancy::GrantedPlacement>& fresh = out.data.placements;
        QSet<qint64> read;
        for (const auto& [column, keys] : {std::pair{QStringLiteral("TKegiatan.Np"), out.trainees},
                                           std::pair{QStringLiteral("TKursan.Ns"), out.letters}}) {
            if (keys.isEmpty())
                continue;
            QVariantList values;
            const QString where = QStringLiteral(" AND ") + inList(column, keys, values);
            for (occupancy::GrantedPlacement& p : readPlacements(db, where, values))
                if (!read.contains(p.id)) {
                    read.insert(p.id);
                    fresh.push_back(std::move(p));
                }
        }
        std::sort(fresh.begin(), fresh.end(), byId);
        return true;
    });
    return out;
}

QStringList grantedPeriods(const QSqlDatabase& db, const QString& unitCode, qint64 except)
{
    QSqlQuery q = run(
        db,
        QStringLiteral("SELECT TKegiatan.Tanggal_Pelaksanaan") + grantedPlacements +
            QStringLiteral(" AND TKegiatan.Kode_Unit = ? AND %1 <> ?").arg(placement()),
        {occupancy::GrantedReply, unitCode, except});
    QStringList periods;
    while (q.next())
        periods << q.value(0).toString();
    return periods;
}

QStringList placedUnits(const QSqlDatabase& db, const QString& month, const QString& year)
{
    // Only the month's rows are fetched: a snapshot of every placement would cost several
    // times as much on a large database.
    QSqlQuery q = run(db, QStringLiteral("SELECT Unit FROM QAktiv WHERE Bulan = ? AND Tahun = ?"),
                      {month, year});
    QStringList units;
    while (q.next())
        if (!q.value(0).isNull())
            units << q.value(0).toString();
    return units;
}

Rows readPlacementList()
{
    return Database::onOwnConnection(QStringLiteral("ekspor"), [](const QSqlDatabase& db) {
        const QString failure = QStringLiteral("Data SPM tidak dapat dibaca");
        QSqlQuery q = readQuery(db, QStringLiteral("SELECT * FROM QSPM"), {}, failure);
        Rows rows;
        const QSqlRecord record = q.record();
        for (int i = 0; i < record.count(); ++i)
            rows.columns << schema::canonical(record.fieldName(i));
        while (q.next()) {
            QStringList values;
            for (int i = 0; i < rows.columns.size(); ++i)
                values << q.value(i).toString();
            rows.append(values);
        }
        if (q.lastError().isValid())
            throw Error(QStringLiteral("%1: %2").arg(failure, q.lastError().text()));
        return rows;
    });
}

} // namespace data
