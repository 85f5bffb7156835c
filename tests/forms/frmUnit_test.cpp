#include "data/changefeed.h"
#include "forms/frmCari.h"
#include "forms/frmUnit.h"
#include "platform/windows.h"
#include "shell/frmMenu.h"
#include "support/fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using platform::Answer;

namespace {

QString askDelete(const QString& unit) { return "Anda yakin akan menghapus.\n" + unit; }
const QString AskSave = QStringLiteral("Data belum disimpan. Simpan?");
const QString NotFound = QStringLiteral("Data Tidak ada dalam DataBase.");

class UnitTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        sql("INSERT INTO TUnit (Kode_Unit, Unit, No_Telp) VALUES "
            "('U01','Keuangan','101'), ('U02','Produksi','102'), ('U03','Gudang','103')");
        open();
    }

    // From the main window, as a user reaches it.
    void open()
    {
        showMainWindow();
        menu = platform::loaded<frmMenu>();
        menu->findChild<QAction*>("mnuDataUnit")->trigger();
        form = platform::loaded<frmUnit>();
        ASSERT_NE(form, nullptr);
        QApplication::setActiveWindow(form);
        kode = form->findChild<QLineEdit*>("txtKodeUnit");
        nama = form->findChild<QLineEdit*>("txtNamaUnit");
        grid = form->findChild<QTableView*>("DataGrid1");
    }

    QPushButton* button(const char* name) { return form->findChild<QPushButton*>(name); }

    // Browsing: "Cari", boxes locked, every button enabled. Entry: "Simpan", boxes open,
    // only cmd2 enabled.
    void expectBrowsing()
    {
        EXPECT_EQ(button("cmd2")->text(), "Cari");
        EXPECT_TRUE(kode->isReadOnly());
        EXPECT_TRUE(nama->isReadOnly());
        for (const char* b : {"cmdTambah", "cmd1", "cmd2", "cmdHapus", "cmdKeluar"})
            EXPECT_TRUE(button(b)->isEnabled()) << b;
    }
    void expectEntry()
    {
        EXPECT_EQ(button("cmd2")->text(), "Simpan");
        EXPECT_FALSE(kode->isReadOnly());
        EXPECT_FALSE(nama->isReadOnly());
        EXPECT_TRUE(button("cmd2")->isEnabled());
        for (const char* b : {"cmdTambah", "cmd1", "cmdHapus", "cmdKeluar"})
            EXPECT_FALSE(button(b)->isEnabled()) << b;
    }

    void clickRow(int row)
    {
        const QRect cell = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void retype(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "";
    }

    frmCari* search()
    {
        button("cmd2")->click();
        return platform::loaded<frmCari>();
    }

    frmMenu* menu = nullptr;
    frmUnit* form = nullptr;
    QLineEdit* kode = nullptr;
    QLineEdit* nama = nullptr;
    QTableView* grid = nullptr;
};

TEST_F(UnitTest, OneWindowFromTheMenuAsLaidOut)
{
    EXPECT_EQ(form->parentWidget(), menu);
    menu->findChild<QAction*>("mnuDataUnit")->trigger();
    EXPECT_EQ(platform::loaded<frmUnit>(), form);
    EXPECT_EQ(menu->findChildren<frmUnit*>().size(), 1);

    EXPECT_EQ(form->windowTitle(), "Data Unit.");
    EXPECT_EQ(form->size(), QSize(387, 345));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    auto* title = form->findChild<QLabel*>("Label1");
    EXPECT_EQ(title->text(), "Entry Data Unit");
    EXPECT_TRUE(title->font().bold());
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 13.5);
    EXPECT_EQ(button("cmd1")->text(), "Edit");
    expectBrowsing();

    QStringList heads;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        heads << grid->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(heads, QStringList({"Kode_Unit", "Unit", "No_Telp"}));
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(kode->text(), "U01");
    EXPECT_EQ(nama->text(), "Keuangan");

    // Tab goes in reading order, and on past the grid.
    QStringList walk;
    kode->setFocus();
    for (int i = 0; i < 8; ++i) {
        walk << focused();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walk, QStringList({"txtKodeUnit", "txtNamaUnit", "DataGrid1", "cmdTambah", "cmd1",
                                 "cmd2", "cmdHapus", "cmdKeluar"}));

    button("cmdKeluar")->click();
    settle();
    EXPECT_EQ(platform::loaded<frmUnit>(), nullptr);
}

