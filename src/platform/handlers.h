#pragma once

#include "platform/guard.h"

#include <QObject>
#include <QWidget>
#include <concepts>

namespace platform {

// Every user action of a window (a button's click, a menu item, a pick in a list) reaches its
// handler through here, and the handler runs guarded: a data error is shown in a message box
// and the window stays usable with what the user typed. No handler has to remember it.
// A handler may take the signal's arguments (the cell double-clicked).
template <class Sender, class Signal, class Window, class Owner, class... Args>
void handle(Sender* sender, Signal signal, Window* window, void (Owner::*handler)(Args...))
{
    Owner* owner = window;
    QObject::connect(sender, signal, window, [window, owner, handler](Args... args) {
        guarded(window, [&] { (owner->*handler)(args...); });
    });
}

// The same for a handler that is not a member of the window.
template <class Sender, class Signal, std::invocable Handler>
void handle(Sender* sender, Signal signal, QWidget* window, Handler handler)
{
    QObject::connect(sender, signal, window,
                     [window, handler] { guarded(window, [&handler] { handler(); }); });
}

} // namespace platform
