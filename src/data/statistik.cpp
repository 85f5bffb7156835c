#include "data/statistik.h"

#include "data/database.h"
#include "data/query.h"
#include "data/rowreader.h"
#include "rules/occupancy.h"

#include <QSqlQuery>

namespace data {

namespace {
const QString Failure = QStringLiteral("Data statistik tidak dapat dibaca");

// The engine narrows the rows by a text the year's every form contains (a period's year may be
// typed with two digits); which of them belong to the year the counter decides, the same on
// every engine.
QString containing(const QString& text) { return QLatin1Char('%') + text + QLatin1Char('%'); }

QHash<QString, QString> unitNames(const QSqlDatabase& db)
{
    QSqlQuery q = readQuery(db, QStringLiteral("SELECT Kode_Unit, Unit FROM TUnit"), {}, Failure);
    QHash<QString, QString> names;
    while (q.next())
        names.insert(q.value(0).toString(), q.value(1).toString());
    return names;
}

statistik::Year readYear(const QSqlDatabase& db, int year)
{
    statistik::Counter counter(year, unitNames(db));
    const QString fourDigits = QString::number(year);
    const QString twoDigits = fourDigits.right(2);
    QStringList columns;
    readPackedRows(
        db,
        QStringLiteral("SELECT TKegiatan.Tanggal_Pelaksanaan, TKegiatan.Kode_Unit,"
                       " TKursan.Instansi, TKursan.Tujuan, TKursan.Ns"
                       " FROM TKegiatan"
                       " JOIN TKursan ON TKursan.Np = TKegiatan.Np"
                       " JOIN TSurat ON TSurat.Ns = TKursan.Ns"
                       " WHERE TSurat.Jawaban = ?"
                       " AND (TKegiatan.Tanggal_Pelaksanaan LIKE ? OR TKursan.Ns LIKE ?)"),
        {occupancy::GrantedReply, containing(twoDigits), containing(fourDigits)}, false,
        QStringLiteral("Data penempatan"), columns, [&counter](qint64, PackedRow&& row) {
            counter.addPlacement({row.text(0), row.text(1), row.text(2), row.text(3), row.text(4)});
        });
    readPackedRows(
        db, QStringLiteral("SELECT Ns, Jawaban FROM TSurat WHERE Ns LIKE ?"),
        {containing(fourDigits)}, false, QStringLiteral("Data surat"), columns,
        [&counter](qint64, PackedRow&& row) { counter.addLetter(row.text(0), row.text(1)); });
    return counter.result();
}

} // namespace

statistik::Year readStatistik(int year)
{
    return Database::onOwnConnection(QStringLiteral("statistik"),
                                     [year](const QSqlDatabase& db) { return readYear(db, year); });
}

} // namespace data
