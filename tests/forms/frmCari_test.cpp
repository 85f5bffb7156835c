#include "data/datacontrol.h"
#include "forms/frmCari.h"
#include "support/fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using platform::Answer;

namespace {
const QString NotFound = QStringLiteral("Data Tidak ada dalam DataBase.");
const QString Hint = QStringLiteral("-----Pilih Fields-----");

// A loaded form of the given name with one data control, as a searching form has.
struct Caller {
    platform::Form* form;
    data::RecordSet* rs;
};

Caller standIn(const QString& name, const QString& control, const QString& source)
{
    auto* form = new platform::Form(nullptr);
    auto* dc = new data::DataControl(form, control, source);
    platform::Windows::remember(name, form);
    form->show();
    return {form, dc->recordset()};
}

QComboBox* combo(frmCari* w) { return w->findChild<QComboBox*>("Combo1"); }
QLineEdit* value(frmCari* w) { return w->findChild<QLineEdit*>("Text1"); }
QPushButton* button(frmCari* w, const char* name) { return w->findChild<QPushButton*>(name); }

// Picks a field with the arrow keys, as a person does in the list.
void pick(frmCari* w, const QString& item)
{
    QComboBox* c = combo(w);
    const int index = c->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    c->setFocus();
    while (c->currentIndex() < index)
        QTest::keyClick(c, Qt::Key_Down);
    while (c->currentIndex() > index)
        QTest::keyClick(c, Qt::Key_Up);
    ASSERT_EQ(c->currentText(), item);
}

void typeValue(frmCari* w, const QString& text)
{
    value(w)->clear();
    QTest::keyClicks(value(w), text);
}

QStringList listed(frmCari* w)
{
    QStringList out;
    for (int i = 0; i < combo(w)->count(); ++i)
        out << combo(w)->itemText(i);
    return out;
}
} // namespace

class SearchTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan, Instansi, Jurusan) VALUES "
            "('B/001/III/PKL/2005','001','Budi','UGM','Teknik'),"
            "('B/002/III/PKL/2005','002','Ma''ruf','ITB','Kimia'),"
            "('B/003/III/PKL/2005','003','Budi','UNDIP','Teknik'),"
            "('B/004/III/PKL/2005','012','Sari','UI','Hukum'),"
            "('B/005/III/PKL/2005','1234','Tono','UNS','Fisika')");
    }

    // Opens the search from a trainee-form stand-in placed on its last row.
    frmCari* searchTrainees()
    {
        trainees = standIn("frmKursan", "Adodc1", "TKursan");
        trainees.rs->moveLast();
        return openSearch(trainees.form, trainees.rs, forms::traineeSearch());
    }

    QString currentNp() { return trainees.rs->field("Np").toString(); }

    Caller trainees{};
};

TEST_F(SearchTest, FreshWindowThenCallerAppendsItsFieldsAndCaption)
{
    frmCari* bare = platform::window<frmCari>();
    EXPECT_EQ(bare->windowTitle(), "Pencarian.");
    EXPECT_EQ(combo(bare)->count(), 0);
    EXPECT_EQ(combo(bare)->currentText(), Hint);
    EXPECT_TRUE(value(bare)->text().isEmpty());
    bare->unload();
    settle();

    frmCari* w = searchTrainees();
    EXPECT_EQ(w->windowTitle(), "frmKursan");
    EXPECT_EQ(w->parentWidget(), trainees.form);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(listed(w),
              QStringList({"No Surat", "No Kursan", "Nama Kursan", "Nama Instansi", "Jurusan"}));
    EXPECT_EQ(combo(w)->currentText(), Hint);

    // Asking again while open appends the items again; the hint stays until a pick.
    EXPECT_EQ(openSearch(trainees.form, trainees.rs, forms::traineeSearch()), w);
    EXPECT_EQ(combo(w)->count(), 10);
    EXPECT_EQ(combo(w)->currentText(), Hint);
    pick(w, "Jurusan");
    openSearch(trainees.form, trainees.rs, forms::traineeSearch());
    EXPECT_EQ(combo(w)->currentText(), "Jurusan");
}

