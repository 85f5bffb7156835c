#include "platform/filechooser.h"
#include "preview/longwork.h"
#include "preview/preview.h"
#include "preview/show.h"
#include "reports/reportdata.h"
#include "reports/tools.h"
#include "reports/workbook.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

using reports::LongWork;
using reports::ReportPreview;

namespace {

// Presses "Batal" on the progress window as soon as one shows, and keeps what it said.
class CancelWhenShown {
public:
    CancelWhenShown()
    {
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* progress = qobject_cast<QProgressDialog*>(w);
                if (progress && progress->isVisible()) {
                    said = progress->labelText();
                    progress->cancel();
                    m_poll.stop();
                }
            }
        });
        m_poll.start(0);
    }
    QString said;

private:
    QTimer m_poll;
};

class Preview : public ReportTest {
protected:
    void TearDown() override
    {
        reports::setSaveFileChooser({});
        LongWork::setDelay(1000);
        ReportTest::TearDown();
    }
    void addTrainees(int count)
    {
        sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
            "INSERT INTO TKursan (Np, Nama_Kursan) SELECT printf('%03d', i), 'Kursan ' || i FROM n",
            {count});
    }
};

} // namespace

TEST_F(Preview, SavesThePdfWhereTheUserChooses)
{
    addSample();
    auto* preview = qobject_cast<ReportPreview*>(reports::show("drUnit", nullptr));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->savePdfAction()->text(), "Simpan PDF");

    const QString path = m_dir.filePath("unit.pdf");
    QString suggested;
    reports::setSaveFileChooser([&](QWidget*, const QString& s) {
        suggested = s;
        return path;
    });
    // What and when, and where it went.
    boxes.expect(QString("Berkas PDF disimpan di %1.").arg(path));
    preview->savePdfAction()->trigger();
    EXPECT_EQ(QFileInfo(suggested).fileName(), "Daftar-Unit-2005-03-15.pdf");
    EXPECT_EQ(boxes.shown().back().icon, platform::Icon::Information);
    EXPECT_TRUE(pdfText(path).simplified().contains("U01 Keuangan U02 Gudang"));

    // A write that fails says so; cancelling the dialog does nothing.
    reports::setSaveFileChooser([&](QWidget*, const QString&) { return QString("/dev/full"); });
    boxes.expect("Berkas PDF /dev/full tidak dapat ditulis: No space left on device");
    preview->savePdfAction()->trigger();
    reports::setSaveFileChooser([](QWidget*, const QString&) { return QString(); });
    preview->savePdfAction()->trigger();
}

// Not behind the toolbar's overflow button at the size the preview opens with.
TEST_F(Preview, EveryActionOfTheListsIsInSight)
{
    for (const char* list : {"drKursan", "drUnit"}) {
        SCOPED_TRACE(list);
        auto* preview = qobject_cast<ReportPreview*>(reports::show(list, nullptr));
        ASSERT_NE(preview, nullptr);
        settle();
        QStringList inSight;
        for (QToolBar* row : preview->findChildren<QToolBar*>())
            for (QAction* action : row->actions())
                if (QWidget* button = row->widgetForAction(action)) {
                    EXPECT_TRUE(button->isVisible()) << action->text().toStdString();
                    if (button->isVisible())
                        inSight << action->text();
                }
        for (const char* action : {"Cetak", "Simpan PDF", "Ekspor Excel"})
            EXPECT_TRUE(inSight.contains(action)) << action;
    }
}

