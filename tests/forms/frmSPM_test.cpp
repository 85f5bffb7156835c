#include "forms/spm_support.h"
#include "platform/combolock.h"
#include "shell/frmMenu.h"

#include <QAction>

using platform::Answer;
using platform::isLocked;

namespace {
const QString PickLetterFirst = QStringLiteral("Pilih No Surat terlebih dahulu.");
const QString PickReply = QStringLiteral("Pilih Jawaban: Dapat atau Tidak.");
const QString PickUnit = QStringLiteral("Pilih Unit terlebih dahulu.");
const QString AskSave = QStringLiteral("Data belum disimpan. Simpan?");
} // namespace

TEST_F(LetterFormTest, OpensFromTheMainWindowOnceInBrowseMode)
{
    showMainWindow();
    auto* menu = platform::loaded<frmMenu>();
    menu->findChild<QAction*>("mnuDataSPM")->trigger();
    form = platform::loaded<frmSPM>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->parentWidget(), menu);
    menu->findChild<QAction*>("mnuDataSPM")->trigger();
    EXPECT_EQ(platform::loaded<frmSPM>(), form);

    EXPECT_EQ(form->windowTitle(), "Surat Penjejakan Masalah");
    EXPECT_EQ(form->size(), QSize(451, 454));
    EXPECT_TRUE(inBrowseMode());
    EXPECT_EQ(entries(combo("cboJawaban")), QStringList({"Dapat", "Tidak"}));
    // The boxes show the grid's first row.
    EXPECT_EQ(combo("cboNoSurat")->currentText(), L3);
    EXPECT_EQ(box("txtNama")->text(), "Tono");
    EXPECT_EQ(combo("cboJawaban")->currentText(), "Dapat");
    EXPECT_EQ(combo("cboUnit")->currentText(), "Produksi");
    EXPECT_EQ(combo("cboNoSurat")->count(), 0);
    EXPECT_EQ(combo("cboUnit")->count(), 0);
    for (const char* name : {"cboNoSurat", "cboJawaban", "cboUnit"})
        EXPECT_TRUE(isLocked(combo(name))) << name;
    for (const char* name : {"txtNama", "txtInstansi", "txtJurusan", "Text5", "Text7"})
        EXPECT_TRUE(box(name)->isReadOnly()) << name;
    EXPECT_FALSE(box("Text8")->isReadOnly());
    EXPECT_FALSE(box("Text9")->isReadOnly());
    for (const char* name :
         {"Text1", "Text2", "Text3", "Text4", "Text7", "txtNP", "txtNSSurat", "tutup1", "tutup2"})
        EXPECT_TRUE(box(name)->isHidden()) << name;
    EXPECT_EQ(w<QTableView>("DataGrid1")->model()->rowCount(), 2);

    // A locked list keeps its text against arrow keys and typing.
    QTest::keyClick(combo("cboJawaban"), Qt::Key_Down);
    QTest::keyClicks(combo("cboJawaban")->lineEdit(), "x");
    EXPECT_EQ(combo("cboJawaban")->currentText(), "Dapat");

    // The visible boxes and buttons come in reading order.
    QStringList order;
    const QStringList expected = {"cboNoSurat", "txtNama", "txtInstansi", "txtJurusan",
                                  "cboJawaban", "cboUnit", "Text6",       "Text5",
                                  "Text8",      "Text9",   "DataGrid1",   "cmdTambah",
                                  "cmdEdit",    "cmd",     "cmdHapus",    "cmdkeluar"};
    QWidget* at = combo("cboNoSurat");
    for (int i = 0; i < 200 && order.size() < expected.size(); ++i, at = at->nextInFocusChain())
        if (expected.contains(at->objectName()) && !order.contains(at->objectName()))
            order << at->objectName();
    EXPECT_EQ(order, expected);
}

