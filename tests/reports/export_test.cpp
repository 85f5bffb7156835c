#include "platform/filechooser.h"
#include "platform/windows.h"
#include "preview/frmCetak.h"
#include "preview/preview.h"
#include "preview/show.h"
#include "reports/reportdata.h"
#include "reports/workbook.h"
#include "shell/frmMenu.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class ExportTest : public ReportTest {
protected:
    void SetUp() override
    {
        ReportTest::SetUp();
        addSample();
        addTrainee("004", "B/004/III/PKL/2005", "Ma'ruf", "5/1/85");
        platform::setFileNameHandler([this](const platform::FileQuestion& q) {
            asked.push_back(q);
            return answer;
        });
    }
    void TearDown() override
    {
        platform::setFileNameHandler({});
        ReportTest::TearDown();
    }
    void expectSaved(const QString& title)
    {
        boxes.expect(title + " disimpan ke " + QDir::toNativeSeparators(answer) + ".");
    }

    QString answer;
    std::vector<platform::FileQuestion> asked;
};

} // namespace

TEST_F(ExportTest, TraineeListHoldsEveryRowWithItsTextsAsStored)
{
    const QString file = m_dir.filePath("kursan.xlsx");
    int code = -1;
    QString errors;
    runTool(KURSAN_CETAK, {database(), "drKursan", file}, &code, &errors);
    ASSERT_EQ(code, 0) << errors.toStdString();
    const std::vector<QStringList> rows = workbookRows(file);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0],
              QStringList({"No Kursan", "Nama Kursan", "Tempat Lahir", "Tgl Lahir", "Alamat",
                           "Telepon", "Instansi", "Jurusan", "Tujuan", "No Surat"}));
    EXPECT_EQ(rows[1], QStringList({"001", "Budi", "Yogyakarta", "05/01/85", "Jl. Mawar 001",
                                    "0812001", "UGM", "Teknik", "PKL", "B/001/III/PKL/2005"}));
    QStringList numbers;
    for (const QStringList& row : rows)
        numbers << row.value(0);
    EXPECT_EQ(numbers, QStringList({"No Kursan", "001", "002", "003", "004"}));
    EXPECT_EQ(rows[4].mid(0, 4), QStringList({"004", "Ma'ruf", "Yogyakarta", "5/1/85"}));
    // Written a row at a time, its columns are still sized by their texts once all are seen:
    // the letter number's column holds its 18 characters.
    const QRegularExpression letterColumn("<col min=\"10\" max=\"10\" width=\"([0-9.]+)\"");
    EXPECT_GE(
        letterColumn.match(workbookPart(file, "xl/worksheets/sheet1.xml")).captured(1).toDouble(),
        18);
    // It names the list and its maker, never a spreadsheet program.
    const QString core = workbookPart(file, "docProps/core.xml");
    EXPECT_TRUE(core.contains("<dc:title>Data Kursan</dc:title>")) << core.toStdString();
    EXPECT_TRUE(core.contains("<dc:creator>Kursan</dc:creator>")) << core.toStdString();
    EXPECT_TRUE(workbookPart(file, "docProps/app.xml").contains("<Application>Kursan<"));
    EXPECT_EQ(runTool("unzip", {"-tq", file}).trimmed(),
              "No errors detected in compressed data of " + file + ".");

    // A letter report has no workbook.
    runTool(KURSAN_CETAK, {database(), "drSPM", m_dir.filePath("spm.xlsx")}, &code, &errors);
    EXPECT_EQ(code, 2);
    EXPECT_TRUE(errors.contains("hanya drKursan, drUnit, drStatistik dan drRegister"))
        << errors.toStdString();
}

TEST_F(ExportTest, ChooserPreviewAndMenuEachWriteTheirList)
{
    showMainWindow();
    auto* menu = platform::loaded<frmMenu>();
    menu->findChild<QAction*>("mnuLaporan")->trigger();
    auto* chooser = platform::loaded<frmCetak>();
    auto* combo = chooser->findChild<QComboBox*>("Combo1");
    auto* ekspor = chooser->findChild<QPushButton*>("Command3");
    EXPECT_EQ(ekspor->text(), "&Ekspor Excel");
    boxes.expect("Anda belum memilih data yang akan diekspor.");
    ekspor->click();
    EXPECT_TRUE(asked.empty());

    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), "Data Unit");
    answer = m_dir.filePath("unit.xlsx");
    expectSaved("Data Unit");
    ekspor->click();
    EXPECT_EQ(asked.back().suggested, QDir::home().filePath("Data Unit.xlsx"));
    const std::vector<QStringList> units = workbookRows(answer);
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[2], QStringList({"U02", "Gudang", "0274-1"}));

    // The preview writes the rows it shows, even when the table has changed since.
    auto* preview = qobject_cast<reports::ReportPreview*>(reports::show("drKursan", menu));
    ASSERT_NE(preview, nullptr);
    sql("DELETE FROM TKursan");
    QAction* action = preview->findChild<QAction*>("EksporExcel");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "Ekspor Excel");
    answer = m_dir.filePath("kursan.xlsx");
    expectSaved("Data Kursan");
    action->trigger();
    EXPECT_EQ(workbookRows(answer).size(), 5u);

    answer = m_dir.filePath("spm.xlsx");
    expectSaved("Data SPM");
    menu->findChild<QAction*>("mnuEksporSPM")->trigger();
    const std::vector<QStringList> placements = workbookRows(answer);
    ASSERT_EQ(placements.size(), 4u);
    EXPECT_EQ(placements[0], QStringList({"No Surat", "No Kursan", "Nama Kursan", "Instansi",
                                          "Jawaban", "Kode Unit", "Unit", "Tanggal Pelaksanaan"}));
    // Its trainee deleted above, a placement keeps its own columns.
    EXPECT_EQ(placements[3],
              QStringList({"", "002", "", "", "", "U02", "Gudang", "01/05/2005s/d01/06/2005"}));
}
