#include "rules/period.h"

#include <gtest/gtest.h>

using period::Problem;

TEST(PeriodDates, ShortOrUnpaddedDatesAreWrittenInFullOrNotAtAll)
{
    EXPECT_EQ(period::CekTgl("010305"), "01/03/05");
    EXPECT_EQ(period::CekTgl("1/4/27"), "1/4/27") << "six characters, not six digits";

    const struct {
        const char* typed;
        const char* normal; // empty: cannot be read
    } cases[] = {
        {"15/03/05", "15/03/2005"},
        {"01/04/1999", "01/04/1999"},
        {"1/4/27", "01/04/2027"},
        {"01/1/2027", "01/01/2027"},
        {"01042027", "01/04/2027"},
        {"15/03/ab", ""},
        {"1//4//27", ""},
        {"1/4/10000", ""},
        {"1/4/205", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(period::normalise(c.typed), c.normal) << c.typed;
}

TEST(PeriodDates, StartIsCheckedAgainstTodaysMonthAndYearTogether)
{
    // Today: 15 March 2005.
    const struct {
        const char* start;
        Problem expected;
    } cases[] = {
        {"01/03/2005", Problem::None},
        {"15/12/2005", Problem::None},
        {"31/01/2006", Problem::None}, // a later year is never refused for its month
        {"01/02/2005", Problem::Month},
        {"31/12/2004", Problem::Year},
        {"01/04/1999", Problem::Year},
        {"15/13/2005", Problem::Month},
        {"15/00/2005", Problem::Month},
        {"1/4/2005", Problem::Day}, // not written in full
        {"", Problem::Day},
        {"31/04/2005", Problem::Day},
        {"15/12/9999", Problem::Year}, // its end would have a five-digit year
        {"00/04/2005", Problem::Day},
        {"29/02/2008", Problem::None},
        {"29/02/2006", Problem::Day},
    };
    for (const auto& c : cases)
        EXPECT_EQ(period::checkStart(c.start, 3, 2005), c.expected) << c.start;
}

TEST(PeriodDates, EndIsOneMonthLaterWithTheDayCutToThatMonth)
{
    EXPECT_EQ(period::TglAkhir("01/03/2005"), "01/04/2005");
    EXPECT_EQ(period::TglAkhir("15/12/2005"), "15/01/2006");
    EXPECT_EQ(period::TglAkhir("05/09/2005"), "05/10/2005");
    EXPECT_EQ(period::TglAkhir("10/08/2005"), "10/09/2005");
    EXPECT_EQ(period::TglAkhir("31/01/2005"), "28/02/2005");
    EXPECT_EQ(period::TglAkhir("31/01/2008"), "29/02/2008");
    EXPECT_EQ(period::TglAkhir("31/05/2005"), "30/06/2005");
    EXPECT_EQ(period::TglAkhir("31/12/2005"), "31/01/2006");
}
