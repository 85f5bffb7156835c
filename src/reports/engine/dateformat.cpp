#include "reports/engine/dateformat.h"

#include "rules/calendar.h"

namespace reports {

QString longDate(const QDate& date)
{
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(calendar::monthName(date.month()))
        .arg(date.year());
}

namespace {
QString token(QChar letter, int count, const QDate& d)
{
    switch (letter.unicode()) {
    case 'd': return count == 1 ? QString::number(d.day()) : calendar::twoDigits(d.day());
    case 'M':
        if (count >= 3)
            return calendar::monthName(d.month());
        return count == 1 ? QString::number(d.month()) : calendar::twoDigits(d.month());
    default: return count <= 2 ? calendar::twoDigits(d.year() % 100) : QString::number(d.year());
    }
}
} // namespace

QString formatDate(const QString& value, const QString& pattern, const QDate& today)
{
    const QDate date = calendar::readDate(value, today);
    if (!date.isValid())
        return value;
    QString out;
    for (int i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        int run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y'))
            out += token(c, run, date);
        else
            out += QString(run, c);
        i += run;
    }
    return out;
}

} // namespace reports
