#include "forms.h"
#include "forms/frmSPM.h"

#include <QTableView>

namespace {

// The letter form over 100,000 placements: its grid and the boxes of the grid's first row.
void BM_OpenLetterForm(benchmark::State& state)
{
    bench::measureOpening<frmSPM>(state, [](frmSPM* form) -> const char* {
        if (bench::child<QTableView>(form, "DataGrid1")->model()->rowCount() != bench::LargeOffice)
            return "the grid does not show every placement";
        return nullptr;
    });
}
BENCHMARK(BM_OpenLetterForm)->Unit(benchmark::kMillisecond);

} // namespace
