#include "reports/layouts.h"

namespace reports::layouts {

// The certificate of a completed field practice or research.
Layout drSertifikat()
{
    Layout l(QStringLiteral("drSertifikat"), QStringLiteral("cmdSertifikat"),
             QStringLiteral("DataReport1"));
    l.title = QStringLiteral("Sertifikat");
    l.filter = grantedOnly();
    l.reportWidth = 9264;
    l.margins = {1440, 1440, 1440, 1440};
    l.detail.height = 13065;
    l.pageFooter.height = 16;
    l.reportFooter.height = 1;

    const FontSpec data = arial(12).bold();
    const FontSpec text = garamond(12).bold();
    Band& d = l.detail;
    d.label("Label9", 2880, 435, "SERTIFIKAT").font(garamond(27.75).bold());
    d.label("Label10", 2655, 1035, "Nomor :             /PKL/          /          / 2005")
        .font(arial(11.25).bold());
    d.label("Label11", 2880, 2190, "Menerangkan  bahwa:").font(garamond(18).bold());
    d.label("Label12", 945, 3405, "Nama").font(data);
    d.label("Label17", 4350, 3420, ":").font(data);
    d.field("txtNama_Kursan", 4620, 3420, "Nama_Kursan").font(data);
    d.label("Label13", 945, 3735, "Nomor Induk / NIRM").font(data);
    d.label("Label18", 4365, 3750, ":").font(data);
    d.field("txtNim", 4635, 3750, "Nim").font(data);
    d.label("Label14", 930, 4065, "Tempat, tgl lahir").font(data);
    d.label("Label19", 4350, 4080, ":").font(data);
    d.field("txtTempat_Lahir", 4635, 4125, "Tempat_Lahir").font(data);
    d.field("txtTanggal_Lahir", 5970, 4110, "Tanggal_Lahir").font(data).format("d MMMM yyyy");
    d.label("Label15", 945, 4410, "Sekolah / Perguruan Tinggi").font(data);
    d.label("Label20", 4365, 4455, ":").font(data);
    d.field("txtInstansi", 4665, 4470, "Instansi").font(data);
    d.label("Label16", 930, 4710, "Jurusan").font(data);
    d.label("Label21", 4350, 4830, ":").font(data);
    d.field("txtJurusan", 4665, 4830, "Jurusan").font(data);
    d.label("Label2", 735, 5910,
            "Telah melakukan Pendidikan Kerja Lapangan (PKL) / Penelitian (Riset)")
        .font(text);
    d.label("Label3", 720, 6255, "yang dilaksanakan pada tanggal").font(text);
    d.field("txtTanggal_Pelaksanaan", 4155, 6270, "Tanggal_Pelaksanaan").font(text);
    d.label("Label4", 5655, 6255, "pada unit").font(text);
    d.field("txtUnit", 6885, 6270, "Unit").font(text);
    d.label("Label5", 705, 6570, "pada perusahaan PT. TEMBARA (PERSERO), dengan hasil yang BAIK.")
        .font(text);
    d.label("Label7", 4995, 7695, "Sendangwiru").font(text);
    d.label("Label6", 6060, 7725, "%D").font(text);
    d.label("Label28", 5025, 8460, "PT. TEMBARA (PERSERO)").font(data);
    d.label("Label29", 5040, 8790, "A.n. KADEPDIKLAT DITREMBANG").font(text);
    d.label("Label30", 5265, 10530, "Dra. SEKAR LANTIH").font(text.underlined());
    d.label("Label31", 5085, 10770, "KASUBDEP SESDIK").font(text);
    return l;
}

} // namespace reports::layouts
