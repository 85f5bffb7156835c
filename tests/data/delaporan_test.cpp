#include "data/database.h"
#include "data/deLaporan.h"
#include "data/error.h"
#include "reports/reportdata.h"
#include "reports/tools.h"

#include <QFile>
#include <QSqlDatabase>

using data::deLaporan;

namespace {

QStringList column(const data::Rows& rows, const QString& name)
{
    QStringList out;
    const int i = rows.columnIndex(name);
    for (int r = 0; r < rows.count(); ++r)
        out << rows.value(r, i);
    return out;
}

int reportConnections()
{
    int n = 0;
    for (const QString& name : QSqlDatabase::connectionNames())
        n += name.startsWith("Connection1");
    return n;
}

} // namespace

using DeLaporan = ReportTest;

TEST_F(DeLaporan, TraineeListReadsEveryTraineeAlone)
{
    addSample();
    addTrainee("004", "B/004/III/PKL/2005", "Dedi"); // a letter but no placement
    const data::Rows rows = deLaporan::instance().run("cmdKursan");
    EXPECT_EQ(rows.columns, (QStringList{"Ns", "Np", "Nama_Kursan", "Tempat_Lahir", "Tanggal_Lahir",
                                         "Alamat", "Telepon", "Instansi", "Jurusan", "Tujuan"}));
    EXPECT_EQ(column(rows, "Nama_Kursan"), (QStringList{"Budi", "Ani", "Citra", "Dedi"}));
    EXPECT_EQ(column(rows, "Ns").at(2), ""); // NULL prints as nothing
    EXPECT_EQ(deLaporan::commandText("cmdKursan"),
              "SELECT TKursan.Ns, TKursan.Np, TKursan.Nama_Kursan, TKursan.Tempat_Lahir, "
              "TKursan.Tanggal_Lahir, TKursan.Alamat, TKursan.Telepon, TKursan.Instansi, "
              "TKursan.Jurusan, TKursan.Tujuan\r\nFROM TKursan;\r\n");
}

TEST_F(DeLaporan, UnitListReadsTheWholeTableInOrder)
{
    addUnit("Z9", "Zeta", "1");
    addUnit("A1", "Alfa", "2");
    const data::Rows rows = deLaporan::instance().run("cmdUnit");
    EXPECT_EQ(rows.columns, (QStringList{"Kode_Unit", "Unit", "No_Telp"}));
    EXPECT_EQ(column(rows, "Kode_Unit"), (QStringList{"Z9", "A1"}));
}

TEST_F(DeLaporan, JoinedCommandsGiveOneRowPerPlacementWithAUnit)
{
    addSample();
    addPlacement("001", "01/07/2005s/d01/08/2005", "U99"); // no such unit: not printed
    const QStringList joined{"cmdSPM", "cmdSPKP", "cmdSPP", "cmdSK", "cmdSertifikat"};
    for (const QString& command : joined) {
        SCOPED_TRACE(command.toStdString());
        const data::Rows rows = deLaporan::instance().run(command);
        EXPECT_EQ(rows.count(), 3);
        EXPECT_FALSE(column(rows, "Nama_Kursan").contains("Citra"));
        EXPECT_EQ(column(rows, "Unit").count("Gudang"), 2);
        EXPECT_TRUE(deLaporan::commandText(command).endsWith(
            "\r\nFROM TUnit INNER JOIN ((TSurat INNER JOIN TKursan ON TSurat.Ns = TKursan.Ns) "
            "INNER JOIN TKegiatan ON TKursan.Np = TKegiatan.Np) ON TUnit.Kode_Unit = "
            "TKegiatan.Kode_Unit;\r\n"));
    }
    EXPECT_EQ(deLaporan::instance().run("cmdSPM").columns,
              (QStringList{"Ns", "Nama_Kursan", "Instansi", "Jurusan", "Tujuan", "Jawaban", "Unit",
                           "Tanggal_Pelaksanaan", "Jumlah_Kursan"}));
    EXPECT_EQ(deLaporan::instance().run("cmdSPKP").columns,
              (QStringList{"Kode_Unit", "Nama_Kursan", "Unit", "Tempat_Lahir", "Tanggal_Lahir",
                           "Alamat", "Instansi", "Tanggal_Pelaksanaan", "Ns"}));
    EXPECT_EQ(deLaporan::instance().run("cmdSK").columns,
              (QStringList{"Nim", "Nama_Kursan", "Tempat_Lahir", "Tanggal_Lahir", "Alamat",
                           "Instansi", "Jurusan", "Unit", "Tanggal_Pelaksanaan"}));
    EXPECT_EQ(deLaporan::instance().run("cmdSertifikat").columns,
              (QStringList{"Nim", "Nama_Kursan", "Tempat_Lahir", "Tanggal_Lahir", "Instansi",
                           "Tanggal_Pelaksanaan", "Unit", "Jurusan"}));
    EXPECT_EQ(deLaporan::instance().run("cmdSPP").columns,
              (QStringList{"Ns", "Nama_Kursan", "Jurusan", "Instansi", "Unit",
                           "Tanggal_Pelaksanaan", "Alamat"}));
}

