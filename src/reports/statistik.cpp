#include "reports/statistik.h"

#include "data/clock.h"
#include "data/statistik.h"
#include "reports/export.h"
#include "reports/registry.h"
#include "reports/report.h"

#include <xlsxwriter.h>

namespace reports {

using statistik::Line;
using statistik::Table;

namespace {

const QStringList columns{"Tahun",  "Judul",  "Kepala", "KepalaJumlah", "KepalaPersen", "Nama",
                          "Jumlah", "Persen", "Batang", "Catatan",      "Bersama"};
enum Column {
    Tahun,
    Judul,
    Kepala,
    KepalaJumlah,
    KepalaPersen,
    Nama,
    Jumlah,
    Persen,
    Batang,
    Catatan,
    Bersama
};

// A table of this many printed rows stays on one page; a longer one starts with its title, its
// heads and three lines at least.
constexpr int KeptWhole = 16;
constexpr int KeptAtStart = 5;

void addRow(data::Rows& rows, std::initializer_list<std::pair<Column, QString>> cells)
{
    QStringList row(columns.size());
    for (const auto& [column, text] : cells)
        row[column] = text;
    rows.append(row);
}

void addTable(data::Rows& rows, const Table& table, const QString& note)
{
    const int total = table.total(), largest = table.largest();
    const int printed = 3 + int(std::max<size_t>(table.lines.size(), 1)) + (note.isEmpty() ? 0 : 1);
    addRow(rows, {{Judul, table.title},
                  {Bersama, QString::number(printed <= KeptWhole ? printed : KeptAtStart)}});
    addRow(rows, {{Kepala, table.heading}, {KepalaJumlah, table.counted}, {KepalaPersen, "%"}});
    for (const Line& line : table.lines)
        addRow(rows,
               {{Nama, line.name},
                {Jumlah, QString::number(line.count)},
                {Persen, table.share(line.count)},
                {Batang, largest ? QString::number(double(line.count) / largest, 'g', 6) : ""}});
    if (table.lines.empty())
        addRow(rows, {{Nama, QStringLiteral("(tidak ada)")}});
    addRow(rows, {{Kepala, QStringLiteral("Jumlah")},
                  {KepalaJumlah, QString::number(total)},
                  {KepalaPersen, total ? QStringLiteral("100%") : QString()}});
    if (!note.isEmpty())
        addRow(rows, {{Catatan, note}});
    addRow(rows, {});
}

// Excel's sheet names: at most 31 characters.
QByteArray sheetName(const Table& table) { return table.heading.left(31).toUtf8(); }

// A cursor over rows of its own.
class KeptRows : public data::RowCursor {
public:
    explicit KeptRows(data::Rows rows) : m_rows(std::move(rows)), m_cursor(m_rows)
    {
        m_columns = m_rows.columns;
    }
    bool next() override { return m_cursor.next(); }
    QString value(int column) const override { return m_cursor.value(column); }

private:
    data::Rows m_rows;
    data::HeldRowCursor m_cursor;
};

QString fillWorkbook(const statistik::Year& year, const QString& file)
{
    lxw_workbook* book = workbook_new(file.toUtf8().constData());
    if (!book)
        return QStringLiteral("tidak cukup memori");
    const QByteArray title =
        documentTitle(*findLayout(QStringLiteral("drStatistik")), yearTitle(year.year)).toUtf8();
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(title.constData());
    properties.author = const_cast<char*>("Kursan");
    workbook_set_properties(book, &properties);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    for (const Table* table : year.tables()) {
        lxw_worksheet* ws = workbook_add_worksheet(book, sheetName(*table).constData());
        qsizetype widest = table->heading.size();
        worksheet_write_string(ws, 0, 0, table->heading.toUtf8().constData(), bold);
        worksheet_write_string(ws, 0, 1, table->counted.toUtf8().constData(), bold);
        lxw_row_t row = 1;
        for (const Line& line : table->lines) {
            worksheet_write_string(ws, row, 0, line.name.toUtf8().constData(), nullptr);
            worksheet_write_number(ws, row++, 1, line.count, nullptr);
            widest = std::max(widest, line.name.size());
        }
        worksheet_write_string(ws, row, 0, "Jumlah", bold);
        worksheet_write_number(ws, row++, 1, table->total(), bold);
        if (table == &year.months && !year.note().isEmpty())
            worksheet_write_string(ws, ++row, 0, year.note().toUtf8().constData(), nullptr);
        worksheet_set_column(ws, 0, 0, double(std::min<qsizetype>(widest, 60) + 2), nullptr);
        worksheet_set_column(ws, 1, 1, 10, nullptr);
        worksheet_freeze_panes(ws, 1, 0);
    }
    const lxw_error error = workbook_close(book);
    return error == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(error));
}

} // namespace

data::Rows statistikRows(const statistik::Year& year)
{
    data::Rows rows;
    rows.columns = columns;
    addRow(rows, {{Tahun, QStringLiteral("TAHUN %1").arg(year.year)}});
    addRow(rows, {});
    for (const Table* table : year.tables())
        addTable(rows, *table, table == &year.months ? year.note() : QString());
    return rows;
}

Document statistikReport(const statistik::Year& year)
{
    Document doc;
    doc.layout = std::make_shared<const Layout>(*findLayout(QStringLiteral("drStatistik")));
    doc.rows = std::make_shared<const data::Rows>(statistikRows(year));
    doc.rowCount = doc.rows->count();
    doc.today = data::today();
    doc.selection = yearTitle(year.year);
    return doc;
}

std::unique_ptr<data::RowCursor> statistikRowsOfYear(int year)
{
    return std::make_unique<KeptRows>(statistikRows(data::readStatistik(year)));
}

void writeStatistikWorkbook(const statistik::Year& year, const QString& path)
{
    writeWholeWorkbook(path, [&year](const QString& file) { return fillWorkbook(year, file); });
}

void statistikWorkbookOfYear(int year, const QString& path)
{
    writeStatistikWorkbook(data::readStatistik(year), path);
}

} // namespace reports
