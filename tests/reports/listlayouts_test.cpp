#include "data/letterregister.h"
#include "reports/engine/fitter.h"
#include "reports/engine/fonts.h"
#include "reports/registry.h"
#include "reports/report.h"
#include "reports/reportdata.h"
#include "reports/tools.h"

using namespace reports;
using data::Rows;

namespace {

const PageItem* item(const Page& page, const QString& control, int row = -1)
{
    for (const PageItem& i : page.items)
        if (i.control->name == control && i.row == row)
            return &i;
    return nullptr;
}

// Text, box and font of a text item as one comparable string.
std::string text(const Document& doc, const Page& page, const QString& control, int row = -1)
{
    const PageItem* i = item(page, control, row);
    if (!i)
        return "missing " + control.toStdString();
    const FontSpec& f = doc.layout->fontOf(*i->control);
    return QStringLiteral("%1 (%2,%3 %4x%5) %6 %7%8%9")
        .arg(i->text)
        .arg(i->box.left())
        .arg(i->box.top())
        .arg(i->box.width())
        .arg(i->box.height())
        .arg(f.family)
        .arg(f.pointSize)
        .arg(f.isBold ? " bold" : "")
        .arg(i->control->align == Align::Centre ? " centred" : "")
        .toStdString();
}

std::vector<std::string> rects(const Page& page, BandKind band, int row = -1)
{
    std::vector<std::string> out;
    for (const PageItem& i : page.items)
        if (i.kind == ItemKind::Rect && i.band == band && i.row == row)
            out.push_back(QStringLiteral("%1,%2 %3x%4")
                              .arg(i.box.left())
                              .arg(i.box.top())
                              .arg(i.box.width())
                              .arg(i.box.height())
                              .toStdString());
    return out;
}

} // namespace

using ListReports = ReportTest;

TEST_F(ListReports, TraineeListTitlesHeadingsAndGrid)
{
    addSample();
    const Document doc = prepareReport(*findLayout("drKursan"));
    EXPECT_EQ(doc.layout->caption, "drKursan");
    ASSERT_EQ(doc.pages.size(), 1u);
    const Page& p = doc.pages[0];
    // Left margin 700, top margin 1440; the report header is 855 high.
    EXPECT_EQ(text(doc, p, "Label13"),
              "LAPORAN DATA KERJA PRAKTEK / PENELITIAN PT.TEMBARA(Persero) (2245,1440 6570x240) "
              "Arial 9 bold centred");
    EXPECT_EQ(text(doc, p, "Label14"), "SENDANGWIRU (2275,1800 6570x240) Arial 9 bold centred");
    const PageItem* line = item(p, "Line1");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->box, QRect(700, 2160, 10335, 0));

    // The page header starts at 1440 + 855.
    EXPECT_EQ(rects(p, BandKind::PageHeader),
              (std::vector<std::string>{
                  "700,2295 930x480", "1630,2295 1200x480", "2830,2295 1080x480",
                  "3925,2295 1665x480", "5590,2295 1035x480", "6625,2295 1185x480",
                  "7810,2295 1080x480", "8890,2295 1080x480", "9970,2295 1065x480"}));
    std::vector<std::string> headings;
    for (const PageItem& i : p.items)
        if (i.band == BandKind::PageHeader && i.kind == ItemKind::Text)
            headings.push_back(QStringLiteral("%1@%2,%3")
                                   .arg(i.text)
                                   .arg(i.box.left() - 700)
                                   .arg(i.box.top() - 2295)
                                   .toStdString());
    EXPECT_EQ(headings,
              (std::vector<std::string>{"No Kursan@0,15", "Nama@930,15", "Kursan@930,240",
                                        "Tempat,@2130,15", "Tgl Lahir@2130,240", "Alamat@3225,120",
                                        "Telepon@4890,120", "Instansi@5925,120", "Jurusan@7110,120",
                                        "Tujuan:@8190,120", "No@9270,15", "Surat@9270,240"}));
    const PageItem* noKursan = item(p, "Label2");
    EXPECT_EQ(noKursan->box.size(), QSize(945, 465));
    EXPECT_TRUE(noKursan->control->wraps);
    EXPECT_TRUE(doc.layout->fontOf(*noKursan->control).isBold);

    // Rows from 2295 + 480, each boxed by the grid shifted up to 15 to the left.
    EXPECT_EQ(rects(p, BandKind::Detail, 1),
              (std::vector<std::string>{
                  "700,3255 930x480", "1630,3255 1200x480", "2830,3255 1080x480",
                  "3910,3255 1665x480", "5575,3255 1035x480", "6610,3255 1185x480",
                  "7795,3255 1080x480", "8875,3255 1080x480", "9955,3255 1065x480"}));
    // Each field keeps 30 twips inside its box; a cell holds two lines, the place one.
    EXPECT_EQ(text(doc, p, "txtNp", 0), "001 (730,2805 870x420) Arial 8.25");
    EXPECT_EQ(text(doc, p, "txtTempat_Lahir", 1), "Yogyakarta (2860,3285 1020x225) Arial 8.25");
    EXPECT_EQ(text(doc, p, "txtTanggal_Lahir", 1), "17/08/86 (2860,3510 1020x225) Arial 8.25");
    EXPECT_EQ(text(doc, p, "txtNama_Kursan", 1), "Ani (1660,3285 1140x420) Arial 8.25");
    // The trainee without letter or placement is listed too.
    EXPECT_EQ(item(p, "txtNama_Kursan", 2)->text, "Citra");
    EXPECT_EQ(item(p, "txtNs", 2)->text, "");
}

