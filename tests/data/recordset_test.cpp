#include "data/changefeed.h"
#include "data/database.h"
#include "data/datacontrol.h"
#include "data/error.h"
#include "data/gridmodel.h"
#include "support/fixture.h"

#include <QSqlQuery>

using data::Criterion;
using data::DataControl;

namespace {

class RecordSetTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        sql("INSERT INTO TUnit VALUES ('U1', 'Keuangan', '111'), ('U2', 'Gudang', '222'), "
            "('U3', 'Keuangan', '333')");
    }
};

TEST_F(RecordSetTest, OpensEverySourceWithFirstRowCurrent)
{
    DataControl units(nullptr, "Adodc1", "TUnit");
    EXPECT_EQ(units->recordCount(), 3);
    EXPECT_TRUE(units->hasCurrent());
    EXPECT_EQ(units->field(0).toString(), "U1");
    EXPECT_EQ(units->columnNames(), QStringList({"Kode_Unit", "Unit", "No_Telp"}));

    DataControl empty(nullptr, "Adodc2", "TSurat");
    EXPECT_EQ(empty->recordCount(), 0);
    EXPECT_TRUE(empty->eof());
    EXPECT_FALSE(empty->hasCurrent());
    EXPECT_THROW(empty->field(0), data::Error);

    EXPECT_THROW(DataControl(nullptr, "Adodc3", "TNothing"), data::Error);
}

TEST_F(RecordSetTest, MovesThroughRowsAndReachesEof)
{
    DataControl units(nullptr, "Adodc1", "TUnit");
    units->moveLast();
    EXPECT_EQ(units->field("Kode_Unit").toString(), "U3");
    units->moveNext();
    EXPECT_TRUE(units->eof());
    units->moveNext();
    EXPECT_TRUE(units->eof());
    units->moveFirst();
    EXPECT_EQ(units->field(0).toString(), "U1");
}

TEST_F(RecordSetTest, UpdateStoresTheCurrentRowAndLeavingStoresItToo)
{
    DataControl units(nullptr, "Adodc1", "TUnit");
    units->setField(1, "Keuangan Pusat");
    units->update();
    EXPECT_EQ(rows("TUnit")[0], "U1|Keuangan Pusat|111");

    units->moveNext();
    units->setField("Unit", "Gudang Baru");
    units->moveNext(); // leaving the changed row stores it
    EXPECT_EQ(rows("TUnit")[1], "U2|Gudang Baru|222");

    units->addNew(); // an untouched current row is not written again
    units->setField(0, "U4");
    units->setField(1, "Humas");
    units->moveFirst(); // leaving the new row stores it
    EXPECT_EQ(rows("TUnit").size(), 4);
    EXPECT_EQ(rows("TUnit")[3], "U4|Humas|<null>");
    EXPECT_EQ(units->recordCount(), 4);
}

TEST_F(RecordSetTest, NewRowIsStoredByUpdateEvenWhenUntouchedButDroppedWhenLeft)
{
    DataControl letters(nullptr, "Adodc2", "TSurat");
    letters->addNew();
    letters->moveFirst();
    EXPECT_TRUE(rows("TSurat").isEmpty());
    EXPECT_EQ(letters->recordCount(), 0);

    letters->addNew();
    letters->update();
    EXPECT_EQ(rows("TSurat"), QStringList({"<null>|<null>|<null>"}));
}

TEST_F(RecordSetTest, DeleteRemovesExactlyOneOfTwoIdenticalRows)
{
    sql("INSERT INTO TKegiatan VALUES ('001', 'x', 'U1'), ('001', 'x', 'U1')");
    DataControl placements(nullptr, "Adodc4", "TKegiatan");
    placements->moveLast();
    placements->deleteCurrent();
    EXPECT_EQ(rows("TKegiatan"), QStringList({"001|x|U1"}));
    EXPECT_EQ(placements->recordCount(), 1);
    placements->moveFirst();
    placements->deleteCurrent();
    EXPECT_TRUE(rows("TKegiatan").isEmpty());
    EXPECT_THROW(placements->deleteCurrent(), data::Error);
}

TEST_F(RecordSetTest, RefusedRowThrowsAndKeepsWhatWasTyped)
{
    DataControl units(nullptr, "Adodc1", "TUnit");
    units->addNew();
    units->setField(0, "U2");
    units->setField(1, "Duplikat");
    try {
        units->update();
        FAIL() << "a duplicate key was stored";
    } catch (const data::Error& e) {
        EXPECT_TRUE(e.message().contains("U2")) << e.message().toStdString();
    }
    EXPECT_TRUE(units->isNewRow());
    EXPECT_EQ(units->field(1).toString(), "Duplikat");
    EXPECT_THROW(units->moveFirst(), data::Error); // leaving must not lose the row either
    units->setField(0, "U9");
    units->update();
    EXPECT_EQ(rows("TUnit").last(), "U9|Duplikat|<null>");
}

