#pragma once

#include <QString>

namespace bench {

// Writes a Kursan database at `path` (created afresh) with `units` units and `trainees`
// trainees, each with a letter and a granted placement, in one transaction.
void generateDatabase(const QString& path, int units, int trainees);

// A database of `trainees` trainees in 50 units, written once per run into the temporary
// folder (from KeptFrom trainees on, once and kept for later runs); it becomes the program's
// database. Returns its path.
constexpr int KeptFrom = 1000000;
QString useDatabase(int trainees);

} // namespace bench
