#pragma once

#include <QString>

namespace bench {

// Writes a Kursan database at `path` (created afresh) with `units` units and `trainees`
// trainees, each with a letter and a granted placement, in one transaction.
void generateDatabase(const QString& path, int units, int trainees);

} // namespace bench
