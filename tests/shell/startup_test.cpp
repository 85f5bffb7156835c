#include "data/database.h"
#include "shell/startup.h"
#include "support/fixture.h"

#include <QSqlQuery>

using platform::Answer;

namespace {

using StartupTest = KursanTest;

TEST_F(StartupTest, ADatabaseHeldByAnotherProgramIsInUseAndMayBeTriedAgain)
{
    // Saves do not stop a start (the file keeps a write-ahead log); a program that takes the
    // file for itself does.
    QSqlDatabase other = data::Database::connect("other");
    ASSERT_TRUE(QSqlQuery(other).exec("PRAGMA locking_mode=EXCLUSIVE"));
    ASSERT_TRUE(QSqlQuery(other).exec("BEGIN EXCLUSIVE"));
    const QString inUse = QString("DataBase %1 sedang dipakai oleh program lain.\n"
                                  "Tutup program itu, lalu pilih Ulangi.")
                              .arg(m_path);
    boxes.expect(inUse, Answer::Cancel);
    EXPECT_FALSE(shell::openDatabase(data::Location::file(m_path)));

    boxes.expect(inUse, Answer::Retry, [&] { other.close(); });
    EXPECT_TRUE(shell::openDatabase(data::Location::file(m_path)));
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other");
}

} // namespace
