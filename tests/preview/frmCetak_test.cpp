#include "data/database.h"
#include "platform/windows.h"
#include "preview/frmCetak.h"
#include "preview/preview.h"
#include "reports/reportdata.h"
#include "reports/tools.h"
#include "shell/frmMenu.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

using reports::ReportPreview;

namespace {

class Chooser : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        showMainWindow();
        menu = platform::loaded<frmMenu>();
        menu->findChild<QAction*>("mnuLaporan")->trigger();
        form = platform::loaded<frmCetak>();
        ASSERT_NE(form, nullptr);
        combo = form->findChild<QComboBox*>("Combo1");
    }

    void cetak() { form->findChild<QPushButton*>("Command1")->click(); }
    static ReportPreview* preview(const QString& name)
    {
        return qobject_cast<ReportPreview*>(platform::Windows::find(name));
    }
    void pick(int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    frmMenu* menu = nullptr;
    frmCetak* form = nullptr;
    QComboBox* combo = nullptr;
};

const QString notChosen = "Anda belum memilih data yang akan dicetak.";

} // namespace

TEST_F(Chooser, OpensFromTheMenuOnceWithItsListAndPrompt)
{
    EXPECT_EQ(form->windowTitle(), "Cetak");
    EXPECT_EQ(form->parentWidget(), menu);
    EXPECT_EQ(combo->currentText(), "-----Pilih Cetak------");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), "Data Kursan");
    EXPECT_EQ(combo->itemText(1), "Data Unit");
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(form->focusWidget(), combo);
    EXPECT_EQ(form->findChild<QPushButton*>("Command1")->text(), "&Cetak");
    EXPECT_EQ(form->findChild<QPushButton*>("Command2")->text(), "&Batal");
    QTest::keyClick(combo, Qt::Key_Down); // the first arrow picks the first entry
    EXPECT_EQ(combo->currentText(), "Data Kursan");
    menu->findChild<QAction*>("mnuLaporan")->trigger();
    EXPECT_EQ(platform::loaded<frmCetak>(), form);
    EXPECT_EQ(menu->findChildren<frmCetak*>().size(), 1);
}

TEST_F(Chooser, AnythingButTheTwoExactNamesIsRefused)
{
    for (const QString& typed : {QString("-----Pilih Cetak------"), QString(), QString("data unit"),
                                 QString("Data Unit ")}) {
        if (!typed.startsWith("-----")) { // the prompt itself first, as the chooser opens
            combo->lineEdit()->clear();
            QTest::keyClicks(combo->lineEdit(), typed);
        }
        boxes.expect(notChosen);
        cetak();
        EXPECT_EQ(combo->currentText(), typed);
    }
    for (const platform::MsgBoxCall& box : boxes.shown()) {
        EXPECT_EQ(box.title, "Pesan");
        EXPECT_EQ(box.icon, platform::Icon::Critical);
        EXPECT_EQ(box.buttons, platform::Buttons::Ok);
    }
    EXPECT_EQ(preview("drKursan"), nullptr);
    EXPECT_EQ(preview("drUnit"), nullptr);
}

TEST_F(Chooser, BothListsOpenTogetherAndOutliveTheChooser)
{
    addSample();
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), "Data Unit"); // typed, the list never opened
    cetak();
    ReportPreview* units = preview("drUnit");
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(units->windowTitle(), "DataReport1 — Daftar Unit");
    EXPECT_EQ(combo->currentText(), "Data Unit");

    pick(0);
    cetak();
    ReportPreview* kursan = preview("drKursan");
    ASSERT_NE(kursan, nullptr);
    EXPECT_EQ(kursan->windowTitle(), "drKursan — Daftar Kursan");
    EXPECT_EQ(kursan->document().rowCount, 3);
    EXPECT_TRUE(units->isVisible() && kursan->isVisible());
    EXPECT_FALSE(kursan->isModal());
    EXPECT_EQ(kursan->parentWidget(), menu);

    // Printing the same list again brings its open preview forward.
    cetak();
    EXPECT_EQ(preview("drKursan"), kursan);

    form->findChild<QPushButton*>("Command2")->click();
    settle();
    EXPECT_EQ(platform::loaded<frmCetak>(), nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(units->isVisible() && kursan->isVisible());

    // Reopened, the chooser starts afresh.
    menu->findChild<QAction*>("mnuLaporan")->trigger();
    EXPECT_EQ(platform::loaded<frmCetak>()->findChild<QComboBox*>("Combo1")->currentText(),
              "-----Pilih Cetak------");
}

TEST_F(Chooser, FailingCommandShowsItsErrorAndNoPreview)
{
    const QString gone = m_dir.filePath("hilang.mdb");
    data::Database::setPath(gone);
    pick(0);
    boxes.expect(QString("DataBase %1 tidak ditemukan.").arg(gone));
    cetak();
    EXPECT_EQ(preview("drKursan"), nullptr);
    EXPECT_EQ(boxes.shown().back().icon, platform::Icon::Critical);
    EXPECT_TRUE(form->isVisible());
}
