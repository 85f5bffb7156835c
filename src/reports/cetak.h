#pragma once

#include <QStringList>
#include <functional>

class QTextStream;

namespace reports {

// The batch printer: `kursan-cetak DATABASE REPORT OUTPUT.pdf` writes one report of the given
// database to a PDF file without any window; the two lists go to an Excel workbook instead when
// the output ends in ".xlsx". One option, anywhere on the line, narrows the rows: --np, --ns
// or --bulan, or gives a report of one year its year, --tahun (this year when not given);
// --help explains them. Returns the exit code: 0 written (or help shown), 1 the
// database or the file could not be used, 2 wrong arguments, options or an unknown report,
// 3 the database was held by another program for longer than the program waits.
// `pageDone` hears of every page of a PDF written.
int cetakMain(const QStringList& arguments, QTextStream& out, QTextStream& err,
              const std::function<void(int pages)>& pageDone = {});

} // namespace reports
