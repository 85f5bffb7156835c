#pragma once

#include "data/selection.h"
#include "reports/engine/pager.h"

namespace reports {

// A report of one year (Layout::takesYear) prints `year`, this year when it is 0; the other
// reports take no year.

// The layout as a run prints it: "%Y" in the labels of a report of one year is its year.
Layout layoutOfRun(const Layout& layout, int year = 0);

// The rows a run prints, read as they are walked: those of its year for a report of one year,
// else its command's narrowed to the selection. Throws data::Error as readReport.
std::unique_ptr<data::RowCursor> openRows(const Layout& layout, const data::Selection& selection,
                                          int year = 0);

// What a run's rows are, as a document's title names them: the selection's (selectionTitle),
// or "Tahun 2026" for a report of one year.
QString rowsTitle(const Layout& layout, const data::Selection& selection, int year = 0);
// The year a run of a report of one year prints: `year`, or this year for 0.
int yearOfRun(int year);
// "Tahun 2026": what a document or workbook of one year is of.
QString yearTitle(int year);

// Reads the rows of a run and keeps them, "%D" as today; the pages are laid out as they are
// drawn. Throws data::Error when the command fails (SelectionError when the selection names
// nothing the report can print).
Document readReport(const Layout& layout, const data::Selection& selection = {}, int year = 0);

// The same with every page laid out, for a small report whose pages are inspected.
Document prepareReport(const Layout& layout, const data::Selection& selection = {}, int year = 0);

// What a selection's rows are, as a document's title names them: the trainee's number and
// name ("001 Budi Santoso"), "Nomor surat 7:20", "Bulan mulai Maret 2005"; empty for every row.
// Throws data::Error when the trainees cannot be read.
QString selectionTitle(const data::Selection& selection);

} // namespace reports
