#include "forms/frmKursan.h"
#include "platform/windows.h"
#include "preview/preview.h"
#include "reports/engine/fitter.h"
#include "reports/engine/pdffile.h"
#include "reports/lettersheets.h"
#include "reports/registry.h"
#include "reports/report.h"
#include "reports/reportdata.h"
#include "reports/tools.h"
#include "shell/frmMenu.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <gmock/gmock.h>

using namespace reports;
using data::Rows;

namespace {

const std::vector<std::string> letterReports{"drSPM", "drSPKP", "drSPP", "drSK", "drSertifikat"};

std::string pageOf(const Layout& l)
{
    const auto heights = {l.reportHeader.height, l.pageHeader.height, l.detail.height,
                          l.pageFooter.height, l.reportFooter.height};
    QStringList bands;
    for (int h : heights)
        bands << QString::number(h);
    return QStringLiteral("%1 \"%2\" width %3 margins %4,%5,%6,%7 bands %8")
        .arg(l.command, l.caption)
        .arg(l.reportWidth)
        .arg(l.margins.left)
        .arg(l.margins.right)
        .arg(l.margins.top)
        .arg(l.margins.bottom)
        .arg(bands.join(','))
        .toStdString();
}

// A detail item of the first document as its design sheet writes it.
std::string describe(const Layout& l, const PageItem& i)
{
    const Control& c = *i.control;
    QString out = QStringLiteral("%1 %2,%3 ")
                      .arg(c.name)
                      .arg(i.box.left() - l.margins.left)
                      .arg(i.box.top() - l.margins.top);
    if (i.kind == ItemKind::Line)
        return (out + (i.box.height() ? "slanted line" : "line ") + QString::number(i.box.width()))
            .toStdString();
    if (i.kind == ItemKind::Rect)
        return (out + "rectangle").toStdString();
    out += c.kind == ControlKind::Field ? "[" + i.text + "]" : "\"" + i.text + "\"";
    const FontSpec& f = l.fontOf(c);
    if (!(f == arial(8.25)))
        out += QStringLiteral(" %1 %2%3%4%5")
                   .arg(f.family)
                   .arg(f.pointSize)
                   .arg(f.isBold ? " bold" : "")
                   .arg(f.isItalic ? " italic" : "")
                   .arg(f.isUnderlined ? " underlined" : "");
    if (c.align != Align::Left)
        out += " centred";
    return out.toStdString();
}

const PageItem* find(const Page& page, const QString& control)
{
    for (const PageItem& i : page.items)
        if (i.control->name == control)
            return &i;
    return nullptr;
}

QString textOf(const Page& page, const QString& control)
{
    const PageItem* i = find(page, control);
    return i ? i->text : "missing " + control;
}

class Letters : public ReportTest {
protected:
    // One placed trainee whose every value is the name of its column, so that a field shows
    // which column it prints.
    void addColumnNames()
    {
        sql("INSERT INTO TUnit VALUES (?, ?, ?)", {"Kode_Unit", "Unit", "No_Telp"});
        sql("INSERT INTO TKursan VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {"Ns", "Np", "Nim", "Nama_Kursan", "Tempat_Lahir", "Tanggal_Lahir", "Alamat", "Telepon",
             "Instansi", "Jurusan", "Tujuan"});
        sql("INSERT INTO TSurat VALUES (?, ?, ?)", {"Ns", "Jawaban", "Jumlah_Kursan"});
        sql("INSERT INTO TKegiatan VALUES (?, ?, ?)", {"Np", "Tanggal_Pelaksanaan", "Kode_Unit"});
    }
    static Document prepare(const std::string& name)
    {
        const Layout* layout = findLayout(QString::fromStdString(name));
        EXPECT_NE(layout, nullptr) << name;
        return layout ? prepareReport(*layout) : Document{};
    }
};

} // namespace

