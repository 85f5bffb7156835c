#include "rules/calendar.h"

#include <gtest/gtest.h>

TEST(Calendar, MonthNamesAreIndonesian)
{
    EXPECT_EQ(calendar::monthName(2).toStdString(), "Februari");
    EXPECT_EQ(calendar::monthName(13).toStdString(), "");
}
