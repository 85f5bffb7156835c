#include "reports/report.h"

#include "platform/clock.h"
#include "reports/deLaporan.h"

namespace reports {

Document prepareReport(const Layout& layout)
{
    return paginate(layout, deLaporan::instance().run(layout.command, layout.filter),
                    platform::today());
}

} // namespace reports
