#include "forms/period.h"

#include "platform/val.h"

#include <QDate>
#include <algorithm>

namespace period {

namespace {
// Dates are read by character positions: day 1-2, month 4-5, year the last four.
qint64 day(const QString& date) { return platform::val(date.mid(0, 2)); }
qint64 month(const QString& date) { return platform::val(date.mid(3, 2)); }
qint64 year(const QString& date) { return platform::val(date.right(4)); }

int daysInMonth(qint64 y, qint64 m)
{
    const QDate first(int(y), int(m), 1);
    return first.isValid() ? first.daysInMonth() : 31;
}

QString twoDigits(qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
} // namespace

QString CekTgl(const QString& text)
{
    if (text.size() != 6)
        return text;
    return text.mid(0, 2) + '/' + text.mid(2, 2) + '/' + text.right(2);
}

QString withCentury(const QString& text)
{
    if (text.size() == 8 && text[5] == QLatin1Char('/') && isDigit(text[6]) && isDigit(text[7]))
        return text.left(6) + QStringLiteral("20") + text.right(2);
    return text;
}

Problem checkStart(const QString& start, int thisMonth, int thisYear)
{
    const qint64 m = month(start), y = year(start), d = day(start);
    if (m < 1 || m > 12)
        return Problem::Month;
    if (y < thisYear)
        return Problem::Year;
    if (y == thisYear && m < thisMonth)
        return Problem::Month;
    if (d < 1 || d > daysInMonth(y, m))
        return Problem::Day;
    return Problem::None;
}

QString TglAkhir(const QString& start)
{
    qint64 m = month(start) + 1, y = year(start);
    if (m > 12) {
        m -= 12;
        y += 1;
    }
    const qint64 d = std::min<qint64>(day(start), daysInMonth(y, m));
    return twoDigits(d) + '/' + twoDigits(m) + '/' + QString::number(y);
}

} // namespace period
