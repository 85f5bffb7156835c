#pragma once

#include "reports/engine/pager.h"
#include "reports/selection.h"

namespace reports {

// Runs the report's command on deLaporan, narrowed to the selection, and lays its rows out on
// pages, "%D" as today. Throws data::Error when the command fails (SelectionError when the
// selection names nothing the report can print).
Document prepareReport(const Layout& layout, const Selection& selection = {});

} // namespace reports
