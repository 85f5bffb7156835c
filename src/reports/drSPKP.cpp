#include "reports/layouts.h"

namespace reports::layouts {

// The covering letter asking the security office for a check and a learner's identity card.
Layout drSPKP()
{
    Layout l(QStringLiteral("drSPKP"), QStringLiteral("cmdSPKP"), QStringLiteral("DataReport1"));
    l.title = QStringLiteral("Surat Pengantar Kartu Pengenal");
    l.filter = grantedOnly();
    l.reportWidth = 9765;
    l.margins = {1400, 700, 1440, 1440};
    l.detail.height = 14085;
    l.pageFooter.height = 360;
    l.reportFooter.height = 360;

    Band& d = l.detail;
    d.label("Label1", 0, 0, "PT. TEMBARA (PERSERO)").font(arial(9.75).bold());
    d.label("Label16", 6225, 555, "Sendangwiru");
    d.label("Label15", 6960, 555, "%D");
    d.label("Label6", 0, 585, "Nomor");
    d.field("txtNs", 1155, 585, "Ns");
    d.label("Label10", 1155, 825, "Biasa");
    d.label("Label7", 0, 840, "Klasifikasi");
    d.label("Label8", 0, 1065, "Lampiran");
    d.label("Label11", 1155, 1065, "- Pas photo 2x3 (3 buah)");
    d.label("Label2", 6240, 1170, "Kepada");
    d.label("Label12", 1125, 1290, "- Surat Kelakuan Baik");
    d.label("Label17", 5970, 1425, "Yth, Kasubdep Pampersbra Puspam");
    d.label("Label13", 1140, 1530, "Penelitian Khusus / Pembuatan");
    d.label("Label9", 0, 1545, "Perihal");
    d.label("Label18", 6030, 1695, "Di");
    d.label("Label14", 1155, 1755, "Tanda Pengenal");
    d.label("Label19", 6240, 1950, "T e m p a t").font(arial(8.25).bold().underlined());
    d.label("Label20", 1140, 2835,
            "1. Sehubungan dengan adanya siswa / mahasiswa yang akan melakukan kerja praktek "
            "(PKL) / penelitian");
    d.label("Label21", 1275, 3060,
            "(Riset) dilingkungan PT.Tembara dan sesuai pula dengan persetujuan Ka unit terkait, "
            "bersama ini kami mohon");
    d.label("Label22", 1275, 3285,
            "bantuan Ka. Untuk mengadakan penelitian khusus untuk pembuatan tanda pengenal belajar "
            "di lingkungan");
    d.label("Label23", 1275, 3495, "PT. Tembara kepada :");
    d.label("Label5", 1680, 3975, "Nama");
    d.field("txtNama_Kursan", 3780, 3990, "Nama_Kursan");
    d.label("Label24", 1695, 4245, "Tempat, Tanggal Lahir");
    d.field("txtTempat_Lahir", 3795, 4260, "Tempat_Lahir");
    d.field("txtTanggal_Lahir", 4935, 4245, "Tanggal_Lahir");
    d.label("Label25", 1710, 4515, "Alamat");
    d.field("txtAlamat", 3765, 4530, "Alamat");
    d.label("Label26", 1710, 4785, "Tempat Praktek / Penelitian");
    d.field("Text1", 3780, 4785, "Unit");
    d.label("Label27", 1710, 5040, "Waktu");
    d.field("txtTanggal_Pelaksanaan", 3765, 5040, "Tanggal_Pelaksanaan");
    d.label("Label4", 1140, 5685,
            "2. Selanjutnya apabila telah memnuhi persyaratan, mohon kepadanya diberikan surat "
            "tanda pengenal sebagai");
    d.label(
        "Label3", 1335, 5940,
        "siswa / mahasiswa kerja praktek (PKL) / penelitian (Riset) di lingkungan PT. Tembara.");
    d.label("Label28", 1140, 6390,
            "3. Demikian atas perhatian serta kerjasamanya diucapkan terima kasih.");
    coveringSignature(d, 6270, 7965);
    return l;
}

} // namespace reports::layouts
