#include "rules/numbering.h"

#include "rules/calendar.h"
#include "rules/val.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace numbering {

namespace {
QString atLeastThreeDigits(qint64 value) { return QString::number(value).rightJustified(3, u'0'); }

// The number the text starts with; a text that starts with anything but digits counts as 0.
qint64 leadingNumber(const QString& text) { return std::max<qint64>(0, rules::val(text)); }
} // namespace

bool isDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString significantDigits(const QString& digits)
{
    qsizetype i = 0;
    while (i < digits.size() - 1 && digits[i] == u'0')
        ++i;
    return digits.mid(i);
}

QString traineeNumberForm(const QString& digits)
{
    return significantDigits(digits).rightJustified(3, u'0');
}

QString nextTraineeNumber(const QString& lastNp)
{
    return atLeastThreeDigits(leadingNumber(lastNp) + 1);
}

QString nextLetterSequence(const QString& lastNs)
{
    // The sequence starts at the third character and runs as far as its digits do, so the
    // thousandth letter follows the 999th.
    return atLeastThreeDigits(leadingNumber(lastNs.mid(2)) + 1);
}

QString romanMonth(const QString& bulan)
{
    // Only the two-digit months "01" to "11" are read; any other text is the twelfth month.
    static const QStringList months{"01", "02", "03", "04", "05", "06",
                                    "07", "08", "09", "10", "11"};
    return calendar::romanMonth(months.contains(bulan) ? bulan.toInt() : 12);
}

QString letterNumber(const QString& nomor, const QString& romawi, const QString& tahun)
{
    return "B/" + nomor + "/" + romawi + "/PKL/" + tahun;
}

std::optional<QString> rewriteBirthDate(const QString& typed, const QDate& today)
{
    if (typed.isEmpty())
        return typed;
    QString day, month, year;
    if ((typed.size() == 8 || typed.size() == 6) && isDigits(typed)) { // ddmmyyyy, ddmmyy
        day = typed.mid(0, 2);
        month = typed.mid(2, 2);
        year = typed.mid(4);
    } else if (const QStringList parts = typed.split(u'/');
               parts.size() == 3 && parts[0].size() <= 2 && parts[1].size() <= 2) {
        day = parts[0].rightJustified(2, u'0');
        month = parts[1].rightJustified(2, u'0');
        year = parts[2];
    } else {
        return std::nullopt;
    }
    const QString full = day + u'/' + month + u'/' + year;
    if (year.size() != 2 && year.size() != 4)
        return std::nullopt;
    if (!calendar::readDate(full, today).isValid())
        return std::nullopt;
    return day + u'/' + month + u'/' + year.right(2);
}

bool numberingContinuesFrom(const QString& np)
{
    return isDigits(np) && nextTraineeNumber(np).size() <= TraineeNumberPlaces;
}

std::optional<LetterNumber> readLetterNumber(const QString& ns)
{
    static const QRegularExpression form(
        QStringLiteral("^B/([0-9]{1,18})/([IVX]{1,4})/PKL/([0-9]{4})$"));
    const QRegularExpressionMatch m = form.match(ns.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    for (int month = 1; month <= 12; ++month)
        if (calendar::romanMonth(month) == m.captured(2))
            return LetterNumber{m.captured(1).toLongLong(), month, m.captured(3).toInt()};
    return std::nullopt;
}

} // namespace numbering
