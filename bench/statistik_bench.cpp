#include "data/statistik.h"
#include "forms.h"
#include "forms/frmStatistik.h"
#include "reports/statistik.h"

#include <QSpinBox>
#include <benchmark/benchmark.h>

// The large office: 100,000 granted placements starting in 2005, every letter numbered in 2005.
namespace {

// Opening the window: the year counted, five tables and five charts, the first paint.
void BM_OpenStatistik(benchmark::State& state)
{
    bench::useLargeOffice();
    for (auto _ : state) {
        auto* form = bench::openForm<frmStatistik>();
        QCoreApplication::processEvents();
        state.PauseTiming();
        const bool everyTrainee = form->shown().months.total() == bench::LargeOffice;
        bench::closeForm(form);
        if (!everyTrainee) {
            state.SkipWithError("wrong count");
            break; // timing must not resume after an error
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenStatistik)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of opening: the same rows read and counted, no window.
void BM_ReadStatistik(benchmark::State& state)
{
    bench::useLargeOffice();
    for (auto _ : state)
        benchmark::DoNotOptimize(data::readStatistik(2005));
}
BENCHMARK(BM_ReadStatistik)->Unit(benchmark::kMillisecond)->UseRealTime();

// One step of the year arrows: another year counted and shown (2004 and 2006 hold little).
void BM_StatistikChangeYear(benchmark::State& state)
{
    bench::useLargeOffice();
    auto* form = bench::openForm<frmStatistik>();
    QCoreApplication::processEvents();
    auto* year = bench::child<QSpinBox>(form, "txtTahun");
    int step = 1;
    for (auto _ : state) {
        year->stepBy(step);
        QCoreApplication::processEvents();
        step = -step;
    }
    bench::closeForm(form);
}
BENCHMARK(BM_StatistikChangeYear)->Unit(benchmark::kMillisecond)->UseRealTime();

// The printed report of the year laid out whole (its few pages).
void BM_StatistikReport(benchmark::State& state)
{
    bench::useLargeOffice();
    const statistik::Year year = data::readStatistik(2005);
    for (auto _ : state) {
        reports::Document doc = reports::statistikReport(year);
        reports::layOut(doc);
        benchmark::DoNotOptimize(doc.pages.size());
    }
}
BENCHMARK(BM_StatistikReport)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
