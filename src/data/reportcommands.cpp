#include "data/reportcommands.h"

#include <QHash>

namespace data {

namespace {

const QStringList placedTables{"TUnit", "TSurat", "TKursan", "TKegiatan"};
const QString placedFrom = QStringLiteral(
    "FROM TUnit INNER JOIN ((TSurat INNER JOIN TKursan ON TSurat.Ns = TKursan.Ns) INNER JOIN "
    "TKegiatan ON TKursan.Np = TKegiatan.Np) ON TUnit.Kode_Unit = TKegiatan.Kode_Unit");

ReportCommand placed(const QString& name, const QString& select)
{
    return {name, placedTables, select, placedFrom, {}};
}

const QHash<QString, ReportCommand>& commands()
{
    static const QHash<QString, ReportCommand> all = [] {
        const ReportCommand list[] = {
            {"cmdKursan",
             {"TKursan"},
             "SELECT TKursan.Ns, TKursan.Np, TKursan.Nama_Kursan, TKursan.Tempat_Lahir, "
             "TKursan.Tanggal_Lahir, TKursan.Alamat, TKursan.Telepon, TKursan.Instansi, "
             "TKursan.Jurusan, TKursan.Tujuan",
             "FROM TKursan",
             {}},
            {"cmdUnit", {"TUnit"}, "SELECT *", "FROM TUnit", {}, true},
            placed("cmdSPM",
                   "SELECT TKursan.Ns, TKursan.Nama_Kursan, TKursan.Instansi, TKursan.Jurusan, "
                   "TKursan.Tujuan, TSurat.Jawaban, TUnit.Unit, TKegiatan.Tanggal_Pelaksanaan, "
                   "TSurat.Jumlah_Kursan"),
            placed("cmdSPKP",
                   "SELECT TUnit.Kode_Unit, TKursan.Nama_Kursan, TUnit.Unit, "
                   "TKursan.Tempat_Lahir, TKursan.Tanggal_Lahir, TKursan.Alamat, "
                   "TKursan.Instansi, TUnit.Unit, TKegiatan.Tanggal_Pelaksanaan, TKursan.Ns"),
            placed("cmdSPP",
                   "SELECT TKursan.Ns, TKursan.Nama_Kursan, TKursan.Jurusan, TKursan.Instansi, "
                   "TUnit.Unit, TKegiatan.Tanggal_Pelaksanaan, TKursan.Alamat"),
            placed("cmdSK",
                   "SELECT TKursan.Nim, TKursan.Nama_Kursan, TKursan.Tempat_Lahir, "
                   "TKursan.Tanggal_Lahir, TKursan.Alamat, TKursan.Instansi, TKursan.Jurusan, "
                   "TUnit.Unit, TKegiatan.Tanggal_Pelaksanaan"),
            placed("cmdSertifikat",
                   "SELECT TKursan.Nim, TKursan.Nama_Kursan, TKursan.Tempat_Lahir, "
                   "TKursan.Tanggal_Lahir, TKursan.Instansi, TKegiatan.Tanggal_Pelaksanaan, "
                   "TUnit.Unit, TKursan.Jurusan"),
        };
        QHash<QString, ReportCommand> out;
        for (const ReportCommand& c : list)
            out.insert(c.name, c);
        return out;
    }();
    return all;
}

} // namespace

// A table command is written on one line; the others as a select list, a line break, the
// from clause with its terminator and a closing line break.
QString ReportCommand::text() const
{
    if (wholeTable)
        return select + QLatin1Char(' ') + from;
    const QString ordered = order.isEmpty() ? QString() : QStringLiteral("\r\n") + order;
    return select + QStringLiteral("\r\n") + from + ordered + QStringLiteral(";\r\n");
}

QString ReportCommand::statement(const QString& where, const QString& fallbackOrder) const
{
    const QString ordering = order.isEmpty() ? fallbackOrder : order;
    if (where.isEmpty() && ordering.isEmpty())
        return text();
    const QString condition = where.isEmpty() ? QString() : QStringLiteral("\r\nWHERE ") + where;
    const QString ordered = ordering.isEmpty() ? QString() : QStringLiteral("\r\n") + ordering;
    return select + QStringLiteral("\r\n") + from + condition + ordered + QLatin1Char(';');
}

const ReportCommand* reportCommand(const QString& name)
{
    const auto it = commands().find(name);
    return it == commands().end() ? nullptr : &*it;
}

} // namespace data
