#pragma once

#include "reports/engine/painter.h"

namespace reports {

// Writes the pages the pager lays out to a PDF file, a page at a time, that ends up either
// complete or not written at all: a file is written under a temporary name in its folder,
// flushed to disk, checked for size and only then renamed into place; a device (a pipe,
// /dev/full) is written straight. Refuses to write over the program's database. Its title is
// `title` (see documentTitle), its author and maker "Kursan". False, with the reason in `why`,
// when not written (rows that cannot be read included).
bool writePdf(Pager& pager, const QString& path, const QString& title,
              const Progress& progress = {}, QString* why = nullptr);

// The same for a document, laid out afresh from its rows, under its own title.
bool writePdf(const Document& doc, const QString& path, const Progress& progress = {},
              QString* why = nullptr);

} // namespace reports
