#pragma once

#include "reports/engine/pager.h"

namespace reports {

// Runs the report's command on deLaporan and keeps its rows, "%D" as today; the pages are laid
// out as they are drawn. Throws data::Error when the command fails.
Document readReport(const Layout& layout);

// The same with every page laid out, for a small report whose pages are inspected.
Document prepareReport(const Layout& layout);

} // namespace reports
