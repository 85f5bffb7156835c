#include "data/changefeed.h"
#include "forms/frmCari.h"
#include "forms/spm_support.h"

using platform::Answer;

namespace {
QString askDelete(const QString& placement) { return "Anda yakin akan menghapus.\n" + placement; }
} // namespace

TEST_F(LetterFormTest, EditKeepsTheStoredPeriodOfTheSelectedRow)
{
    open();
    clickGridRow(1);
    button("cmdEdit")->click();
    EXPECT_TRUE(inEntryMode());
    EXPECT_EQ(box("Text8")->text(), "10/02/2005");
    EXPECT_EQ(box("Text9")->text(), "10/03/2005");
    EXPECT_EQ(box("txtNama")->text(), "Wati");
    EXPECT_EQ(box("txtJurusan")->text(), "Biologi");
    EXPECT_EQ(combo("cboNoSurat")->currentText(), L4);

    pick("cboJawaban", "Dapat");
    button("cmd")->click();
    EXPECT_TRUE(inBrowseMode());
    EXPECT_EQ(rows("TKegiatan"), QStringList({Placed1, Placed2}));
    EXPECT_EQ(jawaban(L4), "Dapat");
    EXPECT_EQ(jawaban(L3), "Dapat");

    // "Tidak" keeps the placement's own unit; a new start date replaces the period.
    clickGridRow(0);
    button("cmdEdit")->click();
    pick("cboJawaban", "Tidak");
    typeStart("20/03/2005");
    button("cmd")->click();
    EXPECT_EQ(rows("TKegiatan"), QStringList({"003|20/03/2005s/d20/04/2005|U03", Placed2}));
    EXPECT_EQ(jawaban(L3), "Tidak");
}

// The row on screen saved anew at another desk shows its new values, and the clerk's next
// edit saves over them without being told of a conflict that is not there.
TEST_F(LetterFormTest, ARowSavedElsewhereShowsAnewAndEditsCleanly)
{
    open();
    clickGridRow(1);
    sql("UPDATE TKegiatan SET Tanggal_Pelaksanaan = '15/02/2005s/d15/03/2005' WHERE Np = '005'");
    sql("INSERT INTO TKegiatan VALUES ('001', '01/04/2005s/d01/05/2005', 'U02')");
    data::ChangeFeed::instance().check();
    settle();
    EXPECT_EQ(w<QTableView>("DataGrid1")->model()->rowCount(), 3);
    EXPECT_EQ(box("Text8")->text(), "15/02/2005");
    EXPECT_EQ(box("txtNama")->text(), "Wati");

    button("cmdEdit")->click();
    pick("cboJawaban", "Dapat");
    button("cmd")->click();
    EXPECT_TRUE(inBrowseMode());
    EXPECT_EQ(jawaban(L4), "Dapat");
    EXPECT_EQ(rows("TKegiatan")[1], "005|15/02/2005s/d15/03/2005|U01");
}

TEST_F(LetterFormTest, APlacementWhoseTraineeWasDeletedCanStillBeEditedAndSaved)
{
    sql("DELETE FROM TKursan WHERE Np = '005'");
    open();
    clickGridRow(1);
    button("cmdEdit")->click();
    typeStart("20/03/2005");
    button("cmd")->click();
    EXPECT_TRUE(inBrowseMode());
    EXPECT_EQ(rows("TKegiatan"), QStringList({Placed1, "005|20/03/2005s/d20/04/2005|U01"}));
    EXPECT_EQ(jawaban(L4), "Tidak");
}

TEST_F(LetterFormTest, DeleteRemovesOnlyTheSelectedPlacement)
{
    open();
    clickGridRow(1);
    boxes.expect(askDelete(L4 + " - Wati"), Answer::Cancel);
    button("cmdHapus")->click();
    EXPECT_EQ(rows("TKegiatan"), QStringList({Placed1, Placed2}));

    boxes.expect(askDelete(L4 + " - Wati"), Answer::Ok);
    button("cmdHapus")->click();
    EXPECT_EQ(rows("TKegiatan"), QStringList({Placed1}));
    EXPECT_EQ(rows("TSurat").size(), 4);
    EXPECT_EQ(jawaban(L4), "-") << "the letter awaits a reply again";
    EXPECT_EQ(w<QTableView>("DataGrid1")->model()->rowCount(), 1);
    const platform::MsgBoxCall& asked = boxes.shown().back();
    EXPECT_EQ(asked.title, "Pesan");
    EXPECT_EQ(asked.icon, platform::Icon::Question);
    EXPECT_EQ(asked.buttons, platform::Buttons::OkCancel);

    boxes.expect(askDelete(L3 + " - Tono"), Answer::Ok);
    button("cmdHapus")->click();
    EXPECT_TRUE(rows("TKegiatan").isEmpty());
    boxes.expect(QStringLiteral("Tidak ada data yang dipilih."));
    button("cmdHapus")->click();
    boxes.expect(QStringLiteral("Tidak ada data yang dipilih."));
    button("cmdEdit")->click();
    EXPECT_TRUE(inBrowseMode());

    // Both trainees can be placed again.
    button("cmdTambah")->click();
    EXPECT_EQ(entries(combo("cboNoSurat")), QStringList({L1, L2, L3, L4}));
}

