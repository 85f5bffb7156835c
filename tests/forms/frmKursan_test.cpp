#include "data/clock.h"
#include "forms/frmCari.h"
#include "forms/frmKursan.h"
#include "shell/frmMenu.h"
#include "support/fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using platform::Answer;

namespace {

const QStringList EntryBoxes{"txtNoKursan", "txtNim",    "txtNama",      "txtTempatLahir",
                             "txtTglLahir", "txtAlamat", "txtNoTelepon", "txtNamaInstansi",
                             "txtJurusan",  "txtTujuan", "txtNoSurat",   "txtJumlah"};
const QStringList BrowseButtons{"cmdTambah", "cmdEdit", "cmdCari", "cmdHapus", "cmdKeluar"};
QString askDelete(const QString& trainee)
{
    return "Anda sangat yakin akan menghapus.\n" + trainee;
}

class TraineeFormTest : public KursanTest {
protected:
    frmKursan* open()
    {
        showMainWindow();
        platform::loaded<frmMenu>()->findChild<QAction*>("mnuDataKursan")->trigger();
        form = platform::loaded<frmKursan>();
        QApplication::setActiveWindow(form);
        return form;
    }
    void reopen()
    {
        form->unload();
        settle();
        open();
    }

    QLineEdit* box(const QString& name) { return form->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return form->findChild<QPushButton*>(name); }
    QListWidget* list(const char* name) { return form->findChild<QListWidget*>(name); }
    QString focused() { return QApplication::focusWidget()->objectName(); }

    // Keys go wherever the focus is, as they do for a person at the keyboard.
    void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    // Fills a new trainee from txtNim down to txtTujuan with Enter only.
    void typeTrainee(const QString& name, const QString& birth = "010290")
    {
        for (const QString& value :
             {QString("N123"), name, QString("Solo"), birth, QString("Jl. Mawar 1"),
              QString("0271"), QString("UGM"), QString("Teknik"), QString("PKL")}) {
            type(value);
            enter();
        }
    }

    void expectMode(bool browsing)
    {
        for (const QString& name : EntryBoxes)
            EXPECT_EQ(box(name)->isReadOnly(), browsing) << name.toStdString();
        for (const QString& name : BrowseButtons)
            EXPECT_EQ(form->findChild<QPushButton*>(name)->isEnabled(), browsing)
                << name.toStdString();
        EXPECT_EQ(button("cmdSimpan")->isEnabled(), !browsing);
    }

    void addTrainees(int count)
    {
        for (int i = 1; i <= count; ++i) {
            const QString n = QString::number(i).rightJustified(3, '0');
            sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan, Instansi, Jurusan) VALUES (?,?,?,?,?)",
                {"B/" + n + "/III/PKL/2005", n, "Kursan " + n, "Inst " + n, "Jur " + n});
            sql("INSERT INTO TSurat VALUES (?, 'Dapat', 1)", {"B/" + n + "/III/PKL/2005"});
        }
    }

    frmKursan* form = nullptr;
};

