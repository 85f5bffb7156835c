#include "rules/occupancy.h"

#include "rules/calendar.h"
#include "rules/period.h"

#include <QHash>
#include <algorithm>
#include <map>

namespace occupancy {

QString startingYear(const QString& month, const QString& bulan, const QString& tahun)
{
    const int chosen = calendar::monthNames().indexOf(month) + 1;
    const int current = bulan.toInt();
    if (chosen == 0 || chosen >= current)
        return tahun;
    return QString::number(tahun.toInt() + 1);
}

QString countHeading(const QString& month, const QString& year)
{
    if (!calendar::monthNames().contains(month))
        return QStringLiteral("Jumlah / Unit");
    return QStringLiteral("Jumlah yang mulai\n%1 %2").arg(month, year);
}

QStringList startsPerUnit(const QStringList& units, const QStringList& placedUnits)
{
    QHash<QString, int> placements;
    for (const QString& unit : placedUnits)
        ++placements[unit];
    QStringList counts;
    counts.reserve(units.size());
    for (const QString& unit : units) {
        const int n = placements.value(unit);
        counts << (n ? QString::number(n) : QString());
    }
    return counts;
}

namespace {
int digit(QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1; }

// dd/mm/yyyy as the letter form stores it, read without building any text: the board reads
// every placement at once.
std::optional<int> storedMonth(QStringView date)
{
    if (date.size() != 10 || date[2] != u'/' || date[5] != u'/')
        return std::nullopt;
    int value[3] = {0, 0, 0};
    const int start[3] = {0, 3, 6}, length[3] = {2, 2, 4};
    for (int part = 0; part < 3; ++part)
        for (int i = start[part]; i < start[part] + length[part]; ++i) {
            const int d = digit(date[i]);
            if (d < 0)
                return std::nullopt;
            value[part] = value[part] * 10 + d;
        }
    const auto [day, month, year] = value;
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1)
        return std::nullopt;
    return monthKey(year, month);
}

// A date as the letter form writes it, or in any form it accepts, read to its month.
std::optional<int> monthOfDate(QStringView text)
{
    if (const std::optional<int> month = storedMonth(text))
        return month;
    const QString date = period::normalise(text.toString());
    return date.isEmpty() ? std::nullopt : storedMonth(date);
}
} // namespace

QString monthText(int key)
{
    return calendar::monthName(monthOf(key)) + ' ' + QString::number(yearOf(key));
}

std::optional<Span> monthsOf(const QString& period)
{
    const int sd = period.indexOf(QStringLiteral("s/d"));
    if (sd < 0)
        return std::nullopt;
    const QStringView text(period);
    const std::optional<int> first = monthOfDate(text.left(sd));
    const std::optional<int> last = monthOfDate(text.mid(sd + 3));
    if (!first || !last || *last < *first)
        return std::nullopt;
    return Span{*first, *last};
}

Level levelOf(int count)
{
    return count < Quota ? Level::Room : count == Quota ? Level::Full : Level::Over;
}

std::optional<MonthCount> firstFullMonth(const QString& period, const QStringList& others)
{
    const std::optional<Span> span = monthsOf(period);
    if (!span)
        return std::nullopt;
    // Each other placement, cut to the period, adds one from its first month and takes it
    // away after its last.
    std::vector<std::pair<int, int>> steps;
    for (const QString& other : others) {
        const std::optional<Span> s = monthsOf(other);
        if (!s || s->last < span->first || s->first > span->last)
            continue;
        steps.push_back({std::max(s->first, span->first), 1});
        steps.push_back({std::min(s->last, span->last) + 1, -1});
    }
    std::sort(steps.begin(), steps.end());
    int running = 0;
    for (std::size_t i = 0; i < steps.size();) {
        const int key = steps[i].first;
        for (; i < steps.size() && steps[i].first == key; ++i)
            running += steps[i].second;
        if (running >= Quota)
            return MonthCount{key, running};
    }
    return std::nullopt;
}

Board::Board(occupancy::BoardData data) : m_placements(std::move(data.placements))
{
    countAll(data.units);
}

void Board::countAll(const std::vector<UnitName>& units)
{
    m_rows.clear();
    m_rowOf.clear();
    m_changes.clear();
    m_counted.clear();
    for (const occupancy::UnitName& unit : units) {
        if (!m_rowOf.contains(unit.code))
            m_rowOf.insert(unit.code, int(m_rows.size()));
        m_rows.push_back({unit.code, unit.name, true});
    }
    m_changes.resize(m_rows.size());
    m_counted.reserve(m_placements.size());
    for (const occupancy::GrantedPlacement& p : m_placements) {
        const std::optional<Span> span = monthsOf(p.period);
        m_counted.push_back({span ? rowOf(p.unitCode) : -1, span.value_or(Span{})});
        tally(m_counted.back(), 1);
    }
    m_steps.assign(m_rows.size(), {});
    for (int row = 0; row < int(m_rows.size()); ++row)
        stepsOf(row);
    m_unreadable.clear();
    for (std::size_t i = 0; i < m_counted.size(); ++i)
        if (m_counted[i].row < 0)
            m_unreadable.push_back(&m_placements[i]);
}

