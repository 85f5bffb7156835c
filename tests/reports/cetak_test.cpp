#include "data/database.h"
#include "reports/engine/painter.h"
#include "reports/registry.h"
#include "reports/report.h"
#include "reports/reportdata.h"
#include "reports/tools.h"
#include "reports/workbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSqlQuery>

namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

Outcome cetak(const QStringList& args)
{
    Outcome r;
    r.out = runTool(KURSAN_CETAK, args, &r.code, &r.err);
    return r;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// The report laid out whole, then each of its pages drawn as it was laid out.
void writeWholeDocument(const reports::Document& doc, const QString& path)
{
    QPdfWriter writer(path);
    reports::setUpPage(&writer, *doc.layout);
    QPainter p(&writer);
    p.scale(writer.logicalDpiX() / 1440.0, writer.logicalDpiY() / 1440.0);
    for (int i = 0; i < int(doc.pages.size()); ++i) {
        if (i > 0)
            writer.newPage();
        reports::drawPage(p, doc, i);
    }
}

} // namespace

using KursanCetak = ReportTest;

TEST_F(KursanCetak, PrintsTheListPageForPageAsTheWholeDocumentIsLaidOut)
{
    // Values that wrap, are condensed or cut, and rows without a letter, over three pages.
    const QStringList names{"Siti Nurhaliza Kusuma", "Budi", "Muhammad Rizky Pratama Siregar",
                            "José Müller"};
    for (int i = 1; i <= 60; ++i)
        addTrainee(QStringLiteral("%1").arg(i, 3, 10, QChar('0')),
                   i % 4 ? QStringLiteral("B/%1/XII/PKL/2026").arg(i * 97) : QString(),
                   names[i % names.size()]);
    sql("UPDATE TKursan SET Telepon = '081234567890123', Instansi = 'Universitas Sumatera Utara'"
        " WHERE CAST(Np AS INTEGER) % 3 = 0");
    const QString streamed = m_dir.filePath("streamed.pdf");
    ASSERT_EQ(cetak({database(), "drKursan", streamed}).code, 0);

    const reports::Document doc = reports::prepareReport(*reports::findLayout("drKursan"));
    ASSERT_EQ(doc.pages.size(), 3u);
    const QString whole = m_dir.filePath("whole.pdf");
    writeWholeDocument(doc, whole);
    const QStringList got = pdfText(streamed).split('\f'), laidOut = pdfText(whole).split('\f');
    ASSERT_EQ(got.size(), laidOut.size());
    for (int page = 0; page < got.size(); ++page)
        EXPECT_EQ(got[page].toStdString(), laidOut[page].toStdString()) << "page " << page + 1;
}

TEST_F(KursanCetak, WritesTheListsToPdf)
{
    addSample();
    const QString kursan = m_dir.filePath("kursan.pdf");
    const Outcome r = cetak({database(), "drKursan", kursan});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.err, "") << "a batch log holds the program's own lines only";
    EXPECT_EQ(QFileInfo(kursan).permissions() & (QFile::ReadGroup | QFile::ReadOther),
              QFile::Permissions())
        << "a list of trainees is for its owner only";
    const QString text = pdfText(kursan);
    EXPECT_TRUE(text.contains("LAPORAN DATA KERJA PRAKTEK / PENELITIAN PT.TEMBARA(Persero)"));
    EXPECT_TRUE(text.contains("SENDANGWIRU"));
    // The letter number goes on to its cell's second line, beside the date of birth.
    for (const char* row : {"001 Budi Yogyakarta Jl. Mawar 001 0812001 UGM Teknik PKL B/001/III/ "
                            "05/01/85 PKL/2005",
                            "003 Citra Yogyakarta Jl. Mawar 003 0812003 UGM Teknik PKL"})
        EXPECT_TRUE(text.simplified().contains(row)) << text.toStdString();
    EXPECT_TRUE(
        runTool("pdffonts", {kursan}).contains(QRegularExpression("LiberationSans\\s.*yes")));
    // Named for what it is and who made it, in the properties a PDF reader shows.
    const QString info = runTool("pdfinfo", {kursan});
    for (const char* property :
         {"Title:\\s+Daftar Kursan\\n", "Author:\\s+Kursan\\n", "Creator:\\s+Kursan\\n"})
        EXPECT_TRUE(info.contains(QRegularExpression(property))) << info.toStdString();

    const QString unit = m_dir.filePath("unit.pdf");
    ASSERT_EQ(cetak({database(), "drUnit", unit}).code, 0);
    const QString units = pdfText(unit).simplified();
    EXPECT_TRUE(units.contains("Kode Unit Nama Unit U01 Keuangan U02 Gudang"))
        << units.toStdString();
}

