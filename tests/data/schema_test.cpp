#include "data/database.h"
#include "data/datacontrol.h"
#include "data/error.h"
#include "support/fixture.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

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
    QTemporaryDir dir;
};

TEST_F(DatabaseFileTest, FirstStartCreatesFolderFileAndSchema)
{
    const QString path = dir.filePath("kursan/master.mdb");
    data::Database::prepare(path);
    ASSERT_TRUE(QFile::exists(path));
    for (const QString& source : data::Database::tables() + data::Database::views())
        EXPECT_NO_THROW(data::DataControl(nullptr, "check", source)) << source.toStdString();
    data::Database::prepare(path); // a second start finds its own database
}

TEST_F(DatabaseFileTest, ForeignFileIsRefusedAndLeftUntouched)
{
    auto digest = [](const QString& p) {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    };
    const QString text = dir.filePath("text.mdb");
    {
        QFile f(text);
        f.open(QIODevice::WriteOnly);
        f.write("Microsoft Jet DB? no, just text\n");
    }
    const QByteArray before = digest(text);
    EXPECT_THROW(data::Database::prepare(text), data::Error);
    EXPECT_EQ(digest(text), before);

    const QString empty = dir.filePath("empty.mdb");
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_THROW(data::Database::prepare(empty), data::Error);
    EXPECT_EQ(QFileInfo(empty).size(), 0);
}

} // namespace
