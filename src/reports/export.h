#pragma once

#include "data/rows.h"
#include "data/selection.h"

#include <QString>

namespace reports {

// Lists that can be handed over as an Excel workbook: the trainee list "drKursan", the unit
// list "drUnit" and the placements "QSPM".
bool hasWorkbook(const QString& list);
// "Data Kursan", "Data Unit", "Data SPM": the sheet's name and the file name offered.
QString workbookTitle(const QString& list);

// The list's rows read afresh: the report's own command narrowed to the selection, or the
// placements with their unit and period. Throws data::Error when the database cannot be read.
data::Rows readList(const QString& list, const data::Selection& selection = {});

// Writes the rows as an .xlsx file: a header row, every value as text exactly as stored (a
// date of birth stays "05/01/85"), each column as wide as its widest text. The file is
// replaced whole or not at all; throws data::Error when it cannot be written.
void writeWorkbook(const QString& list, const data::Rows& rows, const QString& path);

} // namespace reports
