#include "data/worklist.h"

#include "data/database.h"
#include "data/query.h"
#include "data/reportcommands.h"
#include "data/rowreader.h"
#include "data/selection.h"
#include "rules/numbering.h"
#include "rules/occupancy.h"

#include <QSet>
#include <QSqlQuery>
#include <algorithm>
#include <limits>
#include <tuple>

namespace data {

namespace {

const QString Failure = QStringLiteral("Daftar kerja tidak dapat dibaca");

// Not answered yet: no reply at all, or the "-" a new letter is stored with.
const QString Awaiting = QStringLiteral("(TSurat.Jawaban IS NULL OR trim(TSurat.Jawaban) = '' OR "
                                        "trim(TSurat.Jawaban) = '-')");
// The trainee of a letter named by the letter alone: the first of its trainees.
const QString FirstTrainee = QStringLiteral(
    "(SELECT MIN(TKursan.Np) FROM TKursan WHERE TKursan.Ns = TSurat.Ns)");

// Rows of trainee, name, letter, reply, unit and period, in that column order.
std::vector<WorkItem> items(const QSqlDatabase& db, const QString& sql,
                            const QVariantList& values = {})
{
    QSqlQuery q = readQuery(db, sql, values, Failure);
    std::vector<WorkItem> out;
    while (q.next())
        out.push_back({q.value(0).toString().trimmed(), q.value(1).toString(),
                       q.value(2).toString().trimmed(), q.value(3).toString(),
                       q.value(4).toString(), q.value(5).toString()});
    return out;
}

// By the month and year the letter was numbered in, then its sequence; unreadable last.
std::tuple<int, qint64, QString> letterOrder(const QString& ns)
{
    const auto n = numbering::readLetterNumber(ns);
    if (!n)
        return {std::numeric_limits<int>::max(), 0, ns};
    return {occupancy::monthKey(n->year, n->month), n->sequence, ns};
}

// Sorts by a key worked out once per row, not once per comparison.
template <typename Key> void sortBy(std::vector<WorkItem>& list, Key key)
{
    using K = decltype(key(list.front()));
    std::vector<std::pair<K, size_t>> keyed;
    keyed.reserve(list.size());
    for (size_t i = 0; i < list.size(); ++i)
        keyed.emplace_back(key(list[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<WorkItem> sorted;
    sorted.reserve(list.size());
    for (const auto& k : keyed)
        sorted.push_back(std::move(list[k.second]));
    list = std::move(sorted);
}

void sortByLetter(std::vector<WorkItem>& list)
{
    sortBy(list, [](const WorkItem& item) { return letterOrder(item.letter); });
}

// "dd/mm/yyyy" at the end of a period, as yyyymmdd, which sorts by day.
QString endKey(const QString& period)
{
    const QString end = period.right(10);
    return end.mid(6, 4) + end.mid(3, 2) + end.left(2);
}

std::vector<WorkItem> certificatesDue(const QSqlDatabase& db, const QDate& from, const QDate& to)
{
    const ReportCommand* placed = reportCommand(QStringLiteral("cmdSertifikat"));
    const Selection::Condition due = Selection::ending(from, to).condition(db);
    std::vector<WorkItem> list = items(
        db,
        QStringLiteral("SELECT TKursan.Np, TKursan.Nama_Kursan, TKursan.Ns, TSurat.Jawaban, "
                       "TUnit.Unit, TKegiatan.Tanggal_Pelaksanaan %1 WHERE %2")
            .arg(placed->from, due.sql),
        due.values);
    for (WorkItem& item : list)
        item.placed = true;
    sortBy(list,
           [](const WorkItem& item) { return std::make_pair(endKey(item.period), item.trainee); });
    return list;
}

std::vector<WorkItem> awaitingReply(const QSqlDatabase& db)
{
    std::vector<WorkItem> list = items(
        db, QStringLiteral("SELECT %1, (SELECT TKursan.Nama_Kursan FROM TKursan WHERE "
                           "TKursan.Np = %1), TSurat.Ns, TSurat.Jawaban, '', '' FROM TSurat "
                           "WHERE %2")
                .arg(FirstTrainee, Awaiting));
    sortByLetter(list);
    return list;
}

// A placement's unit by its name, or by its code where the unit list lacks it.
const QString UnitShown = QStringLiteral(
    "COALESCE((SELECT TUnit.Unit FROM TUnit WHERE TUnit.Kode_Unit = TKegiatan.Kode_Unit), "
    "TKegiatan.Kode_Unit)");

std::vector<WorkItem> unplaced(const QSqlDatabase& db)
{
    std::vector<WorkItem> granted = items(
        db,
        QStringLiteral("SELECT TKursan.Np, TKursan.Nama_Kursan, TKursan.Ns, TSurat.Jawaban, "
                       "'', '' FROM TSurat JOIN TKursan ON TKursan.Ns = TSurat.Ns "
                       "WHERE TSurat.Jawaban = ? AND NOT EXISTS (SELECT 1 FROM TKegiatan "
                       "WHERE TKegiatan.Np = TKursan.Np)"),
        {occupancy::GrantedReply});
    sortByLetter(granted);

    // Whether a period reads is the board's rule, not SQL's: every period is looked at, and
    // only the few that fail are read whole.
    QStringList columns;
    QVariantList unreadable;
    QSet<QString> seen;
    readPackedRows(db, QStringLiteral("SELECT Np, Tanggal_Pelaksanaan FROM TKegiatan"), {}, false,
                   Failure, columns, [&](qint64, PackedRow&& row) {
                       if (!occupancy::monthsOf(row.text(1)) && !seen.contains(row.text(0))) {
                           seen.insert(row.text(0));
                           unreadable << row.value(0);
                       }
                   });
    std::vector<WorkItem> unread;
    for (const QVariant& np : unreadable) {
        std::vector<WorkItem> found = items(
            db,
            QStringLiteral("SELECT TKegiatan.Np, TKursan.Nama_Kursan, TKursan.Ns, "
                           "TSurat.Jawaban, %1, TKegiatan.Tanggal_Pelaksanaan FROM TKegiatan "
                           "LEFT JOIN TKursan ON TKursan.Np = TKegiatan.Np LEFT JOIN TSurat ON "
                           "TSurat.Ns = TKursan.Ns WHERE TKegiatan.Np = ?")
                .arg(UnitShown),
            {np});
        for (WorkItem& item : found)
            if (!occupancy::monthsOf(item.period)) {
                item.placed = true;
                unread.push_back(std::move(item));
            }
    }
    granted.insert(granted.end(), unread.begin(), unread.end());
    return granted;
}

std::vector<WorkItem> withoutLetter(const QSqlDatabase& db)
{
    return items(db, QStringLiteral("SELECT Np, Nama_Kursan, Ns, '', '', '' FROM TKursan WHERE "
                                    "Ns IS NULL OR trim(Ns) = '' ORDER BY %1")
                         .arg(Database::engine().integerOf(QStringLiteral("Np"))));
}

} // namespace

Worklist readWorklist(const QDate& from, const QDate& to)
{
    return Database::onOwnConnection(QStringLiteral("daftarkerja"), [&](const QSqlDatabase& db) {
        Worklist w;
        w.certificatesDue = certificatesDue(db, from, to);
        w.awaitingReply = awaitingReply(db);
        w.unplaced = unplaced(db);
        w.withoutLetter = withoutLetter(db);
        return w;
    });
}

DueCounts readDueCounts(const QDate& today)
{
    return Database::onOwnConnection(QStringLiteral("daftarkerja"), [&](const QSqlDatabase& db) {
        DueCounts counts;
        const ReportCommand* placed = reportCommand(QStringLiteral("cmdSertifikat"));
        const Selection::Condition due = Selection::ending(today, endOfWeek(today)).condition(db);
        QSqlQuery q = readQuery(
            db, QStringLiteral("SELECT COUNT(*) %1 WHERE %2").arg(placed->from, due.sql),
            due.values, Failure);
        counts.certificates = q.next() ? q.value(0).toInt() : 0;
        q = readQuery(db, QStringLiteral("SELECT COUNT(*) FROM TSurat WHERE %1").arg(Awaiting), {},
                      Failure);
        counts.awaitingReply = q.next() ? q.value(0).toInt() : 0;
        return counts;
    });
}

QDate endOfWeek(const QDate& day) { return day.addDays(7 - day.dayOfWeek()); }

} // namespace data