TEST_F(TraineeFormTest, OpensFromTheMenuOnceAsLaidOutInBrowseMode)
{
    open();
    platform::loaded<frmMenu>()->findChild<QAction*>("mnuDataKursan")->trigger();
    EXPECT_EQ(platform::loaded<frmKursan>(), form);
    EXPECT_EQ(form->parentWidget(), platform::loaded<frmMenu>());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), "Data Kursan.");
    EXPECT_EQ(form->size(), QSize(664, 446));
    EXPECT_FALSE(form->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form->findChild<QGroupBox*>("Frame2")->title(), "Pendeteksi Jumlah Kursan / Unit");
    EXPECT_EQ(form->findChild<QGroupBox*>("Frame3")->title(), "Operasi Data Kursan");
    EXPECT_EQ(button("Command2")->text(), "Cetak SPM");
    EXPECT_EQ(form->findChild<QLabel*>("Label1_9")->text(), "No Surat Permohonan");
    EXPECT_EQ(form->findChild<QLabel*>("Label2_1")->text(), "Jumlah Kursan yang boleh perunit ");
    auto* month = form->findChild<QComboBox*>("Combo1");
    EXPECT_EQ(month->currentText(), "----Pilih Bulan----");
    ASSERT_EQ(month->count(), 12);
    EXPECT_EQ(month->itemText(0), "Januari");
    EXPECT_EQ(month->itemText(11), "Desember");
    for (const char* hidden : {"txtNo", "txtJawaban", "txtJumlah", "txtBantu"})
        EXPECT_TRUE(box(hidden)->isHidden()) << hidden;
    expectMode(true);
    EXPECT_EQ(form->month(), "03");
    EXPECT_EQ(form->year(), "2005");

    // Tab goes in reading order, past the generated numbers and on past the grid.
    form->findChild<QComboBox*>("Combo1")->setFocus();
    QStringList walk;
    for (int i = 0; i < 20; ++i) {
        walk << focused();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walk.join(' '),
              "Combo1 Command1 List1 List2 txtNim txtNama txtTempatLahir txtTglLahir txtAlamat "
              "txtNoTelepon txtNamaInstansi txtJurusan txtTujuan DataGrid1 cmdTambah cmdCari "
              "cmdEdit cmdHapus Command2 cmdKeluar");
}

TEST_F(TraineeFormTest, TraineeTypedWithEnterOnlyIsSavedWithItsLetter)
{
    open();
    button("cmdTambah")->click();
    expectMode(false);
    EXPECT_EQ(focused(), "txtNim");
    EXPECT_EQ(box("txtNoKursan")->text(), "001");

    const QStringList chain{"txtNama",    "txtTempatLahir", "txtTglLahir",
                            "txtAlamat",  "txtNoTelepon",   "txtNamaInstansi",
                            "txtJurusan", "txtTujuan",      "cmdSimpan"};
    const QStringList values{"N123", "Budi", "Solo",   "010290", "Jl. Mawar 1",
                             "0271", "UGM",  "Teknik", "PKL"};
    for (int i = 0; i < values.size(); ++i) {
        type(values[i]);
        enter();
        EXPECT_EQ(focused(), chain[i]) << "after " << values[i].toStdString();
    }
    EXPECT_EQ(box("txtTglLahir")->text(), "01/02/90");
    EXPECT_EQ(box("txtTujuan")->text(), "PKL") << "the Enter reaches the box without changing it";
    EXPECT_EQ(box("txtNoSurat")->text(), "B/001/III/PKL/2005");
    EXPECT_EQ(box("txtNo")->text(), "B/001/III/PKL/2005");
    EXPECT_EQ(box("txtJawaban")->text(), "-");
    EXPECT_EQ(box("txtJumlah")->text(), "1");
    EXPECT_TRUE(rows("TKursan").isEmpty()) << "nothing is written before the save";

    enter(); // on "&Simpan"
    expectMode(true);
    EXPECT_EQ(rows("TKursan"), QStringList({"B/001/III/PKL/2005|001|N123|Budi|Solo|01/02/90|"
                                            "Jl. Mawar 1|0271|UGM|Teknik|PKL"}));
    EXPECT_EQ(rows("TSurat"), QStringList({"B/001/III/PKL/2005|-|1"}));

    // The next trainee, in the same opening, continues both sequences.
    button("cmdTambah")->click();
    EXPECT_EQ(box("txtNoKursan")->text(), "002");
    typeTrainee("Sari");
    enter();
    EXPECT_EQ(rows("TKursan").size(), 2);
    EXPECT_TRUE(rows("TKursan")[1].startsWith("B/002/III/PKL/2005|002|N123|Sari|"));
    EXPECT_EQ(rows("TSurat")[1], "B/002/III/PKL/2005|-|1");
    EXPECT_EQ(form->findChild<QTableView*>("DataGrid1")->model()->rowCount(), 2);
}

