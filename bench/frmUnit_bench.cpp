#include "forms.h"
#include "forms/frmUnit.h"
#include "memory.h"

#include <benchmark/benchmark.h>

namespace {

void BM_OpenUnitForm(benchmark::State& state)
{
    bench::useLargeOffice();
    bench::PeakMemory memory;
    for (auto _ : state) {
        state.PauseTiming();
        memory.start();
        state.ResumeTiming();
        frmUnit* form = bench::openForm<frmUnit>();
        state.PauseTiming(); // closing is not part of opening
        memory.stop();
        bench::closeForm(form);
        state.ResumeTiming();
    }
    memory.report(state);
}
BENCHMARK(BM_OpenUnitForm)->Unit(benchmark::kMillisecond);

} // namespace