TEST_F(DeLaporan, OneConnectionIsOpenedAndKept)
{
    deLaporan::instance().run("cmdUnit");
    deLaporan::instance().run("cmdKursan");
    EXPECT_EQ(reportConnections(), 1);
    // Rows added since are seen by the next command on the same connection.
    addUnit("U05", "Baru");
    EXPECT_EQ(deLaporan::instance().run("cmdUnit").count(), 1);
    EXPECT_EQ(reportConnections(), 1);
}

TEST_F(DeLaporan, MissingOrBrokenDatabaseIsAnErrorAndCreatesNothing)
{
    const QString missing = m_dir.filePath("tidak/ada.mdb");
    data::Database::setPath(missing);
    try {
        deLaporan::instance().run("cmdKursan");
        ADD_FAILURE() << "no error";
    } catch (const data::Error& e) {
        EXPECT_EQ(e.message(), QString("DataBase %1 tidak ditemukan.").arg(missing));
    }
    EXPECT_FALSE(QFile::exists(missing));

    const QString broken = m_dir.filePath("rusak.mdb");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    data::Database::setPath(broken);
    try {
        deLaporan::instance().run("cmdUnit");
        ADD_FAILURE() << "no error";
    } catch (const data::Error& e) {
        EXPECT_TRUE(
            e.message().startsWith("Perintah cmdUnit tidak dapat dijalankan pada DataBase "))
            << e.message().toStdString();
    }
}

TEST_F(DeLaporan, TraineeSelectionMatchesTheNumberByValueOrTheName)
{
    addSample();
    addTrainee("1x", "", "Salah"); // reads as 1 to SQLite, but is no number 1
    auto names = [](const QString& command, const data::Selection& s,
                    const data::RowFilter& filter = {}) {
        return column(deLaporan::instance().run(command, filter, s), "Nama_Kursan");
    };
    using data::Selection;
    EXPECT_EQ(names("cmdKursan", Selection::trainee("1")), QStringList{"Budi"});
    EXPECT_EQ(names("cmdSPM", Selection::trainee("000002")), (QStringList{"Ani", "Ani"}));
    EXPECT_EQ(names("cmdSertifikat", Selection::trainee(" ani ")), (QStringList{"Ani", "Ani"}));
    EXPECT_EQ(names("cmdKursan", Selection::trainee("1x")), QStringList{"Salah"});
    // Beside the layout's own filter: a refused letter gives no statement.
    sql("UPDATE TSurat SET Jawaban = 'Tidak' WHERE Ns = ?", {"B/002/III/PKL/2005"});
    EXPECT_TRUE(names("cmdSK", Selection::trainee("2"), {"TSurat.Jawaban", "Dapat"}).isEmpty());
    try {
        deLaporan::instance().run("cmdSPM", {}, Selection::trainee("9"));
        ADD_FAILURE() << "no error";
    } catch (const data::SelectionError& e) {
        EXPECT_EQ(e.message(), "Kursan \"9\" tidak ada dalam DataBase.");
    }
}

TEST_F(DeLaporan, LetterRangeComparesTheSequenceNotTheText)
{
    addTrainee("001", "B/999/XII/PKL/2005", "Sembilan");
    addTrainee("002", "B/1000/I/PKL/2006", "Seribu");
    addTrainee("003", "B/1001/I/PKL/2006", "Seribu Satu");
    addTrainee("004", "B/xyz", "Tanpa Urut");
    addTrainee("005", "", "Tanpa Surat");
    auto names = [](const QString& range) {
        return column(deLaporan::instance().run("cmdKursan", {}, data::Selection::letters(range)),
                      "Nama_Kursan");
    };
    EXPECT_EQ(names("999:1000"), (QStringList{"Sembilan", "Seribu"}));
    EXPECT_EQ(names("B/1000/I/PKL/2006"), QStringList{"Seribu"});
    EXPECT_EQ(names("0-999"), QStringList{"Sembilan"});
}

TEST_F(DeLaporan, MonthSelectsThePlacementsThatStartInIt)
{
    addUnit("U01", "Keuangan");
    for (const char* period : {"20/11/2005s/d20/12/2005", "01/12/2005s/d01/01/2006",
                               "15/12/2004s/d15/01/2005", "tidak terbaca"})
        placeTrainee("U01", period);
    auto periods = [](const QString& month) {
        return column(deLaporan::instance().run("cmdSPM", {}, data::Selection::month(month)),
                      "Tanggal_Pelaksanaan");
    };
    EXPECT_EQ(periods("12/2005"), QStringList{"01/12/2005s/d01/01/2006"});
    EXPECT_EQ(periods("11/2005"), QStringList{"20/11/2005s/d20/12/2005"});
    EXPECT_TRUE(periods("1/2006").isEmpty()); // where a period ends is not where it starts
}