TEST_F(Letters, EveryControlWhereTheDesignSheetPutsIt)
{
    addColumnNames();
    ASSERT_EQ(letterSheets().size(), letterReports.size());
    for (const Sheet& sheet : letterSheets()) {
        SCOPED_TRACE(sheet.report);
        // Only the exploration letter prints a reply that is not "Dapat".
        const bool everyReply = std::string(sheet.report) == "drSPM";
        sql("UPDATE TSurat SET Jawaban = ?", {everyReply ? "Jawaban" : "Dapat"});
        const Document doc = prepare(sheet.report);
        ASSERT_EQ(doc.pages.size(), 1u);
        EXPECT_EQ(pageOf(*doc.layout), sheet.page);
        EXPECT_EQ(doc.layout->defaultFont, arial(8.25));
        std::vector<std::string> printed, expected;
        for (const PageItem& i : doc.pages[0].items) {
            EXPECT_EQ(i.band, BandKind::Detail) << describe(*doc.layout, i);
            printed.push_back(describe(*doc.layout, i));
        }
        for (const std::string& line : sheet.controls)
            expected.push_back(
                QString::fromStdString(line).replace("\"%D\"", "\"15 Maret 2005\"").toStdString());
        EXPECT_THAT(printed, ::testing::UnorderedElementsAreArray(expected));
    }
}

TEST_F(Letters, OneDocumentPerPlacementEachOnAPageOfItsOwn)
{
    addSample(); // Budi placed once, Ani twice, Citra not at all
    const QStringList names{"Budi", "Ani", "Ani"};
    const QStringList periods{"01/03/2005s/d01/04/2005", "01/03/2005s/d01/04/2005",
                              "01/05/2005s/d01/06/2005"};
    for (const std::string& report : letterReports) {
        SCOPED_TRACE(report);
        const Document doc = prepare(report);
        EXPECT_EQ(doc.rowCount, 3);
        ASSERT_EQ(doc.pages.size(), 3u);
        for (int n = 0; n < 3; ++n) {
            const Page& page = doc.pages[n];
            EXPECT_EQ(textOf(page, "txtNama_Kursan"), names[n]);
            EXPECT_EQ(textOf(page, "txtTanggal_Pelaksanaan"), periods[n]);
            // The letters taller than the printable page still hold nothing below its margin.
            for (const PageItem& i : page.items) {
                EXPECT_EQ(i.row, n);
                EXPECT_EQ(i.cutAt, 0) << i.control->name.toStdString();
            }
        }
    }
}

TEST_F(Letters, RefusedPlacementGetsOnlyTheExplorationLetter)
{
    addSample(); // Budi placed once, Ani twice
    sql("UPDATE TSurat SET Jawaban = ? WHERE Ns = ?", {"Tidak", "B/002/III/PKL/2005"});
    for (const std::string& report : letterReports) {
        SCOPED_TRACE(report);
        const Document doc = prepare(report);
        QStringList names;
        for (const Page& page : doc.pages)
            names << textOf(page, "txtNama_Kursan");
        const QStringList expected = report == "drSPM" ? QStringList{"Budi", "Ani", "Ani"}
                                                       : QStringList{"Budi"};
        EXPECT_EQ(names, expected);
    }
}

TEST_F(Letters, ReplySheetOpensWithTheStoredAnswer)
{
    addSample();
    sql("UPDATE TSurat SET Jawaban = ? WHERE Ns = ?", {"-", "B/001/III/PKL/2005"});
    sql("UPDATE TSurat SET Jawaban = ? WHERE Ns = ?", {"Tidak", "B/002/III/PKL/2005"});
    const Document doc = prepare("drSPM");
    ASSERT_EQ(doc.pages.size(), 3u);
    const QStringList answers{"-", "Tidak", "Tidak"};
    for (int n = 0; n < 3; ++n) {
        const PageItem* answer = find(doc.pages[n], "txtJawaban");
        const PageItem* sentence = find(doc.pages[n], "Label34");
        ASSERT_TRUE(answer && sentence);
        EXPECT_EQ(answer->text, answers[n]);
        EXPECT_LT(answer->box.left(), sentence->box.left());
        EXPECT_LE(std::abs(answer->box.top() - sentence->box.top()), 15);
    }
    const QString pdf = m_dir.filePath("spm.pdf");
    ASSERT_TRUE(writePdf(doc, pdf));
    const QString text = pdfText(pdf).simplified();
    EXPECT_EQ(text.count("Tidak diterima untuk mengadakan Kerja Praktek Lapangan (PKL) / "
                         "Penelitian (Riset)"),
              2)
        << text.toStdString();
    EXPECT_TRUE(text.contains("- diterima untuk mengadakan")) << text.toStdString();
}

