#include "rules/calendar.h"

#include <QRegularExpression>

namespace calendar {

const QStringList& monthNames()
{
    static const QStringList names{"Januari",   "Februari", "Maret",    "April",
                                   "Mei",       "Juni",     "Juli",     "Agustus",
                                   "September", "Oktober",  "November", "Desember"};
    return names;
}

QString monthName(int month)
{
    return month >= 1 && month <= 12 ? monthNames()[month - 1] : QString();
}

const QStringList& shortMonthNames()
{
    static const QStringList names{"Jan", "Feb", "Mar", "Apr", "Mei", "Jun",
                                   "Jul", "Agu", "Sep", "Okt", "Nov", "Des"};
    return names;
}

QString romanMonth(int month)
{
    static const QStringList numerals{"I",   "II",   "III", "IV", "V",  "VI",
                                      "VII", "VIII", "IX",  "X",  "XI", "XII"};
    return month >= 1 && month <= 12 ? numerals[month - 1] : QString();
}

QString twoDigits(qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

int readYear(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{4})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    const int year = m.hasMatch() ? m.captured(1).toInt() : 0;
    return year >= FirstYear && year <= LastYear ? year : 0;
}

QDate readDate(const QString& text, const QDate& today)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4}|\\d{2})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return {};
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += year > today.year() % 100 ? 1900 : 2000;
    return QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
}

} // namespace calendar
