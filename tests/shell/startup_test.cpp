#include "data/database.h"
#include "shell/startup.h"
#include "support/fixture.h"

#include <QSqlQuery>

using platform::Answer;

namespace {

using StartupTest = KursanTest;

TEST_F(StartupTest, ADatabaseHeldByAnotherProgramIsInUseAndMayBeTriedAgain)
{
    QSqlDatabase other = data::Database::connect("other");
    ASSERT_TRUE(QSqlQuery(other).exec("BEGIN EXCLUSIVE"));
    const QString inUse = QString("DataBase %1 sedang dipakai oleh program lain.\n"
                                  "Tutup program itu, lalu pilih Ulangi.")
                              .arg(m_path);
    boxes.expect(inUse, Answer::Cancel);
    EXPECT_FALSE(shell::openDatabase(m_path));

    boxes.expect(inUse, Answer::Retry, [&] { QSqlQuery(other).exec("ROLLBACK"); });
    EXPECT_TRUE(shell::openDatabase(m_path));
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other");
}

} // namespace