TEST_F(UnitTest, AddWithEnterKeysStoresWhatWasTyped)
{
    button("cmdTambah")->click();
    expectEntry();
    EXPECT_EQ(kode->text(), "0");
    EXPECT_EQ(focused(), "txtKodeUnit");
    EXPECT_EQ(grid->model()->rowCount(), 4);

    QTest::keyClicks(kode, "U0400099"); // replaces the "0"; six characters at most
    EXPECT_EQ(kode->text(), "U04000");
    QTest::keyClick(kode, Qt::Key_Return);
    EXPECT_EQ(focused(), "txtNamaUnit");
    EXPECT_EQ(kode->text(), "U04000") << "the Enter is swallowed";
    QTest::keyClicks(nama, "Teknologi Informasi"); // fifteen at most
    EXPECT_EQ(nama->text(), "Teknologi Infor");
    QTest::keyClick(nama, Qt::Key_Return);
    EXPECT_EQ(focused(), "cmd2");
    QTest::keyClick(button("cmd2"), Qt::Key_Return);

    expectBrowsing();
    EXPECT_EQ(rows("TUnit").last(), "U04000|Teknologi Infor|<null>");
    EXPECT_EQ(rows("TUnit").size(), 4);
    EXPECT_EQ(grid->model()->index(3, 1).data().toString(), "Teknologi Infor");
}

TEST_F(UnitTest, AddSavedUntypedKeepsCodeZero)
{
    button("cmdTambah")->click();
    button("cmd2")->click();
    expectBrowsing();
    EXPECT_EQ(rows("TUnit").last(), "0|<null>|<null>");
}

TEST_F(UnitTest, EditTheClickedRowInPlace)
{
    clickRow(1);
    EXPECT_EQ(kode->text(), "U02");
    button("cmd1")->click();
    expectEntry();
    retype(nama, "Produksi II");
    button("cmd2")->click();
    expectBrowsing();
    EXPECT_EQ(rows("TUnit"),
              QStringList({"U01|Keuangan|101", "U02|Produksi II|102", "U03|Gudang|103"}));
    EXPECT_EQ(grid->model()->index(1, 1).data().toString(), "Produksi II");

    // Clicking another row while editing stores the pending row; the form stays in entry.
    button("cmd1")->click();
    retype(kode, "U20");
    clickRow(2);
    expectEntry();
    EXPECT_EQ(kode->text(), "U03");
    EXPECT_EQ(rows("TUnit")[1], "U20|Produksi II|102");
}

// Another desk's save shows in the grid at once; the entry on screen stays as typed and the
// form says, on itself, what became of its row.
TEST_F(UnitTest, ASaveElsewhereShowsAndTheRowBeingTypedIsFlaggedNotMoved)
{
    clickRow(1);
    button("cmd1")->click();
    retype(nama, "Produksi II");
    sql("UPDATE TUnit SET No_Telp = '999' WHERE Kode_Unit = 'U02'");
    sql("UPDATE TUnit SET Unit = 'Gudang Baru' WHERE Kode_Unit = 'U03'");
    data::ChangeFeed::instance().check();
    EXPECT_EQ(grid->model()->index(2, 1).data().toString(), "Gudang Baru");
    EXPECT_EQ(nama->text(), "Produksi II");
    EXPECT_EQ(kode->text(), "U02");
    EXPECT_EQ(focused(), "txtNamaUnit");
    auto* notice = form->findChild<QLabel*>("lblDiTempatLain");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains("diubah di tempat lain"));

    sql("DELETE FROM TUnit WHERE Kode_Unit = 'U02'");
    data::ChangeFeed::instance().check();
    EXPECT_EQ(notice->text(), "Data ini telah dihapus di tempat lain.");
}

