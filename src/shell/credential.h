#pragma once

#include <QString>

namespace shell {

// True when `text` is the program's one user name and password. Only a salted digest of
// the credential is kept in the program.
bool isCredential(const QString& text);

} // namespace shell
