#include "rules/statistik.h"

#include "rules/calendar.h"
#include "rules/numbering.h"
#include "rules/occupancy.h"

#include <QStringList>
#include <algorithm>

namespace statistik {

QString Table::share(int count) const
{
    const int all = total();
    if (all <= 0)
        return {};
    return QString::number(100.0 * count / all, 'f', 1)
               .replace(QLatin1Char('.'), QLatin1Char(',')) +
           QLatin1Char('%');
}

std::optional<int> letterYear(const QString& ns)
{
    const std::optional<numbering::LetterNumber> n = numbering::readLetterNumber(ns);
    return n ? std::optional<int>(n->year) : std::nullopt;
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

// FNV-1a over the UTF-16 text.
size_t Counter::TextHash::operator()(const QString& text) const noexcept
{
    size_t hash = 14695981039346656037ull;
    for (const QChar c : text) {
        hash ^= c.unicode();
        hash *= 1099511628211ull;
    }
    return hash;
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
    ++m_units[placement.unitCode];
    ++institutionOf(placement.institution).count;
    auto purpose = m_purposeOf.find(placement.purpose);
    if (purpose == m_purposeOf.end())
        purpose = m_purposeOf.emplace(placement.purpose, purposeOf(placement.purpose)).first;
    ++m_purposes[size_t(purpose->second)];
}

Line& Counter::institutionOf(const QString& text)
{
    auto known = m_institutionOfText.find(text);
    if (known == m_institutionOfText.end()) {
        // Spellings that differ in case or blanks are one institution, shown by one of them
        // whatever the order read.
        const QString trimmed = text.trimmed();
        const QString key = trimmed.toLower();
        auto same = m_institutionOfKey.constFind(key);
        if (same == m_institutionOfKey.constEnd()) {
            same = m_institutionOfKey.insert(key, int(m_institutions.size()));
            m_institutions.push_back({trimmed, 0});
        } else if (trimmed < m_institutions[size_t(*same)].name) {
            m_institutions[size_t(*same)].name = trimmed;
        }
        known = m_institutionOfText.emplace(text, *same).first;
    }
    return m_institutions[size_t(known->second)];
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
    for (const auto& [code, count] : m_units)
        y.units.lines.push_back({unitTitle(m_unitNames, code), count});
    sortLongestFirst(y.units.lines);

    y.institutions = {
        QStringLiteral("Kursan per Instansi"), QStringLiteral("Instansi"), Kursan, {}};
    for (const Line& line : m_institutions)
        y.institutions.lines.push_back(
            {line.name.isEmpty() ? QStringLiteral("(tanpa instansi)") : line.name, line.count});
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
