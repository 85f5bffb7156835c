#include "reports/export.h"

#include "data/error.h"
#include "data/placements.h"
#include "data/wholefile.h"
#include "reports/registry.h"
#include "reports/report.h"
#include "reports/zipmember.h"

#include <QTemporaryFile>
#include <algorithm>
#include <vector>
#include <xlsxwriter.h>

namespace reports {

using data::HeldRowCursor;
using data::RowCursor;
using data::Rows;
using data::Selection;

namespace {

struct Column {
    const char* name;
    const char* heading;
};

struct Sheet {
    const char* list;
    const char* title;
    std::vector<Column> columns;
};

// The columns in the order their report prints them; what a report leaves out (a unit's
// telephone) is still data worth handing over.
const std::vector<Sheet>& sheets()
{
    static const std::vector<Sheet> s{
        {"drKursan",
         "Data Kursan",
         {{"Np", "No Kursan"},
          {"Nama_Kursan", "Nama Kursan"},
          {"Tempat_Lahir", "Tempat Lahir"},
          {"Tanggal_Lahir", "Tgl Lahir"},
          {"Alamat", "Alamat"},
          {"Telepon", "Telepon"},
          {"Instansi", "Instansi"},
          {"Jurusan", "Jurusan"},
          {"Tujuan", "Tujuan"},
          {"Ns", "No Surat"}}},
        {"drUnit",
         "Data Unit",
         {{"Kode_Unit", "Kode Unit"}, {"Unit", "Nama Unit"}, {"No_Telp", "No Telp"}}},
        {"drRegister",
         "Register Surat",
         {{"Ns", "No Surat"},
          {"Np", "No Kursan"},
          {"Nama_Kursan", "Nama Kursan"},
          {"Jawaban", "Jawaban"},
          {"Unit", "Unit"},
          {"Tanggal_Pelaksanaan", "Tanggal Pelaksanaan"},
          {"Keterangan", "Keterangan"}}},
        {"QSPM",
         "Data SPM",
         {{"Ns", "No Surat"},
          {"Np", "No Kursan"},
          {"Nama_Kursan", "Nama Kursan"},
          {"Instansi", "Instansi"},
          {"Jawaban", "Jawaban"},
          {"Kode_Unit", "Kode Unit"},
          {"Unit", "Unit"},
          {"Tanggal_Pelaksanaan", "Tanggal Pelaksanaan"}}},
    };
    return s;
}

const Sheet& sheetOf(const QString& list)
{
    for (const Sheet& s : sheets())
        if (list == QLatin1String(s.list))
            return s;
    throw data::Error(QStringLiteral("Daftar %1 tidak dapat diekspor ke Excel.").arg(list));
}

// Excel's column width counts characters of its default font; a little room for the edges.
double widthFor(qsizetype characters) { return std::clamp(double(characters) + 2, 8.0, 80.0); }

// What the workbook says of itself: its maker is the program, not a spreadsheet.
QByteArray appProperties()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "extended-properties\" xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "docPropsVTypes\"><Application>Kursan</Application><DocSecurity>0</DocSecurity>"
        "<ScaleCrop>false</ScaleCrop><LinksUpToDate>false</LinksUpToDate>"
        "<SharedDoc>false</SharedDoc><HyperlinksChanged>false</HyperlinksChanged>"
        "<AppVersion>1.0</AppVersion></Properties>");
}

// Writes the sheet a row at a time: libxlsxwriter keeps only the row being written, and the
// columns are sized from the widest texts seen once every row is written. Returns an empty
// text, or what went wrong; `stopped` when the progress asked to stop.
QString writeSheet(const Sheet& sheet, RowCursor& rows, const QString& title, const QString& path,
                   const RowProgress& progress, bool& stopped)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(path.toUtf8().constData(), &options);
    if (!book)
        return QStringLiteral("tidak cukup memori");
    const QByteArray titleText = title.toUtf8();
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(titleText.constData());
    properties.author = const_cast<char*>("Kursan");
    workbook_set_properties(book, &properties);
    lxw_worksheet* ws = workbook_add_worksheet(book, sheet.title);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);

    const auto columns = lxw_col_t(sheet.columns.size());
    std::vector<int> index;
    std::vector<qsizetype> widest;
    for (lxw_col_t col = 0; col < columns; ++col) {
        index.push_back(rows.columnIndex(QLatin1String(sheet.columns[col].name)));
        widest.push_back(QString::fromUtf8(sheet.columns[col].heading).size());
        worksheet_write_string(ws, 0, col, sheet.columns[col].heading, bold);
    }
    worksheet_freeze_panes(ws, 1, 0);
    lxw_row_t row = 0;
    try {
        while (rows.next()) {
            ++row;
            for (lxw_col_t col = 0; col < columns; ++col) {
                const QString value = index[col] < 0 ? QString() : rows.value(index[col]);
                if (value.isEmpty())
                    continue;
                // As text, so that "001" keeps its zeros and a date is not read as a number.
                worksheet_write_string(ws, row, col, value.toUtf8().constData(), nullptr);
                widest[col] = std::max(widest[col], value.size());
            }
            if (progress && !progress(int(row))) {
                stopped = true;
                lxw_workbook_free(book);
                return QStringLiteral("dibatalkan");
            }
        }
    } catch (const data::Error&) {
        lxw_workbook_free(book);
        throw;
    }
    for (lxw_col_t col = 0; col < columns; ++col)
        worksheet_set_column(ws, col, col, widthFor(widest[col]), nullptr);
    const lxw_error error = workbook_close(book);
    return error == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(error));
}

} // namespace

bool hasWorkbook(const QString& list)
{
    return std::any_of(sheets().begin(), sheets().end(),
                       [&](const Sheet& s) { return list == QLatin1String(s.list); });
}

QString workbookTitle(const QString& list) { return QString::fromUtf8(sheetOf(list).title); }

Rows readList(const QString& list, const Selection& selection)
{
    sheetOf(list); // refuses a list without a workbook
    // A list that is a report reads what the report prints (a report of one year: this year).
    if (const Layout* report = findLayout(list))
        return data::readAll(*openRows(*report, selection));
    return data::readPlacementList();
}

bool writeWorkbook(const QString& list, RowCursor& rows, const QString& path,
                   const QString& selection, const RowProgress& progress)
{
    const Sheet& sheet = sheetOf(list);
    const QString title = workbookTitle(list) +
                          (selection.isEmpty() ? QString() : QStringLiteral(" — ") + selection);
    bool stopped = false;
    try {
        writeWholeWorkbook(path, [&](const QString& file) {
            return writeSheet(sheet, rows, title, file, progress, stopped);
        });
    } catch (const data::Error&) {
        if (stopped)
            return false; // nothing written: the part went with the error
        throw;
    }
    return true;
}

void writeWholeWorkbook(const QString& path,
                        const std::function<QString(const QString& file)>& fill)
{
    data::writeWhole(path, QStringLiteral("Berkas Excel"), [&](const QString& part) {
        // libxlsxwriter names itself the maker; the finished package is copied with the
        // program's own properties in their place.
        QTemporaryFile written(part + QStringLiteral("-XXXXXX"));
        if (!written.open())
            return written.errorString();
        written.close();
        if (const QString why = fill(written.fileName()); !why.isEmpty())
            return why;
        return copyZipReplacing(written.fileName(), part, QStringLiteral("docProps/app.xml"),
                                appProperties());
    });
}

void writeWorkbook(const QString& list, const Rows& rows, const QString& path)
{
    HeldRowCursor cursor(rows);
    writeWorkbook(list, cursor, path);
}

} // namespace reports