TEST_F(TraineeFormTest, NumbersContinueFromTheDatabaseBeyondThreeDigits)
{
    const struct {
        const char* lastNp;
        const char* lastNs;
        const char* np;
        const char* ns;
    } cases[] = {
        {"008", "B/008/I/PKL/2005", "009", "B/009/III/PKL/2005"},
        {"009", "B/009/I/PKL/2005", "010", "B/010/III/PKL/2005"},
        {"098", "B/098/I/PKL/2005", "099", "B/099/III/PKL/2005"},
        {"099", "B/099/I/PKL/2005", "100", "B/100/III/PKL/2005"},
        {"999", "B/999/XII/PKL/2004", "1000", "B/1000/III/PKL/2005"},
        {"32767", "B/1000/I/PKL/2005", "32768", "B/1001/III/PKL/2005"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.np);
        sql("DELETE FROM TKursan");
        sql("DELETE FROM TSurat");
        // Lower numbers stored after the highest one: the sequence is by value, not by row.
        sql("INSERT INTO TKursan (Np, Ns) VALUES (?, ?), ('002', 'B/002/I/PKL/2005')",
            {c.lastNp, c.lastNs});
        sql("INSERT INTO TSurat VALUES (?, 'Dapat', 1), ('B/002/I/PKL/2005', '-', 1)", {c.lastNs});
        open();
        button("cmdTambah")->click();
        EXPECT_EQ(box("txtNoKursan")->text(), c.np);
        box("txtTujuan")->setFocus();
        enter();
        EXPECT_EQ(box("txtNoSurat")->text(), c.ns);
        enter();
        EXPECT_EQ(rows("TSurat").last(), QString(c.ns) + "|-|1");
        form->unload();
        settle();
    }
}

TEST_F(TraineeFormTest, NoNumberIsOfferedBeyondWhatTheBoxHolds)
{
    sql("INSERT INTO TKursan (Np, Ns) VALUES ('999999', 'B/001/I/PKL/2005')");
    open();
    boxes.expect("Nomor Kursan sudah mencapai batas 999999.");
    button("cmdTambah")->click();
    expectMode(true);
    EXPECT_EQ(box("txtNoKursan")->text(), "999999");
    EXPECT_EQ(rows("TKursan").size(), 1);
}

TEST_F(TraineeFormTest, LetterMonthAndYearAreThoseOfTheDayTheFormOpened)
{
    data::setToday(QDate(2005, 12, 30));
    addTrainees(11);
    open();
    data::setToday(QDate(2006, 1, 2)); // the form stays open over the new year
    button("cmdTambah")->click();
    box("txtTujuan")->setFocus();
    enter();
    EXPECT_EQ(box("txtNoSurat")->text(), "B/012/XII/PKL/2005");
    // Pressed again before saving, the number is the same: the first one is not stored yet.
    box("txtTujuan")->setFocus();
    enter();
    EXPECT_EQ(box("txtNoSurat")->text(), "B/012/XII/PKL/2005");
    enter();

    button("cmdKeluar")->click();
    settle();
    EXPECT_EQ(platform::loaded<frmKursan>(), nullptr);
    EXPECT_TRUE(platform::loaded<frmMenu>()->isVisible());
    open();
    EXPECT_EQ(form->month(), "01");
    EXPECT_EQ(form->year(), "2006");
    EXPECT_TRUE(form->traineeNumber().isEmpty());
}

TEST_F(TraineeFormTest, NumbersTypedOverTheGeneratedOnesAreSavedAsTyped)
{
    open();
    button("cmdTambah")->click();
    box("txtNoKursan")->setFocus();
    box("txtNoKursan")->selectAll();
    type("777");
    box("txtTujuan")->setFocus();
    enter();
    box("txtNoSurat")->setFocus();
    box("txtNoSurat")->selectAll();
    type("B/050/III/PKL/2005");
    enter();
    EXPECT_EQ(focused(), "cmdSimpan") << "the hidden count box is passed over";
    enter();
    EXPECT_TRUE(rows("TKursan")[0].startsWith("B/050/III/PKL/2005|777|"));
    EXPECT_EQ(rows("TSurat"), QStringList({"B/050/III/PKL/2005|-|1"})) << "the trainee's letter";
}

