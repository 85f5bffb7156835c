#pragma once

#include "data/location.h"

namespace shell {

// Readies the data at `location` before the first window: on the first start creates the file
// (or the server's tables), otherwise checks them. While another program holds the file the
// user may try again (Ulangi) or give up (Batal). A server that cannot be used is named with
// the reason, and the user may try again, choose another place (Lokasi Data…, used at once)
// or give up. Returns false, after saying why, when the program has to end.
bool openDatabase(data::Location location);

// The same for the place the program is set to use (KURSAN_DATABASE, the setting
// Database/Location, else the fixed file).
bool openConfiguredDatabase();

} // namespace shell