TEST_F(RecordSetTest, ARowChangedOrDeletedElsewhereIsNeverWrittenInSilence)
{
    DataControl units(nullptr, "Adodc1", "TUnit");
    units->setField("Unit", "Keuangan Pusat");
    sql("UPDATE TUnit SET No_Telp = '999' WHERE Kode_Unit = 'U1'");
    try {
        units->update();
        FAIL() << "a row changed elsewhere was written over";
    } catch (const data::RowConflict& conflict) {
        EXPECT_EQ(conflict.kind(), data::RowConflict::Kind::Changed);
        EXPECT_EQ(conflict.stored().value(2).toString(), "999");
        units->saveOver(conflict);
    }
    EXPECT_EQ(units->field("No_Telp").toString(), "999") << "what was not typed shows as stored";
    units->update();
    EXPECT_EQ(rows("TUnit")[0], "U1|Keuangan Pusat|999");

    // A rowid taken by another row after a delete is not the row read.
    sql("INSERT INTO TKegiatan VALUES ('001', 'x', 'U1')");
    DataControl placements(nullptr, "Adodc4", "TKegiatan");
    sql("DELETE FROM TKegiatan");
    sql("INSERT INTO TKegiatan VALUES ('002', 'y', 'U1')");
    EXPECT_THROW(placements->deleteCurrent(), data::RowConflict);
    EXPECT_EQ(rows("TKegiatan"), QStringList({"002|y|U1"}));
}

// What another desk saves comes into an open snapshot row by row: the grid follows, the row
// on screen keeps its place, and a row being typed keeps what was typed, flagged.
TEST_F(RecordSetTest, RowsSavedElsewhereComeInWithoutMovingTheRowOnScreen)
{
    DataControl units(nullptr, "Adodc1", "TUnit");
    data::GridModel grid(units.recordset());
    units->moveTo(1);
    sql("DELETE FROM TUnit WHERE Kode_Unit = 'U1'");
    sql("UPDATE TUnit SET Unit = 'Gudang Baru' WHERE Kode_Unit = 'U3'");
    sql("INSERT INTO TUnit VALUES ('U4', 'Humas', '444')");
    data::ChangeFeed::instance().check();
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(units->field("Kode_Unit").toString(), "U2");
    EXPECT_EQ(units->position(), 0);
    EXPECT_EQ(grid.data(grid.index(1, 1)).toString(), "Gudang Baru");
    EXPECT_EQ(grid.data(grid.index(2, 0)).toString(), "U4");
    EXPECT_EQ(units->elsewhere(), data::RecordSet::Elsewhere::None);

    units->setField("Unit", "Gudang Timur");
    sql("UPDATE TUnit SET No_Telp = '999' WHERE Kode_Unit = 'U2'");
    data::ChangeFeed::instance().check();
    EXPECT_EQ(units->elsewhere(), data::RecordSet::Elsewhere::Changed);
    EXPECT_EQ(units->field("Unit").toString(), "Gudang Timur");
    EXPECT_THROW(units->update(), data::RowConflict);

    units->cancelUpdate();
    EXPECT_EQ(units->field("No_Telp").toString(), "999")
        << "dropping the entry shows the stored row";
    EXPECT_EQ(units->elsewhere(), data::RecordSet::Elsewhere::None);
    sql("DELETE FROM TUnit WHERE Kode_Unit = 'U2'");
    data::ChangeFeed::instance().check();
    EXPECT_EQ(units->elsewhere(), data::RecordSet::Elsewhere::Deleted);
    EXPECT_EQ(grid.rowCount(), 3) << "a row deleted elsewhere stays until the clerk leaves it";
    units->moveNext();
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(units->field("Kode_Unit").toString(), "U3");
}

TEST_F(RecordSetTest, APrintReadingMeanwhileNeitherHoldsASaveOffNorSeesItHalfWay)
{
    QSqlDatabase print = data::Database::connect("print", true);
    QSqlQuery reading(print);
    ASSERT_TRUE(reading.exec("BEGIN"));
    ASSERT_TRUE(reading.exec("SELECT Unit FROM TUnit") && reading.next());
    DataControl units(nullptr, "Adodc1", "TUnit");
    units->setField("Unit", "Keuangan Pusat");
    EXPECT_NO_THROW(units->update());
    EXPECT_EQ(rows("TUnit")[0], "U1|Keuangan Pusat|111");
    QSqlQuery again(print);
    ASSERT_TRUE(again.exec("SELECT Unit FROM TUnit") && again.next());
    EXPECT_EQ(again.value(0).toString(), "Keuangan") << "the print reads one snapshot";
    reading.finish();
    again.finish();
    print.close();
    print = QSqlDatabase();
    QSqlDatabase::removeDatabase("print");
}

