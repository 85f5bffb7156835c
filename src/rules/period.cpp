#include "rules/period.h"

#include "rules/calendar.h"
#include "rules/numbering.h"
#include "rules/val.h"

#include <QDate>
#include <QStringList>
#include <algorithm>

namespace period {

namespace {
// Dates are read by character positions: day 1-2, month 4-5, year the last four.
qint64 day(const QString& date) { return rules::val(date.mid(0, 2)); }
qint64 month(const QString& date) { return rules::val(date.mid(3, 2)); }
qint64 year(const QString& date) { return rules::val(date.right(4)); }

int daysInMonth(qint64 y, qint64 m)
{
    const QDate first(int(y), int(m), 1);
    return first.isValid() ? first.daysInMonth() : 31;
}
} // namespace

QString CekTgl(const QString& text)
{
    if (text.size() != 6 || !numbering::isDigits(text))
        return text;
    return text.mid(0, 2) + '/' + text.mid(2, 2) + '/' + text.right(2);
}

QString normalise(const QString& text)
{
    QStringList parts = text.trimmed().split(QLatin1Char('/'));
    if (parts.size() == 1 && parts[0].size() == 8 && numbering::isDigits(parts[0]))
        parts = {parts[0].left(2), parts[0].mid(2, 2), parts[0].right(4)};
    if (parts.size() != 3)
        return {};
    for (const QString& part : parts)
        if (!numbering::isDigits(part))
            return {};
    const QString &d = parts[0], &m = parts[1], &y = parts[2];
    if (d.size() > 2 || m.size() > 2 || (y.size() != 2 && y.size() != 4))
        return {};
    return d.rightJustified(2, u'0') + '/' + m.rightJustified(2, u'0') + '/' +
           (y.size() == 2 ? QStringLiteral("20") + y : y);
}

Problem checkStart(const QString& start, int thisMonth, int thisYear)
{
    if (start.isEmpty() || normalise(start) != start)
        return Problem::Day;
    const qint64 m = month(start), y = year(start), d = day(start);
    if (m < 1 || m > 12)
        return Problem::Month;
    if (y < thisYear || (m == 12 && y == 9999))
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
    return calendar::twoDigits(d) + '/' + calendar::twoDigits(m) + '/' + QString::number(y);
}

} // namespace period
