#include "reports/layouts.h"
#include "reports/statistik.h"

namespace reports::layouts {

// One row a line: the year first, then for each table its title, its heads, its lines with a bar
// each (the chart beside the table), its total, a note. A row fills only the columns of its kind;
// the rest stay empty and print nothing, so a long table runs on over the pages like any list.
Layout drStatistik()
{
    Layout l(QStringLiteral("drStatistik"), QString(), QStringLiteral("drStatistik"));
    l.title = QStringLiteral("Statistik Tahunan");
    l.rowsOfYear = &statistikRowsOfYear;
    l.workbookOfYear = &statistikWorkbookOfYear;
    l.keepColumn = QStringLiteral("Bersama");
    l.reportWidth = 9400;
    l.margins = {1300, 1200, 1440, 1440};
    l.reportHeader.height = 840;
    l.detail.height = 300;

    const FontSpec titleFont = arial(9).bold();
    Band& rh = l.reportHeader;
    rh.label("Label13", 0, 0, "STATISTIK TAHUNAN KURSAN / PENELITIAN PT.TEMBARA(Persero)")
        .size(9400, 240)
        .font(titleFont)
        .centred();
    rh.label("Label14", 0, 240, "SENDANGWIRU").size(9400, 240).font(titleFont).centred();
    rh.line("Line1", 0, 540, 9400, 0);
    rh.label("Label15", 6400, 600, "Dicetak:").size(700, 200);
    rh.label("Label16", 7100, 600, "%D").size(2300, 200);

    const FontSpec text = arial(9);
    Band& d = l.detail;
    d.field("txtTahun", 0, 30, "Tahun").size(9400, 240).font(titleFont).centred();
    d.field("txtJudul", 0, 30, "Judul").size(9400, 240).font(arial(10).bold());
    d.field("txtKepala", 0, 30, "Kepala").size(3900, 240).font(text.bold());
    d.field("txtKepalaJumlah", 4000, 30, "KepalaJumlah")
        .size(800, 240)
        .font(text.bold())
        .rightAligned();
    d.field("txtKepalaPersen", 4900, 30, "KepalaPersen")
        .size(800, 240)
        .font(text.bold())
        .rightAligned();
    d.field("txtNama", 0, 30, "Nama").size(3900, 240).font(text);
    d.field("txtJumlah", 4000, 30, "Jumlah").size(800, 240).font(text).rightAligned();
    d.field("txtPersen", 4900, 30, "Persen").size(800, 240).font(text).rightAligned();
    d.bar("barBatang", 5900, 60, 3500, 180, "Batang");
    d.field("txtCatatan", 0, 30, "Catatan").size(9400, 240).font(arial(8.25).italic());
    return l;
}

} // namespace reports::layouts
