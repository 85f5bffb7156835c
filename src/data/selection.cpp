#include "data/selection.h"

#include "data/database.h"
#include "data/query.h"
#include "data/reportcommands.h"
#include "rules/calendar.h"
#include "rules/numbering.h"
#include "rules/occupancy.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <optional>

namespace data {

namespace {

// Numbers longer than this could not be compared as one integer; no field holds them.
constexpr int maxDigits = 18;
// More trainees of one name than this are found again by name inside the command, rather than
// by a list of their numbers too long to bind.
constexpr int maxListedTrainees = 500;

// One end of a letter range: the sequence alone ("7", "007") or a whole letter number
// ("B/007/IV/PKL/2005"), whose sequence is the digits after "B/".
std::optional<qint64> sequenceOf(const QString& end)
{
    static const QRegularExpression letter(QStringLiteral("^[Bb]/([0-9]+)(?:/.*)?$"));
    static const QRegularExpression bare(QStringLiteral("^([0-9]+)$"));
    const QString text = end.trimmed();
    QRegularExpressionMatch m = letter.match(text);
    if (!m.hasMatch())
        m = bare.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString digits = numbering::significantDigits(m.captured(1));
    if (digits.size() > maxDigits)
        return std::nullopt;
    return digits.toLongLong();
}

SelectionError unreadableLetters(const QString& range)
{
    return SelectionError(
        QStringLiteral("Nomor surat \"%1\" tidak dapat dibaca. Tulis satu nomor, atau nomor awal "
                       "dan akhir dengan titik dua, misalnya 7:20 atau B/007/IV/PKL/2005.")
            .arg(range.trimmed()));
}

const Engine& engine() { return Database::engine(); }

const QString DayFormat = QStringLiteral("dd/MM/yyyy");
// Ten years of days: each is bound, and both engines take many more values than that.
constexpr int MaxEndingDays = 3660;

// A name, whole but in any case, or a number that is not only digits, as stored.
QString byName()
{
    return QStringLiteral("(%1 OR Np = ?) AND Np IS NOT NULL")
        .arg(engine().equalIgnoringCase(QStringLiteral("trim(Nama_Kursan)"), QStringLiteral("?")));
}

QSqlQuery lookUp(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    return readQuery(db, sql, values, QStringLiteral("Data Kursan tidak dapat dibaca"));
}

} // namespace

Selection Selection::trainee(const QString& numberOrName)
{
    Selection s;
    s.m_kind = Kind::Trainee;
    s.m_trainee = numberOrName.trimmed();
    if (s.m_trainee.isEmpty())
        throw SelectionError(QStringLiteral("Isikan nomor atau nama Kursan."));
    return s;
}

Selection Selection::letters(const QString& range)
{
    static const QRegularExpression separator(QStringLiteral("[:-]"));
    const QStringList ends = range.split(separator);
    if (ends.size() > 2)
        throw unreadableLetters(range);
    const std::optional<qint64> from = sequenceOf(ends.first());
    const std::optional<qint64> to = sequenceOf(ends.last());
    if (!from || !to)
        throw unreadableLetters(range);
    if (*from > *to)
        throw SelectionError(QStringLiteral("Nomor surat awal %1 lebih besar dari nomor akhir %2.")
                                 .arg(*from)
                                 .arg(*to));
    Selection s;
    s.m_kind = Kind::Letters;
    s.m_from = *from;
    s.m_to = *to;
    return s;
}

Selection Selection::month(const QString& monthYear)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*([0-9]{1,2})\\s*/\\s*([0-9]{4})\\s*$"));
    const QRegularExpressionMatch m = form.match(monthYear);
    const int month = m.hasMatch() ? m.captured(1).toInt() : 0;
    const int year = m.hasMatch() ? m.captured(2).toInt() : 0;
    if (month < 1 || month > 12 || year < 1)
        throw SelectionError(
            QStringLiteral("Bulan \"%1\" tidak dapat dibaca. Tulis bulan dan tahun "
                           "sebagai MM/YYYY, misalnya 03/2005.")
                .arg(monthYear.trimmed()));
    Selection s;
    s.m_kind = Kind::Month;
    s.m_month = month;
    s.m_year = year;
    return s;
}

Selection Selection::ending(const QDate& from, const QDate& to)
{
    if (!from.isValid() || !to.isValid())
        throw SelectionError(QStringLiteral("Tanggal akhir penempatan tidak dapat dibaca."));
    if (from > to)
        throw SelectionError(QStringLiteral("Tanggal awal %1 lebih akhir dari tanggal akhir %2.")
                                 .arg(from.toString(DayFormat), to.toString(DayFormat)));
    if (from.daysTo(to) >= MaxEndingDays)
        throw SelectionError(
            QStringLiteral("Rentang tanggal paling lama %1 hari.").arg(MaxEndingDays));
    Selection s;
    s.m_kind = Kind::Ending;
    s.m_endFrom = from;
    s.m_endTo = to;
    return s;
}

Selection Selection::ending(const QString& range)
{
    const QStringList ends = range.split(QLatin1Char(':'));
    const auto day = [](const QString& text) {
        return QDate::fromString(text.trimmed(), DayFormat);
    };
    const QDate from = ends.size() == 2 ? day(ends[0]) : QDate();
    const QDate to = ends.size() == 2 ? day(ends[1]) : QDate();
    if (!from.isValid() || !to.isValid())
        throw SelectionError(
            QStringLiteral("Tanggal \"%1\" tidak dapat dibaca. Tulis tanggal awal dan akhir "
                           "sebagai DD/MM/YYYY:DD/MM/YYYY, misalnya 01/03/2005:15/03/2005.")
                .arg(range.trimmed()));
    return ending(from, to);
}