TEST_F(LetterFormTest, AWholeEntryStoresThePlacementAndTheReply)
{
    open();
    button("cmdTambah")->click();
    EXPECT_TRUE(inEntryMode());
    EXPECT_EQ(entries(combo("cboNoSurat")), QStringList({L1, L2}));
    EXPECT_EQ(entries(combo("cboUnit")), QStringList({"Keuangan", "Gudang 'B'", "Produksi"}));
    EXPECT_FALSE(isLocked(combo("cboNoSurat")));
    EXPECT_TRUE(box("txtNama")->isReadOnly());
    EXPECT_EQ(form->focusWidget(), combo("cboNoSurat"));
    // Tab never reaches the covered boxes that hold the placement's period and unit code.
    combo("cboJawaban")->setFocus();
    QTest::keyClick(combo("cboJawaban"), Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), combo("cboUnit"));

    // Typing a letter number is not a pick.
    QTest::keyClicks(combo("cboNoSurat")->lineEdit(), L1);
    QTest::keyClick(combo("cboNoSurat"), Qt::Key_Return);
    EXPECT_EQ(box("txtNama")->text(), "");
    EXPECT_EQ(combo("cboNoSurat")->count(), 2);

    pick("cboNoSurat", L2);
    EXPECT_EQ(box("txtNama")->text(), "Sari"); // the first trainee of the letter
    EXPECT_EQ(box("txtInstansi")->text(), "ITB");
    EXPECT_EQ(box("txtJurusan")->text(), "Kimia");
    pick("cboJawaban", "Dapat");
    pick("cboUnit", "Produksi");
    EXPECT_EQ(box("Text6")->text(), "U03");

    typeStart("010305");
    EXPECT_EQ(box("Text8")->text(), "01/03/2005");
    EXPECT_EQ(box("Text9")->text(), "01/04/2005");
    EXPECT_EQ(form->focusWidget(), button("cmd"));
    EXPECT_EQ(rows("TKegiatan").size(), 2) << "nothing is stored before Simpan";

    QTest::keyClick(button("cmd"), Qt::Key_Return);
    EXPECT_TRUE(inBrowseMode());
    EXPECT_TRUE(isLocked(combo("cboUnit")));
    EXPECT_EQ(rows("TKegiatan"),
              QStringList({Placed1, Placed2, "002|01/03/2005s/d01/04/2005|U03"}));
    EXPECT_EQ(jawaban(L2), "Dapat");
    EXPECT_EQ(jawaban(L1), "-");

    // The grid shows the saved placement, selected.
    auto* grid = w<QTableView>("DataGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 3);
    const QModelIndexList selected = grid->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), 2);
    EXPECT_EQ(grid->model()->index(2, 0).data().toString(), L2);
    EXPECT_EQ(grid->model()->index(2, 3).data().toString(), "Dapat");
    EXPECT_EQ(grid->model()->index(2, 4).data().toString(), "Produksi");
}

TEST_F(LetterFormTest, TambahSaysSoWhenNoLetterAwaitsAReply)
{
    sql("UPDATE TSurat SET Jawaban = 'Dapat'");
    open();
    boxes.expect(QStringLiteral("Tidak ada No Surat yang belum dijawab."));
    button("cmdTambah")->click();
    EXPECT_TRUE(inBrowseMode());
    EXPECT_EQ(combo("cboNoSurat")->count(), 0);
    EXPECT_EQ(combo("cboUnit")->count(), 0);
    EXPECT_TRUE(isLocked(combo("cboNoSurat")));
}

TEST_F(LetterFormTest, TidakKeepsThePickedUnitOrNamesNone)
{
    open();
    button("cmdTambah")->click();
    pick("cboNoSurat", L1);
    pick("cboJawaban", "Tidak");
    EXPECT_EQ(box("Text6")->text(), "");
    typeStart("15/03/05");
    button("cmd")->click();
    EXPECT_EQ(rows("TKegiatan").last(), "001|15/03/2005s/d15/04/2005|");
    EXPECT_EQ(jawaban(L1), "Tidak");

    // A unit picked first is kept; one picked after the reply replaces the first unit.
    button("cmdTambah")->click();
    pick("cboNoSurat", L2);
    pick("cboUnit", "Produksi");
    pick("cboJawaban", "Tidak");
    EXPECT_EQ(box("Text6")->text(), "U03");
    pick("cboUnit", "Gudang 'B'"); // an apostrophe in a pick is only data
    button("cmd")->click();
    EXPECT_EQ(rows("TKegiatan").last(), "002|s/d|U02");
}

TEST_F(LetterFormTest, EachEntryListsPendingLettersAndAllUnitsAfresh)
{
    open();
    button("cmdTambah")->click();
    pick("cboNoSurat", L1);
    pick("cboUnit", "Produksi");
    pick("cboJawaban", "Dapat");
    button("cmd")->click();

    // A letter answered elsewhere meanwhile drops out too.
    sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan) VALUES ('B/005/III/PKL/2005','006','Rudi')");
    sql("INSERT INTO TSurat VALUES ('B/005/III/PKL/2005','-',1)");
    button("cmdTambah")->click();
    EXPECT_EQ(entries(combo("cboNoSurat")), QStringList({L2, "B/005/III/PKL/2005"}));
    EXPECT_EQ(entries(combo("cboUnit")), QStringList({"Keuangan", "Gudang 'B'", "Produksi"}));
    EXPECT_EQ(combo("cboUnit")->currentText(), "-----Pilih Unit-----");
    EXPECT_EQ(box("txtNama")->text(), "");

    pick("cboNoSurat", "B/005/III/PKL/2005"); // a trainee added after the form was opened
    EXPECT_EQ(box("txtNama")->text(), "Rudi");
    pick("cboJawaban", "Tidak");
    pick("cboUnit", "Keuangan");
    EXPECT_EQ(box("Text6")->text(), "U01") << "the unit of the last entry no longer narrows";
    button("cmd")->click();
    EXPECT_EQ(rows("TKegiatan").last(), "006|s/d|U01");
}

