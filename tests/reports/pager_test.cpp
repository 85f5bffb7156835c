#include "data/error.h"
#include "reports/engine/fitter.h"
#include "reports/engine/pager.h"

#include <gtest/gtest.h>

using namespace reports;
using data::Rows;

namespace {

const QDate today(2005, 3, 15);

// A page of 1000 twips: the report header (100) and page header (50) come first, rows of 100,
// the page footer (50) from 850 on; six rows fit on the first page, seven on the others.
Layout smallLayout()
{
    Layout l("drTest", "cmdTest", "Uji");
    l.pageWidth = 5000;
    l.pageHeight = 1000;
    l.reportWidth = 1500;
    l.margins = {200, 300, 100, 100};
    l.reportHeader.height = 100;
    l.reportHeader.label("RH", 0, 0, "Judul");
    l.pageHeader.height = 50;
    l.pageHeader.label("PH", 0, 0, "Kepala");
    l.detail.height = 100;
    l.detail.field("txtNama", 10, 20, "Nama");
    l.detail.rect("Kotak", 0, 0, 500, 100);
    l.pageFooter.height = 50;
    l.pageFooter.label("PF", 0, 0, "Kaki").size(500, 50);
    l.reportFooter.height = 80;
    l.reportFooter.label("RF", 0, 0, "Akhir");
    return l;
}

Rows names(int count, const QString& firstTown = QStringLiteral("Kota"))
{
    Rows rows;
    rows.columns = QStringList{"Nama", "Kota"};
    for (int i = 1; i <= count; ++i)
        rows.append(
            {QStringLiteral("Nama %1").arg(i), i == 1 ? firstTown : QStringLiteral("Kota")});
    return rows;
}

// "control@y" for every text item of a page, in drawing order.
std::vector<std::string> texts(const Page& page)
{
    std::vector<std::string> out;
    for (const PageItem& item : page.items)
        if (item.kind == ItemKind::Text)
            out.push_back(QStringLiteral("%1@%2").arg(item.text).arg(item.box.top()).toStdString());
    return out;
}

} // namespace

TEST(Pager, HeadersOnEveryPageRowsInOrderAndFooterAfterLastRow)
{
    const Document doc = paginate(smallLayout(), names(15), today);
    ASSERT_EQ(doc.pages.size(), 3u);
    EXPECT_EQ(
        texts(doc.pages[0]),
        (std::vector<std::string>{"Judul@100", "Kepala@200", "Kaki@850", "Nama 1@270", "Nama 2@370",
                                  "Nama 3@470", "Nama 4@570", "Nama 5@670", "Nama 6@770"}));
    EXPECT_EQ(texts(doc.pages[1]),
              (std::vector<std::string>{"Kepala@100", "Kaki@850", "Nama 7@170", "Nama 8@270",
                                        "Nama 9@370", "Nama 10@470", "Nama 11@570", "Nama 12@670",
                                        "Nama 13@770"}));
    EXPECT_EQ(texts(doc.pages[2]),
              (std::vector<std::string>{"Kepala@100", "Kaki@850", "Nama 14@170", "Nama 15@270",
                                        "Akhir@350"}));
    // Every row is drawn once, with its rectangle, and knows its row.
    int rects = 0, row = 0;
    for (const Page& page : doc.pages)
        for (const PageItem& item : page.items)
            if (item.band == BandKind::Detail && item.kind == ItemKind::Text)
                EXPECT_EQ(item.row, row++);
            else if (item.kind == ItemKind::Rect)
                ++rects;
    EXPECT_EQ(rects, 15);
    EXPECT_EQ(doc.rowCount, 15);
}

TEST(Pager, PositionsAreOnThePaperInTwips)
{
    const Document doc = paginate(smallLayout(), names(1), today);
    const PageItem* field = nullptr;
    const PageItem* rect = nullptr;
    for (const PageItem& item : doc.pages[0].items) {
        if (item.control->name == "txtNama")
            field = &item;
        if (item.control->name == "Kotak")
            rect = &item;
    }
    ASSERT_TRUE(field && rect);
    EXPECT_EQ(rect->box, QRect(200, 250, 500, 100));
    // A text without a width reaches the right margin; without a height, one line.
    EXPECT_EQ(field->box, QRect(210, 270, 4490, arial(8.25).lineHeight()));
    EXPECT_EQ(field->cutAt, 0);
}

