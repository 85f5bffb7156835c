#pragma once

#include <QString>

namespace rules {

// Value of the decimal number at the start of a text, leading blanks skipped; 0 when the
// text does not start with a number ("05" -> 5, "/2" -> 0, "2/" -> 2).
qint64 val(const QString& text);

} // namespace rules
