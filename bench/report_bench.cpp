#include "generate.h"
#include "reports/engine/painter.h"
#include "reports/engine/pdffile.h"
#include "reports/registry.h"
#include "reports/report.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

constexpr int Trainees = 10000;

QString listDatabase() { return bench::useDatabase(Trainees); }

QString outputPdf() { return QDir::temp().filePath(QStringLiteral("kursan-bench-drKursan.pdf")); }

// What the trainee list draws: per page, its texts and the number of its lines and rectangles.
struct PageWork {
    QStringList texts;
    int shapes = 0;
};

const std::vector<PageWork>& traineeListWork()
{
    static const std::vector<PageWork> work = [] {
        listDatabase();
        const reports::Document doc = reports::prepareReport(*reports::findLayout("drKursan"));
        std::vector<PageWork> pages;
        for (const reports::Page& page : doc.pages) {
            PageWork w;
            for (const reports::PageItem& item : page.items) {
                if (item.kind == reports::ItemKind::Text)
                    w.texts << item.text;
                else
                    ++w.shapes;
            }
            pages.push_back(w);
        }
        return pages;
    }();
    return work;
}

// The trainee list of 10,000 rows written by the batch printer, start to end of the process.
void BM_KursanCetakTraineeList(benchmark::State& state)
{
    const QString db = listDatabase();
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(KURSAN_CETAK), {db, QStringLiteral("drKursan"), outputPdf()});
        p.waitForFinished(-1);
        if (p.exitCode() != 0)
            state.SkipWithError(p.readAllStandardError().constData());
    }
}
BENCHMARK(BM_KursanCetakTraineeList)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same inside this process: command, pages and PDF.
void BM_TraineeListToPdfInProcess(benchmark::State& state)
{
    listDatabase();
    const reports::Layout& layout = *reports::findLayout("drKursan");
    for (auto _ : state) {
        const reports::Document doc = reports::prepareReport(layout);
        reports::writePdf(doc, outputPdf());
        state.counters["pages"] = double(doc.pages.size());
    }
}
BENCHMARK(BM_TraineeListToPdfInProcess)->Unit(benchmark::kMillisecond);

// The baseline: QPdfWriter drawing as many texts and rectangles on as many pages, nothing else.
// `reportPen`: the report's 15-twip pen; Qt's default pen makes rectangles far slower to write.
void barePdfWriterLoop(benchmark::State& state, bool reportPen)
{
    const std::vector<PageWork>& pages = traineeListWork();
    int items = 0;
    for (const PageWork& w : pages)
        items += w.texts.size() + w.shapes;
    for (auto _ : state) {
        QPdfWriter writer(outputPdf());
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter p(&writer);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(8.25);
        p.setFont(font);
        if (reportPen)
            p.setPen(QPen(Qt::black, 15 * writer.logicalDpiX() / 1440.0));
        const qreal row = writer.logicalDpiY() / 3.0;
        for (size_t n = 0; n < pages.size(); ++n) {
            if (n > 0)
                writer.newPage();
            int i = 0;
            for (const QString& text : pages[n].texts) {
                p.drawText(QPointF(200 + (i % 10) * 900, 200 + (i / 10) * row), text);
                ++i;
            }
            for (int s = 0; s < pages[n].shapes; ++s)
                p.drawRect(QRectF(200 + (s % 9) * 900, 150 + (s / 9) * row, 900, row));
        }
    }
    state.counters["pages"] = double(pages.size());
    state.counters["items"] = items;
}

void BM_BarePdfWriterLoop(benchmark::State& state) { barePdfWriterLoop(state, true); }
BENCHMARK(BM_BarePdfWriterLoop)->Unit(benchmark::kMillisecond);

void BM_BarePdfWriterLoopDefaultPen(benchmark::State& state) { barePdfWriterLoop(state, false); }
BENCHMARK(BM_BarePdfWriterLoopDefaultPen)->Unit(benchmark::kMillisecond);

} // namespace
