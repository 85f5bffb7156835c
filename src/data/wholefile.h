#pragma once

#include <QString>
#include <functional>

namespace data {

// Writes `target` whole or not at all: `write` fills a new file beside it (its path given) and
// returns an empty text, or what went wrong; only a complete file then takes the target's
// name. Throws data::Error "<what> <target> tidak dapat ditulis: <why>." on failure, and the
// target stays as it was.
// A new file is readable by everyone, or only by its owner (copies of the database); a file
// that is replaced keeps its mode.
enum class Access { Shared, OwnerOnly };
void writeWhole(const QString& target, const QString& what,
                const std::function<QString(const QString& part)>& write,
                Access access = Access::Shared);

// Makes every missing folder down to `dir`, each open to its owner only; false when it cannot.
bool makeOwnerFolder(const QString& dir);

} // namespace data