TEST_F(TraineeFormTest, TraineeSavedWithoutEnterInThePurposeBoxGetsItsLetterNumberThen)
{
    open();
    button("cmdTambah")->click();
    type("N9");
    button("cmdSimpan")->click();
    expectMode(true);
    EXPECT_EQ(rows("TKursan"),
              QStringList({"B/001/III/PKL/2005|001|N9|<null>|<null>|<null>|<null>|<null>|"
                           "<null>|<null>|<null>"}));
    EXPECT_EQ(rows("TSurat"), QStringList({"B/001/III/PKL/2005|-|1"}));
}

TEST_F(TraineeFormTest, NumbersTakenElsewhereMeanwhileGiveWayToTheNextFreeOnes)
{
    open();
    button("cmdTambah")->click();
    typeTrainee("Budi");
    addTrainees(1); // another desk saved 001 and B/001 since the numbers were shown
    boxes.expect("Nomor 001 sudah dipakai; data disimpan dengan nomor 002, surat "
                 "B/002/III/PKL/2005.");
    button("cmdSimpan")->click();
    expectMode(true);
    EXPECT_EQ(sql("SELECT Np || ' ' || Ns FROM TKursan WHERE Nama_Kursan = 'Budi'"),
              QVariantList({"002 B/002/III/PKL/2005"}));
    EXPECT_EQ(sql("SELECT count(*) FROM TSurat"), QVariantList({2}));

    // A typed number numbering could not go on from is refused before anything is stored.
    button("cmdTambah")->click();
    box("txtNoKursan")->selectAll();
    box("txtNoKursan")->setFocus();
    type("999999");
    boxes.expect("Nomor Kursan hanya angka, paling besar 999998, agar penomoran dapat berlanjut.");
    button("cmdSimpan")->click();
    expectMode(false);
    EXPECT_EQ(sql("SELECT count(*) FROM TKursan"), QVariantList({2}));
}

TEST_F(TraineeFormTest, ABirthDateThatIsNoDateIsRefusedNotStored)
{
    open();
    button("cmdTambah")->click();
    box("txtTglLahir")->setFocus();
    type("31121999");
    enter();
    EXPECT_EQ(box("txtTglLahir")->text(), "31/12/99");
    box("txtTglLahir")->setFocus();
    box("txtTglLahir")->selectAll();
    type("30021999");
    boxes.expect("Cek ulang tanggal lahir.");
    enter();
    EXPECT_EQ(focused(), "txtTglLahir");
    boxes.expect("Cek ulang tanggal lahir.");
    button("cmdSimpan")->click();
    EXPECT_EQ(sql("SELECT count(*) FROM TKursan"), QVariantList({0}));
}

TEST_F(TraineeFormTest, AnEditOfATraineeDeletedAndNumberedAnewElsewhereRenamesNoOne)
{
    addTrainees(1);
    open();
    button("cmdEdit")->click();
    box("txtNama")->selectAll();
    box("txtNama")->setFocus();
    type("Budi");
    // Meanwhile another copy deleted 001 and a new trainee took its number and its place.
    sql("DELETE FROM TKursan");
    sql("INSERT INTO TKursan (Np, Nama_Kursan) VALUES ('001', 'Wati')");
    boxes.expect("Data ini sudah diubah di tempat lain sejak dibaca. Yang tersimpan sekarang:\n"
                 "Ns: \nNama_Kursan: Wati\nInstansi: \nJurusan: \n\nYa: simpan isian Anda di "
                 "atasnya. Tidak: pakai data yang tersimpan. Batal: kembali ke isian.",
                 Answer::Cancel);
    button("cmdSimpan")->click();
    expectMode(false);
    EXPECT_EQ(box("txtNama")->text(), "Budi") << "what was typed stays";
    EXPECT_EQ(sql("SELECT Nama_Kursan FROM TKursan"), QVariantList({"Wati"}));

    boxes.expect("Data belum disimpan. Simpan?", Answer::No);
    form->close();
    settle();
    open();
    sql("DELETE FROM TKursan");
    boxes.expect("Anda sangat yakin akan menghapus.\n001 - Wati");
    boxes.expect("Data ini sudah dihapus di tempat lain sejak dibaca.");
    button("cmdHapus")->click();
    EXPECT_EQ(form->findChild<QTableView*>("DataGrid1")->model()->rowCount(), 0);
}

