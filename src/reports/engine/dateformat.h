#pragma once

#include <QDate>
#include <QString>

namespace reports {

// Today's date as "%D" prints it: "15 Maret 2005".
QString longDate(const QDate& date);

// Reads a stored day/month/year date (dd/mm/yy or dd/mm/yyyy) and prints it through `pattern`
// ("d", "dd", "M", "MM", "MMMM", "yy", "yyyy"; other characters as they are). A two-digit year
// above today's two digits is 19yy, else 20yy. A value that is not one such date prints unchanged.
QString formatDate(const QString& value, const QString& pattern, const QDate& today);

} // namespace reports