int Board::rowOf(const QString& code)
{
    auto found = m_rowOf.find(code);
    if (found != m_rowOf.end())
        return *found;
    m_rowOf.insert(code, int(m_rows.size()));
    m_rows.push_back({code, code, false});
    m_changes.emplace_back();
    m_steps.emplace_back();
    return int(m_rows.size()) - 1;
}

void Board::tally(const Counted& counted, int sign)
{
    if (counted.row < 0)
        return;
    std::map<int, int>& row = m_changes[size_t(counted.row)];
    for (const auto& [key, change] :
         {std::pair{counted.span.first, sign}, std::pair{counted.span.last + 1, -sign}}) {
        if ((row[key] += change) == 0)
            row.erase(key);
    }
}

void Board::stepsOf(int row)
{
    std::vector<Step>& steps = m_steps[size_t(row)];
    steps.clear();
    int running = 0;
    for (const auto& [key, change] : m_changes[size_t(row)])
        steps.push_back({key, running += change});
}

void Board::follow(BoardChanges changes)
{
    if (changes.everything) {
        m_placements = std::move(changes.data.placements);
        countAll(changes.data.units);
        return;
    }
    // The placements named go, and come back as they are now, in placement order.
    std::vector<GrantedPlacement> fresh = std::move(changes.data.placements);
    std::vector<GrantedPlacement> placements;
    std::vector<Counted> counted;
    placements.reserve(m_placements.size() + fresh.size());
    counted.reserve(placements.capacity());
    QSet<int> touched;
    std::size_t next = 0;
    // Adds the fresh placements that come before placement `id` (all of them: none).
    auto addFresh = [&](std::optional<qint64> id) {
        for (; next < fresh.size() && (!id || fresh[next].id < *id); ++next) {
            const std::optional<Span> span = monthsOf(fresh[next].period);
            counted.push_back({span ? rowOf(fresh[next].unitCode) : -1, span.value_or(Span{})});
            tally(counted.back(), 1);
            touched.insert(counted.back().row);
            placements.push_back(std::move(fresh[next]));
        }
    };
    for (std::size_t i = 0; i < m_placements.size(); ++i) {
        GrantedPlacement& p = m_placements[i];
        addFresh(p.id);
        if (changes.trainees.contains(p.trainee) || changes.letters.contains(p.letter)) {
            tally(m_counted[i], -1);
            touched.insert(m_counted[i].row);
            continue;
        }
        placements.push_back(std::move(p));
        counted.push_back(m_counted[i]);
    }
    addFresh(std::nullopt);
    m_placements.swap(placements);
    m_counted.swap(counted);
    if (changes.unitsChanged) {
        countAll(changes.data.units);
        return;
    }
    for (int row : std::as_const(touched))
        if (row >= 0)
            stepsOf(row);
    m_unreadable.clear();
    for (std::size_t i = 0; i < m_counted.size(); ++i)
        if (m_counted[i].row < 0)
            m_unreadable.push_back(&m_placements[i]);
}

int Board::count(int row, int key) const
{
    const auto& levels = m_steps.at(row);
    auto after = std::upper_bound(levels.begin(), levels.end(), key,
                                  [](int k, const Step& s) { return k < s.key; });
    return after == levels.begin() ? 0 : std::prev(after)->count;
}

int Board::firstWithRoom(int row, int fromKey) const
{
    if (count(row, fromKey) < Quota)
        return fromKey;
    const auto& levels = m_steps.at(row);
    auto at = std::upper_bound(levels.begin(), levels.end(), fromKey,
                               [](int k, const Step& s) { return k < s.key; });
    for (; at != levels.end(); ++at)
        if (at->count < Quota)
            return at->key;
    return fromKey; // not reached: every placement ends, so the count falls back to 0
}

std::vector<const occupancy::GrantedPlacement*> Board::placementsIn(int row, int key) const
{
    std::vector<const occupancy::GrantedPlacement*> found;
    for (std::size_t i = 0; i < m_counted.size(); ++i) {
        const Counted& c = m_counted[i];
        if (c.row == row && c.span.first <= key && key <= c.span.last)
            found.push_back(&m_placements[i]);
    }
    return found;
}

} // namespace occupancy