TEST(Pager, EmptyCommandGivesHeadersAndFootersOnly)
{
    const Document doc = paginate(smallLayout(), names(0), today);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(texts(doc.pages[0]),
              (std::vector<std::string>{"Judul@100", "Kepala@200", "Kaki@850", "Akhir@250"}));
}

TEST(Pager, ReportFooterThatDoesNotFitGoesToTheNextPage)
{
    const Document doc = paginate(smallLayout(), names(13), today);
    ASSERT_EQ(doc.pages.size(), 3u);
    EXPECT_EQ(texts(doc.pages[2]),
              (std::vector<std::string>{"Kepala@100", "Kaki@850", "Akhir@150"}));
}

TEST(Pager, BandTallerThanThePagePrintsOnOnePageCutAtTheBottomMargin)
{
    Layout l = smallLayout();
    l.reportHeader = Band();
    l.pageHeader = Band();
    l.detail = Band();
    l.detail.height = 1200;
    l.detail.field("txtNama", 0, 0, "Nama");
    // The band starts at 100, so the bottom margin at 900 is 800 into it.
    l.detail.label("Tengah", 0, 750, "terpotong").size(1500, 100); // crosses the margin
    l.detail.line("Garis", 0, 780, 0, 100);
    l.detail.label("Bawah", 0, 800, "hilang"); // wholly below it
    const Document doc = paginate(l, names(2), today);
    ASSERT_EQ(doc.pages.size(), 3u); // one letter per page, the report footer on its own
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(texts(doc.pages[p]),
                  (std::vector<std::string>{"Kaki@850",
                                            QStringLiteral("Nama %1@100").arg(p + 1).toStdString(),
                                            "terpotong@850"}));
        for (const PageItem& item : doc.pages[p].items) {
            const bool crossing = item.control->name == "Tengah" || item.control->name == "Garis";
            EXPECT_EQ(item.cutAt, crossing ? 900 : 0) << item.control->name.toStdString();
        }
    }
    // An empty report footer adds no blank page after the last letter.
    l.reportFooter.controls.clear();
    EXPECT_EQ(paginate(l, names(2), today).pages.size(), 2u);
}

TEST(Pager, FieldsPrintValuesDatesAndLabelsToday)
{
    Layout l = smallLayout();
    l.detail.field("txtKota", 600, 0, "Kota").format("d MMMM yyyy");
    l.pageHeader.label("Tanggal", 800, 0, "%D");
    Rows rows = names(2, "05/01/85");
    const Document doc = paginate(l, rows, today);
    std::vector<std::string> got;
    for (const PageItem& item : doc.pages[0].items)
        if (item.control->name == "txtKota" || item.control->name == "Tanggal")
            got.push_back(item.text.toStdString());
    EXPECT_EQ(got, (std::vector<std::string>{"15 Maret 2005", "5 Januari 1985", "Kota"}));
}

TEST(Pager, ColumnMissingFromTheCommandIsAnError)
{
    Layout l = smallLayout();
    l.detail.field("txtUmur", 0, 0, "Umur");
    try {
        paginate(l, names(1), today);
        FAIL() << "no error";
    } catch (const data::Error& e) {
        EXPECT_EQ(e.message().toStdString(),
                  "Laporan drTest: kolom Umur tidak ada pada perintah cmdTest.");
    }
}

namespace {

// One line of labels on a page `width` twips wide, laid out; texts may reach the paper's
// printable edge, in the right margin.
std::vector<PageItem> line(int width, const std::vector<std::pair<int, QString>>& texts)
{
    Layout l("drTest", "cmdTest", "Uji");
    l.pageWidth = width;
    l.reportWidth = width;
    l.margins = {0, 1000, 0, 0};
    l.detail.height = 500;
    for (const auto& [left, text] : texts)
        l.detail.label(QStringLiteral("L%1").arg(left), left, 0, text).font(arial(12));
    Rows rows;
    rows.append({});
    std::vector<PageItem> items = paginate(l, rows, today).pages[0].items;
    std::sort(items.begin(), items.end(), [](auto& a, auto& b) { return a.x < b.x; });
    return items;
}

const Face& arial12()
{
    static const Face face(fontFor(arial(12)));
    return face;
}

qreal end(const PageItem& item) { return item.x + arial12().width(item.text) * item.stretch; }

} // namespace

