#include "data/worklist.h"
#include "forms.h"
#include "forms/frmDaftarKerja.h"

#include <QSpinBox>
#include <QTableWidget>
#include <benchmark/benchmark.h>

// The large office: 100,000 granted placements over 2005 in 50 units, today 15 January 2005.
namespace {

// Opening the worklist: its four lists read and shown (today's 14 days hold no end).
void BM_OpenWorklist(benchmark::State& state)
{
    bench::useLargeOffice();
    for (auto _ : state) {
        auto* list = bench::openForm<frmDaftarKerja>();
        QCoreApplication::processEvents();
        state.PauseTiming();
        const bool read = bench::child<QTableWidget>(list, "grdSertifikat")->rowCount() >= 0;
        bench::closeForm(list);
        if (!read) {
            state.SkipWithError("no list");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWorklist)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reading alone, over days on which 8,000 placements end.
void BM_ReadWorklist(benchmark::State& state)
{
    bench::useLargeOffice();
    size_t due = 0;
    for (auto _ : state)
        due = data::readWorklist(QDate(2005, 2, 1), QDate(2005, 2, 14)).certificatesDue.size();
    state.counters["due"] = double(due);
}
BENCHMARK(BM_ReadWorklist)->Unit(benchmark::kMillisecond)->UseRealTime();

// The status bar's counts at login.
void BM_DueCounts(benchmark::State& state)
{
    bench::useLargeOffice();
    for (auto _ : state)
        benchmark::DoNotOptimize(data::readDueCounts(QDate(2005, 2, 1)));
}
BENCHMARK(BM_DueCounts)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
