#include "reports/engine/painter.h"
#include "reports/engine/pdffile.h"
#include "reports/tools.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reports;
using data::Rows;

namespace {

constexpr qreal scale = 0.2; // device pixels per twip

Document onePage(const std::function<void(Band&)>& build, int width = 3000)
{
    Layout l("drUji", "cmdUji", "Uji");
    l.pageWidth = width;
    l.pageHeight = 1000;
    l.reportWidth = width;
    l.margins = {0, 0, 0, 0};
    l.detail.height = 1000;
    build(l.detail);
    Rows rows;
    rows.append({});
    return paginate(l, rows, QDate(2005, 3, 15));
}

QImage render(const Document& doc)
{
    QImage image(int(3000 * scale), int(1000 * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    drawPage(p, doc, 0);
    return image;
}

// Leftmost and rightmost inked column, in twips; -1 when the image is blank.
std::pair<int, int> inkedColumns(const QImage& image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first < 0 ? -1 : int(first / scale), last < 0 ? -1 : int(last / scale)};
}

// Lowest inked row, in twips.
int lowestInkedRow(const QImage& image)
{
    int last = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                last = y;
    return int(last / scale);
}

} // namespace

TEST(ReportPainter, TextWiderThanItsCellIsCondensedAndCut)
{
    const QString longText = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
    const auto plain = inkedColumns(render(onePage(
        [&](Band& b) { b.label("L", 200, 100, longText).size(1000, 300).font(arial(12)); })));
    EXPECT_GE(plain.first, 190);
    EXPECT_LE(plain.first, 260);
    EXPECT_GE(plain.second, 1000); // the cell is filled, less than a letter short…
    EXPECT_LE(plain.second, 1205); // …and nothing passes its edge

    // A centred text too wide for its cell shows its beginning, like a left-aligned one.
    const auto centred = inkedColumns(render(onePage([&](Band& b) {
        b.label("L", 200, 100, longText).size(1000, 300).font(arial(12)).centred();
    })));
    EXPECT_EQ(centred, plain);

    // A cell lower than its font keeps the glyphs whole.
    const QImage low = render(
        onePage([&](Band& b) { b.label("L", 200, 100, longText).size(1000, 60).font(arial(12)); }));
    EXPECT_GT(lowestInkedRow(low), 100 + 60 + 80);

    // A short centred text sits in the middle of its cell.
    const auto middle = inkedColumns(render(onePage(
        [&](Band& b) { b.label("L", 200, 100, "WW").size(1000, 300).font(arial(12)).centred(); })));
    EXPECT_NEAR((middle.first + middle.second) / 2, 700, 30);
}

TEST(ReportPainter, WrappedLabelStaysInItsBox)
{
    const QImage image = render(onePage([](Band& b) {
        b.label("L", 0, 0, "No Kursan No Kursan No Kursan")
            .size(700, 600)
            .font(arial(12).bold())
            .wrapped();
    }));
    EXPECT_LE(inkedColumns(image).second, 705);
    EXPECT_GT(lowestInkedRow(image), 300); // more than one line
    EXPECT_LE(lowestInkedRow(image), 605);
}

TEST(ReportPainter, PdfEmbedsTheStandInFaces)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("uji.pdf");
    const Document doc = onePage([](Band& b) {
        b.label("A", 0, 0, "Arial tebal").font(arial(9.75).bold());
        b.label("B", 0, 300, "Arial biasa");
        b.label("C", 0, 450, "SERTIFIKAT").font(garamond(27.75).bold());
    });
    ASSERT_TRUE(writePdf(doc, path));
    EXPECT_EQ(pdfText(path).simplified(), "Arial tebal Arial biasa SERTIFIKAT");
    QStringList embedded;
    for (const QString& line : runTool("pdffonts", {path}).split('\n').mid(2)) {
        const QStringList cols = line.simplified().split(' ');
        if (cols.size() > 4)
            embedded << cols[0] + (line.contains(" yes ") ? "" : " (not embedded)");
    }
    embedded.sort();
    EXPECT_EQ(embedded,
              (QStringList{"JunicodeTwoBeta-Bold", "LiberationSans", "LiberationSans-Bold"}))
        << embedded.join(", ").toStdString();
}

TEST(ReportPainter, UnwritablePdfIsReported)
{
    const Document doc = onePage([](Band& b) { b.label("A", 0, 0, "x"); });
    EXPECT_FALSE(writePdf(doc, "/nonexistent-dir/uji.pdf"));
}

TEST(ReportPainter, CentredAndRightAlignedTextsArePlacedByTheirKernedWidth)
{
    // The list reports' title, whose pairs "AT", "TA", "AV", "PT" are kerned.
    const QString title = "LAPORAN DATA KERJA PRAKTEK / PENELITIAN PT.TEMBARA(Persero)";
    QTemporaryDir dir;
    const QString path = dir.filePath("judul.pdf");
    ASSERT_TRUE(writePdf(
        onePage(
            [&](Band& b) {
                b.label("Centre", 1000, 100, title).size(6570, 240).font(arial(9).bold()).centred();
                b.label("Right", 1000, 500, "TATA AVATAR")
                    .size(6570, 240)
                    .font(arial(9).bold())
                    .rightAligned();
            },
            9000),
        path));
    double left[2] = {1e9, 1e9}, right[2] = {0, 0}; // twips, per line
    for (const PdfWord& w : pdfWords(path)) {
        const int line = w.top * 20 > 400;
        left[line] = std::min(left[line], w.left * 20);
        right[line] = std::max(right[line], w.right * 20);
    }
    EXPECT_NEAR((left[0] + right[0]) / 2, 1000 + 6570 / 2, 15);
    EXPECT_NEAR(right[1], 1000 + 6570, 15);
}
