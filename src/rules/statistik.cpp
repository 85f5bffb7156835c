#include "rules/statistik.h"

#include "rules/calendar.h"
#include "rules/numbering.h"
#include "rules/occupancy.h"

#include <QStringList>
#include <algorithm>

namespace statistik {

std::optional<int> letterYear(const QString& ns)
{
    const QStringList parts = ns.trimmed().split(u'/');
    if (parts.size() != 5 || parts[0] != QLatin1String("B") || !numbering::isDigits(parts[1]) ||
        parts[4].size() != 4 || !numbering::isDigits(parts[4]))
        return std::nullopt;
    return parts[4].toInt();
}

namespace {
struct Keyword {
    const char* words; // one word, or two joined by a space
    Purpose purpose;
};

const Keyword keywords[] = {
    {"pkl", Purpose::Pkl},
    {"prakerin", Purpose::Pkl},
    {"magang", Purpose::Pkl},
    {"praktek", Purpose::Pkl},
    {"praktik", Purpose::Pkl},
    {"praktikum", Purpose::Pkl},
    {"kp", Purpose::Pkl},
    {"penelitian", Purpose::Penelitian},
    {"riset", Purpose::Penelitian},
    {"research", Purpose::Penelitian},
    {"skripsi", Purpose::Penelitian},
    {"tesis", Purpose::Penelitian},
    {"thesis", Purpose::Penelitian},
    {"observasi", Purpose::Penelitian},
    {"tugas akhir", Purpose::Penelitian},
};

QStringList wordsOf(const QString& text)
{
    QStringList words;
    QString word;
    for (const QChar c : text.toLower()) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

QString unitTitle(const QHash<QString, QString>& names, const QString& code)
{
    if (const auto found = names.constFind(code); found != names.constEnd())
        return *found;
    return code.isEmpty() ? QStringLiteral("(tanpa unit)")
                          : QStringLiteral("%1 (tidak ada di Data Unit)").arg(code);
}

// Most first; equal counts by name, so that the order never depends on the order read.
void sortLongestFirst(std::vector<Line>& lines)
{
    std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        if (a.count != b.count)
            return a.count > b.count;
        const int byName = a.name.compare(b.name, Qt::CaseInsensitive);
        return byName ? byName < 0 : a.name < b.name;
    });
}
} // namespace

Purpose purposeOf(const QString& tujuan)
{
    const QStringList words = wordsOf(tujuan);
    for (qsizetype i = 0; i < words.size(); ++i)
        for (const Keyword& k : keywords) {
            const QString wanted = QLatin1String(k.words);
            const qsizetype space = wanted.indexOf(u' ');
            if (space < 0 ? words[i] == wanted
                          : i + 1 < words.size() && words[i] == wanted.left(space) &&
                                words[i + 1] == wanted.mid(space + 1))
                return k.purpose;
        }
    return Purpose::Lainnya;
}

QString purposeName(Purpose purpose)
{
    switch (purpose) {
    case Purpose::Pkl: return QStringLiteral("PKL");
    case Purpose::Penelitian: return QStringLiteral("Penelitian");
    case Purpose::Lainnya: break;
    }
    return QStringLiteral("Lainnya");
}

Reply replyOf(const QString& jawaban)
{
    if (jawaban == QLatin1String("Dapat"))
        return Reply::Dapat;
    if (jawaban == QLatin1String("Tidak"))
        return Reply::Tidak;
    const QString trimmed = jawaban.trimmed();
    return trimmed.isEmpty() || trimmed == QLatin1String("-") ? Reply::Belum : Reply::Lainnya;
}

QString replyName(Reply reply)
{
    switch (reply) {
    case Reply::Dapat: return QStringLiteral("Dapat");
    case Reply::Tidak: return QStringLiteral("Tidak");
    case Reply::Belum: return QStringLiteral("Belum dijawab");
    case Reply::Lainnya: break;
    }
    return QStringLiteral("Lainnya");
}

int Table::total() const
{
    int sum = 0;
    for (const Line& line : lines)
        sum += line.count;
    return sum;
}

int Table::largest() const
{
    int most = 0;
    for (const Line& line : lines)
        most = std::max(most, line.count);
    return most;
}

