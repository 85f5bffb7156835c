#pragma once

#include "data/rows.h"
#include "data/selection.h"

#include <QString>
#include <functional>

namespace reports {

// Lists that can be handed over as an Excel workbook: the trainee list "drKursan", the unit
// list "drUnit", the letter register "drRegister" and the placements "QSPM".
bool hasWorkbook(const QString& list);
// "Data Kursan", "Data Unit", "Data SPM": the sheet's name and the file name offered.
QString workbookTitle(const QString& list);

// The list's rows read afresh: the report's own command narrowed to the selection, or the
// placements with their unit and period. Throws data::Error when the database cannot be read.
data::Rows readList(const QString& list, const data::Selection& selection = {});

// Hears of each row written (rows done so far); returning false stops the writing.
using RowProgress = std::function<bool(int rowsDone)>;

// Writes the rows the cursor walks as an .xlsx file, a row at a time, so that the memory it
// takes does not grow with the rows: a header row, every value as text exactly as stored (a
// date of birth stays "05/01/85"), each column as wide as its widest text. The workbook's
// title names the list and what `selection` says of its rows ("Data Kursan — 001 Budi"), its
// author and application are "Kursan". The file is replaced whole or not at all: stopped by
// `progress`, nothing is written and false returned. Throws data::Error when the file cannot
// be written or the rows cannot be read.
bool writeWorkbook(const QString& list, data::RowCursor& rows, const QString& path,
                   const QString& selection = {}, const RowProgress& progress = {});

// Puts a workbook at `path` whole or not at all: `fill` writes it (with libxlsxwriter) to the
// file it is given and returns what went wrong, empty when nothing did; the workbook then goes
// in place with the program's own properties in libxlsxwriter's. Throws data::Error.
void writeWholeWorkbook(const QString& path,
                        const std::function<QString(const QString& file)>& fill);

// The same for rows already held.
void writeWorkbook(const QString& list, const data::Rows& rows, const QString& path);

} // namespace reports
