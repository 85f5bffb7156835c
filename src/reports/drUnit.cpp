#include "reports/layouts.h"

namespace reports::layouts {

Layout drUnit()
{
    Layout l(QStringLiteral("drUnit"), QStringLiteral("cmdUnit"), QStringLiteral("DataReport1"));
    l.title = QStringLiteral("Daftar Unit");
    l.reportWidth = 8535;
    l.margins = {1440, 1440, 1440, 1440};
    l.reportHeader.height = 810;
    l.pageHeader.height = 570;
    l.detail.height = 240;
    l.pageFooter.height = 360;
    l.reportFooter.height = 360;

    const FontSpec titleFont = arial(9).bold();
    Band& rh = l.reportHeader;
    rh.label("Label13", 945, 0, "LAPORAN DATA KERJA PRAKTEK / PENELITIAN PT.TEMBARA(Persero)")
        .size(6570, 240)
        .font(titleFont)
        .centred();
    rh.label("Label14", 930, 240, "SENDANGWIRU").size(6570, 240).font(titleFont).centred();
    rh.line("Line1", 0, 705, 8535, 0);

    Band& ph = l.pageHeader;
    ph.rect("Shape1", 1680, 0, 2265, 570);
    ph.rect("Shape2", 4515, 0, 2265, 570);
    ph.label("Label1", 1680, 135, "Kode Unit").size(2265, 300).font(arial(11.25).bold()).centred();
    ph.label("Label2", 4515, 135, "Nama Unit").size(2265, 300).font(arial(11.25).bold()).centred();

    // The unit's telephone number is not printed. A name longer than its column goes on into
    // the empty paper to its right.
    Band& d = l.detail;
    d.field("txtKode_Unit", 1710, 0, "Kode_Unit").size(2295, 240).font(arial(9)).centred();
    d.field("txtUnit", 4590, 0, "Unit").size(2250, 240).font(arial(9)).centred().spilling();
    return l;
}

} // namespace reports::layouts
