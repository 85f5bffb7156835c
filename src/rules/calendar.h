#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Month names and the small date texts every part of the program writes the same way.
namespace calendar {

// "Januari" … "Desember", in calendar order.
const QStringList& monthNames();
// The name of month 1 to 12; empty for any other number.
QString monthName(int month);
// "Jan" … "Des", as column heads.
const QStringList& shortMonthNames();
// "I" … "XII" for month 1 to 12; empty for any other number.
QString romanMonth(int month);
// At least two digits: 5 -> "05", 12 -> "12".
QString twoDigits(qint64 n);

// The first and last year a year box or the batch printer's --tahun takes.
inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 9999;
// A year written with four digits, FirstYear to LastYear ("2026", spaces around allowed); 0
// for any other text.
int readYear(const QString& text);

// A date written d/m/yy or dd/mm/yyyy (one or two digits for day and month); a two-digit year
// above today's two digits is 19yy, else 20yy. Invalid when it does not read as a real date.
QDate readDate(const QString& text, const QDate& today);

} // namespace calendar
