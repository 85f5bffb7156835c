#include "reports/show.h"

#include "platform/guard.h"
#include "platform/windows.h"
#include "reports/engine/preview.h"
#include "reports/registry.h"
#include "reports/report.h"
#include "reports/saveexcel.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <optional>

namespace reports {

namespace {

// A new preview opens this far right of and below the last one, so both can be seen.
constexpr int cascadeStep = 30; // pixels

QPointer<QWidget>& lastOpened()
{
    static QPointer<QWidget> last;
    return last;
}

void cascade(QWidget* preview)
{
    QWidget* last = lastOpened();
    lastOpened() = preview;
    if (!last || !last->isVisible())
        return;
    QPoint at = last->pos() + QPoint(cascadeStep, cascadeStep);
    if (const QScreen* screen = last->screen()) {
        // Back to the top left of the screen before the title bar would leave it.
        const QRect area = screen->availableGeometry().adjusted(0, 0, -200, -100);
        if (!area.contains(at))
            at = area.topLeft();
    }
    preview->move(at);
}

} // namespace

QWidget* show(const QString& name, QWidget* owner)
{
    auto* open = qobject_cast<ReportPreview*>(platform::Windows::find(name));
    std::optional<Document> doc;
    const bool ready = platform::guarded(owner, [&] {
        const Layout* layout = findLayout(name);
        if (!layout)
            throw data::Error(QStringLiteral("Laporan %1 tidak dikenal.").arg(name));
        doc = readReport(*layout);
    });
    if (!ready)
        return nullptr;
    if (open) {
        // Shown again, the report reads its rows again: what was deleted since is gone.
        open->setDocument(std::move(*doc));
        platform::showWindow(open);
        return open;
    }
    auto* preview = new ReportPreview(std::move(*doc), owner);
    addExcelExport(preview);
    platform::Windows::remember(name, preview);
    cascade(preview);
    platform::showWindow(preview);
    return preview;
}

} // namespace reports