TEST(Pager, TextsOnALineMoveRightThenCondenseThenAreCutNeverTouching)
{
    const QString town = "Pematangsiantar", date = "17 Agustus 2005";
    const qreal space = arial12().spaceWidth();
    const qreal townWidth = arial12().width(town), dateWidth = arial12().width(date);

    // Room enough: both where the layout puts them.
    auto items = line(9000, {{0, town}, {3000, date}});
    EXPECT_EQ(items[0].x, 0);
    EXPECT_EQ(items[1].x, 3000);
    EXPECT_EQ(items[0].stretch, 1);

    // The town runs into the date: the date moves right, a space after it.
    items = line(9000, {{0, town}, {1000, date}});
    EXPECT_EQ(items[0].text, town);
    EXPECT_EQ(items[0].stretch, 1);
    EXPECT_DOUBLE_EQ(items[1].x, townWidth + space);
    EXPECT_EQ(items[1].text, date);

    // The page's edge stops the date: the town is condensed, to no less than 85%.
    const int page = int(townWidth * 0.9 + space + dateWidth) + 1 + BandFitter::paperEdge;
    items = line(page, {{0, town}, {1000, date}});
    EXPECT_EQ(items[0].text, town);
    EXPECT_NEAR(items[0].stretch, 0.9, 0.01);
    EXPECT_LE(end(items[0]) + space, items[1].x + 0.01);
    EXPECT_EQ(items[1].stretch, 1);
    EXPECT_LE(end(items[1]), page - BandFitter::paperEdge);

    // Narrower still: the town keeps its 85%, the date after it is cut at a character boundary,
    // the cut showing, and never reaches past the edge.
    items = line(int(townWidth) + 1000 + BandFitter::paperEdge, {{0, town}, {100, date}});
    EXPECT_EQ(items[0].text, town);
    EXPECT_NEAR(items[0].stretch, BandFitter::narrowest, 0.01);
    EXPECT_TRUE(items[1].text.endsWith(u'…') && date.startsWith(items[1].text.chopped(1)) &&
                items[1].text.size() <= date.size())
        << items[1].text.toStdString();
    EXPECT_GE(items[1].x, end(items[0]) + space - 0.01);
    EXPECT_LE(end(items[1]), townWidth + 1000 + 0.01);
}

// A value that its line cannot hold goes on below itself while the page there is free, moving
// nothing; where the line below is taken, it is cut, and the cut shows.
TEST(Pager, ValueTooLongForItsLineGoesOnBelowWhereFreeElseShowsItsCut)
{
    const QString unit = "Pemeliharaan Mesin Produksi dan Perbengkelan Pusat";
    auto printed = [&](bool taken) {
        Layout l("drTest", "cmdTest", "Uji");
        l.pageWidth = 6000;
        l.reportWidth = 6000;
        l.margins = {0, 1000, 0, 0};
        l.detail.height = 2000;
        l.detail.label("Kepada", 0, 0, "Yth. Kepala").font(arial(9.75).bold());
        l.detail.field("txtUnit", 2000, 0, "Unit").font(arial(9.75).bold());
        if (taken)
            l.detail.label("Di", 1500, 230, "Di sana dan di sini").font(arial(9.75).bold());
        Rows rows;
        rows.columns = QStringList{"Unit"};
        rows.append({unit});
        QStringList texts;
        const Document doc = paginate(l, rows, today);
        for (const PageItem& i : doc.pages[0].items)
            if (i.control->name == "txtUnit")
                texts << QStringLiteral("%1@%2").arg(i.text).arg(i.box.top());
        return texts;
    };
    const QStringList free = printed(false);
    ASSERT_GE(free.size(), 2);
    QString joined;
    for (const QString& line : free)
        joined += (joined.isEmpty() ? "" : " ") + line.section('@', 0, 0);
    EXPECT_EQ(joined, unit);
    EXPECT_EQ(free[1].section('@', 1).toInt(),
              qRound(Face(fontFor(arial(9.75).bold())).lineSpacing()));

    const QStringList cut = printed(true);
    ASSERT_EQ(cut.size(), 1);
    EXPECT_TRUE(cut[0].section('@', 0, 0).endsWith(u'…')) << cut[0].toStdString();
}