TEST_F(KursanCetak, RefusesWhatItCannotPrint)
{
    const QString out = m_dir.filePath("out.pdf");
    Outcome r = cetak({database(), "drLain", out});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(
        r.err.contains("Laporan \"drLain\" tidak dikenal. Laporan yang ada: drSPM, drSPKP, "
                       "drSPP, drSK, drSertifikat, drKursan, drUnit, drStatistik, drRegister"))
        << r.err.toStdString();

    const QString missing = m_dir.filePath("tidak-ada.mdb");
    r = cetak({missing, "drKursan", out});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QString("DataBase %1 tidak ditemukan.").arg(missing)))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(missing));

    r = cetak({database(), "drKursan"});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("Pemakaian: kursan-cetak DATABASE LAPORAN KELUARAN.pdf"));

    r = cetak({database(), "drKursan", m_dir.filePath("tidak/ada/out.pdf")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("tidak dapat ditulis")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(KursanCetak, NeverWritesOverTheDatabaseNorCallsAFailedWriteDone)
{
    addSample();
    const QByteArray stored = contents(m_path);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("sub"));
    ASSERT_TRUE(QFile::link(m_path, m_dir.filePath("link.mdb")));
    for (const QString& output : {m_path, m_dir.filePath("sub/../kursan/master.mdb"),
                                  m_dir.filePath("link.mdb"), m_path + "-wal", m_path + "-shm"}) {
        const Outcome r = cetak({database(), "drKursan", output});
        EXPECT_EQ(r.code, 1) << output.toStdString();
        EXPECT_TRUE(r.err.contains("tidak dapat ditulis: berkas itu adalah DataBase Kursan"))
            << r.err.toStdString();
    }
    EXPECT_EQ(contents(m_path), stored);

    Outcome r = cetak({database(), "drKursan", "/dev/full"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("Berkas PDF /dev/full tidak dapat ditulis: No space left on device"))
        << r.err.toStdString();

    // A disk that fills up halfway: the earlier PDF stays whole and no partial file is left.
    const QString pdf = m_dir.filePath("kursan.pdf");
    {
        QFile earlier(pdf);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    // The database's shared-memory file is at its full size while another program has the
    // database open, so the file size limit bites on the PDF alone.
    QSqlDatabase reader = data::Database::connect("reader");
    ASSERT_TRUE(QSqlQuery(reader).exec("SELECT count(*) FROM TUnit"));
    const QStringList files = QDir(m_dir.path()).entryList(QDir::Files);
    runTool("bash",
            {"-c", "trap '' XFSZ; ulimit -f 8; exec \"$@\"", "sh", KURSAN_CETAK, database(),
             "drKursan", pdf},
            &r.code, &r.err);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("kursan.pdf tidak dapat ditulis: tempat di disk tidak cukup"))
        << r.err.toStdString();
    EXPECT_EQ(contents(pdf), "earlier");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), files);
    reader.close();
    reader = QSqlDatabase();
    QSqlDatabase::removeDatabase("reader");
}

TEST_F(KursanCetak, ABusyDatabaseEndsWithThreeAndADamagedIndexWithOne)
{
    addSample();
    const QString pdf = m_dir.filePath("unit.pdf");
    {
        QSqlDatabase other = data::Database::connect("other");
        QSqlQuery(other).exec("PRAGMA locking_mode=EXCLUSIVE");
        ASSERT_TRUE(QSqlQuery(other).exec("BEGIN EXCLUSIVE"));
        const Outcome r = cetak({database(), "drUnit", pdf});
        EXPECT_EQ(r.code, 3);
        EXPECT_TRUE(r.err.contains("sedang dipakai oleh program lain")) << r.err.toStdString();
        other.close();
    }
    QSqlDatabase::removeDatabase("other");

    // An index whose entry no longer matches its row passes the quick check, not the full one.
    const qint64 page = sql("SELECT rootpage FROM sqlite_master WHERE name = "
                            "'sqlite_autoindex_TUnit_1'")
                            .value(0)
                            .toLongLong();
    const qint64 size = sql("PRAGMA page_size").value(0).toLongLong();
    {
        QFile f(m_path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.seek((page - 1) * size);
        QByteArray bytes = f.read(size);
        const qsizetype at = bytes.lastIndexOf("U02");
        ASSERT_GE(at, 0);
        bytes[at + 2] = '3'; // still after U01: the order stays sound
        f.seek((page - 1) * size);
        f.write(bytes);
    }
    const Outcome r = cetak({database(), "drUnit", pdf});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("berkas rusak")) << r.err.toStdString();
}

