#include "data/changefeed.h"
#include "data/database.h"
#include "data/datacontrol.h"
#include "data/newtrainee.h"
#include "data/sequences.h"
#include "forms/frmKursan.h"
#include "forms/frmPapan.h"
#include "platform/windows.h"
#include "rules/numbering.h"
#include "shell/frmMenu.h"
#include "support/fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QProcess>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

// The concurrency test's child, one desk: adds trainees with their letters as the trainee
// form does, each shown the next numbers when "&Tambah" is pressed and saved at once.
int addTrainees(int count, const QString& location, int desk)
{
    data::Database::use(data::Location::parse(location));
    data::DataControl trainees(nullptr, "Adodc1", "TKursan", data::Reading::AddingOnly);
    data::DataControl letters(nullptr, "Adodc2", "TSurat", data::Reading::AddingOnly);
    const QSqlDatabase db = trainees->database();
    for (int i = 0; i < count; ++i) {
        const data::ShownNumbers shown{
            numbering::nextTraineeNumber(data::lastTraineeNumber(db)),
            false,
            numbering::letterNumber(numbering::nextLetterSequence(data::lastLetterNumber(db)),
                                    "XII", "2026"),
            false,
            "XII",
            "2026"};
        trainees->addNew();
        trainees->setField("Nama_Kursan", QStringLiteral("Meja %1 ke-%2").arg(desk).arg(i));
        letters->addNew();
        data::saveNewTrainee(*trainees.recordset(), *letters.recordset(), shown);
    }
    return 0;
}

// Another program on the same data: runs each statement, in its own process.
int runElsewhere(const QString& location, const QStringList& statements)
{
    data::Database::use(data::Location::parse(location));
    const QString name = data::Database::uniqueName(QStringLiteral("lain"));
    QSqlDatabase db = data::Database::connect(name);
    for (const QString& statement : statements) {
        QSqlQuery q(db);
        if (!q.exec(statement))
            return 1;
    }
    return 0;
}

namespace {

using ConcurrencyTest = KursanTest;

void runChild(const QStringList& arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
}

// What another program saves shows by itself in this one's open form and board: the file is
// watched, the server tells.
TEST_F(ConcurrencyTest, AnotherProgramsSavesShowInTheOpenFormAndBoard)
{
    sql("INSERT INTO TUnit VALUES ('U01', 'Keuangan', '')");
    data::ChangeFeed::instance().setAutomatic(true);
    showMainWindow();
    platform::loaded<frmMenu>()->findChild<QAction*>("mnuDataKursan")->trigger();
    auto* trainees = platform::loaded<frmKursan>()->findChild<QTableView*>("DataGrid1");
    auto* board = platform::window<frmPapan>();
    board->show();
    auto* months = board->findChild<QTableWidget*>("grdPapan");

    runChild({"--add-trainees", "1", database(), "7"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return trainees->model()->rowCount() == 1; }, 10000));
    runChild({"--run-elsewhere", database(), "UPDATE TSurat SET Jawaban = 'Dapat'",
              "INSERT INTO TKegiatan SELECT Np, '01/03/2005s/d01/04/2005', 'U01' FROM TKursan"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return months->item(0, 2)->text() == "1"; }, 10000));
}

TEST_F(ConcurrencyTest, FourDesksAddingAtOnceNeverShareANumber)
{
    constexpr int desks = 4, each = 250;
    std::vector<std::unique_ptr<QProcess>> children;
    for (int desk = 0; desk < desks; ++desk) {
        children.push_back(std::make_unique<QProcess>());
        children.back()->start(
            QCoreApplication::applicationFilePath(),
            {"--add-trainees", QString::number(each), database(), QString::number(desk)});
    }
    for (const auto& child : children) {
        ASSERT_TRUE(child->waitForFinished(120000));
        EXPECT_EQ(child->exitCode(), 0) << child->readAllStandardError().toStdString();
    }
    const int all = desks * each;
    EXPECT_EQ(sql("SELECT count(*) FROM TKursan").value(0).toInt(), all);
    EXPECT_EQ(sql("SELECT count(DISTINCT Np) FROM TKursan").value(0).toInt(), all);
    EXPECT_EQ(sql("SELECT count(DISTINCT Ns) FROM TKursan").value(0).toInt(), all);
    EXPECT_EQ(sql("SELECT count(*) FROM TSurat").value(0).toInt(), all);
    EXPECT_EQ(
        sql("SELECT count(*) FROM TKursan JOIN TSurat ON TSurat.Ns = TKursan.Ns").value(0).toInt(),
        all)
        << "every trainee has its own letter";
}

} // namespace
