#include "reports/layouts.h"

namespace reports::layouts {

namespace {

const QString title = QStringLiteral("LAPORAN DATA KERJA PRAKTEK / PENELITIAN PT.TEMBARA(Persero)");

struct Column {
    int headingLeft;
    int headingWidth;
    int cellLeft; // the grid of the rows sits up to 15 twips left of the headings
    int cellWidth;
};

const Column columns[9] = {
    {0, 930, 0, 930},         {930, 1200, 930, 1200},   {2130, 1080, 2130, 1080},
    {3225, 1665, 3210, 1665}, {4890, 1035, 4875, 1035}, {5925, 1185, 5910, 1185},
    {7110, 1080, 7095, 1080}, {8190, 1080, 8175, 1080}, {9270, 1065, 9255, 1065},
};

constexpr int rowHeight = 480;
constexpr int inset = 30; // a field keeps this far inside its box

// A one-line heading sits in the middle of its box, a two-line one fills the box.
void heading(Band& band, const Column& c, const QString& name, const QString& text, int top)
{
    band.label(name, c.headingLeft, top, text)
        .size(c.headingWidth, 225)
        .font(arial(8.25).bold())
        .centred();
}

// A value fills its cell's lines (two at this size) before it is cut.
void cell(Band& band, const Column& c, const QString& name, const QString& column, int top = inset,
          int height = rowHeight - 2 * inset)
{
    band.field(name, c.cellLeft + inset, top, column)
        .size(c.cellWidth - 2 * inset, height)
        .wrapped();
}

} // namespace

Layout drKursan()
{
    Layout l(QStringLiteral("drKursan"), QStringLiteral("cmdKursan"), QStringLiteral("drKursan"));
    l.title = QStringLiteral("Daftar Kursan");
    l.reportWidth = 10365;
    l.margins = {700, 500, 1440, 1440};
    l.reportHeader.height = 855;
    l.pageHeader.height = rowHeight;
    l.detail.height = rowHeight;
    l.pageFooter.height = 360;
    l.reportFooter.height = 360;

    Band& rh = l.reportHeader;
    rh.label("Label13", 1545, 0, title).size(6570, 240).font(arial(9).bold()).centred();
    rh.label("Label14", 1575, 360, "SENDANGWIRU").size(6570, 240).font(arial(9).bold()).centred();
    rh.line("Line1", 0, 720, 10335, 0);

    Band& ph = l.pageHeader;
    for (int i = 0; i < 9; ++i)
        ph.rect(QStringLiteral("Shape%1").arg(i + 1), columns[i].headingLeft, 0,
                columns[i].headingWidth, rowHeight);
    const int upper = 15, lower = 240, middle = 120;
    ph.label("Label2", 0, upper, "No Kursan")
        .size(945, 465)
        .font(arial(8.25).bold())
        .centred()
        .wrapped();
    heading(ph, columns[1], "Label3", "Nama", upper);
    heading(ph, columns[1], "Label5", "Kursan", lower);
    heading(ph, columns[2], "Label4", "Tempat,", upper);
    heading(ph, columns[2], "Label11", "Tgl Lahir", lower);
    heading(ph, columns[3], "Label6", "Alamat", middle);
    heading(ph, columns[4], "Label7", "Telepon", middle);
    heading(ph, columns[5], "Label8", "Instansi", middle);
    heading(ph, columns[6], "Label9", "Jurusan", middle);
    heading(ph, columns[7], "Label10", "Tujuan:", middle);
    heading(ph, columns[8], "Label1", "No", upper);
    heading(ph, columns[8], "Label12", "Surat", lower);

    Band& d = l.detail;
    for (int i = 0; i < 9; ++i)
        d.rect(QStringLiteral("Shape%1").arg(i + 10), columns[i].cellLeft, 0, columns[i].cellWidth,
               rowHeight);
    cell(d, columns[0], "txtNp", "Np");
    cell(d, columns[1], "txtNama_Kursan", "Nama_Kursan");
    // The place has one line: the date is printed beneath it.
    cell(d, columns[2], "txtTempat_Lahir", "Tempat_Lahir", inset, 225);
    cell(d, columns[2], "txtTanggal_Lahir", "Tanggal_Lahir", inset + 225, 225);
    cell(d, columns[3], "txtAlamat", "Alamat");
    cell(d, columns[4], "txtTelepon", "Telepon");
    cell(d, columns[5], "txtInstansi", "Instansi");
    cell(d, columns[6], "txtJurusan", "Jurusan");
    cell(d, columns[7], "txtTujuan", "Tujuan");
    cell(d, columns[8], "txtNs", "Ns");
    return l;
}

} // namespace reports::layouts
