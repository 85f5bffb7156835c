#include "reports/layouts.h"

namespace reports::layouts {

// The statement that the trainee has done the research or field practice.
Layout drSK()
{
    Layout l(QStringLiteral("drSK"), QStringLiteral("cmdSK"), QStringLiteral("DataReport1"));
    l.title = QStringLiteral("Surat Keterangan");
    l.filter = grantedOnly();
    l.reportWidth = 9675;
    l.margins = {1400, 700, 1440, 1440};
    l.detail.height = 12555;
    l.pageFooter.height = 360;
    l.reportFooter.height = 360;

    const FontSpec text = arial(9.75).bold();
    const QString date = QStringLiteral("dd-MMMM-yyyy");
    Band& d = l.detail;
    d.label("Label1", 0, 0, "PT. TEMBARA (PERSERO)").font(text);
    d.label("Label10", 3480, 585, "SURAT KETERANGAN").font(arial(14.25).bold().underlined());
    d.label("Label11", 3210, 1050, "Nomor  : Sket /          / P / BD /        /").font(text);
    d.label("Label6", 3345, 2100, "Menerangkan bahwa :").font(text);
    d.label("Label12", 1140, 3150, "N a m a").font(text);
    d.field("txtNama_Kursan", 3975, 3150, "Nama_Kursan").font(text);
    d.label("Label13", 1140, 3480, "Tempat,Tanggal Lahir").font(text);
    d.field("txtTempat_Lahir", 4005, 3480, "Tempat_Lahir").font(text);
    d.field("txtTanggal_Lahir", 5400, 3480, "Tanggal_Lahir").font(text).format(date);
    d.label("Label14", 1170, 3810, "Nomor Induk / NIRM").font(text);
    d.field("txtNim", 3975, 3810, "Nim").font(text);
    d.label("Label15", 1155, 4140, "Sekolah / Perguruan Tinggi").font(text);
    d.field("txtInstansi", 4005, 4140, "Instansi").font(text);
    d.label("Label2", 2640, 5100, "Telah melaksanakan Riset / Penelitian").font(text);
    d.label("Label3", 1140, 6015, "Bidang").font(text);
    d.field("txtJurusan", 2265, 6030, "Jurusan").font(text);
    d.label("Label7", 1155, 6330, "Tempat").font(text);
    d.field("txtUnit", 2280, 6345, "Unit").font(text);
    d.label("Label4", 1140, 6660, "Waktu").font(text);
    // The stored period holds two dates, so it prints as stored despite the format.
    d.field("txtTanggal_Pelaksanaan", 2265, 6660, "Tanggal_Pelaksanaan").font(text).format(date);
    d.label("Label5", 1170, 7725,
            "Demikian keterangan ini dibuat untuk dipergunakan sebagaimana mestinya.")
        .font(text);
    d.label("Label8", 4575, 8640, "Dikeluarkan di").font(text);
    d.label("Label16", 6390, 8640, ":  S e n d a n g w i r u").font(text);
    d.label("Label9", 4575, 8925, "Pada tanggal").font(text);
    d.label("Label17", 6390, 8910, ":").font(text);
    d.label("Label18", 6555, 8910, "%D").font(text);
    d.line("Line1", 4410, 9285, 4170, 0);
    d.label("Label19", 4950, 9375, "PT. TEMBARA (PERSERO)").font(arial(11.25).bold());
    d.label("Label20", 4800, 9645, "A.n. DEDIRRENBANG BIDANG").font(text);
    d.label("Label21", 4590, 9900, "PENGEMBANGAN SUMBER DAYA").font(text);
    d.label("Label22", 4770, 10155, "KADEPDIKLAT DITRENBANG").font(text);
    d.label("Label23", 5820, 10410, "U.b.").font(text);
    d.label("Label24", 5355, 12015, "Dra. SEKAR LANTIH").font(text);
    d.label("Label25", 4740, 12315, "KASUBDEP SESDIK DEPDIKLAT").font(text);
    return l;
}

} // namespace reports::layouts
