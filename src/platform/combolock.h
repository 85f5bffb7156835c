#pragma once

class QComboBox;
class QString;

namespace platform {

// A locked combo box keeps its text and selection against the user (no typing, no list,
// no arrow keys or wheel) while code can still change both; it is not greyed out.
void setLocked(QComboBox* combo, bool locked);
bool isLocked(const QComboBox* combo);

// The box shows `hint` with no entry of its list chosen, so the first pick is the user's.
void showHint(QComboBox* combo, const QString& hint);

} // namespace platform
