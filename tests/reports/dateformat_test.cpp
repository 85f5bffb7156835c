#include "reports/engine/dateformat.h"

#include <gtest/gtest.h>

using reports::formatDate;

namespace {
const QDate today(2005, 3, 15);

std::string fmt(const QString& value, const QString& pattern)
{
    return formatDate(value, pattern, today).toStdString();
}
} // namespace

TEST(ReportDates, PatternsPrintStoredBirthDates)
{
    EXPECT_EQ(fmt("05/01/85", "dd-MMMM-yyyy"), "05-Januari-1985");
    EXPECT_EQ(fmt("05/01/85", "d MMMM yyyy"), "5 Januari 1985");
    EXPECT_EQ(fmt("17/8/1945", "dd-MMMM-yyyy"), "17-Agustus-1945");
    EXPECT_EQ(fmt("31/12/04", "d/M/yy"), "31/12/04");
    EXPECT_EQ(fmt(" 01/05/2005 ", "d MMMM yyyy"), "1 Mei 2005");
}

TEST(ReportDates, TwoDigitYearsFallInTheLastHundredYears)
{
    EXPECT_EQ(fmt("01/02/05", "yyyy"), "2005"); // today's own two digits: this century
    EXPECT_EQ(fmt("01/02/06", "yyyy"), "1906");
    EXPECT_EQ(fmt("01/02/00", "yyyy"), "2000");
    EXPECT_EQ(fmt("01/02/99", "yyyy"), "1999");
}

TEST(ReportDates, ValuesThatAreNotOneDatePrintUnchanged)
{
    EXPECT_EQ(fmt("", "dd-MMMM-yyyy"), "");
    EXPECT_EQ(fmt("01/03/2005s/d01/04/2005", "dd-MMMM-yyyy"), "01/03/2005s/d01/04/2005");
    EXPECT_EQ(fmt("31/02/85", "dd-MMMM-yyyy"), "31/02/85");
    EXPECT_EQ(fmt("5-1-85", "dd-MMMM-yyyy"), "5-1-85");
    EXPECT_EQ(fmt("05/01/985", "dd-MMMM-yyyy"), "05/01/985");
}

TEST(ReportDates, LongDateIsIndonesian)
{
    EXPECT_EQ(reports::longDate(QDate(2026, 12, 8)).toStdString(), "8 Desember 2026");
    EXPECT_EQ(reports::longDate(QDate(2005, 3, 15)).toStdString(), "15 Maret 2005");
}
