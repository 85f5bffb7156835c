#include "data/database.h"
#include "data/datacontrol.h"
#include "data/error.h"
#include "data/sequences.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace {

using SchemaTest = KursanTest;

QStringList column(data::RecordSet* rs, const QString& name)
{
    QStringList out;
    for (rs->moveFirst(); !rs->eof(); rs->moveNext())
        out << rs->field(name).toString();
    return out;
}

TEST_F(SchemaTest, LetterQueryOrdersByTheNumericSequence)
{
    for (const char* ns : {"B/1000/I/PKL/2006", "B/010/IV/PKL/2005", "B/009/IV/PKL/2005",
                           "B/100/XII/PKL/2005", "B/001/I/PKL/2005"})
        sql("INSERT INTO TSurat VALUES (?, '-', 1)", {QString(ns)});
    data::DataControl qns(nullptr, "Adodc4", "QNS");
    EXPECT_EQ(column(qns.recordset(), "Ns"),
              QStringList({"B/001/I/PKL/2005", "B/009/IV/PKL/2005", "B/010/IV/PKL/2005",
                           "B/100/XII/PKL/2005", "B/1000/I/PKL/2006"}));
    EXPECT_EQ(qns->columnNames().first(), "Ns");
}

TEST_F(SchemaTest, TraineeListOrdersByNumericTraineeNumber)
{
    for (const char* np : {"1000", "099", "100", "002"})
        sql("INSERT INTO TKursan (Ns, Np) VALUES ('', ?)", {QString(np)});
    data::DataControl list(nullptr, "adoKe3", "QLapKursan");
    EXPECT_EQ(column(list.recordset(), "Np"), QStringList({"002", "099", "100", "1000"}));
    EXPECT_EQ(list->columnNames().at(1), "Np");
}

// The newest numbers are read without the rest of their view, and must still be its last row
// whatever is stored: numbers past 999, equal values told apart by rowid (which need not follow
// the order of storing), junk and NULLs.
TEST_F(SchemaTest, LastNumberQueriesGiveTheLastRowOfTheirView)
{
    data::DataControl letters(nullptr, "Adodc2", "TSurat");
    const QSqlDatabase db = letters->database();
    const auto check = [&](auto last, const char* table, const char* column, const char* view,
                           const std::vector<std::pair<int, const char*>>& stored) {
        EXPECT_EQ(last(db).toStdString(), "");
        for (const auto& [rowid, number] : stored) {
            sql(QString("INSERT INTO %1 (rowid, %2) VALUES (?, ?)").arg(table, column),
                {rowid, number ? QVariant(number) : QVariant()});
            const QVariantList inView = sql(QString("SELECT %1 FROM %2").arg(column, view));
            EXPECT_EQ(last(db).toStdString(), inView.last().toString().toStdString())
                << "after " << (number ? number : "NULL");
        }
        return last(db).toStdString();
    };
    EXPECT_EQ(check(data::lastTraineeNumber, "TKursan", "Np", "QLapKursan",
                    {{10, "099"},
                     {20, "1000"},
                     {30, "999"},
                     {5, "01000"},
                     {40, "abc"},
                     {50, nullptr},
                     {60, "1000x"},
                     {1, " 1000"},
                     {70, "-2000"}}),
              "1000x");
    EXPECT_EQ(check(data::lastLetterNumber, "TSurat", "Ns", "QNS",
                    {{10, "B/099/I/PKL/2005"},
                     {20, "B/1000/I/PKL/2006"},
                     {30, "B/999/XII/PKL/2005"},
                     {5, "B/01000/II/PKL/2006"},
                     {40, "junk"},
                     {50, nullptr},
                     {60, "X/1000"},
                     {1, "B/1000/III/PKL/2006"}}),
              "X/1000");
}

TEST_F(SchemaTest, ActivePlacementsCarryMonthNameAndYearOfGrantedLettersOnly)
{
    sql("INSERT INTO TUnit VALUES ('U1', 'Gudang', '')");
    sql("INSERT INTO TSurat VALUES ('B/001/III/PKL/2005', 'Dapat', 1), "
        "('B/002/III/PKL/2005', 'Tidak', 1), ('B/003/III/PKL/2005', '-', 1)");
    sql("INSERT INTO TKursan (Ns, Np) VALUES ('B/001/III/PKL/2005', '001'), "
        "('B/002/III/PKL/2005', '002'), ('B/003/III/PKL/2005', '003')");
    sql("INSERT INTO TKegiatan VALUES ('001', '01/12/2005s/d01/01/2006', 'U1'), "
        "('002', '01/04/2005s/d01/05/2005', 'U1'), ('003', '01/04/2005s/d01/05/2005', 'U1')");
    EXPECT_EQ(rows("QAktiv"), QStringList({"U1|Gudang|1|Desember|2005"}));
}

TEST_F(SchemaTest, LetterGridQueryHasOneRowPerPlacement)
{
    sql("INSERT INTO TSurat VALUES ('B/001/III/PKL/2005', 'Dapat', 1)");
    sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan, Instansi) VALUES "
        "('B/001/III/PKL/2005', '001', 'Ani', 'UGM')");
    sql("INSERT INTO TKegiatan VALUES ('001', 'a', 'U1'), ('001', 'b', 'U2'), ('009', 'c', 'U1')");
    const QStringList spm = rows("QSPM");
    ASSERT_EQ(spm.size(), 3);
    EXPECT_EQ(spm[0], "B/001/III/PKL/2005|Ani|UGM|Dapat|<null>|a|001|U1|1");
    EXPECT_EQ(spm[2], "<null>|<null>|<null>|<null>|<null>|c|009|U1|3");
}