// Values as long as the forms take, in the widest capitals: each prints whole inside its
// cell, going on to the cell's further lines and then into smaller type; no word of a
// number is split between lines.
TEST_F(ListReports, ValuesAtTheFormsLimitsPrintWholeWithinTheirCells)
{
    addAtLimits();
    addTrainee("001", "", "Siti");
    sql("UPDATE TKursan SET Tempat_Lahir = 'Pematangsiantar' WHERE Np = '001'");
    const Document doc = prepareReport(*findLayout("drKursan"));
    const Face face(fontFor(arial(8.25)));
    std::map<QString, QStringList> lines[2];
    for (const PageItem& i : doc.pages[0].items) {
        if (i.row < 0 || i.kind != ItemKind::Text)
            continue;
        lines[i.row][i.control->column] << i.text;
        // Every line inside its cell: the grid's boxes are the field's box widened by 30.
        const QRect cell = i.box.adjusted(-30, 0, 30, 0);
        EXPECT_GE(i.x, cell.left() + 29);
        EXPECT_LE(i.x + face.width(i.text) * i.stretch * i.size, cell.right() - 29)
            << i.text.toStdString();
        EXPECT_LE(i.box.top() + face.lineSpacing() * i.size, 2775 + 480 * (i.row + 1))
            << i.text.toStdString();
        EXPECT_GE(i.size, BandFitter::smallest);
    }
    const QStringList columns{
        "Ns",     "Np",      "Nim",      "Nama_Kursan", "Tempat_Lahir", "Tanggal_Lahir",
        "Alamat", "Telepon", "Instansi", "Jurusan",     "Tujuan"};
    // Whole, line for line (a line may end at a slash, without a space); the list has no
    // registration number.
    for (int c = 0; c < columns.size(); ++c) {
        if (c == 2)
            continue;
        EXPECT_EQ(lines[0][columns[c]].join("").remove(' '), QString(atLimits[c]).remove(' '))
            << columns[c].toStdString();
    }
    EXPECT_EQ(lines[0]["Ns"], (QStringList{"B/1000/XII/", "PKL/2026"}));
    EXPECT_EQ(lines[0]["Telepon"].size(), 1);
    EXPECT_EQ(lines[0]["Tempat_Lahir"].size(), 1) << "the date has the second line";
    EXPECT_EQ(lines[1]["Tempat_Lahir"], (QStringList{"Pematangsiantar"}));
}

