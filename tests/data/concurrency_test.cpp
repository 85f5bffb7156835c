#include "data/database.h"
#include "data/datacontrol.h"
#include "data/newtrainee.h"
#include "data/sequences.h"
#include "rules/numbering.h"
#include "support/fixture.h"

#include <QCoreApplication>
#include <QProcess>

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

namespace {

using ConcurrencyTest = KursanTest;

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
