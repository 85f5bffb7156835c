#include "data/deLaporan.h"
#include "forms.h"
#include "generate.h"
#include "preview/preview.h"
#include "preview/show.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

using data::Selection;
using reports::ReportPreview;

// Trainees in the middle of the large office, one letter each.
const QString Trainee = QStringLiteral("54321");
const QString OtherTrainee = QStringLiteral("12345");

void closePreview(ReportPreview* preview)
{
    preview->close(); // deleted on close
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens the letter preview, its page drawn; checks it holds one page.
void openAndClose(benchmark::State& state, const Selection& selection)
{
    for (auto _ : state) {
        auto* preview = qobject_cast<ReportPreview*>(
            reports::show(QStringLiteral("drSPM"), nullptr, selection));
        QCoreApplication::processEvents();
        state.PauseTiming();
        const bool onePage = preview && preview->pageCount() == 1;
        if (preview)
            closePreview(preview);
        if (!onePage) {
            state.SkipWithError("not one page");
            break; // timing must not resume after an error
        }
        state.ResumeTiming();
    }
}

// "Cetak SPM" at one trainee of 100,000: the trainee looked up, the command narrowed to its
// rows, the page laid out, the preview shown with its page drawn.
void BM_SelectedTraineeLetterPreview(benchmark::State& state)
{
    bench::useLargeOffice();
    openAndClose(state, Selection::trainee(Trainee));
}
BENCHMARK(BM_SelectedTraineeLetterPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same trainee found by name.
void BM_SelectedTraineeByNameLetterPreview(benchmark::State& state)
{
    bench::useLargeOffice();
    openAndClose(state, Selection::trainee(QStringLiteral("Kursan ") + Trainee));
}
BENCHMARK(BM_SelectedTraineeByNameLetterPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

// An open preview changed to another trainee through its bar: the run again and the redraw.
void BM_SelectedTraineeChangedInTheBar(benchmark::State& state)
{
    bench::useLargeOffice();
    auto* preview = qobject_cast<ReportPreview*>(
        reports::show(QStringLiteral("drSPM"), nullptr, Selection::trainee(Trainee)));
    auto* text = preview ? preview->findChild<QLineEdit*>(QStringLiteral("txtPilihan")) : nullptr;
    if (!text) {
        state.SkipWithError("no selection bar");
        return;
    }
    QCoreApplication::processEvents();
    bool other = false;
    for (auto _ : state) {
        other = !other;
        text->setText(other ? OtherTrainee : Trainee);
        emit text->returnPressed();
        QCoreApplication::processEvents();
    }
    if (preview->pageCount() != 1)
        state.SkipWithError("not one page");
    closePreview(preview);
}
BENCHMARK(BM_SelectedTraineeChangedInTheBar)->Unit(benchmark::kMillisecond)->UseRealTime();

// The share of the database: the lookup and the narrowed command alone.
void BM_SelectedTraineeRows(benchmark::State& state)
{
    bench::useLargeOffice();
    const Selection trainee = Selection::trainee(Trainee);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            data::deLaporan::instance().run(QStringLiteral("cmdSPM"), {}, trainee));
}
BENCHMARK(BM_SelectedTraineeRows)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the same preview of an office of one trainee, nothing to narrow.
void BM_OneLetterOfficePreview(benchmark::State& state)
{
    bench::useDatabase(1);
    openAndClose(state, Selection());
}
BENCHMARK(BM_OneLetterOfficePreview)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
