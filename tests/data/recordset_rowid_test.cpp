#include "data/datacontrol.h"
#include "support/fixture.h"

using data::DataControl;

namespace {
class RowidTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        for (const char* np : {"001", "002", "003"})
            sql("INSERT INTO TKegiatan (Np, Tanggal_Pelaksanaan, Kode_Unit) VALUES (?, '', 'U1')",
                {QString::fromLatin1(np)});
    }
};
} // namespace

TEST_F(RowidTest, MovesToTheStoredRowAndReportsItsRowid)
{
    DataControl control(nullptr, QStringLiteral("Adodc4"), QStringLiteral("TKegiatan"));
    const QVariantList ids = sql("SELECT rowid FROM TKegiatan WHERE Np = '003'");
    ASSERT_EQ(ids.size(), 1);
    EXPECT_TRUE(control->moveToRowid(ids[0].toLongLong()));
    EXPECT_EQ(control->field("Np").toString(), "003");
    EXPECT_EQ(control->rowid(), ids[0].toLongLong());

    EXPECT_FALSE(control->moveToRowid(9999));
    EXPECT_TRUE(control->eof());
    EXPECT_EQ(control->rowid(), -1);
}

TEST_F(RowidTest, LeavingAChangedRowStoresItAndAFilteredOutRowIsNotFound)
{
    DataControl control(nullptr, QStringLiteral("Adodc4"), QStringLiteral("TKegiatan"));
    const qint64 second = sql("SELECT rowid FROM TKegiatan WHERE Np = '002'")[0].toLongLong();
    control->setField("Kode_Unit", "U9");
    EXPECT_TRUE(control->moveToRowid(second));
    EXPECT_EQ(rows("TKegiatan").first(), "001||U9");

    control->setFilter(data::Criterion::equals("Np", "001"));
    EXPECT_FALSE(control->moveToRowid(second));
}

TEST_F(RowidTest, AnUntouchedNewRowIsDroppedBeforeTheSearch)
{
    DataControl control(nullptr, QStringLiteral("Adodc4"), QStringLiteral("TKegiatan"));
    const qint64 last = sql("SELECT rowid FROM TKegiatan WHERE Np = '003'")[0].toLongLong();
    control->moveFirst();
    control->addNew();
    EXPECT_EQ(control->rowid(), -1);
    EXPECT_TRUE(control->moveToRowid(last));
    EXPECT_EQ(control->field("Np").toString(), "003");
    EXPECT_EQ(control->recordCount(), 3);
    EXPECT_EQ(rows("TKegiatan").size(), 3);
}
