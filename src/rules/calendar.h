#pragma once

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

} // namespace calendar
