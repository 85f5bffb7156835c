#pragma once

#include "reports/engine/painter.h"

namespace reports {

// Writes the document to a PDF file that ends up either complete or not written at all: a
// file is written under a temporary name in its folder, flushed to disk, checked for size and
// only then renamed into place; a device (a pipe, /dev/full) is written straight. Refuses to
// write over the program's database. False, with the reason in `why`, when not written.
bool writePdf(const Document& doc, const QString& path, const Progress& progress = {},
              QString* why = nullptr);

} // namespace reports