TEST_F(TraineeFormTest, TakenTraineeNumberRefusedWithNothingLostThenCorrected)
{
    addTrainees(1);
    open();
    button("cmdTambah")->click();
    typeTrainee("Budi");
    box("txtNoKursan")->setFocus();
    box("txtNoKursan")->selectAll();
    type("001");
    boxes.expect("Nomor Kursan sudah ada, silahkan ganti.");
    button("cmdSimpan")->click();
    EXPECT_EQ(rows("TKursan").size(), 1);
    EXPECT_EQ(rows("TSurat").size(), 1) << "the letter is not stored without its trainee";
    expectMode(false);
    EXPECT_EQ(box("txtNama")->text(), "Budi");
    EXPECT_EQ(box("txtNoSurat")->text(), "B/002/III/PKL/2005");
    EXPECT_EQ(focused(), "txtNoKursan");

    type("005");
    button("cmdSimpan")->click();
    expectMode(true);
    EXPECT_TRUE(rows("TKursan")[1].startsWith("B/002/III/PKL/2005|005|N123|Budi|"));
    EXPECT_EQ(rows("TSurat")[1], "B/002/III/PKL/2005|-|1");
}

TEST_F(TraineeFormTest, EditChangesTheTraineeOnlyAndNeverRenumbersALetter)
{
    addTrainees(3);
    open();
    auto* grid = form->findChild<QTableView*>("DataGrid1");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 0)).center());
    EXPECT_EQ(box("txtNama")->text(), "Kursan 002");

    // Browsing: locked boxes still pass Enter along, but change nothing.
    box("txtTglLahir")->setFocus();
    type("9");
    enter();
    EXPECT_EQ(focused(), "txtAlamat");
    EXPECT_TRUE(box("txtTglLahir")->text().isEmpty()) << "a browsed date is not rewritten";
    box("txtTujuan")->setFocus();
    enter();
    EXPECT_EQ(box("txtNoSurat")->text(), "B/002/III/PKL/2005");

    button("cmdEdit")->click();
    expectMode(false);
    box("txtNama")->setFocus();
    box("txtNama")->selectAll();
    type("Dewi");
    box("txtTglLahir")->setFocus();
    type("03/04/1988");
    enter();
    box("txtTujuan")->setFocus();
    enter();
    EXPECT_EQ(focused(), "cmdSimpan");
    EXPECT_EQ(box("txtNoSurat")->text(), "B/002/III/PKL/2005");
    enter();
    expectMode(true);
    EXPECT_EQ(rows("TKursan")[1].toStdString(), "B/002/III/PKL/2005|002|<null>|Dewi|<null>|"
                                                "03/04/88|<null>|<null>|Inst 002|Jur 002|<null>");
    EXPECT_EQ(rows("TSurat"),
              QStringList({"B/001/III/PKL/2005|Dapat|1", "B/002/III/PKL/2005|Dapat|1",
                           "B/003/III/PKL/2005|Dapat|1"}));
}

TEST_F(TraineeFormTest, DeleteAsksAndRemovesTheTraineeButNotItsLetter)
{
    addTrainees(3);
    open();
    auto* grid = form->findChild<QTableView*>("DataGrid1");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(2, 0)).center());

    boxes.expect(askDelete("003 - Kursan 003"), Answer::Cancel);
    button("cmdHapus")->click();
    EXPECT_EQ(rows("TKursan").size(), 3);
    EXPECT_EQ(box("txtNoKursan")->text(), "003");

    boxes.expect(askDelete("003 - Kursan 003"), Answer::Ok);
    button("cmdHapus")->click();
    EXPECT_EQ(sql("SELECT Np FROM TKursan"), QVariantList({"001", "002"}));
    EXPECT_EQ(rows("TSurat").size(), 3);
    EXPECT_EQ(box("txtNoKursan")->text(), "001") << "the first trainee is shown";
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].title, "Peringatan");
    EXPECT_EQ(boxes.shown()[1].icon, platform::Icon::Question);
    EXPECT_EQ(boxes.shown()[1].buttons, platform::Buttons::OkCancel);
    expectMode(true);

    for (const char* trainee : {"001 - Kursan 001", "002 - Kursan 002"}) {
        boxes.expect(askDelete(trainee), Answer::Ok);
        button("cmdHapus")->click();
    }
    EXPECT_TRUE(rows("TKursan").isEmpty());
    EXPECT_TRUE(box("txtNama")->text().isEmpty());
    boxes.expect("Tidak ada data Kursan yang dipilih.");
    button("cmdHapus")->click();
    boxes.expect("Tidak ada data Kursan yang dipilih.");
    button("cmdEdit")->click();
    expectMode(true);
}

