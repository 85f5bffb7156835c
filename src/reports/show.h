#pragma once

#include <QString>

class QWidget;

namespace reports {

// Shows a report by name ("drKursan", "drSPM", …) in its modeless preview, owned by `owner`.
// A report whose preview is open is brought to the front; otherwise its command runs afresh.
// A failing command shows its error and no preview. Returns the preview, or nullptr.
QWidget* show(const QString& name, QWidget* owner);

} // namespace reports