TEST_F(KursanCetak, OptionsNarrowTheRowsAndWrongOnesEndWithTwo)
{
    addSample(); // letters of Budi (B/001, March) and Ani (B/002, March and May); Citra none
    const QString pdf = m_dir.filePath("surat.pdf");
    Outcome r = cetak({"--np", "1", database(), "drSPM", pdf});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("drSPM: 1 baris, 1 halaman")) << r.out.toStdString();
    r = cetak({database(), "drSertifikat", pdf, "--bulan", "05/2005"});
    EXPECT_TRUE(r.out.contains("drSertifikat: 1 baris")) << r.err.toStdString();
    r = cetak({database(), "drSertifikat", pdf, "--selesai", "02/04/2005:01/06/2005"});
    EXPECT_TRUE(r.out.contains("drSertifikat: 1 baris")) << r.err.toStdString();
    r = cetak({database(), "drKursan", m_dir.filePath("kursan.xlsx"), "--ns=2:3"});
    EXPECT_TRUE(r.out.contains("drKursan: 1 baris")) << r.err.toStdString();
    r = cetak({"--help"});
    EXPECT_EQ(r.code, 0);
    for (const char* option : {"--np NP", "--ns DARI[:SAMPAI]", "--bulan MM/YYYY", "--tahun YYYY"})
        EXPECT_TRUE(r.out.contains(option)) << r.out.toStdString();

    QFile::remove(pdf);
    const std::pair<QStringList, QString> wrong[] = {
        {{database(), "drSPM", pdf, "--nomor", "1"}, "Pilihan \"--nomor\" tidak dikenal."},
        {{database(), "drSPM", pdf, "--np"}, "Pilihan --np memerlukan nilai."},
        {{database(), "drSPM", pdf, "--ns", "9:2"},
         "Nomor surat awal 9 lebih besar dari nomor akhir 2."},
        {{database(), "drSPM", pdf, "--ns", "B/"}, "Nomor surat \"B/\" tidak dapat dibaca."},
        {{database(), "drSPM", pdf, "--bulan", "2005-03"}, "Bulan \"2005-03\" tidak dapat dibaca."},
        {{database(), "drKursan", pdf, "--bulan", "03/2005"},
         "Pilihan --bulan tidak berlaku untuk laporan drKursan."},
        {{database(), "drSK", pdf, "--selesai", "31/02/2005:01/03/2005"},
         "Tanggal \"31/02/2005:01/03/2005\" tidak dapat dibaca."},
        {{database(), "drKursan", pdf, "--selesai", "01/03/2005:01/04/2005"},
         "Pilihan --selesai tidak berlaku untuk laporan drKursan."},
        {{database(), "drUnit", pdf, "--np", "1"},
         "Pilihan --np tidak berlaku untuk laporan drUnit."},
        {{database(), "drKursan", pdf, "--tahun", "2005"},
         "Pilihan --tahun tidak berlaku untuk laporan drKursan."},
        {{database(), "drKursan", pdf, "--tahun=05"}, "Tahun \"05\" tidak dapat dibaca."},
        {{database(), "drSPM", pdf, "--np", "9"}, "Kursan \"9\" tidak ada dalam DataBase."},
        {{database(), "drSPM", pdf, "--np", "1", "--ns", "1"}, "Hanya satu pilihan dapat dipakai"},
    };
    for (const auto& [args, message] : wrong) {
        r = cetak(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(KursanCetak, WritesTheRegisterOfTheYearAskedOrOfThisYearToPdfOrExcel)
{
    addRegisterSample();
    const QString pdf = m_dir.filePath("register.pdf");
    Outcome r = cetak({database(), "drRegister", pdf, "--tahun", "2004"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("drRegister: 2 baris, 1 halaman")) << r.out.toStdString();
    const QString text = pdfText(pdf).simplified();
    for (const char* shown :
         {"REGISTER SURAT TAHUN 2004", "No Surat No Kursan Nama Kursan Jawaban",
          "B/996/XII/PKL/2004 008 Hadi Dapat", "Jumlah: 1 surat, 0 nomor tidak ada, 0 nomor ganda"})
        EXPECT_TRUE(text.contains(shown)) << shown << "\n" << text.toStdString();
    EXPECT_TRUE(runTool("pdfinfo", {pdf}).contains("Register Surat — Tahun 2004"));
    // Without --tahun, the batch printer's own year (the program's clock is not the test's).
    ASSERT_EQ(cetak({database(), "drRegister", pdf}).code, 0);
    EXPECT_TRUE(
        pdfText(pdf).contains(QString("REGISTER SURAT TAHUN %1").arg(QDate::currentDate().year())));

    const QString xlsx = m_dir.filePath("register.xlsx");
    r = cetak({database(), "drRegister", xlsx, "--tahun", "2005"});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const std::vector<QStringList> sheet = workbookRows(xlsx);
    QStringList rows;
    for (const QStringList& row : sheet)
        rows << (row + QStringList(7 - row.size(), QString())).join('|');
    EXPECT_EQ(rows.join('\n').toStdString(),
              ("No Surat|No Kursan|Nama Kursan|Jawaban|Unit|Tanggal Pelaksanaan|Keterangan\n" +
               registerOf2005.join('\n'))
                  .toStdString());
}
