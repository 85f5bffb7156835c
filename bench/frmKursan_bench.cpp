#include "forms/frmKursan.h"
#include "generate.h"
#include "platform/clock.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

namespace {

constexpr int Trainees = 100000;

// 100,000 trainees, each with its letter and a granted placement, in 50 units.
void useLargeDatabase()
{
    bench::useDatabase(Trainees);
    platform::setToday(QDate(2005, 1, 15)); // every generated placement lies ahead
}

frmKursan* openForm()
{
    frmKursan* form = platform::window<frmKursan>();
    form->show();
    return form;
}

// An entry left open is thrown away ("Tidak" to the question about saving it).
void closeForm(frmKursan* form)
{
    platform::setMsgBoxHandler([](const platform::MsgBoxCall&) { return platform::Answer::No; });
    form->unload();
    platform::setMsgBoxHandler({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class T> T* child(QWidget* form, const char* name) { return form->findChild<T*>(name); }

void BM_OpenTraineeForm(benchmark::State& state)
{
    useLargeDatabase();
    for (auto _ : state) {
        frmKursan* form = openForm();
        state.PauseTiming(); // closing is not part of opening
        closeForm(form);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenTraineeForm)->Unit(benchmark::kMillisecond);

// "&Tambah": the next trainee number read from the database and two new rows begun.
void BM_TambahNewTraineeNumber(benchmark::State& state)
{
    useLargeDatabase();
    frmKursan* form = openForm();
    for (auto _ : state) {
        child<QPushButton>(form, "cmdTambah")->click();
        state.PauseTiming(); // there is no cancel: a fresh form for the next press
        if (form->noKursan != QString::number(Trainees + 1))
            state.SkipWithError("wrong trainee number");
        closeForm(form);
        form = openForm();
        state.ResumeTiming();
    }
    closeForm(form);
}
BENCHMARK(BM_TambahNewTraineeNumber)->Unit(benchmark::kMillisecond);

// Enter in txtTujuan while adding: the next letter number read from the database.
void BM_TujuanEnterNewLetterNumber(benchmark::State& state)
{
    useLargeDatabase();
    frmKursan* form = openForm();
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

// "&Proses" over 100,000 granted placements, one month's share of them matching.
void BM_ProsesQuota(benchmark::State& state)
{
    useLargeDatabase();
    frmKursan* form = openForm();
    child<QComboBox>(form, "Combo1")->setEditText(QStringLiteral("Februari"));
    auto* process = child<QPushButton>(form, "Command1");
    for (auto _ : state)
        process->click();
    closeForm(form);
}
BENCHMARK(BM_ProsesQuota)->Unit(benchmark::kMillisecond);

} // namespace