TEST_F(Letters, TitlesNameTheRowsOfTheirSelection)
{
    addSample(); // Budi 001, Ani 002
    EXPECT_EQ(selectionTitle(data::Selection::trainee("ani")), "002 Ani");
    EXPECT_EQ(selectionTitle(data::Selection::letters("B/7/IV/PKL/2005-20")), "Nomor surat 7:20");
    EXPECT_EQ(selectionTitle(data::Selection::month("3/2005")), "Bulan mulai Maret 2005");
    EXPECT_EQ(documentTitle(*findLayout("drSK"), ""), "Surat Keterangan");
}

TEST_F(Letters, BirthDatesInTheStatementAndCertificateFormats)
{
    addUnit("U01", "Keuangan");
    const QStringList births{"05/01/85", "17/08/1945", "", "5 Jan 85", "31/02/85"};
    for (int n = 0; n < births.size(); ++n) {
        const QString np = QString::number(n + 1);
        addTrainee(np, "B/" + np, "K" + np, births[n]);
        addPlacement(np, "01/03/2005s/d01/04/2005", "U01");
    }
    const std::map<std::string, QStringList> printed{
        {"drSK", {"05-Januari-1985", "17-Agustus-1945", "", "5 Jan 85", "31/02/85"}},
        {"drSertifikat", {"5 Januari 1985", "17 Agustus 1945", "", "5 Jan 85", "31/02/85"}},
        {"drSPKP", births}, // the letters print the date as stored
    };
    for (const auto& [report, dates] : printed) {
        SCOPED_TRACE(report);
        const Document doc = prepare(report);
        ASSERT_EQ(doc.pages.size(), size_t(births.size()));
        for (int n = 0; n < births.size(); ++n) {
            EXPECT_EQ(textOf(doc.pages[n], "txtTanggal_Lahir"), dates[n]);
            // The period holds two dates and prints as stored, format or not.
            EXPECT_EQ(textOf(doc.pages[n], "txtTanggal_Pelaksanaan"), "01/03/2005s/d01/04/2005");
        }
    }
}

TEST_F(Letters, KursanCetakWritesEachToPdfWithItsFontsEmbedded)
{
    addSample();
    const std::map<std::string, QStringList> expected{
        {"drSPM",
         {"Nomor B/001/III/PKL/2005", "Yth. Kadepminku Divisi Gudang", "Atas Nama Budi",
          "LEMBAR JAWABAN", "Dapat diterima untuk", "Mulai tanggal 01/05/2005s/d01/06/2005"}},
        {"drSPKP",
         {"Nomor B/002/III/PKL/2005", "Tempat, Tanggal Lahir Yogyakarta 17/08/86",
          "Tempat Praktek / Penelitian Keuangan", "Waktu 01/03/2005s/d01/04/2005"}},
        {"drSPP",
         {"Yth. KabidDiv Unit Gudang", "Nama Ani", "Asal Sekolah / PT. UGM", "Alamat Jl. Mawar 001",
          "Lingkungan Keuangan"}},
        {"drSK",
         {"SURAT KETERANGAN", "Tempat,Tanggal Lahir Yogyakarta 05-Januari-1985",
          "Nomor Induk / NIRM NIM002",
          "Bidang Teknik Tempat Keuangan Waktu 01/03/2005s/d01/04/2005"}},
        {"drSertifikat",
         {"SERTIFIKAT", "Nama : Ani", "Tempat, tgl lahir : Yogyakarta 17 Agustus 1986",
          "01/05/2005s/d01/06/2005", "pada unit Gudang"}},
    };
    for (const auto& [report, lines] : expected) {
        SCOPED_TRACE(report);
        const QString pdf = m_dir.filePath(QString::fromStdString(report) + ".pdf");
        int code = -1;
        const QString said = runTool(KURSAN_CETAK,
                                     {database(), QString::fromStdString(report), pdf}, &code);
        ASSERT_EQ(code, 0);
        EXPECT_TRUE(said.contains("3 baris, 3 halaman")) << said.toStdString();
        const QString text = pdfText(pdf).simplified();
        for (const QString& line : lines)
            EXPECT_TRUE(text.contains(line)) << line.toStdString() << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains("Citra"));
        const QString fonts = runTool("pdffonts", {pdf});
        EXPECT_TRUE(fonts.contains(QRegularExpression("LiberationSans-Bold\\s.*yes")))
            << fonts.toStdString();
        if (report == "drSertifikat") {
            EXPECT_TRUE(fonts.contains(QRegularExpression("JunicodeTwoBeta-Bold\\s.*yes")))
                << fonts.toStdString();
        }
    }
}

