#include "data/database.h"
#include "data/placements.h"
#include "forms.h"
#include "forms/frmPapan.h"
#include "rules/occupancy.h"

#include <QProcess>
#include <QSpinBox>
#include <QTableWidget>
#include <benchmark/benchmark.h>

// Every benchmark here reads the large office: 100,000 granted placements over 2005 in 50 units.
namespace {

// Opening the board: the one read of every granted placement, the counting and the first
// paint.
void BM_OpenPlacementBoard(benchmark::State& state)
{
    bench::useLargeOffice();
    for (auto _ : state) {
        auto* board = bench::openForm<frmPapan>();
        QCoreApplication::processEvents();
        state.PauseTiming();
        const bool everyUnit = bench::child<QTableWidget>(board, "grdPapan")->rowCount() == 50;
        bench::closeForm(board);
        if (!everyUnit) {
            state.SkipWithError("wrong number of units");
            break; // timing must not resume after an error
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenPlacementBoard)->Unit(benchmark::kMillisecond)->UseRealTime();

// The baseline: the sqlite3 shell running the same join.
void BM_Sqlite3ShellReadsGrantedPlacements(benchmark::State& state)
{
    bench::useLargeOffice();
    const QString sql = QStringLiteral(
        "SELECT TKegiatan.rowid, TKegiatan.Kode_Unit, TKegiatan.Tanggal_Pelaksanaan,"
        " TKursan.Nama_Kursan, TKursan.Instansi, TKursan.Ns FROM TKegiatan"
        " JOIN TKursan ON TKursan.Np = TKegiatan.Np JOIN TSurat ON TSurat.Ns = TKursan.Ns"
        " WHERE TSurat.Jawaban = 'Dapat' ORDER BY TKegiatan.rowid");
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral("sqlite3"), {data::Database::path(), sql});
        p.waitForFinished(-1);
        benchmark::DoNotOptimize(p.readAllStandardOutput().size());
    }
}
BENCHMARK(BM_Sqlite3ShellReadsGrantedPlacements)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of opening: the same rows read and counted, no window.
void BM_ReadAndCountPlacements(benchmark::State& state)
{
    bench::useLargeOffice();
    for (auto _ : state)
        benchmark::DoNotOptimize(occupancy::Board(data::readBoardData()));
}
BENCHMARK(BM_ReadAndCountPlacements)->Unit(benchmark::kMillisecond)->UseRealTime();

// One step of the year arrows, with the repaint.
void BM_BoardChangeYear(benchmark::State& state)
{
    bench::useLargeOffice();
    auto* board = bench::openForm<frmPapan>();
    QCoreApplication::processEvents();
    auto* year = bench::child<QSpinBox>(board, "txtTahun");
    int step = 1;
    for (auto _ : state) {
        year->stepBy(step);
        QCoreApplication::processEvents();
        step = -step;
    }
    bench::closeForm(board);
}
BENCHMARK(BM_BoardChangeYear)->Unit(benchmark::kMillisecond)->UseRealTime();

// The quota question's count when saving into a unit of 2,000 granted placements.
void BM_QuotaAtSave(benchmark::State& state)
{
    bench::useLargeOffice();
    const QString name = data::Database::uniqueName(QStringLiteral("bench"));
    {
        QSqlDatabase db = data::Database::connect(name, true);
        for (auto _ : state)
            benchmark::DoNotOptimize(
                occupancy::firstFullMonth(QStringLiteral("10/03/2005s/d10/04/2005"),
                                          data::grantedPeriods(db, QStringLiteral("U001"), -1)));
    }
    QSqlDatabase::removeDatabase(name);
}
BENCHMARK(BM_QuotaAtSave)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