TEST_F(SearchTest, EachTraineeFieldSearchesItsColumn)
{
    const struct {
        const char* item;
        const char* text;
        const char* np;
    } cases[] = {
        {"No Surat", "B/004/III/PKL/2005", "012"},
        {"Nama Kursan", "Sari", "012"},
        {"Nama Instansi", "UNDIP", "003"},
        {"Jurusan", "Kimia", "002"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        frmCari* w = searchTrainees();
        pick(w, c.item);
        typeValue(w, c.text);
        button(w, "Command1")->click();
        EXPECT_EQ(currentNp(), c.np);
        settle();
        EXPECT_EQ(platform::loaded<frmCari>(), nullptr) << "a found row closes the window";
        trainees.form->unload();
        settle();
    }
}

TEST_F(SearchTest, TraineeNumberMatchesByValueAndShowsThreeDigits)
{
    const struct {
        const char* typed;
        const char* shown;
        const char* np;
    } cases[] = {
        {"1", "001", "001"},        {"001", "001", "001"},  {"000001", "001", "001"},
        {"12", "012", "012"},       {"0012", "012", "012"}, {"1234", "1234", "1234"},
        {"001234", "1234", "1234"},
    };
    frmCari* w = searchTrainees();
    pick(w, "No Kursan");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        trainees.rs->moveLast();
        typeValue(w, c.typed);
        w->Command1_Click(); // the window would close; the test keeps it by reopening below
        EXPECT_EQ(currentNp(), c.np);
        EXPECT_EQ(value(w)->text(), c.shown);
        settle();
        w = openSearch(trainees.form, trainees.rs, forms::traineeSearch());
        pick(w, "No Kursan");
    }

    // Digits of no trainee, and text that is no number, are not found.
    for (const char* typed : {"5", "99999999999999999999999", "1a", "abc"}) {
        SCOPED_TRACE(typed);
        trainees.rs->moveLast();
        typeValue(w, typed);
        boxes.expect(NotFound);
        button(w, "Command1")->click();
        EXPECT_EQ(currentNp(), "001") << "back on the first row";
        EXPECT_EQ(platform::loaded<frmCari>(), w);
    }
    EXPECT_EQ(value(w)->text(), "abc");
}

