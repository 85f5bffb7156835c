#include "rules/numbering.h"
#include "rules/occupancy.h"

#include <gtest/gtest.h>

using namespace numbering;

namespace {
std::string s(const QString& text) { return text.toStdString(); }
} // namespace

TEST(Numbering, TraineeNumberFollowsTheHighestOneWithAtLeastThreeDigits)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "001"},        {"abc", "001"},        {"-5", "001"},  {"008", "009"},
        {"009", "010"},     {"098", "099"},        {"099", "100"}, {"999", "1000"},
        {"32767", "32768"}, {"999999", "1000000"}, {"12x", "013"},
    };
    for (const auto& [last, next] : cases)
        EXPECT_EQ(s(nextTraineeNumber(last)), next) << "after " << last;
}

TEST(Numbering, LetterSequenceIsEveryDigitAfterTheLetterPrefix)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "001"},
        {"B/x/IV/PKL/2005", "001"},
        {"B/008/IV/PKL/2005", "009"},
        {"B/009/IV/PKL/2005", "010"},
        {"B/098/IV/PKL/2005", "099"},
        {"B/099/IV/PKL/2005", "100"},
        {"B/999/IV/PKL/2005", "1000"},
        {"B/1000/I/PKL/2006", "1001"},
        {"B/12345/I/PKL/2006", "12346"},
    };
    for (const auto& [last, next] : cases)
        EXPECT_EQ(s(nextLetterSequence(last)), next) << "after " << last;
}

TEST(Numbering, RomanMonthsAndTheAssembledLetterNumber)
{
    const QStringList roman{"I",   "II",   "III", "IV", "V",  "VI",
                            "VII", "VIII", "IX",  "X",  "XI", "XII"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(romanMonth(QString::number(m).rightJustified(2, '0')), roman[m - 1]);
    // The comparison is on the exact text; anything unlisted falls to the last row.
    EXPECT_EQ(s(romanMonth("4")), "XII");
    EXPECT_EQ(s(romanMonth("")), "XII");
    EXPECT_EQ(s(letterNumber("012", romanMonth("12"), "2005")), "B/012/XII/PKL/2005");
    EXPECT_EQ(s(letterNumber("007", romanMonth("04"), "2005")), "B/007/IV/PKL/2005");
}

TEST(Numbering, BirthDateRewrittenAsDayMonthTwoDigitYearOrRefused)
{
    const QDate today(2005, 3, 15);
    const std::pair<const char*, const char*> cases[] = {
        {"010290", "01/02/90"},   {"01/02/1990", "01/02/90"},
        {"01/02/90", "01/02/90"}, {"01021990", "01/02/90"},
        {"31121999", "31/12/99"}, {"01011900", "01/01/00"},
        {"1/2/90", "01/02/90"},   {"", ""},
        {"29/02/04", "29/02/04"},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(s(rewriteBirthDate(typed, today).value_or("refused")), stored) << typed;
    // Not a real date: refused, never stored cut up by position.
    for (const char* typed :
         {"31/21/99", "5", "0102", "300290", "29022001", "32/01/90", "ab/cd/ef"})
        EXPECT_FALSE(rewriteBirthDate(typed, today)) << typed;
}

TEST(Numbering, TypedTraineeNumberMustLeaveRoomForTheNext)
{
    EXPECT_TRUE(numberingContinuesFrom("999998"));
    EXPECT_FALSE(numberingContinuesFrom("999999"));
    EXPECT_FALSE(numberingContinuesFrom("12a"));
    EXPECT_FALSE(numberingContinuesFrom(""));
}

TEST(Quota, ChosenMonthIsCountedInItsNextOccurrence)
{
    EXPECT_EQ(s(occupancy::startingYear("Maret", "03", "2005")), "2005");
    EXPECT_EQ(s(occupancy::startingYear("Desember", "03", "2005")), "2005");
    EXPECT_EQ(s(occupancy::startingYear("Februari", "03", "2005")), "2006");
    EXPECT_EQ(s(occupancy::startingYear("Januari", "12", "2005")), "2006");
    EXPECT_EQ(s(occupancy::startingYear("----Pilih Bulan----", "03", "2005")), "2005");
}

TEST(Quota, CountsPerListedUnitExactlyAndAtEveryPlaceItIsListed)
{
    const QStringList units{"Gudang", "Bengkel", "Gudang", "Kantor"};
    const QStringList placed{"Gudang", "Bengkel", "Gudang", "gudang", "Dapur", "Gudang"};
    EXPECT_EQ(occupancy::startsPerUnit(units, placed), QStringList({"3", "1", "3", ""}));
    EXPECT_EQ(occupancy::startsPerUnit(units, {}), QStringList({"", "", "", ""}));
    EXPECT_TRUE(occupancy::startsPerUnit({}, placed).isEmpty());
}
