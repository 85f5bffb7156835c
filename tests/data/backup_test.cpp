#include "data/backup.h"
#include "data/database.h"
#include "data/error.h"
#include "data/wholefile.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace {

class BackupTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        sql("INSERT INTO TUnit VALUES ('U01', 'Keuangan', '101')");
        sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan) VALUES ('B/001/III/PKL/2005', '001', "
            "'Ma''ruf')");
        sql("INSERT INTO TKegiatan VALUES ('001', '01/03/2005s/d01/04/2005', 'U01')");
    }
    static void write(const QString& path, const QByteArray& bytes, qint64 at = 0)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek(at);
        f.write(bytes);
    }
    // Where in the file a table's first page starts.
    qint64 pageOffset(const QString& file, const QString& table)
    {
        const QString own = data::Database::path();
        data::Database::setPath(file);
        const qint64 page =
            sql("SELECT rootpage FROM sqlite_master WHERE name = ?", {table}).value(0).toLongLong();
        const qint64 size = sql("PRAGMA page_size").value(0).toLongLong();
        data::Database::setPath(own);
        return (page - 1) * size;
    }
};

TEST_F(BackupTest, DailyCopyIsTakenOncePerDayAndOnlyTheLastSevenKept)
{
    const QDir folder(data::dailyFolder());
    ASSERT_TRUE(folder.mkpath("."));
    write(folder.filePath("catatan.txt"), "bukan salinan"); // not ours: never removed
    for (int day = 1; day <= 10; ++day)
        EXPECT_EQ(data::keepDailyCopy(QDate(2005, 3, day)),
                  folder.filePath(QString("kursan-2005-03-%1.mdb").arg(day, 2, 10, QChar('0'))));
    const QStringList stored = allRows();

    // A second start on the same day keeps the copy it has.
    sql("INSERT INTO TUnit VALUES ('U02', 'Gudang', '102')");
    EXPECT_EQ(data::keepDailyCopy(QDate(2005, 3, 10)), QString());
    EXPECT_EQ(
        folder.entryList(QDir::Files, QDir::Name),
        QStringList({"catatan.txt", "kursan-2005-03-04.mdb", "kursan-2005-03-05.mdb",
                     "kursan-2005-03-06.mdb", "kursan-2005-03-07.mdb", "kursan-2005-03-08.mdb",
                     "kursan-2005-03-09.mdb", "kursan-2005-03-10.mdb"}));
    EXPECT_EQ(allRows(folder.filePath("kursan-2005-03-10.mdb")), stored);
    // A copy of the data is as private as the data itself.
    EXPECT_EQ(QFileInfo(folder.filePath("kursan-2005-03-10.mdb")).permissions() &
                  (QFile::ReadGroup | QFile::ReadOther),
              QFile::Permissions());
}

TEST_F(BackupTest, ACopyDatedAfterTodayNeverCostsTodaysCopy)
{
    const QDir folder(data::dailyFolder());
    ASSERT_TRUE(folder.mkpath("."));
    write(folder.filePath("kursan-2030-01-01.mdb"), "dari jam yang salah");
    data::keepDailyCopy(QDate(2005, 3, 1), 1);
    data::keepDailyCopy(QDate(2005, 3, 2), 1);
    EXPECT_EQ(folder.entryList(QDir::Files, QDir::Name),
              QStringList({"kursan-2005-03-02.mdb", "kursan-2030-01-01.mdb"}));
}

TEST_F(BackupTest, WhatAKilledCopyLeftIsRemovedAtTheNextStartButNotAPartBeingWritten)
{
    const QDir folder(data::dailyFolder());
    ASSERT_TRUE(folder.mkpath("."));
    const QString left = folder.filePath("kursan-2005-03-15.mdb.belum-selesai-Ab12Cd");
    write(left, "separuh salinan");
    write(left + "-journal", "jurnalnya");
    data::PartFile writing(folder.filePath("salinan.mdb"));
    ASSERT_TRUE(writing.ok());
    EXPECT_TRUE(QFileInfo(writing.fileName()).fileName().startsWith("salinan.mdb.belum-selesai-"));
    data::removeLeftoverCopies();
    EXPECT_FALSE(QFile::exists(left));
    EXPECT_FALSE(QFile::exists(left + "-journal"));
    EXPECT_TRUE(QFile::exists(writing.fileName()));
}

TEST_F(BackupTest, RestoreReplacesEveryRowAndKeepsWhatWasThereAsACopy)
{
    const QString copy = m_dir.filePath("salin.mdb");
    data::backupTo(copy);
    const QStringList copied = allRows(copy);
    EXPECT_EQ(copied, allRows());
    sql("DELETE FROM TKegiatan");
    sql("INSERT INTO TUnit VALUES ('U09', 'Gudang Baru', '109')");
    const QStringList before = allRows();
    const QString kept = data::restoreFrom(copy, QDate(2005, 3, 15));
    EXPECT_EQ(allRows(), copied);
    EXPECT_EQ(allRows(kept), before);
}

TEST_F(BackupTest, DamagedForeignOrOpenFileIsRefusedAndChangesNothing)
{
    const QString text = m_dir.filePath("catatan.mdb");
    write(text, "Daftar kursan bulan Maret\n");

    const QString foreign = m_dir.filePath("lain.mdb");
    {
        const QString name = data::Database::uniqueName("lain");
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(foreign);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("CREATE TABLE TUnit (Kode_Unit TEXT)");
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    // A good copy whose trainee table page is then overwritten: the schema still reads.
    const QString damaged = m_dir.filePath("rusak.mdb");
    data::backupTo(damaged);
    const qint64 at = pageOffset(damaged, "TKursan");
    ASSERT_GT(at, 0);
    write(damaged, QByteArray(64, '\xff'), at);

    const QStringList before = allRows();
    const struct {
        QString file;
        QString reason;
    } refused[] = {{text, "bukan DataBase Kursan"},
                   {foreign, "bukan DataBase Kursan (tidak ada TKursan"},
                   {damaged, "rusak"},
                   {m_path, "sedang dipakai"},
                   {m_dir.filePath("tidak-ada.mdb"), "tidak dapat dibaca"}};
    for (const auto& r : refused) {
        try {
            data::restoreFrom(r.file, QDate(2005, 3, 15));
            ADD_FAILURE() << "restored from " << r.file.toStdString();
        } catch (const data::Error& e) {
            EXPECT_TRUE(e.message().contains(r.reason)) << e.message().toStdString();
        }
    }
    EXPECT_EQ(allRows(), before);
    EXPECT_EQ(QDir(m_dir.filePath("kursan")).entryList(QDir::Files), QStringList({"master.mdb"}));
}

TEST_F(BackupTest, FailedBackupSaysSoAndLeavesNoHalfFile)
{
    EXPECT_THROW(data::backupTo(m_dir.filePath("tidak/ada/salin.mdb")), data::Error);
    const QString copy = m_dir.filePath("salin.mdb");
    data::backupTo(copy);
    EXPECT_THROW(data::backupTo(m_path), data::Error); // never over the open database
    EXPECT_EQ(allRows(copy), allRows());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"salin.mdb"}));
}

} // namespace
