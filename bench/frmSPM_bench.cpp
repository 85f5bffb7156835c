#include "forms.h"
#include "forms/frmSPM.h"
#include "memory.h"

#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

// The letter form over 100,000 placements: its grid and the boxes of the grid's first row.
void BM_OpenLetterForm(benchmark::State& state)
{
    bench::useLargeOffice();
    bench::PeakMemory memory;
    for (auto _ : state) {
        state.PauseTiming();
        memory.start();
        state.ResumeTiming();
        frmSPM* form = bench::openForm<frmSPM>();
        state.PauseTiming(); // closing is not part of opening
        memory.stop();
        if (bench::child<QTableView>(form, "DataGrid1")->model()->rowCount() != bench::LargeOffice)
            state.SkipWithError("the grid does not show every placement");
        bench::closeForm(form);
        state.ResumeTiming();
    }
    memory.report(state);
}
BENCHMARK(BM_OpenLetterForm)->Unit(benchmark::kMillisecond);

} // namespace
