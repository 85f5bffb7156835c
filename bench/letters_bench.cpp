#include "generate.h"
#include "reports/engine/painter.h"
#include "reports/engine/pdffile.h"
#include "reports/registry.h"
#include "reports/report.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int Letters = 1000;

void useLetterDatabase() { bench::useDatabase(Letters); }

QString outputPdf() { return QDir::temp().filePath(QStringLiteral("kursan-bench-drSPM.pdf")); }

// 1,000 exploration letters, one per page: command, pages and PDF, as the preview saves them.
void BM_ThousandLettersToPdf(benchmark::State& state)
{
    useLetterDatabase();
    const reports::Layout& layout = *reports::findLayout(QStringLiteral("drSPM"));
    for (auto _ : state) {
        const reports::Document doc = reports::readReport(layout);
        if (doc.rowCount != Letters || !reports::writePdf(doc, outputPdf()))
            state.SkipWithError("the letters were not written");
    }
}
BENCHMARK(BM_ThousandLettersToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// The share of the pager: the command and the laid-out pages, no drawing.
void BM_ThousandLettersPaged(benchmark::State& state)
{
    useLetterDatabase();
    const reports::Layout& layout = *reports::findLayout(QStringLiteral("drSPM"));
    for (auto _ : state)
        benchmark::DoNotOptimize(reports::prepareReport(layout));
}
BENCHMARK(BM_ThousandLettersPaged)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
