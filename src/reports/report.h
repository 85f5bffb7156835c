#pragma once

#include "reports/engine/pager.h"

namespace reports {

// Runs the report's command on deLaporan and lays its rows out on pages, "%D" as today.
// Throws data::Error when the command fails.
Document prepareReport(const Layout& layout);

} // namespace reports