TEST_F(UnitTest, DeleteAsksAndOnlyOkRemoves)
{
    clickRow(2);
    boxes.expect(askDelete("U03 - Gudang"), Answer::Cancel);
    button("cmdHapus")->click();
    EXPECT_EQ(boxes.shown().back().title, "Peringatan");
    EXPECT_EQ(boxes.shown().back().icon, platform::Icon::Question);
    EXPECT_EQ(boxes.shown().back().buttons, platform::Buttons::OkCancel);
    EXPECT_EQ(rows("TUnit").size(), 3);
    EXPECT_EQ(kode->text(), "U03") << "Cancel leaves the position";

    clickRow(1);
    boxes.expect(askDelete("U02 - Produksi"), Answer::Ok);
    button("cmdHapus")->click();
    EXPECT_EQ(rows("TUnit"), QStringList({"U01|Keuangan|101", "U03|Gudang|103"}));
    EXPECT_EQ(kode->text(), "U01") << "the first unit, not the neighbour";
    EXPECT_EQ(grid->model()->rowCount(), 2);
    expectBrowsing();
}

TEST_F(UnitTest, PlacementsGoWithANewCodeAndADeletedUnitAsksFirst)
{
    sql("INSERT INTO TKegiatan VALUES ('001', 'p', 'U02'), ('002', 'p', 'U02'), ('003', 'p', "
        "'U03')");
    clickRow(1);
    button("cmd1")->click();
    retype(kode, "U20");
    boxes.expect("Kode unit U02 diganti menjadi U20. 2 penempatan unit ini ikut pindah ke kode "
                 "baru. Lanjutkan?",
                 Answer::Yes);
    clickRow(2); // leaving the row stores it as "Simpan" would
    EXPECT_EQ(sql("SELECT Kode_Unit FROM TKegiatan ORDER BY rowid"),
              QVariantList({"U20", "U20", "U03"}));
    button("cmd2")->click();

    boxes.expect("Unit U03 - Gudang masih dipakai 1 penempatan; penempatan itu tidak akan tampil "
                 "lagi di papan, surat dan sertifikat.\nTetap hapus?",
                 Answer::No);
    button("cmdHapus")->click();
    EXPECT_EQ(boxes.shown().back().defaultAnswer, Answer::No);
    EXPECT_EQ(rows("TUnit").size(), 3);
}

TEST_F(UnitTest, EmptyTableRefusesEditAndDeleteWithAMessage)
{
    for (const char* unit : {"U01 - Keuangan", "U02 - Produksi", "U03 - Gudang"}) {
        boxes.expect(askDelete(unit), Answer::Ok);
        button("cmdHapus")->click();
    }
    EXPECT_TRUE(rows("TUnit").isEmpty());
    EXPECT_TRUE(kode->text().isEmpty());

    boxes.expect("Tidak ada data unit yang dapat diedit.");
    button("cmd1")->click();
    expectBrowsing();
    boxes.expect("Tidak ada data unit yang dapat dihapus.");
    button("cmdHapus")->click();
    boxes.expect(NotFound);
    frmCari* w = search();
    w->findChild<QLineEdit*>("Text1")->setText("U01");
    w->findChild<QPushButton*>("Command1")->click();
    boxes.verify();

    // The form is still usable: a unit can be added to the empty table.
    button("cmdTambah")->click();
    retype(kode, "U09");
    button("cmd2")->click();
    EXPECT_EQ(rows("TUnit"), QStringList({"U09|<null>|<null>"}));
}

TEST_F(UnitTest, DuplicateCodeIsRefusedThenCorrectedAndSaved)
{
    button("cmdTambah")->click();
    retype(kode, "U02");
    retype(nama, "Pemasaran");
    boxes.expect("Data tidak dapat disimpan: Kode_Unit \"U02\" sudah ada dalam DataBase.");
    button("cmd2")->click();
    boxes.verify();
    expectEntry();
    EXPECT_EQ(kode->text(), "U02");
    EXPECT_EQ(nama->text(), "Pemasaran");
    EXPECT_EQ(rows("TUnit").size(), 3);

    retype(kode, "U04");
    button("cmd2")->click();
    expectBrowsing();
    EXPECT_EQ(rows("TUnit"), QStringList({"U01|Keuangan|101", "U02|Produksi|102", "U03|Gudang|103",
                                          "U04|Pemasaran|<null>"}));
}

