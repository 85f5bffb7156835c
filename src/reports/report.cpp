#include "reports/report.h"

#include "platform/clock.h"
#include "reports/deLaporan.h"

namespace reports {

Document prepareReport(const Layout& layout, const Selection& selection)
{
    auto rows = std::make_shared<const Rows>(
        deLaporan::instance().run(layout.command, layout.filter, selection));
    Document doc = paginate(layout, *rows, platform::today());
    doc.rows = std::move(rows); // the preview hands these same rows to a workbook
    return doc;
}

} // namespace reports
