#include "data/database.h"
#include "forms/frmUnit.h"
#include "platform/windows.h"
#include "shell/frmAbout.h"
#include "shell/frmLokasi.h"
#include "shell/frmMenu.h"
#include "support/fixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QWindow>

namespace {

class MenuTest : public KursanTest {
protected:
    void SetUp() override
    {
        KursanTest::SetUp();
        showMainWindow();
        menu = platform::loaded<frmMenu>();
    }
    QAction* item(const char* name) { return menu->findChild<QAction*>(name); }
    frmMenu* menu = nullptr;
};

TEST_F(MenuTest, CaptionTitlesAndEveryItem)
{
    EXPECT_EQ(menu->windowTitle(), "Sistem Informasi Pengolahan Data Kursan.");
    EXPECT_EQ(menu->findChild<QLabel*>("Label1_0")->text(),
              "Sistem Informasi Pengolahan Data Kursan / Penelitian");
    EXPECT_EQ(menu->findChild<QLabel*>("Label1_1")->text(),
              "Pada PT.Tembara (Persero) Sendangwiru.");

    const QList<QAction*> bar = menu->menuBar()->actions();
    QStringList top;
    for (QAction* a : bar)
        top << a->text();
    EXPECT_EQ(top, QStringList({"&File", "&Cetak Data", "&About", "&Keluar"}));
    EXPECT_EQ(bar[0]->menu()->objectName(), "mnuFile");
    EXPECT_EQ(bar[1]->menu()->objectName(), "mnuCetakData");
    EXPECT_EQ(bar[2]->objectName(), "mnuAbout");
    EXPECT_EQ(bar[3]->objectName(), "mnuKeluar");

    auto items = [](QMenu* m) {
        QStringList out;
        for (QAction* a : m->actions()) {
            EXPECT_TRUE(a->shortcut().isEmpty());
            out << (a->isSeparator() ? "-" : a->objectName() + "=" + a->text());
        }
        return out;
    };
    // The data items keep their place; export, backup and restore follow a separator.
    EXPECT_EQ(
        items(bar[0]->menu()),
        QStringList({"mnuDataKursan=Data &Kursan", "mnuDataUnit=Data &Unit", "mnuDataSPM=Data &SPM",
                     "mnuPapan=P&apan Penempatan", "mnuDaftarKerja=Daftar Ker&ja", "-",
                     "mnuEksporSPM=&Ekspor Data SPM ke Excel…", "mnuCadangkan=&Cadangkan Data…",
                     "mnuPulihkan=&Pulihkan Data…", "mnuLokasi=Lokasi &Data…"}));
    // Each File item has an access key of its own.
    QSet<QChar> keys;
    for (QAction* a : bar[0]->menu()->actions())
        if (!a->isSeparator())
            keys << a->text().at(a->text().indexOf('&') + 1).toLower();
    EXPECT_EQ(keys.size(), 9);
    EXPECT_EQ(items(bar[1]->menu()),
              QStringList({"mnuSPM=Cetak Surat P&enjajakan Masalah",
                           "mnuCetakSPKP=Cetak Surat Pengantar &Kartu Pengenal",
                           "mnuSPP=Cetak Surat Pengantar Pe&laksana",
                           "mnuCetakSK=Cetak Surat Ketera&ngan",
                           "mnuCetakSertifikat=Cetak Sertifikat", "mnuLaporan=Cetak &Laporan",
                           "mnuStatistik=&Statistik Tahunan", "mnuRegister=&Register Surat"}));
}

TEST_F(MenuTest, AboutBoxIsOneFramelessWindowClosedByOk)
{
    item("mnuAbout")->trigger();
    frmAbout* about = platform::loaded<frmAbout>();
    ASSERT_NE(about, nullptr);
    item("mnuAbout")->trigger();
    EXPECT_EQ(platform::loaded<frmAbout>(), about);
    EXPECT_EQ(menu->findChildren<frmAbout*>().size(), 1);
    EXPECT_TRUE(about->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about->parentWidget(), menu);
    QStringList lines;
    for (int i = 0; i < 5; ++i)
        lines << about->findChild<QLabel*>(QString("Label1_%1").arg(i))->text();
    EXPECT_EQ(lines, QStringList({"Sistem Informasi Pengolahan Data Kerja Praktek",
                                  "dan Penelitian", "Pada PT.TEMBARA (PERSERO)", "SENDANGWIRU",
                                  "Program ini diselesaikan pada 17 Januari 2005"}));

    about->findChild<QPushButton*>("Command1")->click();
    settle();
    EXPECT_EQ(platform::loaded<frmAbout>(), nullptr);
    item("mnuAbout")->trigger();
    EXPECT_NE(platform::loaded<frmAbout>(), nullptr); // loaded afresh
}

// A plain window that the main window owns still goes behind it when the menu is clicked; a
// dialog or a tool window that belongs to it stays above it.
TEST_F(MenuTest, EveryWindowItOpensStaysAboveIt)
{
    for (const char* name :
         {"mnuDataKursan", "mnuDataUnit", "mnuDataSPM", "mnuPapan", "mnuDaftarKerja", "mnuSPM",
          "mnuLaporan", "mnuStatistik", "mnuRegister", "mnuAbout"})
        item(name)->trigger();
    const QList<QWidget*> open = platform::Windows::all();
    EXPECT_EQ(open.size(), 11);
    for (QWidget* w : open) {
        if (w == menu)
            continue;
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_TRUE(w->windowType() == Qt::Dialog || w->windowType() == Qt::Tool);
        ASSERT_NE(w->windowHandle(), nullptr);
        EXPECT_EQ(w->windowHandle()->transientParent(), menu->windowHandle());
    }
}

TEST_F(MenuTest, TheStatusBarNamesTheDataAndLokasiDataKeepsThePlaceForTheNextStart)
{
    EXPECT_EQ(menu->findChild<QLabel*>("lblLokasi")->text(),
              "Data: " + QDir::toNativeSeparators(m_path));
    qunsetenv("KURSAN_DATABASE");
    frmLokasi dialog(menu);
    const QString next = m_dir.filePath("kantor/master.mdb");
    dialog.findChild<QRadioButton*>("optBerkas")->setChecked(true);
    dialog.findChild<QLineEdit*>("txtBerkas")->setText(next);
    boxes.expect(QDir::toNativeSeparators(next) +
                 " dapat dipakai: berkas belum ada; dibuat saat Kursan dimulai.");
    boxes.expect("Lokasi data disimpan: " + QDir::toNativeSeparators(next) +
                 ".\nBerlaku saat Kursan dimulai lagi.");
    dialog.findChild<QPushButton*>("cmdSimpan")->click();
    EXPECT_EQ(data::Location::configured(), data::Location::file(next));
    EXPECT_EQ(data::Database::path(), m_path) << "the data in use stays until the next start";
}

TEST_F(MenuTest, KeluarAndTheCloseBoxAskForAnUnsavedEntryFirst)
{
    item("mnuDataUnit")->trigger();
    auto* form = platform::loaded<frmUnit>();
    form->findChild<QPushButton*>("cmdTambah")->click();
    QTest::keyClicks(form->findChild<QLineEdit*>("txtNamaUnit"), "Gudang");
    boxes.expect("Data belum disimpan. Simpan?", platform::Answer::Cancel);
    item("mnuKeluar")->trigger();
    EXPECT_EQ(m_ended, 0);
    boxes.expect("Data belum disimpan. Simpan?", platform::Answer::Cancel);
    EXPECT_FALSE(menu->close());
    EXPECT_EQ(platform::loaded<frmUnit>(), form) << "the entry stays";

    boxes.expect("Data belum disimpan. Simpan?", platform::Answer::Yes);
    item("mnuKeluar")->trigger();
    EXPECT_EQ(m_ended, 1);
    EXPECT_EQ(rows("TUnit"), QStringList({"0|Gudang|<null>"}));
}

} // namespace
