#include "preview/show.h"

#include "data/clock.h"
#include "platform/guard.h"
#include "platform/windows.h"
#include "preview/preview.h"
#include "preview/saveexcel.h"
#include "preview/selectionbar.h"
#include "preview/yearbar.h"
#include "reports/registry.h"
#include "reports/report.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <optional>

namespace reports {

using data::Selection;

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

// A fresh run of the report in its preview, and the rows it prints on the preview's bar.
void showRun(ReportPreview* preview, Document doc, const Selection& selection)
{
    preview->setDocument(std::move(doc));
    if (auto* bar = preview->findChild<SelectionBar*>())
        bar->setSelection(selection);
}

// The report run again with another selection; a run that fails (no such trainee) is
// reported and leaves the preview, and its bar, as they were.
void select(ReportPreview* preview, const Layout& layout, const Selection& selection)
{
    std::optional<Document> doc;
    if (platform::guarded(preview, [&] { doc = readReport(layout, selection); }))
        showRun(preview, std::move(*doc), selection);
    else if (auto* bar = preview->findChild<SelectionBar*>())
        bar->restore();
}

// The report of another year; a run that fails is reported and leaves the preview, and its
// year, as they were.
void addYearBar(ReportPreview* preview, const Layout& layout, int year)
{
    auto* bar = new YearBar(preview);
    bar->setYear(year);
    preview->hostBar(bar);
    QObject::connect(bar, &YearBar::chosen, preview, [preview, bar, kept = &layout](int chosen) {
        std::optional<Document> doc;
        if (platform::guarded(preview, [&] { doc = readReport(*kept, {}, chosen); })) {
            preview->setDocument(std::move(*doc));
            bar->setYear(chosen);
        } else {
            bar->restore();
        }
    });
}

void addSelectionBar(ReportPreview* preview, const Layout& layout, const Selection& selection)
{
    if (!SelectionBar::offersChoice(layout.command))
        return;
    auto* bar = new SelectionBar(layout.command, preview);
    bar->setSelection(selection);
    preview->hostBar(bar);
    QObject::connect(bar, &SelectionBar::selected, preview,
                     [preview, kept = &layout](const Selection& s) { select(preview, *kept, s); });
}

} // namespace

namespace {
// A new preview, dressed by `dress` (its bar, its actions), shown a step from the last one.
ReportPreview* openPreview(Document doc, QWidget* owner,
                           const std::function<void(ReportPreview*)>& dress = {})
{
    const QString name = doc.layout->name;
    auto* preview = new ReportPreview(std::move(doc), owner);
    if (dress)
        dress(preview);
    platform::Windows::remember(name, preview);
    cascade(preview);
    platform::showWindow(preview);
    return preview;
}
} // namespace

QWidget* showDocument(Document doc, QWidget* owner)
{
    if (auto* open = qobject_cast<ReportPreview*>(platform::Windows::find(doc.layout->name))) {
        open->setDocument(std::move(doc));
        platform::showWindow(open);
        return open;
    }
    return openPreview(std::move(doc), owner);
}

QWidget* show(const QString& name, QWidget* owner, const Selection& selection)
{
    auto* open = qobject_cast<ReportPreview*>(platform::Windows::find(name));
    const Layout* layout = findLayout(name);
    // A report of one year shows this year, or the year its open preview shows.
    const YearBar* openYear = open ? open->findChild<YearBar*>() : nullptr;
    const int year = openYear ? openYear->year() : data::today().year();
    std::optional<Document> doc;
    const bool ready = platform::guarded(owner, [&] {
        if (!layout)
            throw data::Error(QStringLiteral("Laporan %1 tidak dikenal.").arg(name));
        doc = readReport(*layout, selection, year);
    });
    if (!ready)
        return nullptr;
    if (open) {
        // Shown again, the report reads its rows again: what was deleted since is gone.
        showRun(open, std::move(*doc), selection);
        platform::showWindow(open);
        return open;
    }
    return openPreview(std::move(*doc), owner, [&](ReportPreview* preview) {
        addExcelExport(preview);
        if (layout->takesYear())
            addYearBar(preview, *layout, year);
        else
            addSelectionBar(preview, *layout, selection);
    });
}

} // namespace reports
