#include "reports/export.h"

#include "data/deLaporan.h"
#include "data/error.h"
#include "data/placements.h"
#include "data/wholefile.h"
#include "reports/registry.h"

#include <algorithm>
#include <vector>
#include <xlsxwriter.h>

namespace reports {

using data::deLaporan;
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
double widthFor(int characters) { return std::clamp(characters + 2, 8, 80); }

QString writeSheet(const Sheet& sheet, const Rows& rows, const QString& path)
{
    lxw_workbook* book = workbook_new(path.toUtf8().constData());
    if (!book)
        return QStringLiteral("tidak cukup memori");
    lxw_worksheet* ws = workbook_add_worksheet(book, sheet.title);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);

    std::vector<int> index;
    for (const Column& c : sheet.columns)
        index.push_back(rows.columnIndex(QLatin1String(c.name)));
    for (lxw_col_t col = 0; col < sheet.columns.size(); ++col) {
        const QString heading = QString::fromUtf8(sheet.columns[col].heading);
        int widest = int(heading.size());
        worksheet_write_string(ws, 0, col, sheet.columns[col].heading, bold);
        for (lxw_row_t row = 0; row < rows.values.size(); ++row) {
            const QString value = index[col] < 0 ? QString() : rows.value(int(row), index[col]);
            if (value.isEmpty())
                continue;
            // As text, so that "001" keeps its zeros and a date is not read as a number.
            worksheet_write_string(ws, row + 1, col, value.toUtf8().constData(), nullptr);
            widest = std::max(widest, int(value.size()));
        }
        worksheet_set_column(ws, col, col, widthFor(widest), nullptr);
    }
    worksheet_freeze_panes(ws, 1, 0);
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
    // A list that is a report reads what the report prints.
    if (const Layout* report = findLayout(list))
        return deLaporan::instance().run(report->command, report->filter, selection);
    return data::readPlacementList();
}

void writeWorkbook(const QString& list, const Rows& rows, const QString& path)
{
    const Sheet& sheet = sheetOf(list);
    data::writeWhole(path, QStringLiteral("Berkas Excel"),
                     [&](const QString& part) { return writeSheet(sheet, rows, part); });
}

} // namespace reports
