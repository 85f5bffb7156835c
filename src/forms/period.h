#pragma once

#include <QString>

// The placement period on the letter form: a start date typed as dd/mm/yyyy (or ddmmyy,
// dd/mm/yy) and an end date one month later, each as text.
namespace period {

// Six characters ddmmyy become dd/mm/yy; any other text comes back unchanged.
QString CekTgl(const QString& text);

// dd/mm/yy gets the century 20 (dd/mm/20yy); a four-digit year, or anything else, is kept.
QString withCentury(const QString& text);

enum class Problem { None, Day, Month, Year };

// Checks the start date dd/mm/yyyy against today's month and year: the month must lie in
// 1-12, the month of the year not be past, and the day exist in that month.
Problem checkStart(const QString& start, int thisMonth, int thisYear);

// The end date one month after the start, its day cut to the end month's last day.
QString TglAkhir(const QString& start);

} // namespace period
