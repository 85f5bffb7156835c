#include "reports/report.h"

#include "data/clock.h"
#include "data/deLaporan.h"

namespace reports {

using data::deLaporan;
using data::Rows;
using data::Selection;

Document readReport(const Layout& layout, const Selection& selection)
{
    Document doc;
    // A document keeps its own copy of the layout: it may outlive the one it was read for.
    doc.layout = std::make_shared<const Layout>(layout);
    doc.rows = std::make_shared<const Rows>(
        deLaporan::instance().run(layout.command, layout.filter, selection));
    doc.rowCount = doc.rows->count();
    doc.today = data::today();
    // A layout naming a column the command lacks is refused now, before anything is shown.
    detailColumns(*doc.layout, doc.rows->columns);
    return doc;
}

Document prepareReport(const Layout& layout, const Selection& selection)
{
    Document doc = readReport(layout, selection);
    layOut(doc);
    return doc;
}

} // namespace reports
