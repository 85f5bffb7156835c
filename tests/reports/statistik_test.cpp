#include "data/statistik.h"
#include "reports/reportdata.h"
#include "reports/statistik.h"
#include "reports/workbook.h"

namespace {
// A table's lines as "name count".
QStringList linesOf(const statistik::Table& table)
{
    QStringList out;
    for (const statistik::Line& line : table.lines)
        out << QStringLiteral("%1 %2").arg(line.name).arg(line.count);
    return out;
}
} // namespace

using Statistik = ReportTest;

TEST_F(Statistik, CountsTheGrantedPlacementsStartingInTheYearAndItsLetters)
{
    addStatistikSample();
    const statistik::Year y = data::readStatistik(2005);
    // 003's period has two-digit years; 005 starts in 2005 under a letter of 2004; 006 was
    // refused; 009 starts in 2006.
    EXPECT_EQ(
        linesOf(y.months),
        (QStringList{"Januari 1", "Februari 0", "Maret 2", "April 0", "Mei 0", "Juni 0", "Juli 0",
                     "Agustus 0", "September 0", "Oktober 0", "November 0", "Desember 1"}));
    // 004's period cannot be read: counted by its letter's year everywhere but in the months.
    EXPECT_EQ(y.unreadable, 1);
    EXPECT_TRUE(y.note().startsWith("1 penempatan")) << y.note().toStdString();
    EXPECT_EQ(linesOf(y.units),
              (QStringList{"Gudang 2", "Keuangan 2", "U9 (tidak ada di Data Unit) 1"}));
    EXPECT_EQ(linesOf(y.institutions), (QStringList{"UGM 2", "UNY 2", "UII 1"}))
        << "\"ugm \" is UGM";
    EXPECT_EQ(linesOf(y.purposes), (QStringList{"PKL 2", "Penelitian 2", "Lainnya 1"}))
        << "004 names research before PKL";
    // The letters numbered in 2005, B/1000 among them: "-" and "" wait, "Tunda" is neither.
    EXPECT_EQ(linesOf(y.replies),
              (QStringList{"Dapat 5", "Tidak 1", "Belum dijawab 2", "Lainnya 1"}));

    // 2015's placement and letter hold "05" and "2015" but belong to 2015 only.
    const statistik::Year later = data::readStatistik(2015);
    EXPECT_EQ(later.months.lines[4].count, 1);
    EXPECT_EQ(later.months.total(), 1);
    EXPECT_EQ(later.replies.total(), 1);
    EXPECT_EQ(later.unreadable, 0);
}

TEST_F(Statistik, PrintsEachLineWithABarAsLongAsItsShareOfTheTablesLargest)
{
    addStatistikSample();
    reports::Document doc = reports::statistikReport(data::readStatistik(2005));
    reports::layOut(doc);
    std::vector<int> bars;
    QStringList texts;
    std::map<QString, int> pageOf;
    for (size_t page = 0; page < doc.pages.size(); ++page)
        for (const reports::PageItem& item : doc.pages[page].items) {
            if (item.kind == reports::ItemKind::Bar)
                bars.push_back(item.box.width());
            else if (item.kind == reports::ItemKind::Text)
                texts << item.text;
            pageOf.emplace(item.text, int(page));
        }
    const int full = 3500; // a month without trainees has no bar
    EXPECT_EQ(bars, (std::vector<int>{full / 2, full, full / 2,                  // months
                                      full, full, full / 2,                      // units
                                      full, full, full / 2,                      // institutions
                                      full, full, full / 2,                      // purposes
                                      full, full / 5, 2 * full / 5, full / 5})); // replies
    EXPECT_TRUE(texts.contains("TAHUN 2005"));
    EXPECT_TRUE(texts.contains(data::readStatistik(2005).note()));
    EXPECT_TRUE(texts.contains("40,0%")) << "Keuangan's share of the units";
    // The last table does not fit under the others: it starts the next page whole.
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(pageOf.at("Jawaban Surat"), 1);
    EXPECT_EQ(pageOf.at("Belum dijawab"), 1);
}

TEST_F(Statistik, TheBatchPrinterWritesAYearAsPdfAndAsAWorkbookOfItsTables)
{
    addStatistikSample();
    const QString pdf = m_dir.filePath("statistik.pdf"), book = m_dir.filePath("statistik.xlsx");
    int code = -1;
    QString errors;
    runTool(KURSAN_CETAK, {database(), "drStatistik", pdf, "--tahun", "2005"}, &code, &errors);
    ASSERT_EQ(code, 0) << errors.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("TAHUN 2005")) << text.toStdString();
    EXPECT_TRUE(QRegularExpression("Maret +2 +50,0%").match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(runTool("pdfinfo", {pdf}).contains("Statistik Tahunan — Tahun 2005"));

    runTool(KURSAN_CETAK, {database(), "drStatistik", book, "--tahun=2005"}, &code, &errors);
    ASSERT_EQ(code, 0) << errors.toStdString();
    const QString sheets = workbookPart(book, "xl/workbook.xml");
    for (const char* sheet : {"Bulan", "Unit", "Instansi", "Tujuan", "Jawaban"})
        EXPECT_TRUE(sheets.contains(QStringLiteral("name=\"%1\"").arg(sheet))) << sheet;
    const std::vector<QStringList> months = workbookRows(book);
    ASSERT_EQ(months.size(), 15u) << "heads, twelve months, total and the note";
    EXPECT_TRUE(months.back().value(0).startsWith("1 penempatan"));
    EXPECT_EQ(months[0], (QStringList{"Bulan", "Kursan"}));
    EXPECT_EQ(months[3], (QStringList{"Maret", "#number:2"}));
    EXPECT_EQ(months[13], (QStringList{"Jumlah", "#number:4"}));
    EXPECT_TRUE(workbookPart(book, "docProps/core.xml")
                    .contains("<dc:title>Statistik Tahunan — Tahun 2005</dc:title>"));
}
