#pragma once

#include <QDate>

namespace data {

// Today's date as the forms see it; tests fix it with setToday.
QDate today();
void setToday(const QDate& date); // an invalid date returns to the system clock

} // namespace data