TEST_F(TraineeFormTest, SearchFindsATraineeByEachOfItsFields)
{
    addTrainees(4);
    open();
    const struct {
        const char* item;
        const char* value;
        const char* np;
    } cases[] = {
        {"No Surat", "B/003/III/PKL/2005", "003"},
        {"No Kursan", "2", "002"},
        {"Nama Kursan", "Kursan 004", "004"},
        {"Nama Instansi", "Inst 003", "003"},
        {"Jurusan", "Jur 002", "002"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        button("cmdCari")->click();
        frmCari* search = platform::loaded<frmCari>();
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->windowTitle(), "frmKursan");
        EXPECT_EQ(search->parentWidget(), form);
        auto* field = search->findChild<QComboBox*>("Combo1");
        ASSERT_EQ(field->count(), 5);
        field->setCurrentIndex(field->findText(c.item));
        QTest::keyClicks(search->findChild<QLineEdit*>("Text1"), c.value);
        search->findChild<QPushButton*>("Command1")->click();
        settle();
        EXPECT_EQ(platform::loaded<frmCari>(), nullptr);
        EXPECT_EQ(box("txtNoKursan")->text(), c.np);
        expectMode(true);
    }
}

TEST_F(TraineeFormTest, EveryWayOfMovingTheGridMovesTheTraineeShown)
{
    addTrainees(4);
    open();
    auto* grid = form->findChild<QTableView*>("DataGrid1");
    QHeaderView* numbers = grid->verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                      QPoint(numbers->width() / 2, numbers->sectionViewportPosition(2) + 5));
    EXPECT_EQ(box("txtNoKursan")->text(), "003");
    // Home and End move along the row; with Ctrl they go to the first and last rows.
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* np;
    } moves[] = {{Qt::Key_Home, Qt::ControlModifier, "001"},
                 {Qt::Key_PageDown, {}, "004"},
                 {Qt::Key_PageUp, {}, "001"},
                 {Qt::Key_End, Qt::ControlModifier, "004"},
                 {Qt::Key_Up, {}, "003"}};
    for (const auto& m : moves) {
        QTest::keyClick(grid, m.key, m.modifiers);
        EXPECT_EQ(box("txtNoKursan")->text(), m.np) << m.key;
    }

    button("cmdEdit")->click();
    box("txtNama")->setFocus();
    box("txtNama")->selectAll();
    type("Dewi");
    button("cmdSimpan")->click();
    EXPECT_EQ(sql("SELECT Nama_Kursan FROM TKursan ORDER BY Np"),
              QVariantList({"Kursan 001", "Kursan 002", "Dewi", "Kursan 004"}));
}

TEST_F(TraineeFormTest, ALetterNumberGoesOnlyToTheNewTrainee)
{
    addTrainees(2);
    open();
    button("cmdTambah")->click();
    type("N77");
    // A click on another row stores the new trainee, numbered and with its letter, and shows
    // the one clicked.
    auto* grid = form->findChild<QTableView*>("DataGrid1");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(0, 0)).center());
    EXPECT_EQ(box("txtNoKursan")->text(), "001");
    box("txtTujuan")->setFocus();
    enter();
    EXPECT_EQ(box("txtNoSurat")->text(), "B/001/III/PKL/2005");
    EXPECT_EQ(focused(), "cmdSimpan");
    enter();
    EXPECT_EQ(sql("SELECT Ns FROM TKursan WHERE Np = '001'"), QVariantList({"B/001/III/PKL/2005"}));
    EXPECT_EQ(sql("SELECT Ns FROM TKursan WHERE Nim = 'N77'"),
              QVariantList({"B/003/III/PKL/2005"}));
    EXPECT_EQ(sql("SELECT count(*) FROM TSurat"), QVariantList({3}));
}

