#pragma once

#include "data/selection.h"
#include "reports/engine/pager.h"

namespace reports {

// Runs the report's command on deLaporan, narrowed to the selection, and keeps its rows, "%D"
// as today; the pages are laid out as they are drawn. Throws data::Error when the command
// fails (SelectionError when the selection names nothing the report can print).
Document readReport(const Layout& layout, const data::Selection& selection = {});

// The same with every page laid out, for a small report whose pages are inspected.
Document prepareReport(const Layout& layout, const data::Selection& selection = {});

// What a selection's rows are, as a document's title names them: the trainee's number and
// name ("001 Budi Santoso"), "Nomor surat 7:20", "Bulan mulai Maret 2005"; empty for every row.
// Throws data::Error when the trainees cannot be read.
QString selectionTitle(const data::Selection& selection);

} // namespace reports
