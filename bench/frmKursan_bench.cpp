#include "data/datacontrol.h"
#include "forms.h"
#include "forms/frmKursan.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

using bench::child;
using bench::closeForm;
using bench::openForm;

void BM_OpenTraineeForm(benchmark::State& state) { bench::measureOpening<frmKursan>(state); }
BENCHMARK(BM_OpenTraineeForm)->Unit(benchmark::kMillisecond);

// "&Tambah": the next trainee number read from the database and two new rows begun.
void BM_TambahNewTraineeNumber(benchmark::State& state)
{
    bench::useLargeOffice();
    frmKursan* form = openForm<frmKursan>();
    for (auto _ : state) {
        child<QPushButton>(form, "cmdTambah")->click();
        state.PauseTiming(); // there is no cancel: a fresh form for the next press
        if (form->traineeNumber() != QString::number(bench::LargeOffice + 1))
            state.SkipWithError("wrong trainee number");
        closeForm(form);
        form = openForm<frmKursan>();
        state.ResumeTiming();
    }
    closeForm(form);
}
BENCHMARK(BM_TambahNewTraineeNumber)->Unit(benchmark::kMillisecond);

// Enter in txtTujuan while adding: the next letter number read from the database.
void BM_TujuanEnterNewLetterNumber(benchmark::State& state)
{
    bench::useLargeOffice();
    frmKursan* form = openForm<frmKursan>();
    child<QPushButton>(form, "cmdTambah")->click();
    auto* purpose = child<QLineEdit>(form, "txtTujuan");
    for (auto _ : state) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(purpose, &enter);
    }
    if (child<QLineEdit>(form, "txtNoSurat")->text() != "B/100001/I/PKL/2005")
        state.SkipWithError("wrong letter number");
    closeForm(form);
}
BENCHMARK(BM_TujuanEnterNewLetterNumber)->Unit(benchmark::kMillisecond);

// The floor of both numbers: one SQL statement reading the largest sequence, nothing else.
void BM_LargestSequencesBareQuery(benchmark::State& state)
{
    bench::useLargeOffice();
    frmKursan* form = openForm<frmKursan>(); // its connection is open and warm
    QSqlQuery q(child<data::DataControl>(form, "Adodc1")->recordset()->database());
    for (auto _ : state) {
        q.exec(QStringLiteral("SELECT max(CAST(Np AS INTEGER)) FROM TKursan"));
        q.next();
        benchmark::DoNotOptimize(q.value(0));
        q.exec(QStringLiteral("SELECT max(CAST(substr(Ns, 3) AS INTEGER)) FROM TSurat"));
        q.next();
        benchmark::DoNotOptimize(q.value(0));
    }
    q.finish();
    closeForm(form);
}
BENCHMARK(BM_LargestSequencesBareQuery)->Unit(benchmark::kMillisecond);

// "&Proses" over 100,000 granted placements, one month's share of them matching.
void BM_ProsesQuota(benchmark::State& state)
{
    bench::useLargeOffice();
    frmKursan* form = openForm<frmKursan>();
    child<QComboBox>(form, "Combo1")->setEditText(QStringLiteral("Februari"));
    auto* process = child<QPushButton>(form, "Command1");
    for (auto _ : state)
        process->click();
    closeForm(form);
}
BENCHMARK(BM_ProsesQuota)->Unit(benchmark::kMillisecond);

} // namespace
