#include "data/recordset.h"
#include "forms/frmDaftarKerja.h"
#include "forms/frmKursan.h"
#include "forms/frmSPM.h"
#include "shell/frmMenu.h"
#include "support/fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

using WorklistWindowTest = KursanTest;

// Today is 15 March 2005.
TEST_F(WorklistWindowTest, CountsItsListsAndOpensTheFormThatMendsARow)
{
    sql("INSERT INTO TUnit VALUES ('U01', 'Keuangan', '')");
    placeTrainee("U01", "10/03/2005s/d10/04/2005");
    const QString due = placeTrainee("U01", "20/02/2005s/d20/03/2005");
    sql("INSERT INTO TKursan (Ns, Np, Nama_Kursan) VALUES ('B/077/III/PKL/2005', '077', 'Ani')");
    sql("INSERT INTO TSurat VALUES ('B/077/III/PKL/2005', '-', 1)");
    sql("INSERT INTO TKursan (Np, Nama_Kursan) VALUES ('078', 'Budi')");

    showMainWindow();
    auto* menu = platform::loaded<frmMenu>();
    EXPECT_EQ(menu->findChild<QLabel*>("lblDaftarKerja")->text(),
              "Minggu ini 1 sertifikat jatuh tempo; 1 surat menunggu jawaban (File > Daftar "
              "Kerja).");
    menu->findChild<QAction*>("mnuDaftarKerja")->trigger();
    auto* list = platform::loaded<frmDaftarKerja>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), "Daftar Kerja");
    auto* tabs = list->findChild<QTabWidget*>("tabKerja");
    EXPECT_EQ(tabs->tabText(0), "Sertifikat (1)");
    EXPECT_EQ(tabs->tabText(1), "Belum Dijawab (1)");
    EXPECT_EQ(tabs->tabText(3), "Tanpa No Surat (1)");
    list->findChild<QSpinBox*>("txtHari")->setValue(30);
    EXPECT_EQ(tabs->tabText(0), "Sertifikat (2)");

    auto* certificates = list->findChild<QTableWidget*>("grdSertifikat");
    certificates->setCurrentCell(0, 0);
    QTest::keyClick(certificates, Qt::Key_Return);
    auto* letters = platform::loaded<frmSPM>();
    ASSERT_NE(letters, nullptr);
    EXPECT_EQ(letters->parentWidget(), menu);
    settle();
    EXPECT_EQ(letters->findChild<QLineEdit*>("txtNama")->text(), "Kursan " + due);

    auto* awaiting = list->findChild<QTableWidget*>("grdJawaban");
    awaiting->setCurrentCell(0, 0);
    QTest::keyClick(awaiting, Qt::Key_Return);
    EXPECT_EQ(letters->findChild<QComboBox*>("cboNoSurat")->currentText(), "B/077/III/PKL/2005");
    EXPECT_EQ(letters->findChild<QLineEdit*>("txtNama")->text(), "Ani");

    tabs->setCurrentIndex(3);
    settle(); // laid out once shown
    auto* unnumbered = list->findChild<QTableWidget*>("grdTanpaSurat");
    unnumbered->setCurrentCell(0, 0);
    const QPoint first = unnumbered->visualItemRect(unnumbered->item(0, 0)).center();
    QTest::mouseClick(unnumbered->viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(unnumbered->viewport(), Qt::LeftButton, {}, first);
    auto* trainees = platform::loaded<frmKursan>();
    ASSERT_NE(trainees, nullptr);
    EXPECT_EQ(trainees->findChild<QLineEdit*>("txtNama")->text(), "Budi");
}

} // namespace
