#include "rules/val.h"

#include <gtest/gtest.h>

TEST(Val, ReadsTheLeadingNumber)
{
    EXPECT_EQ(rules::val("05"), 5);
    EXPECT_EQ(rules::val("/2"), 0);
    EXPECT_EQ(rules::val("2/"), 2);
    EXPECT_EQ(rules::val("  12ab"), 12);
    EXPECT_EQ(rules::val(""), 0);
    EXPECT_EQ(rules::val("-3"), -3);
    EXPECT_EQ(rules::val("99999999999999999999999"), 999999999999999999LL);
}