// Long work shows its progress at once here, as it would after a second.
TEST_F(Preview, LongWorkShowsHowFarItIsAndCancelledLeavesNothing)
{
    addTrainees(700);
    LongWork::setDelay(0);
    CancelWhenShown drawing;
    boxes.expect("Pratinjau dihentikan pada halaman 1. Cetak dan Simpan PDF tetap mengambil semua "
                 "baris yang dipilih.");
    auto* preview = qobject_cast<ReportPreview*>(reports::show("drKursan", nullptr));
    ASSERT_NE(preview, nullptr);
    // The pages are counted as they are drawn: the first drawing counts rows.
    EXPECT_EQ(drawing.said, "Menyiapkan pratinjau: baris 25 dari 700");
    EXPECT_EQ(preview->findChild<QPrintPreviewWidget*>()->pageCount(), 1);
    EXPECT_EQ(preview->pageCount(), -1) << "not all pages are known";
    EXPECT_EQ(preview->findChild<QProgressDialog*>(), nullptr) << "the window goes with the work";

    // A PDF, a print run to a file and a workbook, each cancelled: no file, not even in part.
    const QString pdf = m_dir.filePath("daftar.pdf");
    reports::setSaveFileChooser([&](QWidget*, const QString&) { return pdf; });
    CancelWhenShown saving;
    preview->savePdfAction()->trigger();
    EXPECT_TRUE(saving.said.startsWith("Menyimpan PDF: baris ")) << saving.said.toStdString();
    preview->printer()->setOutputFileName(m_dir.filePath("cetak.pdf"));
    CancelWhenShown printing;
    preview->findChild<QPrintPreviewWidget*>()->print();
    EXPECT_TRUE(printing.said.startsWith("Mencetak: baris ")) << printing.said.toStdString();
    const QString xlsx = m_dir.filePath("daftar.xlsx");
    reports::setSaveFileChooser([&](QWidget*, const QString&) { return xlsx; });
    CancelWhenShown exporting;
    preview->findChild<QAction*>("EksporExcel")->trigger();
    EXPECT_TRUE(exporting.said.endsWith(" dari 700")) << exporting.said.toStdString();
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(Preview, ShortWorkShowsNoProgressAndAClosedPreviewReadsAfresh)
{
    addTrainees(30);
    auto* preview = qobject_cast<ReportPreview*>(reports::show("drKursan", nullptr));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->pageCount(), 2); // 25 rows on the first page, 27 on the others
    EXPECT_EQ(preview->findChild<QProgressDialog*>(), nullptr);
    preview->close();
    settle();
    // Closed, the report is read afresh the next time.
    addTrainee("999", "", "Baru");
    auto* again = qobject_cast<ReportPreview*>(reports::show("drKursan", nullptr));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->document().rowCount, 31);
}

TEST_F(Preview, ShownAgainTheOpenPreviewReadsItsRowsAgain)
{
    addSample(); // three certificates: Budi, Ani, Ani
    auto* preview = qobject_cast<ReportPreview*>(reports::show("drSertifikat", nullptr));
    ASSERT_NE(preview, nullptr);
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->pageCount(), 3);

    sql("DELETE FROM TKegiatan WHERE Np = ? AND Kode_Unit = ?", {"002", "U02"});
    EXPECT_EQ(reports::show("drSertifikat", nullptr), preview);
    EXPECT_EQ(preview->document().rowCount, 2);
    EXPECT_EQ(pages->pageCount(), 2);
}

TEST_F(Preview, NewPreviewOpensOffsetFromTheLastAndSaysWhichReportItIs)
{
    addSample();
    QWidget* statement = reports::show("drSK", nullptr);
    QWidget* certificate = reports::show("drSertifikat", nullptr);
    ASSERT_TRUE(statement && certificate);
    EXPECT_EQ(statement->windowTitle(), "DataReport1 — Surat Keterangan");
    EXPECT_EQ(certificate->windowTitle(), "DataReport1 — Sertifikat");
    EXPECT_EQ(certificate->pos(), statement->pos() + QPoint(30, 30));
}

TEST_F(Preview, SpeaksIndonesian)
{
    addSample();
    auto* preview = qobject_cast<ReportPreview*>(reports::show("drUnit", nullptr));
    ASSERT_NE(preview, nullptr);
    QStringList tips;
    for (QAction* action : preview->findChild<QToolBar*>()->actions())
        tips << action->toolTip();
    for (const char* tip : {"Halaman berikutnya", "Perbesar", "Muat lebar halaman", "Cetak"})
        EXPECT_TRUE(tips.contains(tip)) << tips.join(", ").toStdString();

    QPrintDialog print(preview->printer());
    EXPECT_EQ(print.windowTitle(), "Cetak");
    // The printer's job options, shown only where CUPS has a printer.
    EXPECT_EQ(QCoreApplication::translate("QCupsJobWidget", "Job priority:"),
              "Prioritas pekerjaan:");
    EXPECT_EQ(QCoreApplication::translate("QCupsJobWidget", "None", "CUPS Banner page"),
              "Tidak ada");

    // The file dialogs: their texts, and the dates and types of the files they list.
    QFile old(m_dir.filePath("lama.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.setFileTime(QDateTime(QDate(2005, 3, 8), QTime(14, 5)), QFileDevice::FileModificationTime);
    old.close();
    const auto save = platform::fileDialog({platform::FileAction::Save, "Simpan PDF",
                                            m_dir.filePath("baru.pdf"), "PDF (*.pdf)", "pdf"});
    EXPECT_EQ(save->findChild<QLabel*>("fileNameLabel")->text(), "&Nama berkas:");
    auto* files = save->findChild<QTreeView*>("treeView");
    QModelIndex listed;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const QModelIndexList found = files->model()->match(
            files->model()->index(0, 0, files->rootIndex()), Qt::DisplayRole, "lama.pdf");
        listed = found.value(0);
        return listed.isValid();
    }));
    EXPECT_EQ(listed.siblingAtColumn(2).data().toString(), "Dokumen PDF");
    EXPECT_EQ(listed.siblingAtColumn(3).data().toString(), "08/03/05 14.05");
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Batal");
}