TEST_F(RecordSetTest, FindSearchesForwardFromTheCurrentRow)
{
    DataControl units(nullptr, "Adodc1", "TUnit");
    const auto keuangan = Criterion::equals("Unit", "Keuangan");
    EXPECT_TRUE(units->find(keuangan));
    EXPECT_EQ(units->field(0).toString(), "U1");
    units->moveNext();
    EXPECT_TRUE(units->find(keuangan));
    EXPECT_EQ(units->field(0).toString(), "U3");
    units->moveNext();
    EXPECT_FALSE(units->find(keuangan));
    EXPECT_TRUE(units->eof());

    units->moveFirst();
    EXPECT_FALSE(units->find(Criterion::equals("Unit", "Keu"))); // whole value only
    EXPECT_TRUE(units->eof());
}

TEST_F(RecordSetTest, FilterStaysUntilReplacedAndSurvivesRefresh)
{
    DataControl units(nullptr, "Adodc1", "TUnit");
    units->setFilter("Unit='Keuangan'");
    EXPECT_EQ(units->recordCount(), 2);
    EXPECT_EQ(units->field(0).toString(), "U1");
    units->moveNext();
    EXPECT_EQ(units->field(0).toString(), "U3");

    sql("INSERT INTO TUnit VALUES ('U5', 'Keuangan', '')");
    units->refresh();
    EXPECT_EQ(units->recordCount(), 3);

    units->setFilter(Criterion::equals("Unit", "Gudang"));
    EXPECT_EQ(units->recordCount(), 1);
    units->clearFilter();
    EXPECT_EQ(units->recordCount(), 4);
}

TEST_F(RecordSetTest, ApostrophesAreDataNotMalformedCriteria)
{
    sql("INSERT INTO TUnit VALUES ('U7', 'Ma''ruf', '')");
    DataControl units(nullptr, "Adodc1", "TUnit");
    const auto c = Criterion::equals("Unit", "Ma'ruf");
    EXPECT_EQ(c.toString(), "Unit='Ma''ruf'");
    EXPECT_TRUE(units->find(c));
    EXPECT_EQ(units->field(0).toString(), "U7");
    units->setFilter(Criterion::parse(c.toString()));
    EXPECT_EQ(units->recordCount(), 1);

    EXPECT_THROW(Criterion::parse("Unit='Ma'ruf'"), data::Error);
    EXPECT_THROW(Criterion::parse("Unit=Keuangan"), data::Error);
    EXPECT_THROW(units->find(Criterion::equals("Nothing", "x")), data::Error);
}

TEST_F(RecordSetTest, CancelUpdateRestoresTheStoredValues)
{
    DataControl units(nullptr, "Adodc1", "TUnit");
    units->setField(1, "Salah");
    units->cancelUpdate();
    EXPECT_EQ(units->field(1).toString(), "Keuangan");
    units->moveNext();
    EXPECT_EQ(rows("TUnit")[0], "U1|Keuangan|111");
}

// The letters are opened for adding only, as the trainee form does: the stored ones are not
// read, yet still refuse a duplicate.
TEST_F(RecordSetTest, SaveTogetherWritesBothRowsOrNeither)
{
    sql("INSERT INTO TSurat VALUES ('B/001/III/PKL/2005', '-', 1)");
    DataControl trainees(nullptr, "Adodc1", "TKursan");
    DataControl letters(nullptr, "Adodc2", "TSurat", data::Reading::AddingOnly);
    EXPECT_EQ(letters->recordCount(), 0);

    trainees->addNew();
    trainees->setField("Np", "001");
    letters->addNew();
    letters->setField("Ns", "B/001/III/PKL/2005"); // already there: refused
    EXPECT_THROW(data::saveTogether({trainees.recordset(), letters.recordset()}), data::Error);
    EXPECT_TRUE(rows("TKursan").isEmpty());
    EXPECT_EQ(rows("TSurat").size(), 1);

    letters->setField("Ns", "B/002/III/PKL/2005");
    data::saveTogether({trainees.recordset(), letters.recordset()});
    EXPECT_EQ(rows("TKursan").size(), 1);
    EXPECT_EQ(rows("TSurat").size(), 2);
    EXPECT_FALSE(trainees->isDirty());
    EXPECT_FALSE(letters->isNewRow());
    EXPECT_EQ(letters->recordCount(), 1);
    EXPECT_EQ(letters->field("Ns").toString(), "B/002/III/PKL/2005");
}

TEST_F(RecordSetTest, ViewsAreReadOnly)
{
    DataControl letters(nullptr, "Adodc4", "QNS");
    EXPECT_THROW(letters->addNew(), data::Error);
}

} // namespace