TEST_F(Letters, CetakSpmShowsTheTraineeOnScreenAndTheMenuEveryLetter)
{
    addSample();
    showMainWindow();
    auto* menu = platform::loaded<frmMenu>();
    menu->findChild<QAction*>("mnuDataKursan")->trigger();
    auto* kursan = platform::loaded<frmKursan>();
    ASSERT_NE(kursan, nullptr);
    auto* cetakSpm = kursan->findChild<QPushButton*>("Command2");
    cetakSpm->click();
    auto* spm = qobject_cast<ReportPreview*>(platform::Windows::find("drSPM"));
    ASSERT_NE(spm, nullptr);
    EXPECT_EQ(spm->document().rowCount, 1); // Budi, the first trainee
    EXPECT_EQ(spm->findChild<QLineEdit*>("txtPilihan")->text(), "001");
    EXPECT_EQ(spm->parentWidget(), menu);
    // Another trainee chosen, the open preview follows: Ani has two placements.
    auto* grid = kursan->findChild<QTableView*>("DataGrid1");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 0)).center());
    cetakSpm->click();
    EXPECT_EQ(platform::Windows::find("drSPM"), spm);
    EXPECT_EQ(spm->document().rowCount, 2);
    EXPECT_EQ(spm->findChild<QLineEdit*>("txtPilihan")->text(), "002");

    const std::map<std::string, std::pair<const char*, QString>> items{
        {"mnuSPM", {"drSPM", "Surat Penjajakan Masalah"}},
        {"mnuCetakSPKP", {"drSPKP", "Surat Pengantar Kartu Pengenal"}},
        {"mnuSPP", {"drSPP", "Surat Pengantar Pelaksana"}},
        {"mnuCetakSK", {"drSK", "Surat Keterangan"}},
        {"mnuCetakSertifikat", {"drSertifikat", "Sertifikat"}}};
    for (const auto& [item, shown] : items) {
        SCOPED_TRACE(item);
        menu->findChild<QAction*>(item.c_str())->trigger();
        auto* preview = qobject_cast<ReportPreview*>(platform::Windows::find(shown.first));
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->windowTitle(), "DataReport1 — " + shown.second);
        EXPECT_EQ(preview->document().rowCount, 3);
        EXPECT_EQ(preview->findChild<QComboBox*>("cboPilihan")->currentText(), "Semua data");
        EXPECT_TRUE(preview->isVisible());
    }
    // The letter preview opened from the trainee form is the one the menu brings forward.
    EXPECT_EQ(platform::Windows::find("drSPM"), spm);
    // It belongs to the main window and outlives the trainee form.
    kursan->close();
    settle();
    EXPECT_EQ(platform::Windows::find("drSPM"), spm);
}

// Each value as the document prints it: the lines of each field, joined.
std::map<QString, QString> printedValues(const Page& page)
{
    std::vector<const PageItem*> fields;
    for (const PageItem& i : page.items)
        if (i.kind == ItemKind::Text && i.control->kind == ControlKind::Field)
            fields.push_back(&i);
    std::stable_sort(fields.begin(), fields.end(),
                     [](auto* a, auto* b) { return a->box.top() < b->box.top(); });
    std::map<QString, QString> values;
    for (const PageItem* i : fields) {
        QString& value = values[i->control->name];
        value += (value.isEmpty() ? "" : " ") + i->text;
    }
    return values;
}

