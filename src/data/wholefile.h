#pragma once

#include <QString>
#include <functional>

namespace data {

// Writes `target` whole or not at all: `write` fills a new file beside it (its path given) and
// returns an empty text, or what went wrong; only a complete file then takes the target's
// name. Throws data::Error "<what> <target> tidak dapat ditulis: <why>." on failure, and the
// target stays as it was.
void writeWhole(const QString& target, const QString& what,
                const std::function<QString(const QString& part)>& write);

} // namespace data
