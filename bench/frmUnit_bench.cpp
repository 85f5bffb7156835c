#include "forms.h"
#include "forms/frmUnit.h"

namespace {

void BM_OpenUnitForm(benchmark::State& state) { bench::measureOpening<frmUnit>(state); }
BENCHMARK(BM_OpenUnitForm)->Unit(benchmark::kMillisecond);

} // namespace