TEST_F(TraineeFormTest, ClosingDuringAnEntryCanSaveIt)
{
    open();
    button("cmdTambah")->click();
    typeTrainee("Budi");
    boxes.expect("Data belum disimpan. Simpan?", Answer::Yes);
    form->close();
    settle();
    EXPECT_EQ(platform::loaded<frmKursan>(), nullptr);
    ASSERT_EQ(rows("TKursan").size(), 1);
    EXPECT_TRUE(rows("TKursan")[0].startsWith("B/001/III/PKL/2005|001|N123|Budi|"));
    EXPECT_EQ(rows("TSurat"), QStringList({"B/001/III/PKL/2005|-|1"}));
}

class QuotaTest : public TraineeFormTest {
protected:
    void SetUp() override
    {
        TraineeFormTest::SetUp();
        // "Gudang" is listed twice, under two codes.
        sql("INSERT INTO TUnit VALUES ('G1','Gudang',''),('B1','Bengkel',''),"
            "('G2','Gudang',''),('K1','Kantor','')");
    }

    // One trainee with its own letter and one placement starting on `start` (dd/mm/yyyy).
    void place(const QString& unit, const QString& start, const QString& reply = "Dapat")
    {
        placeTrainee(unit, start + "s/d" + start, reply);
    }

    QStringList entries(const char* name)
    {
        QStringList out;
        for (int i = 0; i < list(name)->count(); ++i)
            out << list(name)->item(i)->text();
        return out;
    }

    void process(const QString& month)
    {
        auto* combo = form->findChild<QComboBox*>("Combo1");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), month);
        button("Command1")->click();
    }
};

TEST_F(QuotaTest, CountsGrantedPlacementsOfTheMonthPerListedUnit)
{
    for (int i = 0; i < 3; ++i)
        place("G1", "01/04/2005");
    for (int i = 0; i < 6; ++i)
        place("B1", "10/04/2005");
    place("K1", "01/04/2005", "Tidak"); // refused: not a placement
    place("K1", "01/04/2004");          // an April already past
    place("K1", "01/05/2005");          // another month
    place("X9", "01/04/2005");          // a unit not listed
    open();

    process("April");
    EXPECT_EQ(entries("List1"), QStringList({"Gudang", "Bengkel", "Gudang", "Kantor"}));
    EXPECT_EQ(entries("List2"), QStringList({"3", "6", "3", ""}));
    process("April");
    EXPECT_EQ(entries("List2"), QStringList({"3", "6", "3", ""})) << "rebuilt, not added to";

    // Placements saved while the form is open count at the next press.
    place("K1", "15/04/2005");
    process("April");
    EXPECT_EQ(entries("List2"), QStringList({"3", "6", "3", "1"}));

    // No matching placement, an unchosen month or an apostrophe: units listed, no counts.
    for (const QString& month :
         {QString("Juni"), QString("----Pilih Bulan----"), QString("Mei'")}) {
        process(month);
        EXPECT_EQ(entries("List1").size(), 4);
        EXPECT_TRUE(entries("List2").isEmpty()) << month.toStdString();
    }
    expectMode(true);
}

TEST_F(QuotaTest, AMonthAlreadyPastIsCountedInNextYear)
{
    place("G1", "01/02/2005");
    place("G1", "01/02/2006");
    place("G1", "03/02/2006");
    place("B1", "01/03/2005");
    open();
    process("Februari");
    EXPECT_EQ(entries("List2"), QStringList({"2", "", "2", ""}));
    // The heading says what is counted, unlike the board that counts every month touched.
    EXPECT_EQ(form->findChild<QLabel*>("Label4")->text(), "Jumlah yang mulai\nFebruari 2006");
    process("Maret");
    EXPECT_EQ(entries("List2"), QStringList({"", "1", "", ""}));
    EXPECT_EQ(form->findChild<QLabel*>("Label4")->text(), "Jumlah yang mulai\nMaret 2005");
}

} // namespace
