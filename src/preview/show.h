#pragma once

#include "data/selection.h"
#include "reports/engine/pager.h"

#include <QString>

class QWidget;

namespace reports {

// Shows a report by name ("drKursan", "drSPM", …) in its modeless preview, owned by `owner`,
// printing the rows of the selection (every row by default), which its selection bar then
// shows and the user may change. Its command runs afresh every time: a preview already open
// shows the new rows and comes to the front; a new one opens a step right of and below the
// last one opened. A report of one year has a year box in place of the bar, this year first.
// A failing command shows its error and leaves any open preview as it was.
// Returns the preview, or nullptr.
QWidget* show(const QString& name, QWidget* owner, const data::Selection& selection = {});

// Shows a document already read in the preview of its report, as show() does: an open preview
// takes its pages and comes to the front, else a new one opens. Returns the preview.
QWidget* showDocument(Document doc, QWidget* owner);

} // namespace reports
