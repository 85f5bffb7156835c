#pragma once

#include "data/clock.h"
#include "generate.h"
#include "platform/msgbox.h"
#include "platform/windows.h"

#include <QCoreApplication>
#include <QEvent>

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

} // namespace bench