TEST_F(ListReports, TraineeListRepeatsItsHeadingsOnEveryPage)
{
    for (int i = 1; i <= 60; ++i)
        addTrainee(QStringLiteral("%1").arg(i, 3, 10, QChar('0')), "",
                   QStringLiteral("K%1").arg(i));
    const Document doc = prepareReport(*findLayout("drKursan"));
    // 25 rows fit below the report header on page one, 27 on the next pages.
    ASSERT_EQ(doc.pages.size(), 3u);
    const int expectedRows[] = {25, 27, 8};
    for (int n = 0; n < 3; ++n) {
        const Page& p = doc.pages[n];
        EXPECT_EQ(item(p, "Label13") != nullptr, n == 0);
        EXPECT_EQ(rects(p, BandKind::PageHeader).size(), 9u);
        int rows = 0;
        for (const PageItem& i : p.items)
            rows += i.control->name == "txtNp";
        EXPECT_EQ(rows, expectedRows[n]);
    }
    EXPECT_EQ(item(doc.pages[1], "Label6")->box.top(), 1440 + 120);
    EXPECT_EQ(item(doc.pages[1], "txtNp", 25)->text, "026");
}

TEST_F(ListReports, UnitListTitlesHeadingsAndCentredFields)
{
    addSample();
    addUnit("U03", "Tanpa Kursan");
    const Document doc = prepareReport(*findLayout("drUnit"));
    EXPECT_EQ(doc.layout->caption, "DataReport1");
    ASSERT_EQ(doc.pages.size(), 1u);
    const Page& p = doc.pages[0];
    EXPECT_EQ(text(doc, p, "Label13"),
              "LAPORAN DATA KERJA PRAKTEK / PENELITIAN PT.TEMBARA(Persero) (2385,1440 6570x240) "
              "Arial 9 bold centred");
    EXPECT_EQ(text(doc, p, "Label14"), "SENDANGWIRU (2370,1680 6570x240) Arial 9 bold centred");
    EXPECT_EQ(item(p, "Line1")->box, QRect(1440, 2145, 8535, 0));
    EXPECT_EQ(rects(p, BandKind::PageHeader),
              (std::vector<std::string>{"3120,2250 2265x570", "5955,2250 2265x570"}));
    EXPECT_EQ(text(doc, p, "Label1"), "Kode Unit (3120,2385 2265x300) Arial 11.25 bold centred");
    EXPECT_EQ(text(doc, p, "Label2"), "Nama Unit (5955,2385 2265x300) Arial 11.25 bold centred");
    EXPECT_EQ(text(doc, p, "txtKode_Unit", 0), "U01 (3150,2820 2295x240) Arial 9 centred");
    EXPECT_EQ(text(doc, p, "txtUnit", 2), "Tanpa Kursan (6030,3300 2250x240) Arial 9 centred");
    EXPECT_TRUE(rects(p, BandKind::Detail, 0).empty());
    for (const PageItem& i : p.items)
        EXPECT_NE(i.text, "0274-1") << "the telephone is not printed";
}

// A unit name of 50 characters, as a restored copy may hold, prints whole on its line: it goes
// on into the empty paper to the right of its column, as far as the printable edge.
TEST_F(ListReports, LongUnitNameTakesTheRoomToTheRightOfItsColumn)
{
    const QString name = "WWWWWWWWWW MMMMMMMMMM WWWWWWWWWW MMMMMMMMMM WWWWWW";
    addUnit("U01", name);
    const Document doc = prepareReport(*findLayout("drUnit"));
    const PageItem* unit = item(doc.pages[0], "txtUnit", 0);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->text, name);
    EXPECT_EQ(unit->x, 1440 + 4590);
    const Face face(fontFor(arial(9)));
    EXPECT_LE(unit->x + face.width(unit->text) * unit->stretch * unit->size,
              11906 - BandFitter::paperEdge);
    EXPECT_GE(unit->size, BandFitter::smallest);
}

TEST_F(ListReports, RegisterListsTheYearsNumbersInOrderWithTheMissingAndTheDoubled)
{
    addRegisterSample();
    const Rows got = data::readAll(*data::letterRegister(2005));
    QStringList rows;
    for (int r = 0; r < got.count(); ++r) {
        QStringList values;
        for (int c = 0; c < got.columns.size(); ++c)
            values << got.value(r, c);
        rows << values.join('|');
    }
    EXPECT_EQ(rows.join('\n').toStdString(), registerOf2005.join('\n').toStdString());
}
