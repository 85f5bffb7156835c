#include "forms.h"
#include "forms/frmKursan.h"
#include "forms/frmSPM.h"
#include "forms/frmUnit.h"
#include "memory.h"

#include <benchmark/benchmark.h>

// Whole-process peaks, each measured in a fresh copy of this program.
namespace {

// The floor: the program started on the large database, no form open.
const bool floorRegistered = bench::addScenario("floor", [] { bench::useLargeOffice(); });

// The data forms a clerk keeps open side by side.
void openDataForms()
{
    bench::openForm<frmUnit>();
    bench::openForm<frmKursan>();
    bench::openForm<frmSPM>();
}

const bool formsRegistered = bench::addScenario("data forms open", [] {
    bench::useLargeOffice();
    openDataForms();
});

void reportScenarios(benchmark::State& state, const QString& measured)
{
    bench::useLargeOffice(); // written here, so the scenarios only read it
    qint64 peak = -1, floor = -1;
    for (auto _ : state) {
        peak = bench::scenarioPeak(measured);
        floor = bench::scenarioPeak(QStringLiteral("floor"));
        if (peak < 0 || floor < 0)
            state.SkipWithError("a scenario failed");
    }
    state.counters["peak_MiB"] = double(peak) / bench::MiB;
    state.counters["floor_MiB"] = double(floor) / bench::MiB;
}

// Peak memory of the program with the unit, trainee and letter forms open over 100,000
// trainees.
void BM_DataFormsOpenPeak(benchmark::State& state)
{
    reportScenarios(state, QStringLiteral("data forms open"));
}
BENCHMARK(BM_DataFormsOpenPeak)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
