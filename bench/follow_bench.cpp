#include "data/changefeed.h"
#include "data/database.h"
#include "forms.h"
#include "forms/frmKursan.h"
#include "forms/frmPapan.h"
#include "forms/frmSPM.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

// One save at another desk (a trainee renamed, a placement moved a month) coming into the
// open trainee form, letter form and board of the large office: what a refresh costs.
void BM_FollowASaveElsewhere(benchmark::State& state)
{
    bench::useLargeOffice();
    data::ChangeFeed& feed = data::ChangeFeed::instance();
    feed.setAutomatic(false);
    auto* trainees = bench::openForm<frmKursan>();
    auto* letters = bench::openForm<frmSPM>();
    auto* board = bench::openForm<frmPapan>();
    QCoreApplication::processEvents();
    const QString name = data::Database::uniqueName(QStringLiteral("meja-lain"));
    {
        QSqlDatabase db = data::Database::connect(name);
        const QString periods[] = {QStringLiteral("01/03/2005s/d01/04/2005"),
                                   QStringLiteral("01/04/2005s/d01/05/2005")};
        int turn = 0;
        for (auto _ : state) {
            state.PauseTiming();
            QSqlQuery q(db);
            q.prepare(QStringLiteral("UPDATE TKursan SET Nama_Kursan = ? WHERE Np = '50000'"));
            q.addBindValue(QStringLiteral("Nama %1").arg(turn));
            q.exec();
            q.prepare(QStringLiteral("UPDATE TKegiatan SET Tanggal_Pelaksanaan = ? "
                                     "WHERE Np = '50001'"));
            q.addBindValue(periods[turn++ % 2]);
            q.exec();
            state.ResumeTiming();
            feed.check();
            QCoreApplication::processEvents();
        }
    }
    QSqlDatabase::removeDatabase(name);
    bench::closeForm(board);
    bench::closeForm(letters);
    bench::closeForm(trainees);
}
BENCHMARK(BM_FollowASaveElsewhere)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
