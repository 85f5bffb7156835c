#include "data/letterregister.h"
#include "reports/layouts.h"

namespace reports::layouts {

namespace {

struct Column {
    int left;
    int width;
    const char* heading;
    const char* field;
};

const Column columns[] = {
    {0, 1900, "No Surat", "Ns"},
    {1900, 900, "No Kursan", "Np"},
    {2800, 1800, "Nama Kursan", "Nama_Kursan"},
    {4600, 750, "Jawaban", "Jawaban"},
    {5350, 1400, "Unit", "Unit"},
    {6750, 2000, "Tanggal Pelaksanaan", "Tanggal_Pelaksanaan"},
    {8750, 1615, "Keterangan", "Keterangan"},
};

constexpr int headingHeight = 300;
constexpr int rowHeight = 270;
constexpr int inset = 45; // a value keeps this far inside its column

} // namespace

Layout drRegister()
{
    Layout l(QStringLiteral("drRegister"), QStringLiteral("cmdRegister"),
             QStringLiteral("Register Surat"));
    l.title = QStringLiteral("Register Surat");
    l.rowsOfYear = &data::letterRegister;
    l.reportWidth = 10365;
    l.margins = {700, 500, 1440, 1440};
    l.reportHeader.height = 1215;
    l.pageHeader.height = headingHeight;
    l.detail.height = rowHeight;
    l.pageFooter.height = 360;
    l.reportFooter.height = 360;

    const FontSpec titleFont = arial(9).bold();
    Band& rh = l.reportHeader;
    rh.label("Label13", 1545, 0, "LAPORAN DATA KERJA PRAKTEK / PENELITIAN PT.TEMBARA(Persero)")
        .size(6570, 240)
        .font(titleFont)
        .centred();
    rh.label("Label14", 1545, 360, "SENDANGWIRU").size(6570, 240).font(titleFont).centred();
    rh.label("Label15", 1545, 720, "REGISTER SURAT TAHUN %Y")
        .size(6570, 240)
        .font(titleFont)
        .centred();
    rh.line("Line1", 0, 1080, 10335, 0);

    Band& ph = l.pageHeader;
    Band& d = l.detail;
    int n = 1;
    for (const Column& c : columns) {
        ph.rect(QStringLiteral("Shape%1").arg(n), c.left, 0, c.width, headingHeight);
        ph.label(QStringLiteral("Label%1").arg(n), c.left, 30, QString::fromUtf8(c.heading))
            .size(c.width, 240)
            .font(arial(8.25).bold())
            .centred();
        d.field(QStringLiteral("txt%1").arg(QString::fromUtf8(c.field)), c.left + inset, 15,
                QString::fromUtf8(c.field))
            .size(c.width - 2 * inset, 240);
        ++n;
    }
    // A run of missing numbers and the count line are wider than the column; the rest of their
    // row is empty.
    d.controls[0].spilling();
    return l;
}

} // namespace reports::layouts