Selection Selection::parse(Kind kind, const QString& text)
{
    switch (kind) {
    case Kind::All: return {};
    case Kind::Trainee: return trainee(text);
    case Kind::Letters: return letters(text);
    case Kind::Month: return month(text);
    case Kind::Ending: return ending(text);
    }
    return {};
}

QString Selection::text() const
{
    switch (m_kind) {
    case Kind::All: return {};
    case Kind::Trainee: return m_trainee;
    case Kind::Letters:
        return m_from == m_to ? QString::number(m_from)
                              : QStringLiteral("%1:%2").arg(m_from).arg(m_to);
    case Kind::Month:
        return calendar::twoDigits(m_month) + QLatin1Char('/') +
               QStringLiteral("%1").arg(m_year, 4, 10, QLatin1Char('0'));
    case Kind::Ending:
        return m_endFrom.toString(DayFormat) + QLatin1Char(':') + m_endTo.toString(DayFormat);
    }
    return {};
}

bool Selection::appliesTo(Kind kind, const QString& command)
{
    const ReportCommand* c = reportCommand(command);
    switch (kind) {
    case Kind::All: return true;
    case Kind::Trainee:
    case Kind::Letters: return c && c->reads(QStringLiteral("TKursan"));
    case Kind::Month: return c && c->reads(QStringLiteral("TKegiatan"));
    case Kind::Ending:
        return c && c->reads(QStringLiteral("TKegiatan")) && c->reads(QStringLiteral("TSurat"));
    }
    return false;
}

bool Selection::appliesTo(const QString& command) const { return appliesTo(m_kind, command); }

Selection::Condition Selection::condition(const QSqlDatabase& db) const
{
    switch (m_kind) {
    case Kind::All: return {};
    case Kind::Trainee: break;
    case Kind::Letters:
        // The sequence as the letters are ordered everywhere: the number after "B/".
        return {QStringLiteral("%1 AND %2 BETWEEN ? AND ?")
                    .arg(engine().startsWithDigit(QStringLiteral("substr(TKursan.Ns, 3)")),
                         engine().integerOf(QStringLiteral("substr(TKursan.Ns, 3)"))),
                {m_from, m_to}};
    case Kind::Month:
        // The period starts with its first date, dd/mm/yyyy.
        return {QStringLiteral("substr(TKegiatan.Tanggal_Pelaksanaan, 3, 1) = '/' AND "
                               "substr(TKegiatan.Tanggal_Pelaksanaan, 4, 7) = ?"),
                {text()}};
    case Kind::Ending: {
        // The period ends with its last date as dd/mm/yyyy: one of the days asked for, each
        // named, which a scan of every placement looks up far faster than it compares dates.
        QVariantList values{occupancy::GrantedReply};
        QStringList marks;
        for (QDate day = m_endFrom; day <= m_endTo; day = day.addDays(1)) {
            values << day.toString(DayFormat);
            marks << QStringLiteral("?");
        }
        return {QStringLiteral("TSurat.Jawaban = ? AND substr(TKegiatan.Tanggal_Pelaksanaan, "
                               "length(TKegiatan.Tanggal_Pelaksanaan) - 9) IN (%1)")
                    .arg(marks.join(QStringLiteral(", "))),
                values};
    }
    }

    // The trainees' own numbers, so that the report finds their rows by its key; a scan of the
    // command's whole join by number or name would read every placement.
    QVariantList numbers;
    const bool byNumber = numbering::isDigits(m_trainee);
    if (byNumber) {
        const QString wanted = numbering::significantDigits(m_trainee);
        if (wanted.size() <= maxDigits) {
            QSqlQuery q = lookUp(db,
                                 QStringLiteral("SELECT Np FROM TKursan WHERE %1 = ?")
                                     .arg(engine().integerOf(QStringLiteral("Np"))),
                                 {wanted.toLongLong()});
            while (q.next()) {
                const QString np = q.value(0).toString().trimmed();
                if (numbering::isDigits(np) && numbering::significantDigits(np) == wanted)
                    numbers << q.value(0);
            }
        }
    } else {
        QSqlQuery q = lookUp(db, QStringLiteral("SELECT Np FROM TKursan WHERE %1").arg(byName()),
                             {m_trainee, m_trainee});
        while (q.next())
            numbers << q.value(0);
    }
    if (numbers.isEmpty())
        throw SelectionError(
            QStringLiteral("Kursan \"%1\" tidak ada dalam DataBase.").arg(m_trainee));
    if (!byNumber && numbers.size() > maxListedTrainees)
        return {QStringLiteral("TKursan.Np IN (SELECT Np FROM TKursan WHERE %1)").arg(byName()),
                {m_trainee, m_trainee}};
    QStringList marks;
    for (qsizetype i = 0; i < numbers.size(); ++i)
        marks << QStringLiteral("?");
    return {QStringLiteral("TKursan.Np IN (%1)").arg(marks.join(QStringLiteral(", "))), numbers};
}

} // namespace data