TEST_F(LetterFormTest, SimpanRefusesWhatItCannotStoreAndKeepsTheEntry)
{
    open();
    button("cmdTambah")->click();
    boxes.expect(PickLetterFirst);
    pick("cboJawaban", "Dapat");
    EXPECT_EQ(combo("cboJawaban")->currentText(), "-----Pilih Jawaban-----");
    pick("cboNoSurat", L2);

    // No reply, or one typed rather than picked.
    boxes.expect(PickReply);
    button("cmd")->click();
    combo("cboJawaban")->lineEdit()->selectAll();
    QTest::keyClicks(combo("cboJawaban")->lineEdit(), "Dapat");
    boxes.expect(PickReply);
    button("cmd")->click();
    pick("cboJawaban", "Dapat");
    // "Dapat" needs a unit picked from the list.
    boxes.expect(PickUnit);
    button("cmd")->click();
    pick("cboUnit", "Produksi");
    // A start date typed without Enter is checked, and written in full, at Simpan.
    QTest::keyClicks(box("Text8"), "01/02/2005");
    boxes.expect(QStringLiteral("Cek ulang bulan pelaksanaan."));
    button("cmd")->click();
    EXPECT_EQ(form->focusWidget(), box("Text8"));
    EXPECT_TRUE(inEntryMode());
    EXPECT_EQ(box("txtNama")->text(), "Sari");
    EXPECT_EQ(rows("TKegiatan").size(), 2);
    EXPECT_EQ(jawaban(L2), "-");
    box("Text8")->clear();
    QTest::keyClicks(box("Text8"), "1/4/27");
    QTest::keyClicks(box("Text9"), "5 Mei"); // an end date typed over is read as a date too
    boxes.expect(QStringLiteral("Cek ulang tanggal akhir pelaksanaan."));
    button("cmd")->click();
    EXPECT_EQ(box("Text8")->text(), "01/04/2027");
    box("Text9")->clear();
    QTest::keyClicks(box("Text9"), "5/5/2027");
    button("cmd")->click();
    EXPECT_TRUE(inBrowseMode());
    EXPECT_EQ(rows("TKegiatan").last(), "002|01/04/2027s/d05/05/2027|U03");
    EXPECT_EQ(jawaban(L2), "Dapat");

    // A letter that has a placement already gets no second one.
    sql("INSERT INTO TKegiatan VALUES ('001','01/04/2005s/d01/05/2005','U01')");
    button("cmdTambah")->click();
    pick("cboNoSurat", L1);
    pick("cboJawaban", "Tidak");
    boxes.expect(QStringLiteral("Data kegiatan untuk No Surat ini sudah ada."));
    button("cmd")->click();
    EXPECT_TRUE(inEntryMode());
    EXPECT_EQ(rows("TKegiatan").size(), 4);
    EXPECT_EQ(jawaban(L1), "-");
}

TEST_F(LetterFormTest, ASecondLetterNumberReusesTheOnePendingRow)
{
    open();
    button("cmdTambah")->click();
    pick("cboNoSurat", L1);
    pick("cboJawaban", "Dapat");
    pick("cboNoSurat", L2);
    EXPECT_EQ(box("txtNama")->text(), "Sari");
    EXPECT_EQ(rows("TKegiatan").size(), 2);
    EXPECT_EQ(jawaban(L1), "-");

    typeStart("01/04/2005");
    pick("cboUnit", "Keuangan");
    button("cmd")->click();
    EXPECT_EQ(rows("TKegiatan"),
              QStringList({Placed1, Placed2, "002|01/04/2005s/d01/05/2005|U01"}));
    EXPECT_EQ(jawaban(L1), "-");
    EXPECT_EQ(jawaban(L2), "Dapat") << "the reply follows the letter now picked";
}

TEST_F(LetterFormTest, SavingWithoutALetterNumberIsRefusedAndClosingAsks)
{
    open();
    clickGridRow(1);
    button("cmdTambah")->click();
    pick("cboUnit", "Keuangan");
    boxes.expect(PickLetterFirst);
    button("cmd")->click();
    EXPECT_TRUE(inEntryMode());
    EXPECT_EQ(rows("TKegiatan"), QStringList({Placed1, Placed2}));
    // Ya saves through the same checks: refused, the window stays.
    boxes.expect(AskSave, Answer::Yes);
    boxes.expect(PickLetterFirst);
    form->close();
    settle();
    ASSERT_EQ(platform::loaded<frmSPM>(), form);
    EXPECT_TRUE(inEntryMode());

    pick("cboNoSurat", L1);
    pick("cboJawaban", "Dapat");
    typeStart("01/04/2005");
    boxes.expect(AskSave, Answer::No);
    form->close();
    settle();
    EXPECT_EQ(platform::loaded<frmSPM>(), nullptr);
    EXPECT_EQ(rows("TKegiatan"), QStringList({Placed1, Placed2}));
    EXPECT_EQ(jawaban(L1), "-");

    open();
    EXPECT_TRUE(inBrowseMode());
}
