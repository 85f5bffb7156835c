#pragma once

#include "reports/engine/pager.h"
#include "rules/statistik.h"

#include <QString>

namespace reports {

// The printed statistics of a year (layout drStatistik): its rows, one a printed line, and the
// document, titled "Statistik Tahunan — Tahun 2026", with "%D" as today.
data::Rows statistikRows(const statistik::Year& year);
Document statistikReport(const statistik::Year& year);
// The rows of a year counted afresh, as the batch printer reads them. Throws data::Error.
std::unique_ptr<data::RowCursor> statistikRowsOfYear(int year);

// Writes the year's tables as a workbook, one sheet a table (a heading row, the lines, the
// total), titled as the report, author and application "Kursan"; the note on what the months
// leave out goes under the months. Replaced whole or not at all; throws data::Error when the
// file cannot be written.
void writeStatistikWorkbook(const statistik::Year& year, const QString& path);
// The same of a year counted afresh, as the batch printer writes it.
void statistikWorkbookOfYear(int year, const QString& path);

} // namespace reports