TEST_F(Letters, ValuesAtTheFormsLimitsPrintWholeAndNoTwoTextsTouch)
{
    addAtLimits();
    const std::map<QString, QString> stored{
        {"Ns", atLimits[0]},          {"Nim", atLimits[2]},
        {"Nama_Kursan", atLimits[3]}, {"Tempat_Lahir", atLimits[4]},
        {"Alamat", atLimits[6]},      {"Instansi", atLimits[8]},
        {"Jurusan", atLimits[9]},     {"Tujuan", atLimits[10]},
        {"Unit", unitAtLimit},        {"Tanggal_Pelaksanaan", periodAtLimit}};
    for (const std::string& report : letterReports) {
        SCOPED_TRACE(report);
        const Document doc = prepare(report);
        ASSERT_EQ(doc.pages.size(), 1u);
        for (const auto& [control, value] : printedValues(doc.pages[0])) {
            const Control& c = *find(doc.pages[0], control)->control;
            if (stored.count(c.column) && c.dateFormat.isEmpty()) {
                EXPECT_EQ(value, stored.at(c.column)) << control.toStdString();
            }
        }
        const QString pdf = m_dir.filePath(QString::fromStdString(report) + ".pdf");
        ASSERT_TRUE(writePdf(doc, pdf));
        std::vector<PdfWord> words = pdfWords(pdf);
        std::sort(words.begin(), words.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.left < b.left; });
        for (size_t i = 0; i < words.size(); ++i) {
            EXPECT_FALSE(words[i].text.contains(u'…')) << words[i].text.toStdString();
            // The nearest word to its right on the same line starts a space (1.5 pt) later.
            for (size_t j = i + 1; j < words.size(); ++j) {
                if (std::abs(words[j].top - words[i].top) < 3) {
                    EXPECT_GE(words[j].left - words[i].right, 1.5)
                        << words[i].text.toStdString() << " | " << words[j].text.toStdString();
                    break;
                }
            }
        }
    }
}

TEST_F(Letters, ALongValueGoesOnBelowItselfWhereThePageIsFreeElseItsCutShows)
{
    // A unit name so long that its line cannot hold it, as a restored copy may bring.
    const QString unit = "Pemeliharaan Mesin Produksi dan Perbengkelan Pusat";
    addAtLimits();
    sql("UPDATE TUnit SET Unit = ?", {unit});

    // The addressee of the exploration letter: on below itself, moving nothing.
    const Document letter = prepare("drSPM");
    const PageItem* first = find(letter.pages[0], "txtUnit");
    std::vector<const PageItem*> lines;
    for (const PageItem& i : letter.pages[0].items)
        if (i.control == first->control)
            lines.push_back(&i);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->text + " " + lines[1]->text, unit);
    EXPECT_EQ(lines[1]->x, lines[0]->x);
    EXPECT_GT(lines[1]->box.top(), lines[0]->box.top());
    EXPECT_EQ(find(letter.pages[0], "Label17")->box.topLeft(), QPoint(700 + 6255, 1440 + 1425))
        << "\"Di\" stays where it is";

    // The certificate: the period keeps 85% of its width, the unit after it is condensed as
    // far; the line below is taken, so the unit is cut, and the cut shows.
    const QString pdf = m_dir.filePath("sertifikat.pdf");
    ASSERT_TRUE(writePdf(prepare("drSertifikat"), pdf));
    const Face garamond12(fontFor(garamond(12).bold()));
    const qreal natural = garamond12.width(periodAtLimit) / 20; // points
    bool found = false;
    QString last;
    for (const PdfWord& w : pdfWords(pdf)) {
        if (w.text == periodAtLimit) {
            found = true;
            EXPECT_GE(w.right - w.left, natural * BandFitter::narrowest - 0.1);
            EXPECT_LT(w.right - w.left, natural - 1); // condensed: the unit took what it could
        }
        if (w.text.endsWith(u'…'))
            last = w.text;
    }
    EXPECT_TRUE(found);
    EXPECT_FALSE(last.isEmpty()) << "a cut shows";
}

TEST_F(Letters, GaramondStandsInAsASerifWhenItsFacesAreMissing)
{
    addSample();
    // A machine with the Arial stand-ins and DejaVu only.
    QFile conf(m_dir.filePath("fonts.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write(QString("<?xml version=\"1.0\"?><fontconfig>"
                       "<dir>/usr/share/fonts/truetype/liberation2</dir>"
                       "<dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>%1</cachedir>"
                       "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include></fontconfig>")
                   .arg(m_dir.filePath("fc-cache"))
                   .toUtf8());
    conf.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("FONTCONFIG_FILE", conf.fileName());
    p.setProcessEnvironment(env);
    const QString pdf = m_dir.filePath("sertifikat.pdf");
    p.start(KURSAN_CETAK, {database(), "drSertifikat", pdf});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QString fonts = runTool("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains("LiberationSerif-Bold") || fonts.contains("DejaVuSerif-Bold"))
        << fonts.toStdString();
}
