#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// How full each unit is: the one home of the office's counting. Two counts live here and
// differ on purpose: the trainee form's detector counts the placements that START in a month
// (startsPerUnit: the office's monthly intake), while the board and the quota question count
// every month a period TOUCHES (Board, firstFullMonth: who is in the unit that month).
namespace occupancy {

// The reply that grants a letter's placement.
inline const QString GrantedReply = QStringLiteral("Dapat");

// A placement whose letter was answered "Dapat", with what a list of trainees shows.
struct GrantedPlacement {
    qint64 id = -1; // the placement's rowid
    QString unitCode;
    QString period; // Tanggal_Pelaksanaan as stored
    QString name;   // the trainee's, and the institution: read only for a list that shows them
    QString institution;
    QString letter;  // Ns
    QString trainee; // Np: whose placement, as the log of changes names it
};

struct UnitName {
    QString code;
    QString name;
};

// What the placement board shows: every unit in table order and every granted placement in
// placement order.
struct BoardData {
    std::vector<UnitName> units;
    std::vector<GrantedPlacement> placements;
};

// What was saved since the board read its data: everything again, or the granted placements
// of some trainees and letters as they are now (and the units, when any changed).
struct BoardChanges {
    bool everything = false;
    bool unitsChanged = false;
    BoardData data; // everything: all of it; else the units (when changed) and those placements
    QSet<QString> trainees; // Np: their placements are replaced by those in `data`
    QSet<QString> letters;  // Ns: the same
};

// The year of the next occurrence of the month named `month`, seen from month `bulan`
// ("01" … "12") of year `tahun`: this year when that month is the current one or later,
// otherwise next year. A text that names no month gives this year.
QString startingYear(const QString& month, const QString& bulan, const QString& tahun);

// The heading over the detector's counts: which month and year they are of, and that they
// count the placements starting then. "Jumlah / Unit" until a month is chosen.
QString countHeading(const QString& month, const QString& year);

// The detector's count, by start month: one entry per unit name, how many of `placedUnits`
// (the units of the placements starting in the chosen month) equal it, exactly, case
// included, or an empty entry when none do. A name listed twice is counted at both places.
// Unlike the board it ignores the months a period runs on into.
QStringList startsPerUnit(const QStringList& units, const QStringList& placedUnits);

// The office's rule: five trainees per unit at a time.
constexpr int Quota = 5;

// A month as one number, year * 12 + month - 1, so that months follow on across years.
constexpr int monthKey(int year, int month) { return year * 12 + month - 1; }
constexpr int yearOf(int key) { return key / 12; }
constexpr int monthOf(int key) { return key % 12 + 1; }
// "Maret 2027".
QString monthText(int key);

// The months a stored period touches, both ends included.
struct Span {
    int first = 0;
    int last = 0;
};
// Reads "dd/mm/yyyys/ddd/mm/yyyy" (each date as the letter form writes or accepts it). Only
// the month and year count, so a day the month lacks (31/02) still reads; a missing date, a
// month outside 1-12 or an end before the start does not.
std::optional<Span> monthsOf(const QString& period);

enum class Level { Room, Full, Over };
// Under the quota, at it, or above it.
Level levelOf(int count);

// By every month touched, as the board counts: the first month of `period` in which the
// unit's other granted placements (their stored `others` periods) already hold the quota or more,
// with that number; none when there is room in every month or the period cannot be read.
struct MonthCount {
    int key = 0;
    int count = 0;
};
std::optional<MonthCount> firstFullMonth(const QString& period, const QStringList& others);

// Granted placements counted per unit and month.
class Board {
public:
    struct Row {
        QString code;
        QString name; // a unit no longer in the unit list shows its code
        bool listed = true;
    };

    // Rows are the units in their order, then one per unit code that placements name but
    // the unit list lacks. A period that cannot be read is counted nowhere.
    explicit Board(BoardData data);
    // Brings the changes in. Only what they name is counted again, unless the units changed.
    void follow(BoardChanges changes);
    Board(const Board&) = delete; // the lists point into its own placements
    Board& operator=(const Board&) = delete;

    const std::vector<Row>& rows() const { return m_rows; }
    // The placements in the unit during the month: every one whose period touches it, not
    // only those starting then (that is the detector's startsPerUnit).
    int count(int row, int key) const;
    // The first month from `fromKey` on in which the unit is under the quota.
    int firstWithRoom(int row, int fromKey) const;
    // The placements of the unit that touch the month, in placement order.
    std::vector<const GrantedPlacement*> placementsIn(int row, int key) const;
    const std::vector<const GrantedPlacement*>& unreadable() const { return m_unreadable; }

private:
    struct Counted {
        int row;
        Span span;
    };
    // The count from `key` on, up to the next step.
    struct Step {
        int key;
        int count;
    };
    // Counts every placement anew against `units`.
    void countAll(const std::vector<UnitName>& units);
    // The row of a unit code, a row of its own for a code the unit list lacks.
    int rowOf(const QString& code);
    // Adds (+1) or takes away (-1) a counted placement's months, and marks its row.
    void tally(const Counted& counted, int sign);
    void stepsOf(int row);

    std::vector<GrantedPlacement> m_placements;
    std::vector<Row> m_rows;
    QHash<QString, int> m_rowOf;
    // Per row, where the count goes up or down, and by how much; m_steps is its running sum.
    std::vector<std::map<int, int>> m_changes;
    std::vector<Counted> m_counted; // beside m_placements; row -1: not counted
    // Per row, the months where the count changes, in order: a placement adds a step where
    // it begins and one after it ends, so a long period costs two entries, not one a month.
    std::vector<std::vector<Step>> m_steps;
    std::vector<const GrantedPlacement*> m_unreadable;
};

} // namespace occupancy
