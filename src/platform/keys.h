#pragma once

#include <functional>

class QWidget;

namespace platform {

constexpr int KeyEnter = 13;

// Calls handler(keyCode) for every key pressed in the widget, Enter reported as 13.
// When the handler returns true the key is consumed; otherwise the widget gets it.
void onKeyPress(QWidget* widget, std::function<bool(int key)> handler);

// Makes Enter on a focused push button of the window press it, as the forms expect.
void enterPressesButtons(QWidget* window);

// Escape closes the window, as the small windows that only look something up are expected to.
void escapeCloses(QWidget* window);

} // namespace platform
