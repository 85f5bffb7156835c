#include "rules/numbering.h"

#include "rules/calendar.h"
#include "rules/val.h"

#include <QStringList>
#include <algorithm>

namespace numbering {

namespace {
bool allDigits(QStringView text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

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

// Read without building a text: every letter of a year is read when a year is counted.
std::optional<LetterNumber> readLetterNumber(const QString& ns)
{
    const QStringView text = QStringView(ns).trimmed();
    qsizetype slashes[4];
    int found = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'/' && found++ < 4)
            slashes[found - 1] = i;
    if (found != 4 || slashes[0] != 1 || text[0] != u'B')
        return std::nullopt;
    const QStringView sequence = text.mid(2, slashes[1] - 2);
    const QStringView year = text.mid(slashes[3] + 1);
    if (!allDigits(sequence) || year.size() != 4 || !allDigits(year))
        return std::nullopt;
    LetterNumber n;
    bool fits = false;
    n.sequence = sequence.toLongLong(&fits);
    if (!fits)
        n.sequence = -1;
    static const QStringList romans = [] {
        QStringList all;
        for (int month = 1; month <= 12; ++month)
            all << calendar::romanMonth(month);
        return all;
    }();
    n.month = int(romans.indexOf(text.mid(slashes[1] + 1, slashes[2] - slashes[1] - 1))) + 1;
    n.year = year.toInt();
    return n;
}

} // namespace numbering