TEST_F(LetterFormTest, TheGridRowReachedByKeysIsShownAndDeleted)
{
    open();
    auto* grid = w<QTableView>("DataGrid1");
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(combo("cboNoSurat")->currentText(), L4);
    EXPECT_EQ(box("txtNama")->text(), "Wati");
    EXPECT_EQ(combo("cboJawaban")->currentText(), "Tidak");
    EXPECT_EQ(combo("cboUnit")->currentText(), "Keuangan");
    EXPECT_EQ(box("Text8")->text(), "10/02/2005");
    EXPECT_EQ(box("Text9")->text(), "10/03/2005");

    boxes.expect(askDelete(L4 + " - Wati"), Answer::Ok);
    button("cmdHapus")->click();
    EXPECT_EQ(rows("TKegiatan"), QStringList({Placed1}));
    EXPECT_EQ(box("txtNama")->text(), "Tono") << "the first placement, shown";
}

TEST_F(LetterFormTest, EditNeverMovesAPlacementToAnotherLetter)
{
    open();
    button("cmdTambah")->click(); // lists the pending letters B/001 and B/002
    pick("cboNoSurat", L1);
    pick("cboJawaban", "Tidak");
    pick("cboUnit", "Keuangan");
    button("cmd")->click();

    clickGridRow(1);
    button("cmdEdit")->click();
    QTest::keyClick(combo("cboNoSurat"), Qt::Key_Down);
    EXPECT_EQ(combo("cboNoSurat")->currentText(), L4);
    EXPECT_EQ(box("txtNama")->text(), "Wati");
    button("cmd")->click();
    EXPECT_TRUE(inBrowseMode());
    EXPECT_EQ(rows("TKegiatan"), QStringList({Placed1, Placed2, "001|s/d|U01"}));
    EXPECT_EQ(jawaban(L2), "-");
}

TEST_F(LetterFormTest, SearchFindsAGridRowByEachOfItsThreeFields)
{
    const struct {
        const char* field;
        QString value;
        QString remaining;
        QString shown;
    } cases[] = {
        {"No Surat", L4, Placed1, L4 + " - Wati"},
        {"Nama Kursan", QStringLiteral("Tono"), Placed2, L3 + " - Tono"},
        {"Instansi", QStringLiteral("UNS"), Placed1, L4 + " - Wati"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        sql("DELETE FROM TKegiatan");
        sql("INSERT INTO TKegiatan VALUES ('003','01/02/2005s/d01/03/2005','U03'),"
            " ('005','10/02/2005s/d10/03/2005','U01')");
        open();
        button("cmd")->click();
        frmCari* search = platform::loaded<frmCari>();
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->windowTitle(), "frmSPM");
        EXPECT_EQ(entries(search->findChild<QComboBox*>("Combo1")),
                  QStringList({"No Surat", "Nama Kursan", "Instansi"}));

        QComboBox* fields = search->findChild<QComboBox*>("Combo1");
        while (fields->currentText() != QLatin1String(c.field))
            QTest::keyClick(fields, Qt::Key_Down);
        QTest::keyClicks(search->findChild<QLineEdit*>("Text1"), c.value);
        search->findChild<QPushButton*>("Command1")->click();
        settle();
        EXPECT_EQ(platform::loaded<frmCari>(), nullptr);

        // The found row is the one "&Hapus" acts on.
        boxes.expect(askDelete(c.shown), Answer::Ok);
        button("cmdHapus")->click();
        EXPECT_EQ(rows("TKegiatan"), QStringList({c.remaining}));
        form->close();
        settle();
    }
}

TEST_F(LetterFormTest, SearchingTwiceWhileOpenListsTheFieldsTwice)
{
    open();
    button("cmd")->click();
    button("cmd")->click();
    EXPECT_EQ(platform::loaded<frmCari>()->findChild<QComboBox*>("Combo1")->count(), 6);
}
