#include "reports/show.h"

#include "platform/guard.h"
#include "platform/windows.h"
#include "reports/engine/preview.h"
#include "reports/registry.h"
#include "reports/report.h"
#include "reports/saveexcel.h"

#include <optional>

namespace reports {

QWidget* show(const QString& name, QWidget* owner)
{
    if (QWidget* open = platform::Windows::find(name)) {
        platform::showWindow(open);
        return open;
    }
    std::optional<Document> doc;
    const bool ready = platform::guarded(owner, [&] {
        const Layout* layout = findLayout(name);
        if (!layout)
            throw data::Error(QStringLiteral("Laporan %1 tidak dikenal.").arg(name));
        doc = prepareReport(*layout);
    });
    if (!ready)
        return nullptr;
    auto* preview = new ReportPreview(std::move(*doc), owner);
    addExcelExport(preview);
    platform::Windows::remember(name, preview);
    platform::showWindow(preview);
    return preview;
}

} // namespace reports
