#include "reports/layouts.h"

namespace reports::layouts {

// The exploration letter, with the unit's reply sheet below the cutting line.
Layout drSPM()
{
    Layout l(QStringLiteral("drSPM"), QStringLiteral("cmdSPM"), QStringLiteral("DataReport1"));
    l.title = QStringLiteral("Surat Penjajakan Masalah");
    l.reportWidth = 10200;
    l.margins = {700, 700, 1440, 1440};
    l.detail.height = 12945;
    l.pageFooter.height = 15;
    l.reportFooter.height = 360;

    const FontSpec bold = arial(8.25).bold();
    Band& d = l.detail;
    d.label("Label10", 0, 0, "PT.TEMBARA (PERSERO)").font(arial(9.75).bold());
    d.label("Label42", 6255, 255, "Sendangwiru");
    d.label("Label41", 6960, 285, "%D");
    d.label("Label1", 0, 300, "Nomor");
    d.field("txtNs", 1155, 300, "Ns");
    d.label("Label11", 0, 525, "Klasifikasi");
    d.label("Label12", 1170, 540, "Biasa");
    d.label("Label13", 0, 780, "Lampiran");
    d.label("Label16", 6810, 900, "K e p a d a");
    d.label("Label14", 0, 1020, "Perihal");
    d.label("Label15", 1155, 1020, "Penjajakan Masalah").font(bold.underlined());
    d.label("Label7", 6240, 1185, "Yth. Kadepminku Divisi");
    d.field("txtUnit", 8235, 1185, "Unit");
    d.label("Label17", 6255, 1425, "Di");
    d.label("Label18", 6780, 1680, "Tempat").font(arial(8.25).underlined());
    d.label("Label19", 1140, 2595,
            "1. Berdasarkan ini kami kirimkan Mahasiswa / Siswa yang akan melakukan Praktek Kerja "
            "Lapangan (PKL) / Penelitian");
    d.label("Label20", 1320, 2835, "(Riset) dari :");
    d.label("Label21", 1305, 3195, "Perguruan Tinggi / Sekolah");
    d.field("txtInstansi", 3975, 3210, "Instansi");
    d.label("Label3", 1320, 3585, "Jurusan");
    d.field("txtJurusan", 3975, 3615, "Jurusan");
    d.label("Label2", 1320, 3990, "Atas Nama");
    d.field("txtNama_Kursan", 3990, 4020, "Nama_Kursan");
    d.field("txtTujuan", 4845, 4455, "Tujuan");
    d.label("Label4", 1335, 4470, "Untuk mengadakan penjajakan dalam Rangka  :");
    d.label("Label5", 1350, 4785, "pada Bidang");
    d.field("Text1", 2565, 4785, "Unit");
    d.label("Label6", 1155, 5175, "2. Terima Kasih atas kerja samanya.");
    d.label("Label28", 5760, 5745, "PT. TEMBARA (PERSERO)").font(bold);
    d.label("Label29", 5715, 6045, "A.n. KADEPDIKLAT DITREMBANG");
    d.label("Label22", 225, 6090, "Syarat :");
    d.label("Label23", 240, 6480, "- Kelakuan baik dari Kepilisian untuk Mahasisa");
    d.label("Label24", 255, 6720, "- Kelakuan Baik dari Sekolah untuk Siswa");
    d.label("Label25", 255, 6945, "- Foto 2x3 berwarna 3 Lembar");
    d.label("Label26", 255, 7200, "- Foto 3x4 berwarna 2 Lembar");
    d.label("Label30", 6000, 7230, "SEKAR LANTIH").font(bold.underlined());
    d.label("Label27", 270, 7455, "- Stop map folio 1 buah");
    d.label("Label31", 5700, 7455, "KASUBDEP SESDIK");

    // The reply sheet: cut off along this line and returned by the unit.
    d.line("Line1", 0, 7890, 9795, 0);
    d.label("Label32", 3690, 8175, "LEMBAR JAWABAN").font(bold.underlined());
    d.label(
        "Label33", 2490, 8775,
        "NO : B /        /       / PKL / 2005          tanggal                           2005 ");
    // The stored answer ("Dapat", "Tidak", "-") opens the reply sentence.
    d.field("txtJawaban", 510, 9450, "Jawaban");
    d.label("Label34", 1650, 9465,
            "diterima untuk mengadakan Kerja Praktek Lapangan (PKL) / Penelitian (Riset) ");
    d.label("Label35", 525, 9810, "di lingkungan");
    d.field("Text2", 3345, 9840, "Unit");
    d.label("Label36", 525, 10125, "dalam bidang");
    d.field("Text3", 3345, 10125, "Jurusan");
    d.label("Label37", 525, 10440, "Mulai tanggal");
    d.field("txtTanggal_Pelaksanaan", 3345, 10440, "Tanggal_Pelaksanaan");
    d.label("Label9", 510, 10755, "Banyaknya Mahasiswa / Siswa");
    d.field("txtJumlah_Kursan", 3345, 10755, "Jumlah_Kursan");
    d.label("Label8", 6060, 11190, "Sendangwiru                                    2005")
        .font(bold);
    d.label("Label38", 6315, 11430, "PT. TEMBARA (PERSERO)");
    d.label("Label39", 6615, 12480, "M.A K E T R O").font(bold);
    d.label("Label40", 6390, 12705, "KASUBDEP MINPERS");
    return l;
}

} // namespace reports::layouts
