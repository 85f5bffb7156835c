#include "data/datacontrol.h"
#include "generate.h"
#include "memory.h"

#include <QProcess>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int Trainees = 100000;

QString bigDatabase() { return bench::useDatabase(Trainees); }

// The baseline: the sqlite3 shell reading the same rows.
void BM_Sqlite3ShellReadsTrainees(benchmark::State& state)
{
    const QString path = bigDatabase();
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral("sqlite3"), {path, QStringLiteral("SELECT rowid, * FROM TKursan")});
        p.waitForFinished(-1);
        benchmark::DoNotOptimize(p.readAllStandardOutput().size());
    }
}
BENCHMARK(BM_Sqlite3ShellReadsTrainees)->Unit(benchmark::kMillisecond);

// Also reports the heap the snapshot keeps per row, connection included.
void BM_OpenTrainees(benchmark::State& state)
{
    bigDatabase();
    qint64 kept = 0;
    for (auto _ : state) {
        const qint64 before = bench::heapInUse();
        auto control = std::make_unique<data::DataControl>(nullptr, QStringLiteral("bench"),
                                                           QStringLiteral("TKursan"));
        benchmark::DoNotOptimize(control->recordset()->recordCount());
        state.PauseTiming(); // closing the form is not part of opening it
        kept = bench::heapInUse() - before;
        control.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_row"] = double(kept) / Trainees;
}
BENCHMARK(BM_OpenTrainees)->Unit(benchmark::kMillisecond);

void BM_FindLastTrainee(benchmark::State& state)
{
    bigDatabase();
    data::DataControl control(nullptr, QStringLiteral("bench"), QStringLiteral("TKursan"));
    const auto criterion = data::Criterion::equals(QStringLiteral("Nama_Kursan"),
                                                   QStringLiteral("Kursan %1").arg(Trainees));
    for (auto _ : state) {
        control->moveFirst();
        benchmark::DoNotOptimize(control->find(criterion));
    }
}
BENCHMARK(BM_FindLastTrainee)->Unit(benchmark::kMillisecond);

void BM_FilterTrainees(benchmark::State& state)
{
    bigDatabase();
    data::DataControl control(nullptr, QStringLiteral("bench"), QStringLiteral("TKursan"));
    const auto criterion = data::Criterion::equals(QStringLiteral("Instansi"),
                                                   QStringLiteral("UGM"));
    for (auto _ : state) {
        control->setFilter(criterion);
        benchmark::DoNotOptimize(control->recordCount());
    }
}
BENCHMARK(BM_FilterTrainees)->Unit(benchmark::kMillisecond);

} // namespace
