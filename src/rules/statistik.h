#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <optional>
#include <unordered_map>
#include <vector>

// The yearly statistics: how many granted placements started in a year, by month, unit,
// institution and purpose, and how the letters numbered in that year were answered.
namespace statistik {

// The year of a letter number B/NNN/ROMAN/PKL/YYYY: its last part, when the number has that
// form (a sequence of digits after "B/", four digits at the end). None for any other text.
std::optional<int> letterYear(const QString& ns);

enum class Purpose { Pkl, Penelitian, Lainnya };
// The purpose a trainee typed, by its words: field practice ("PKL", "praktek kerja",
// "magang", …) or research ("penelitian", "riset", "skripsi", …), in any case. A text naming
// both is taken by the word that comes first; one naming neither is "Lainnya".
Purpose purposeOf(const QString& tujuan);
QString purposeName(Purpose purpose); // "PKL", "Penelitian", "Lainnya"

enum class Reply { Dapat, Tidak, Belum, Lainnya };
// "Dapat" and "Tidak" exactly as the letter form writes them; empty or "-" not answered yet;
// any other text is neither.
Reply replyOf(const QString& jawaban);
QString replyName(Reply reply); // "Dapat", "Tidak", "Belum dijawab", "Lainnya"

// A granted placement as the statistics read it.
struct Placement {
    QString period; // Tanggal_Pelaksanaan as stored
    QString unitCode;
    QString institution;
    QString purpose; // the trainee's Tujuan
    QString letter;  // the trainee's Ns
};

// One line of a table: what is counted and how many.
struct Line {
    QString name;
    int count = 0;
};

struct Table {
    QString title;   // "Kursan per Bulan"
    QString heading; // the first column's: "Bulan"
    QString counted; // the second column's: "Kursan", "Surat"
    std::vector<Line> lines;
    int total() const;
    int largest() const;
    // "12,5%": a count's share of the total, with the decimal comma the office writes; empty
    // when the table is empty.
    QString share(int count) const;
};

// The counts of one year.
struct Year {
    int year = 0;
    Table months;       // twelve lines, January first
    Table units;        // longest first
    Table institutions; // the ten largest, then "Lainnya" for the rest
    Table purposes;     // PKL, Penelitian, Lainnya
    Table replies;      // Dapat, Tidak, Belum dijawab, Lainnya
    // Placements counted in the year by their letter's number because their period cannot be
    // read: in every table but the months.
    int unreadable = 0;

    // The tables in the order they are shown and printed.
    std::vector<const Table*> tables() const;
    // A line under the months saying what they leave out; empty when nothing is.
    QString note() const;
};

// The institutions shown by name; the rest are added up in one line.
constexpr int LargestInstitutions = 10;

// Counts a year from candidates: granted placements and letter replies (a superset is fine,
// each is tested here). A placement counts in the year its period starts in; one whose period
// cannot be read counts in its letter's year, but not by month. `unitNames` names the units
// by code; a code the unit list lacks is shown as such.
class Counter {
public:
    Counter(int year, QHash<QString, QString> unitNames);
    void addPlacement(const Placement& placement);
    void addLetter(const QString& ns, const QString& jawaban);
    Year result() const;

private:
    // The line of an institution as typed.
    Line& institutionOf(const QString& text);

    int m_year;
    QHash<QString, QString> m_unitNames;
    std::array<int, 12> m_months{};
    // Every placement looks up three texts: hashed cheaply, as they are short and few.
    struct TextHash {
        size_t operator()(const QString& text) const noexcept;
    };
    template <class T> using ByText = std::unordered_map<QString, T, TextHash>;

    ByText<int> m_units; // by code
    std::vector<Line> m_institutions;
    QHash<QString, int> m_institutionOfKey; // in lower case, trimmed: its line
    ByText<int> m_institutionOfText;        // as typed: its line
    std::array<int, 3> m_purposes{};
    std::array<int, 4> m_replies{};
    ByText<Purpose> m_purposeOf; // purposes repeat; each text is read once
    int m_unreadable = 0;
};

} // namespace statistik