std::vector<const Table*> Year::tables() const
{
    return {&months, &units, &institutions, &purposes, &replies};
}

QString Year::note() const
{
    if (!unreadable)
        return {};
    return QStringLiteral(
               "%1 penempatan dengan periode yang tidak terbaca tidak masuk tabel bulan; "
               "tabel lain menghitungnya menurut tahun nomor suratnya.")
        .arg(unreadable);
}

Counter::Counter(int year, QHash<QString, QString> unitNames)
    : m_year(year), m_unitNames(std::move(unitNames))
{
}

void Counter::addPlacement(const Placement& placement)
{
    if (const std::optional<occupancy::Span> span = occupancy::monthsOf(placement.period)) {
        if (occupancy::yearOf(span->first) != m_year)
            return;
        ++m_months[size_t(occupancy::monthOf(span->first) - 1)];
    } else {
        if (letterYear(placement.letter) != m_year)
            return;
        ++m_unreadable;
    }
    tally(m_units, placement.unitCode);
    const QString institution = placement.institution.trimmed();
    const QString key = institution.toLower();
    tally(m_institutions, key);
    QString& shown = m_institutionShown[key];
    if (shown.isNull() || institution < shown) // one spelling, whatever the order read
        shown = institution;
    auto purpose = m_purposeOf.constFind(placement.purpose);
    if (purpose == m_purposeOf.constEnd())
        purpose = m_purposeOf.insert(placement.purpose, purposeOf(placement.purpose));
    ++m_purposes[size_t(*purpose)];
}

void Counter::addLetter(const QString& ns, const QString& jawaban)
{
    if (letterYear(ns) == m_year)
        ++m_replies[size_t(replyOf(jawaban))];
}

Year Counter::result() const
{
    const QString Kursan = QStringLiteral("Kursan");
    Year y;
    y.year = m_year;
    y.unreadable = m_unreadable;
    y.months = {QStringLiteral("Kursan per Bulan Mulai"), QStringLiteral("Bulan"), Kursan, {}};
    for (int m = 1; m <= 12; ++m)
        y.months.lines.push_back({calendar::monthName(m), m_months[size_t(m - 1)]});

    y.units = {QStringLiteral("Kursan per Unit"), QStringLiteral("Unit"), Kursan, {}};
    for (auto it = m_units.constBegin(); it != m_units.constEnd(); ++it)
        y.units.lines.push_back({unitTitle(m_unitNames, it.key()), it.value()});
    sortLongestFirst(y.units.lines);

    y.institutions = {
        QStringLiteral("Kursan per Instansi"), QStringLiteral("Instansi"), Kursan, {}};
    for (auto it = m_institutions.constBegin(); it != m_institutions.constEnd(); ++it) {
        const QString& name = m_institutionShown.value(it.key());
        y.institutions.lines.push_back(
            {name.isEmpty() ? QStringLiteral("(tanpa instansi)") : name, it.value()});
    }
    sortLongestFirst(y.institutions.lines);
    if (y.institutions.lines.size() > size_t(LargestInstitutions)) {
        int rest = 0;
        for (size_t i = LargestInstitutions; i < y.institutions.lines.size(); ++i)
            rest += y.institutions.lines[i].count;
        y.institutions.lines.resize(LargestInstitutions);
        y.institutions.lines.push_back({QStringLiteral("Lainnya"), rest});
    }

    y.purposes = {QStringLiteral("Kursan per Tujuan"), QStringLiteral("Tujuan"), Kursan, {}};
    for (Purpose p : {Purpose::Pkl, Purpose::Penelitian, Purpose::Lainnya})
        y.purposes.lines.push_back({purposeName(p), m_purposes[size_t(p)]});

    y.replies = {
        QStringLiteral("Jawaban Surat"), QStringLiteral("Jawaban"), QStringLiteral("Surat"), {}};
    for (Reply r : {Reply::Dapat, Reply::Tidak, Reply::Belum, Reply::Lainnya})
        y.replies.lines.push_back({replyName(r), m_replies[size_t(r)]});
    return y;
}

} // namespace statistik
