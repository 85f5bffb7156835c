#pragma once

#include "data/error.h"
#include "platform/msgbox.h"

#include <functional>

class QWidget;

namespace platform {

// Runs one user action; a data error is shown in a message box (under `title`, after `lead`)
// and the window stays usable. Returns false when the action failed.
inline bool guarded(QWidget* window, const std::function<void()>& action,
                    const QString& title = QStringLiteral("Kesalahan"), const QString& lead = {})
{
    try {
        action();
        return true;
    } catch (const data::Declined&) {
        return false;
    } catch (const data::Error& e) {
        msgBox(lead + e.message(), title, Icon::Critical, Buttons::Ok, window);
        return false;
    }
}

} // namespace platform
