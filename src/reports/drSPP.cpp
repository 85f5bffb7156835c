#include "reports/layouts.h"

namespace reports::layouts {

// The covering letter that presents the trainee to the unit once it has agreed.
Layout drSPP()
{
    Layout l(QStringLiteral("drSPP"), QStringLiteral("cmdSPP"), QStringLiteral("DataReport1"));
    l.title = QStringLiteral("Surat Pengantar Pelaksana");
    l.filter = grantedOnly();
    l.reportWidth = 9075;
    l.margins = {1440, 700, 1440, 1400};
    l.detail.height = 14430;
    l.pageFooter.height = 360;
    l.reportFooter.height = 360;

    Band& d = l.detail;
    d.label("Label1", 0, 0, "PT. TEMBARA (PERSERO)").font(arial(9.75).bold());
    d.field("txtNs", 1140, 570, "Ns");
    d.label("Label2", 0, 585, "Nomor");
    d.label("Label15", 5655, 585, "Sendangwiru");
    d.label("Label14", 6465, 585, "%D");
    d.label("Label8", 0, 825, "Klasifikasi");
    d.label("Label11", 1185, 840, "B i a s a");
    d.label("Label9", 0, 1065, "Lampiran");
    d.label("Label16", 5685, 1140, "Kepada ");
    d.label("Label10", 0, 1290, "Perihal");
    d.label("Label12", 1155, 1290, "Siswa / Mahasiswa");
    d.label("Label17", 5460, 1425, "Yth. KabidDiv Unit");
    d.field("txtUnit", 6840, 1440, "Unit");
    d.label("Label13", 1155, 1530, "PKL / Penelitian").font(arial(8.25).underlined());
    d.label("Label18", 5475, 1695, "Di");
    d.label("Label19", 5700, 1935, "Tempat").font(arial(8.25).underlined());
    d.label("Label20", 1170, 2850,
            "1. Sesuai dengan persetujuan Dir. / Ass / Ka, dalam surat kami nomor "
            "B /       /        / PKL /      ");
    d.label("Label21", 1350, 3090,
            "tanggal                               perihal penjajakan masalah.");
    d.label("Label22", 1140, 3735,
            "2. Dengan ini kami hadapkan siswa / mahasiswa tersebut yaitu :");
    d.label("Label23", 1470, 4215, "Nama");
    d.field("txtNama_Kursan", 3075, 4215, "Nama_Kursan");
    d.label("Label4", 1470, 4485, "Asal Sekolah / PT.");
    d.field("txtInstansi", 3045, 4485, "Instansi");
    d.label("Label24", 1500, 4770, "Alamat");
    d.field("txtAlamat", 3060, 4785, "Alamat");
    d.label("Label25", 1470, 5415,
            "Untuk mengadakan praktek kerja lapangan (PKL) / penelitian (Riset) di :");
    d.field("Text1", 2850, 5985, "Unit");
    d.label("Label5", 1470, 6000, "Lingkungan");
    d.label("Label3", 1470, 6270, "Bidang");
    d.field("txtJurusan", 2835, 6285, "Jurusan");
    d.label("Label6", 1455, 6540, "Waktu");
    d.field("txtTanggal_Pelaksanaan", 2835, 6570, "Tanggal_Pelaksanaan");
    d.label("Label7", 1155, 7380,
            "3. Demikian atas perhatian serta kerjasamanya diucapkan terima kasih.");
    coveringSignature(d, 4815, 8520);
    return l;
}

} // namespace reports::layouts
