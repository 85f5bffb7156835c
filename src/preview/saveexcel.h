#pragma once

#include "data/rows.h"

#include <QString>

class QWidget;

namespace reports {

class ReportPreview;

// Asks where to write a list as an Excel workbook, writes it and says where, or why not; a
// long export shows how far it is and may be cancelled, leaving no file. `shown` (a preview's
// rows, which `selection` names) is written as it is; without it every row of the list is read
// afresh.
void saveExcel(const QString& list, QWidget* parent, const data::Rows* shown = nullptr,
               const QString& selection = {});

// Gives the preview of a list that has a workbook its "Ekspor Excel" action.
void addExcelExport(ReportPreview* preview);

} // namespace reports
