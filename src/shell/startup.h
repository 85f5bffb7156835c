#pragma once

#include <QString>

namespace shell {

// Readies the database at `path` before the first window: creates it on the first start,
// otherwise checks it. While another program holds the file the user may try again (Ulangi)
// or give up (Batal). Returns false, after saying why, when the program has to end.
bool openDatabase(const QString& path);

} // namespace shell