class DatabaseFileTest : public ::testing::Test {
protected:
    // A Kursan database at `name`, changed by the statements given.
    QString kursanFile(const QString& name, const QStringList& changes = {})
    {
        const QString path = dir.filePath(name);
        data::Database::prepare(path);
        {
            QSqlDatabase db = data::Database::connect("change");
            for (const QString& statement : changes)
                EXPECT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
        }
        QSqlDatabase::removeDatabase("change");
        return path;
    }
    QString textFile(const QString& name, const QByteArray& text)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    static QByteArray contents(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(DatabaseFileTest, FirstStartCreatesFolderFileAndSchemaForItsOwnerOnly)
{
    const QString path = dir.filePath("kursan/master.mdb");
    data::Database::prepare(path);
    ASSERT_TRUE(QFile::exists(path));
    for (const QString& source : data::Database::tables() + data::Database::views())
        EXPECT_NO_THROW(data::DataControl(nullptr, "check", source)) << source.toStdString();
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(path).permissions() & (others | QFile::ExeOwner), QFile::Permissions());
    EXPECT_EQ(QFileInfo(dir.filePath("kursan")).permissions() & others, QFile::Permissions());
    EXPECT_EQ(QDir(dir.filePath("kursan")).entryList(QDir::Files), QStringList{"master.mdb"});

    // A second start finds its own database and leaves the modes it was given alone.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    data::Database::prepare(path);
    EXPECT_TRUE(QFileInfo(path).permissions() & QFile::ReadOther);
}

TEST_F(DatabaseFileTest, UnusableFilesAreRefusedWithTheReasonAndLeftUntouched)
{
    const auto damaged = [&] {
        const QString path = kursanFile("damaged.mdb");
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(4096); // the second page, a table's root, which reading the schema never touches
        f.write(QByteArray(64, '\xff'));
        return path;
    };
    const std::pair<QString, QString> cases[] = {
        {textFile("text.mdb", "Microsoft Jet DB? no, just text\n"), "file is not a database"},
        {textFile("empty.mdb", ""), "tidak ada TUnit, TKursan, TSurat, TKegiatan, QNS"},
        {damaged(), "berkas rusak"},
        {kursanFile("nim.mdb", {"ALTER TABLE TKursan RENAME COLUMN Nim TO NoInduk"}),
         "TKursan tidak punya kolom Nim"},
        {kursanFile("alamat.mdb", {"ALTER TABLE TUnit ADD COLUMN Alamat TEXT"}),
         "TUnit punya kolom Alamat yang tidak dikenal"},
        {kursanFile("order.mdb",
                    {"DROP VIEW QKursan",
                     "CREATE VIEW QKursan AS SELECT Ns, Np, Nama_Kursan FROM TKursan"}),
         "kolom ke-1 QKursan adalah Ns, seharusnya Np"},
        {kursanFile("view.mdb", {"DROP VIEW QNS", "CREATE TABLE QNS (Ns, Jawaban, Jumlah_Kursan)"}),
         "QNS bukan query"},
        // Right names and columns, but not what the program makes.
        {kursanFile("trigger.mdb", {"CREATE TRIGGER sapu AFTER UPDATE ON TKursan BEGIN "
                                    "DELETE FROM TUnit; END"}),
         "trigger sapu bukan buatan Kursan"},
        {kursanFile("qspm.mdb", {"DROP VIEW QSPM",
                                 "CREATE VIEW QSPM AS SELECT TKursan.Ns, Nama_Kursan, Instansi, "
                                 "Jawaban, Unit, Tanggal_Pelaksanaan, TKegiatan.Np, "
                                 "TKegiatan.Kode_Unit, TKegiatan.rowid AS IdKegiatan FROM "
                                 "TKegiatan, TKursan, TSurat, TUnit WHERE 0"}),
         "query QSPM tidak sama dengan buatan Kursan"},
        {kursanFile("np.mdb", {"DROP TABLE TKursan",
                               "CREATE TABLE TKursan (Ns TEXT, Np INTEGER PRIMARY KEY, Nim TEXT, "
                               "Nama_Kursan TEXT, Tempat_Lahir TEXT, Tanggal_Lahir TEXT, Alamat "
                               "TEXT, Telepon TEXT, Instansi TEXT, Jurusan TEXT, Tujuan TEXT)"}),
         "tabel TKursan tidak sama dengan buatan Kursan"},
        {kursanFile("index.mdb", {"CREATE INDEX cari ON TKursan (Nama_Kursan)"}),
         "indeks cari bukan buatan Kursan"},
    };
    for (const auto& [path, reason] : cases) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray before = contents(path);
        try {
            data::Database::prepare(path);
            ADD_FAILURE() << "accepted";
        } catch (const data::Error& e) {
            EXPECT_TRUE(e.message().startsWith("Berkas " + path + " bukan DataBase Kursan ("))
                << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(reason)) << e.message().toStdString();
        }
        EXPECT_EQ(contents(path), before);
    }

    // A link to a drive that is not there is neither followed nor removed.
    const QString link = dir.filePath("link.mdb");
    ASSERT_TRUE(QFile::link(dir.filePath("unmounted/master.mdb"), link));
    EXPECT_THROW(data::Database::prepare(link), data::Error);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("unmounted")));
}
} // namespace
