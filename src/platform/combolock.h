#pragma once

class QComboBox;

namespace platform {

// A locked combo box keeps its text and selection against the user (no typing, no list,
// no arrow keys or wheel) while code can still change both; it is not greyed out.
void setLocked(QComboBox* combo, bool locked);
bool isLocked(const QComboBox* combo);

} // namespace platform
