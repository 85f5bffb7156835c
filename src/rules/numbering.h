#pragma once

#include <QDate>
#include <QString>
#include <optional>

// How the trainee form numbers a new trainee and its application letter, and how it writes a
// date of birth. Pure text functions, so every rule can be checked without a window.
namespace numbering {

// The places of a trainee number: the trainee form's box takes six.
inline constexpr int TraineeNumberPlaces = 6;

// The trainee number after `lastNp` (the highest number so far, empty when there is none):
// its numeric value plus one, at least three digits (001 … 999, 1000 …).
QString nextTraineeNumber(const QString& lastNp);

// Whether the text is one or more of the digits 0-9 and nothing else.
bool isDigits(const QString& text);

// Digits without their leading zeros ("0" stays), so numbers of any length compare exactly.
QString significantDigits(const QString& digits);

// Trainee numbers are kept with at least three digits: "1" and "0001" -> "001", "1234" stays.
QString traineeNumberForm(const QString& digits);

// The letter sequence after the one in `lastNs` (the newest letter number, empty when there is
// none): the digits that follow "B/" plus one, at least three digits (001 … 999, 1000 …).
QString nextLetterSequence(const QString& lastNs);

// The Roman numeral of a two-digit month: "01" -> "I" … "11" -> "XI"; anything else "XII".
QString romanMonth(const QString& bulan);

// B/<sequence>/<Roman month>/PKL/<year>, for example B/007/IV/PKL/2005.
QString letterNumber(const QString& nomor, const QString& romawi, const QString& tahun);

// What a letter number says: its sequence (-1 when too long for a number), the month of its
// Roman numeral (0 when that is not one of I … XII) and its year.
struct LetterNumber {
    qint64 sequence = 0;
    int month = 0;
    int year = 0;
};
// Reads "B/007/IV/PKL/2005": "B/", digits, two more parts and a four-digit year after the last
// of four slashes; none for any other text.
std::optional<LetterNumber> readLetterNumber(const QString& ns);

// A typed date of birth as dd/mm/yy: "010290", "01021990", "1/2/90" and "01/02/1990" all give
// "01/02/90"; an empty box stays empty. No value for any other text, or when it is not a real
// date (a two-digit year is read against `today` as the reports read it).
std::optional<QString> rewriteBirthDate(const QString& typed, const QDate& today);

// Whether numbering can go on after a typed trainee number: digits only, and a next number
// that still fits the six places of the box.
bool numberingContinuesFrom(const QString& np);

} // namespace numbering
