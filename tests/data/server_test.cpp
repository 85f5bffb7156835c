#include "data/backup.h"
#include "data/database.h"
#include "data/error.h"
#include "forms/frmKursan.h"
#include "shell/frmMenu.h"
#include "shell/startup.h"
#include "support/fixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using platform::Answer;

namespace {

// What only a server has: desks with their own roles and passwords, a server that goes away.
class ServerTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        if (!onServer())
            GTEST_SKIP() << "a server's own behaviour";
    }
    void TearDown() override
    {
        qunsetenv("PGPASSWORD");
        KursanTest::TearDown();
    }
    data::Location desk() const
    {
        data::Location at = data::Location::parse(database());
        at.user = "meja";
        return at;
    }
    QString refused(const data::Location& at, const QString& why) const
    {
        return QString("Server %1 tidak dapat dipakai: %2.").arg(at.shown(), why);
    }
};

TEST_F(ServerTest, ADeskWithAWrongPasswordOrWithoutARightIsToldWhy)
{
    qputenv("PGPASSWORD", "salah");
    boxes.expect(refused(desk(), "kata sandi pengguna meja salah"), Answer::Cancel);
    EXPECT_FALSE(shell::openDatabase(desk()));
    EXPECT_EQ(boxes.shown().back().buttons, platform::Buttons::RetryLocationCancel);

    qputenv("PGPASSWORD", "rahasia");
    boxes.expect(refused(desk(), "pengguna meja tidak punya hak membaca KursanVersi"),
                 Answer::Cancel);
    EXPECT_FALSE(shell::openDatabase(desk()));

    // The rights to read and write rows make a desk; restoring a copy needs the owner.
    const QString copy = m_dir.filePath("salin.mdb");
    data::backupTo(copy);
    sql("GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO meja");
    EXPECT_TRUE(shell::openDatabase(desk()));
    try {
        data::restoreFrom(copy, QDate(2005, 3, 15));
        ADD_FAILURE() << "a desk restored a copy";
    } catch (const data::Error& e) {
        EXPECT_TRUE(e.message().contains("pengguna meja tidak punya hak"))
            << e.message().toStdString();
    }
}

TEST_F(ServerTest, AnUnreachableServerAndADatabaseOfAnotherOrANewerProgramAreRefused)
{
    data::Location away = data::Location::parse(database());
    away.host = m_dir.filePath("tidak-ada");
    boxes.expect(refused(away, "server tidak dapat dihubungi"), Answer::Cancel);
    EXPECT_FALSE(shell::openDatabase(away));

    const data::Location ours = data::Database::location();
    sql("UPDATE KursanVersi SET Versi = 99");
    EXPECT_THROW(data::Database::prepare(ours), data::Error);
    EXPECT_EQ(sql("SELECT Versi FROM KursanVersi"), QVariantList({99})) << "left untouched";

    const QString other = m_serverDatabase + "_lain";
    ASSERT_TRUE(onServerItself("CREATE DATABASE " + other));
    data::Location elsewhere = ours;
    elsewhere.database = other;
    data::Database::use(elsewhere);
    sql("CREATE TABLE gaji (nama text)");
    try {
        data::Database::prepare(elsewhere);
        ADD_FAILURE() << "another program's database was taken";
    } catch (const data::Error& e) {
        EXPECT_TRUE(e.message().contains("berisi data lain")) << e.message().toStdString();
    }
    data::Database::use(ours);
    onServerItself("DROP DATABASE " + other + " WITH (FORCE)");
}

TEST_F(ServerTest, AServerThatWentAwayCostsNoEntryAndIsUsedAgainWhenBack)
{
    showMainWindow();
    platform::loaded<frmMenu>()->findChild<QAction*>("mnuDataKursan")->trigger();
    auto* form = platform::loaded<frmKursan>();
    QApplication::setActiveWindow(form);
    form->findChild<QPushButton*>("cmdTambah")->click();
    QTest::keyClicks(form->findChild<QLineEdit*>("txtNama"), "Budi");
    // Every connection of the program is cut, as when the server restarts.
    sql("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
        "WHERE datname = current_database() AND pid <> pg_backend_pid()");
    boxes.expect("Transaksi tidak dapat dimulai: server tidak dapat dihubungi");
    form->findChild<QPushButton*>("cmdSimpan")->click();
    EXPECT_EQ(form->findChild<QLineEdit*>("txtNama")->text(), "Budi");
    EXPECT_EQ(sql("SELECT count(*) FROM TKursan"), QVariantList({0}));
    EXPECT_EQ(sql("SELECT count(*) FROM TSurat"), QVariantList({0})) << "nothing half-saved";

    form->findChild<QPushButton*>("cmdSimpan")->click();
    EXPECT_EQ(sql("SELECT Nama_Kursan FROM TKursan"), QVariantList({"Budi"}));
    EXPECT_EQ(sql("SELECT count(*) FROM TSurat"), QVariantList({1}));
}

} // namespace
