#include "data/deLaporan.h"
#include "generate.h"
#include "memory.h"
#include "reports/engine/painter.h"
#include "reports/engine/pdffile.h"
#include "reports/registry.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <ctime>
#include <map>

namespace {

constexpr int Trainees = 10000;
constexpr int LargeList = 100000;
constexpr int HugeList = 1000000;
constexpr int SmallList = 1000;

QString listDatabase() { return bench::useDatabase(Trainees); }

QString outputPdf(const QString& name = QStringLiteral("drKursan"))
{
    return QDir::temp().filePath(QStringLiteral("kursan-bench-%1.pdf").arg(name));
}

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

// What the trainee list draws: per page, its texts and the number of its lines and rectangles.
struct PageWork {
    QStringList texts;
    int shapes = 0;
};

const std::vector<PageWork>& traineeListWork(int trainees)
{
    static std::map<int, std::vector<PageWork>> made;
    std::vector<PageWork>& pages = made[trainees];
    if (!pages.empty())
        return pages;
    bench::useDatabase(trainees);
    const reports::Layout& layout = *reports::findLayout("drKursan");
    auto rows = data::deLaporan::instance().cursor(layout.command, layout.filter);
    reports::Pager pager(layout, *rows, QDate::currentDate());
    reports::Page page;
    while (pager.next(page)) {
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
}

// QPdfWriter drawing as many texts and rectangles on as many pages, nothing else.
// `reportPen`: the report's 15-twip pen; Qt's default pen makes rectangles far slower to write.
void drawBare(const std::vector<PageWork>& pages, bool reportPen, const QString& output)
{
    QPdfWriter writer(output);
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

// The same inside this process: command, pages and PDF, a page at a time.
void BM_TraineeListToPdfInProcess(benchmark::State& state)
{
    listDatabase();
    const reports::Layout& layout = *reports::findLayout("drKursan");
    for (auto _ : state) {
        auto rows = data::deLaporan::instance().cursor(layout.command, layout.filter);
        reports::Pager pager(layout, *rows, QDate::currentDate());
        if (!reports::writePdf(pager, outputPdf(), layout.title))
            state.SkipWithError("the list was not written");
        state.counters["pages"] = pager.pagesDone();
    }
}
BENCHMARK(BM_TraineeListToPdfInProcess)->Unit(benchmark::kMillisecond);

// The share of the pager in that: the command read and its pages laid out, none drawn.
void BM_TraineeListPagedInProcess(benchmark::State& state)
{
    listDatabase();
    const reports::Layout& layout = *reports::findLayout("drKursan");
    for (auto _ : state) {
        auto rows = data::deLaporan::instance().cursor(layout.command, layout.filter);
        reports::Pager pager(layout, *rows, QDate::currentDate());
        reports::Page page;
        while (pager.next(page))
            benchmark::DoNotOptimize(page.items.data());
    }
}
BENCHMARK(BM_TraineeListPagedInProcess)->Unit(benchmark::kMillisecond);

void barePdfWriterLoop(benchmark::State& state, bool reportPen)
{
    const std::vector<PageWork>& pages = traineeListWork(Trainees);
    int items = 0;
    for (const PageWork& w : pages)
        items += w.texts.size() + w.shapes;
    for (auto _ : state)
        drawBare(pages, reportPen, outputPdf());
    state.counters["pages"] = double(pages.size());
    state.counters["items"] = items;
}

// The baseline of the 10,000-row list.
void BM_BarePdfWriterLoop(benchmark::State& state) { barePdfWriterLoop(state, true); }
BENCHMARK(BM_BarePdfWriterLoop)->Unit(benchmark::kMillisecond);

void BM_BarePdfWriterLoopDefaultPen(benchmark::State& state) { barePdfWriterLoop(state, false); }
BENCHMARK(BM_BarePdfWriterLoopDefaultPen)->Unit(benchmark::kMillisecond);

// The batch printer writing a list of the database of `trainees` trainees, measured from
// outside; to an Excel workbook with the suffix ".xlsx". A report of one year prints the year of
// the generated letters.
bench::MeasuredRun cetakList(const QString& report, int trainees,
                             const QString& suffix = QStringLiteral(".pdf"))
{
    const QString output = QDir::temp().filePath(
        QStringLiteral("kursan-bench-%1-%2%3").arg(report).arg(trainees).arg(suffix));
    QStringList arguments{bench::useDatabase(trainees), report, output};
    if (reports::findLayout(report)->takesYear())
        arguments << QStringLiteral("--tahun") << QStringLiteral("2005");
    const bench::MeasuredRun run = bench::runMeasured(QStringLiteral(KURSAN_CETAK), arguments);
    QFile::remove(output);
    return run;
}

bench::MeasuredRun cetakTraineeList(int trainees, const QString& suffix = QStringLiteral(".pdf"))
{
    return cetakList(QStringLiteral("drKursan"), trainees, suffix);
}

// 100,000 trainees by the batch printer: its peak memory against that of a 1,000-trainee list
// (floor_MiB), and its CPU time against the bare QPdfWriter loop drawing the same items with
// the same pen in this process (bare_cpu_s; cpu_ratio = cpu_s / bare_cpu_s).
void BM_KursanCetakLargeTraineeList(benchmark::State& state)
{
    const std::vector<PageWork>& pages = traineeListWork(LargeList);
    bench::useDatabase(SmallList);
    bench::MeasuredRun large, small;
    double bare = 0;
    for (auto _ : state) {
        large = cetakTraineeList(LargeList);
        small = cetakTraineeList(SmallList);
        const double before = processCpuSeconds();
        drawBare(pages, true, outputPdf(QStringLiteral("bare")));
        bare = processCpuSeconds() - before;
        if (large.exitCode != 0 || small.exitCode != 0)
            state.SkipWithError("kursan-cetak failed");
    }
    QFile::remove(outputPdf(QStringLiteral("bare")));
    state.counters["pages"] = double(pages.size());
    state.counters["peak_MiB"] = double(large.peakBytes) / bench::MiB;
    state.counters["floor_MiB"] = double(small.peakBytes) / bench::MiB;
    state.counters["cpu_s"] = large.cpuSeconds;
    state.counters["bare_cpu_s"] = bare;
    state.counters["cpu_ratio"] = large.cpuSeconds / bare;
}
BENCHMARK(BM_KursanCetakLargeTraineeList)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// 1,000,000 trainees (37,000 pages) by the batch printer: its peak memory against that of a
// 1,000-trainee list. Minutes long, so it runs only when asked for
// (--benchmark_filter=Million); the database is written once and kept in the temporary folder.
void BM_KursanCetakMillionTraineeList(benchmark::State& state)
{
    bench::useDatabase(SmallList);
    bench::MeasuredRun huge, small;
    for (auto _ : state) {
        huge = cetakTraineeList(HugeList);
        small = cetakTraineeList(SmallList);
        if (huge.exitCode != 0 || small.exitCode != 0)
            state.SkipWithError("kursan-cetak failed");
    }
    state.counters["peak_MiB"] = double(huge.peakBytes) / bench::MiB;
    state.counters["floor_MiB"] = double(small.peakBytes) / bench::MiB;
    state.counters["cpu_s"] = huge.cpuSeconds;
}
BENCHMARK(BM_KursanCetakMillionTraineeList)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// The trainee list of `trainees` rows as an Excel workbook by the batch printer: its peak
// memory against that of a 1,000-trainee workbook (floor_MiB), and its CPU time.
void traineeWorkbook(benchmark::State& state, int trainees)
{
    bench::useDatabase(SmallList);
    bench::MeasuredRun run, small;
    for (auto _ : state) {
        run = cetakTraineeList(trainees, QStringLiteral(".xlsx"));
        small = cetakTraineeList(SmallList, QStringLiteral(".xlsx"));
        if (run.exitCode != 0 || small.exitCode != 0)
            state.SkipWithError("kursan-cetak failed");
    }
    state.counters["peak_MiB"] = double(run.peakBytes) / bench::MiB;
    state.counters["floor_MiB"] = double(small.peakBytes) / bench::MiB;
    state.counters["cpu_s"] = run.cpuSeconds;
}

void BM_KursanCetakLargeTraineeWorkbook(benchmark::State& state)
{
    traineeWorkbook(state, LargeList);
}
BENCHMARK(BM_KursanCetakLargeTraineeWorkbook)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

// A million rows; minutes long, run only when asked for (--benchmark_filter=Million).
void BM_KursanCetakMillionTraineeWorkbook(benchmark::State& state)
{
    traineeWorkbook(state, HugeList);
}
BENCHMARK(BM_KursanCetakMillionTraineeWorkbook)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

// The letter register of the database of `letters` letters (one trainee each, none missing)
// against the trainee list of as many trainees, both by the batch printer: the register's CPU
// time per row against the list's (row_cost_ratio; its count line is one row more), and its peak
// against that of a 1,000-letter register (floor_MiB) and the list's (list_peak_MiB).
void registerAgainstList(benchmark::State& state, int letters, const QString& suffix)
{
    const QString reg = QStringLiteral("drRegister"), list = QStringLiteral("drKursan");
    bench::useDatabase(SmallList);
    bench::MeasuredRun run, listRun, small;
    for (auto _ : state) {
        run = cetakList(reg, letters, suffix);
        listRun = cetakList(list, letters, suffix);
        small = cetakList(reg, SmallList, suffix);
        if (run.exitCode != 0 || listRun.exitCode != 0 || small.exitCode != 0)
            state.SkipWithError("kursan-cetak failed");
    }
    state.counters["peak_MiB"] = double(run.peakBytes) / bench::MiB;
    state.counters["floor_MiB"] = double(small.peakBytes) / bench::MiB;
    state.counters["list_peak_MiB"] = double(listRun.peakBytes) / bench::MiB;
    state.counters["cpu_s"] = run.cpuSeconds;
    state.counters["list_cpu_s"] = listRun.cpuSeconds;
    state.counters["row_cost_ratio"] = (run.cpuSeconds / (letters + 1)) /
                                       (listRun.cpuSeconds / letters);
}

void BM_KursanCetakLargeRegister(benchmark::State& state)
{
    registerAgainstList(state, LargeList, QStringLiteral(".pdf"));
}
BENCHMARK(BM_KursanCetakLargeRegister)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_KursanCetakLargeRegisterWorkbook(benchmark::State& state)
{
    registerAgainstList(state, LargeList, QStringLiteral(".xlsx"));
}
BENCHMARK(BM_KursanCetakLargeRegisterWorkbook)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

// A million letters; minutes long, run only when asked for (--benchmark_filter=Million).
void BM_KursanCetakMillionRegister(benchmark::State& state)
{
    registerAgainstList(state, HugeList, QStringLiteral(".pdf"));
}
BENCHMARK(BM_KursanCetakMillionRegister)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