TEST_F(UnitTest, KeysMoveFocusWhileLockedAndEnterOnCariSearches)
{
    kode->setFocus();
    QTest::keyClicks(kode, "X");
    EXPECT_EQ(kode->text(), "U01") << "locked";
    QTest::keyClick(kode, Qt::Key_Return);
    EXPECT_EQ(focused(), "txtNamaUnit");
    QTest::keyClick(nama, Qt::Key_Return);
    EXPECT_EQ(focused(), "cmd2");
    QTest::keyClick(button("cmd2"), Qt::Key_Return);
    frmCari* w = platform::loaded<frmCari>();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "frmUnit");
    EXPECT_EQ(w->parentWidget(), form);
    EXPECT_EQ(w->findChild<QComboBox*>("Combo1")->count(), 2);
    search();
    EXPECT_EQ(w->findChild<QComboBox*>("Combo1")->count(), 4) << "asked twice: listed twice";
    expectBrowsing();
}

TEST_F(UnitTest, SearchByEachFieldFindsOrStaysOpen)
{
    const struct {
        int downs; // arrow presses in the field list; 0 leaves the hint (searches Unit)
        const char* value;
        const char* found;
    } hits[] = {{1, "U03", "U03"}, {2, "Gudang", "U03"}, {0, "Produksi", "U02"}};
    for (const auto& h : hits) {
        SCOPED_TRACE(h.value);
        clickRow(0);
        frmCari* w = search();
        auto* fields = w->findChild<QComboBox*>("Combo1");
        fields->setFocus();
        for (int i = 0; i < h.downs; ++i)
            QTest::keyClick(fields, Qt::Key_Down);
        auto* value = w->findChild<QLineEdit*>("Text1");
        QTest::keyClicks(value, h.value);
        QTest::keyClick(value, Qt::Key_Return);
        EXPECT_EQ(kode->text(), h.found);
        EXPECT_EQ(grid->currentIndex().row(), QString(h.found).right(1).toInt() - 1);
        settle();
        EXPECT_EQ(platform::loaded<frmCari>(), nullptr);
    }

    // A miss says so, puts the form on its first unit and keeps the window; Batal closes it.
    clickRow(2);
    frmCari* w = search();
    w->findChild<QLineEdit*>("Text1")->setText("U0");
    boxes.expect(NotFound);
    w->findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(kode->text(), "U01");
    settle();
    EXPECT_EQ(platform::loaded<frmCari>(), w);
    clickRow(1);
    w->findChild<QPushButton*>("Command2")->click();
    settle();
    EXPECT_EQ(platform::loaded<frmCari>(), nullptr);
    EXPECT_EQ(kode->text(), "U02");
    expectBrowsing();
}

TEST_F(UnitTest, TheGridsHighlightIsTheRowDeleted)
{
    // The grid has the focus when the form opens; the keys move the row the form acts on.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(kode->text(), "U02");
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Up);
    boxes.expect(askDelete("U02 - Produksi"), Answer::Ok);
    button("cmdHapus")->click();
    EXPECT_EQ(rows("TUnit"), QStringList({"U01|Keuangan|101", "U03|Gudang|103"}));
    EXPECT_EQ(grid->currentIndex().row(), 0) << "the first unit, highlighted";
}

TEST_F(UnitTest, ClosingDuringEntryAsksFirst)
{
    button("cmdTambah")->click();
    retype(kode, "U01");
    retype(nama, "Gizi");
    // Batal keeps everything typed; Ya saves through the same checks as Simpan.
    boxes.expect(AskSave, Answer::Cancel);
    form->close();
    boxes.expect(AskSave, Answer::Yes);
    boxes.expect("Data tidak dapat disimpan: Kode_Unit \"U01\" sudah ada dalam DataBase.");
    form->close();
    settle();
    ASSERT_EQ(platform::loaded<frmUnit>(), form);
    EXPECT_EQ(boxes.shown()[0].buttons, platform::Buttons::YesNoCancel);
    expectEntry();
    EXPECT_EQ(nama->text(), "Gizi");
    EXPECT_EQ(rows("TUnit").size(), 3);

    retype(kode, "U07");
    boxes.expect(AskSave, Answer::Yes);
    form->close();
    settle();
    EXPECT_EQ(platform::loaded<frmUnit>(), nullptr);
    EXPECT_EQ(rows("TUnit").last(), "U07|Gizi|<null>");

    // Tidak throws the entry away.
    open();
    button("cmdTambah")->click();
    retype(kode, "U08");
    boxes.expect(AskSave, Answer::No);
    form->close();
    settle();
    EXPECT_EQ(rows("TUnit").size(), 4);
    open();
    expectBrowsing();
    EXPECT_EQ(grid->model()->rowCount(), 4);
}

} // namespace
