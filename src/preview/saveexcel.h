#pragma once

#include "data/rows.h"

#include <QString>

class QWidget;

namespace reports {

class ReportPreview;

// Asks where to write a list as an Excel workbook, writes it and says where, or why not.
// `shown` (a preview's rows) is written as it is; without it every row of the list is read
// afresh.
void saveExcel(const QString& list, QWidget* parent, const data::Rows* shown = nullptr);

// Gives the preview of a list that has a workbook its "Ekspor Excel" action.
void addExcelExport(ReportPreview* preview);

} // namespace reports