TEST_F(SearchTest, MissSaysSoReturnsCallerToFirstRowAndStaysOpen)
{
    frmCari* w = searchTrainees();
    pick(w, "Nama Kursan");
    typeValue(w, "Bud"); // part of a name is no match
    boxes.expect(NotFound);
    QApplication::setActiveWindow(trainees.form);
    button(w, "Command1")->click();
    boxes.verify();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Pesan");
    EXPECT_EQ(boxes.shown()[0].icon, platform::Icon::Information);
    EXPECT_EQ(currentNp(), "001");
    settle();
    EXPECT_EQ(platform::loaded<frmCari>(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(combo(w)->currentText(), "Nama Kursan");
    EXPECT_EQ(value(w)->text(), "Bud");
    // The keyboard stays here for another try, even when the box handed it to the caller.
    EXPECT_EQ(QApplication::activeWindow(), w);
    EXPECT_EQ(w->focusWidget(), value(w));

    // Another try from the same window finds the first of two matches, every time.
    typeValue(w, "budi");
    trainees.rs->moveLast();
    QTest::keyClick(value(w), Qt::Key_Return);
    EXPECT_EQ(currentNp(), "001");
    settle();
    w = openSearch(trainees.form, trainees.rs, forms::traineeSearch());
    pick(w, "Nama Kursan");
    typeValue(w, "Budi");
    trainees.rs->moveTo(2);
    button(w, "Command1")->click();
    EXPECT_EQ(currentNp(), "001");
}

TEST_F(SearchTest, ApostropheAndUnpickedFieldAreSearchedAsTyped)
{
    frmCari* w = searchTrainees();
    pick(w, "Nama Kursan");
    typeValue(w, "Ma'ruf");
    button(w, "Command1")->click();
    EXPECT_EQ(currentNp(), "002");
    settle();

    // The hint, or anything typed into the list, searches the caller's last column.
    w = searchTrainees();
    typeValue(w, "Hukum");
    button(w, "Command1")->click();
    EXPECT_EQ(currentNp(), "012");
    settle();
    w = searchTrainees();
    combo(w)->lineEdit()->selectAll();
    QTest::keyClicks(combo(w)->lineEdit(), "Nama");
    typeValue(w, "Fisika");
    button(w, "Command1")->click();
    EXPECT_EQ(currentNp(), "1234");
}

TEST_F(SearchTest, BatalClosesWithoutMovingTheCaller)
{
    frmCari* w = searchTrainees();
    pick(w, "Nama Kursan");
    typeValue(w, "Sari");
    button(w, "Command2")->click();
    settle();
    EXPECT_EQ(platform::loaded<frmCari>(), nullptr);
    EXPECT_EQ(currentNp(), "1234");

    // A new window starts empty again.
    w = openSearch(trainees.form, trainees.rs, forms::traineeSearch());
    EXPECT_EQ(combo(w)->count(), 5);
    EXPECT_TRUE(value(w)->text().isEmpty());
}

TEST_F(SearchTest, LetterFormSearchesItsPlacementsQuery)
{
    sql("INSERT INTO TSurat (Ns, Jawaban, Jumlah_Kursan) VALUES ('B/001/III/PKL/2005','Dapat',1)");
    sql("INSERT INTO TKegiatan (Np, Tanggal_Pelaksanaan, Kode_Unit) VALUES "
        "('001','01/03/2005s/d01/04/2005','U1'), ('002','01/03/2005s/d01/04/2005','U1')");
    Caller letters = standIn("frmSPM", "Adodc6", "QSPM");
    letters.rs->moveLast();
    frmCari* w = openSearch(letters.form, letters.rs, forms::placementSearch());
    EXPECT_EQ(listed(w), QStringList({"No Surat", "Nama Kursan", "Instansi"}));
    typeValue(w, "ITB"); // unpicked: Instansi
    button(w, "Command1")->click();
    EXPECT_EQ(letters.rs->field("Np").toString(), "002");
    settle();
    w = openSearch(letters.form, letters.rs, forms::placementSearch());
    pick(w, "No Surat");
    typeValue(w, "B/001/III/PKL/200"); // the whole letter number or nothing
    boxes.expect(NotFound);
    button(w, "Command1")->click();
    EXPECT_EQ(letters.rs->position(), 0);
}

TEST_F(SearchTest, EmptyRecordSetStaysUsableAndNoNameDecidesWhatIsSearched)
{
    Caller units = standIn("frmUnit", "Adodc1", "TUnit");
    frmCari* w = openSearch(units.form, units.rs, forms::unitSearch());
    typeValue(w, "U1");
    boxes.expect(NotFound);
    button(w, "Command1")->click();
    EXPECT_FALSE(units.rs->hasCurrent());

    // The window searches the record set it was handed, whatever the caption, the data
    // control or the form are called.
    sql("INSERT INTO TUnit VALUES ('U1', 'Gudang', '0271')");
    units.rs->refresh();
    units.form->findChild<data::DataControl*>()->setObjectName("AdodcLain");
    units.form->setObjectName("frmLain");
    w->setWindowTitle("frmLain");
    typeValue(w, "Gudang");
    button(w, "Command1")->click();
    EXPECT_EQ(units.rs->field("Kode_Unit").toString(), "U1");
    settle();
    EXPECT_EQ(platform::loaded<frmCari>(), nullptr) << "a found row closes the window";
}

TEST_F(SearchTest, TheLastCallerOwnsTheWindow)
{
    Caller units = standIn("frmUnit", "Adodc1", "TUnit");
    frmCari* w = searchTrainees();
    EXPECT_EQ(openSearch(units.form, units.rs, forms::unitSearch()), w);
    EXPECT_EQ(w->parentWidget(), units.form);
    EXPECT_EQ(w->windowTitle(), "frmUnit");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(combo(w)->count(), 7);
    units.form->unload();
    settle();
    EXPECT_EQ(platform::loaded<frmCari>(), nullptr) << "the window goes with its owner";
}

TEST_F(SearchTest, EscapeClosesTheWindow)
{
    Caller units = standIn("frmUnit", "Adodc1", "TUnit");
    frmCari* w = openSearch(units.form, units.rs, forms::unitSearch());
    typeValue(w, "U1");
    QTest::keyClick(value(w), Qt::Key_Escape);
    settle();
    EXPECT_EQ(platform::loaded<frmCari>(), nullptr);
}