TEST_F(Preview, UnknownReportIsAMessageNotACrash)
{
    boxes.expect("Laporan drLain tidak dikenal.");
    EXPECT_EQ(reports::show("drLain", nullptr), nullptr);
}

TEST_F(Preview, BarPrintsOneTraineesLetterAndBadInputLeavesThePreview)
{
    addSample(); // three letters: Budi, Ani, Ani
    auto* preview = qobject_cast<ReportPreview*>(reports::show("drSPM", nullptr));
    ASSERT_NE(preview, nullptr);
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    auto* kind = preview->findChild<QComboBox*>("cboPilihan");
    auto* text = preview->findChild<QLineEdit*>("txtPilihan");
    ASSERT_TRUE(pages && kind && text);
    EXPECT_EQ(pages->pageCount(), 3);
    EXPECT_FALSE(text->isVisible());

    QTest::keyClick(kind, Qt::Key_Down); // "Satu Kursan"
    QTest::keyClicks(text, "1");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(pages->pageCount(), 1);

    // What is saved is what is shown.
    const QString path = m_dir.filePath("budi.pdf");
    reports::setSaveFileChooser([&](QWidget*, const QString&) { return path; });
    boxes.expect(QString("Berkas PDF disimpan di %1.").arg(path));
    preview->savePdfAction()->trigger();
    const QString info = runTool("pdfinfo", {path});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n")));
    EXPECT_TRUE(
        info.contains(QRegularExpression("Title:\\s+Surat Penjajakan Masalah — 001 Budi\\n")))
        << info.toStdString();
    EXPECT_TRUE(pdfText(path).contains("Budi"));

    text->clear();
    QTest::keyClicks(text, "999");
    boxes.expect("Kursan \"999\" tidak ada dalam DataBase.");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(text->text(), "1");       // the bar shows what is printed, not what was refused
    QTest::keyClick(kind, Qt::Key_End); // "Selesai antara"
    QTest::keyClick(kind, Qt::Key_Up);  // "Bulan mulai"
    QTest::keyClicks(text, "13/2005");
    boxes.expect("Bulan \"13/2005\" tidak dapat dibaca. Tulis bulan dan tahun sebagai MM/YYYY, "
                 "misalnya 03/2005.");
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(kind->currentText(), "Satu Kursan");
    EXPECT_EQ(text->text(), "1");
    EXPECT_EQ(pages->pageCount(), 1);
    EXPECT_EQ(preview->document().rowCount, 1);

    QTest::keyClick(kind, Qt::Key_Home); // "Semua data" applies at once
    EXPECT_EQ(pages->pageCount(), 3);

    // The trainee list has no start month, the unit list nothing to choose.
    auto* list = reports::show("drKursan", nullptr);
    auto* listKinds = list->findChild<QComboBox*>("cboPilihan");
    ASSERT_NE(listKinds, nullptr);
    EXPECT_EQ(listKinds->count(), 3);
    EXPECT_EQ(listKinds->findText("Bulan mulai"), -1);
    EXPECT_EQ(reports::show("drUnit", nullptr)->findChild<QComboBox*>("cboPilihan"), nullptr);
}

TEST_F(Preview, RegisterShowsTheYearOfItsBoxAndExportsIt)
{
    addRegisterSample();
    auto* preview = qobject_cast<ReportPreview*>(reports::show("drRegister", nullptr));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), "Register Surat");
    EXPECT_EQ(preview->findChild<QComboBox*>("cboPilihan"), nullptr);
    auto* year = preview->findChild<QSpinBox*>("txtTahun");
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(year->value(), 2005); // this year
    EXPECT_EQ(preview->document().rowCount, registerOf2005.size());

    QTest::keyClick(year, Qt::Key_Down);
    EXPECT_EQ(preview->document().rowCount, 2); // Hadi's letter and the count
    EXPECT_EQ(preview->document().title(), "Register Surat — Tahun 2004");
    EXPECT_EQ(reports::show("drRegister", nullptr), preview);
    EXPECT_EQ(year->value(), 2004); // shown again, it keeps its year

    const QString path = m_dir.filePath("register.xlsx");
    reports::setSaveFileChooser([&](QWidget*, const QString&) { return path; });
    boxes.expect(QString("Register Surat disimpan ke %1.").arg(path));
    auto* excel = preview->findChild<QAction*>("EksporExcel");
    ASSERT_NE(excel, nullptr);
    excel->trigger();
    const std::vector<QStringList> rows = workbookRows(path);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].value(0), "B/996/XII/PKL/2004");
}
