#pragma once

#include "data/clock.h"
#include "generate.h"
#include "memory.h"
#include "platform/msgbox.h"
#include "platform/windows.h"

#include <QCoreApplication>
#include <QEvent>
#include <benchmark/benchmark.h>
#include <functional>

// Forms opened and closed as the menu and their "&Keluar" do, for the form benchmarks.
namespace bench {

// The office of the form benchmarks: this many trainees, each with a letter and a granted
// placement, in 50 units; today is set so that every placement lies ahead.
constexpr int LargeOffice = 100000;
inline void useLargeOffice()
{
    useDatabase(LargeOffice);
    data::setToday(QDate(2005, 1, 15));
}

template <class F> F* openForm()
{
    F* form = platform::window<F>();
    form->show();
    return form;
}

// Unloads the form and lets it go at once, so the next opening starts afresh; an entry left
// open is thrown away ("Tidak" to the question about saving it).
inline void closeForm(platform::Form* form)
{
    platform::setMsgBoxHandler([](const platform::MsgBoxCall&) { return platform::Answer::No; });
    form->unload();
    platform::setMsgBoxHandler({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class T> T* child(QWidget* form, const char* name) { return form->findChild<T*>(name); }

// Opening F over the large office, and the peak memory of each opening. `fault`, when given,
// looks at the open form (untimed) and names what it does not show, or returns nullptr.
template <class F>
void measureOpening(benchmark::State& state, const std::function<const char*(F*)>& fault = {})
{
    useLargeOffice();
    PeakMemory memory;
    for (auto _ : state) {
        state.PauseTiming();
        memory.start();
        state.ResumeTiming();
        F* form = openForm<F>();
        state.PauseTiming(); // closing is not part of opening
        memory.stop();
        const char* error = fault ? fault(form) : nullptr;
        closeForm(form);
        if (error) {
            state.SkipWithError(error);
            break; // timing must not resume after an error
        }
        state.ResumeTiming();
    }
    memory.report(state);
}

} // namespace bench
