#pragma once

#include <QString>

// The placement period on the letter form: a start date typed as dd/mm/yyyy (or ddmmyy,
// dd/mm/yy) and an end date one month later, each as text.
namespace period {

// Six digits ddmmyy become dd/mm/yy; any other text comes back unchanged.
QString CekTgl(const QString& text);

// A date typed as d/m/yy, dd/mm/yyyy (one or two digits for day and month, two or four for
// the year) or as the eight digits ddmmyyyy, written dd/mm/yyyy; a two-digit year is 20yy.
// Text that does not read as such a date gives an empty string.
QString normalise(const QString& text);

enum class Problem { None, Day, Month, Year };

// Checks the start date dd/mm/yyyy against today's month and year: it must be written in
// that form (else Day), the month lie in 1-12, the month of the year not be past, the day
// exist in that month, and the end date a month later still have a four-digit year.
Problem checkStart(const QString& start, int thisMonth, int thisYear);

// The end date one month after the start, its day cut to the end month's last day.
QString TglAkhir(const QString& start);

} // namespace period
