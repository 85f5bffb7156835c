#include "rules/statistik.h"

#include <gtest/gtest.h>

using statistik::Purpose;

TEST(StatistikRules, LetterYearsAndPurposesAreReadByTheirWords)
{
    EXPECT_EQ(statistik::letterYear("B/007/IV/PKL/2005"), 2005);
    EXPECT_EQ(statistik::letterYear("B/1000/XII/PKL/2026"), 2026);
    for (const char* other : {"B/9001/PKL", "B/007/IV/PKL/05", "X/007/IV/PKL/2005", ""})
        EXPECT_EQ(statistik::letterYear(other), std::nullopt) << other;

    const struct {
        const char* tujuan;
        Purpose purpose;
    } cases[] = {
        {"PKL", Purpose::Pkl},
        {"Prakerin SMK", Purpose::Pkl},
        {"Kerja Praktik", Purpose::Pkl},
        {"penelitian (PKL)", Purpose::Penelitian},
        {"Tugas Akhir", Purpose::Penelitian},
        {"RISET", Purpose::Penelitian},
        {"Kunjungan KPK", Purpose::Lainnya},
        {"tugas", Purpose::Lainnya},
        {"", Purpose::Lainnya},
    };
    for (const auto& c : cases)
        EXPECT_EQ(statistik::purposeOf(c.tujuan), c.purpose) << c.tujuan;
}

TEST(StatistikRules, TenLargestInstitutionsThenTheRestInOneLine)
{
    statistik::Counter counter(2005, {});
    for (int i = 1; i <= 12; ++i)
        for (int n = 0; n < i; ++n)
            counter.addPlacement({"01/03/2005s/d01/04/2005", "U1",
                                  QStringLiteral("Sekolah %1").arg(i, 2, 10, QChar('0')), "PKL",
                                  "B/001/III/PKL/2005"});
    const statistik::Table t = counter.result().institutions;
    ASSERT_EQ(t.lines.size(), 11u);
    EXPECT_EQ(t.lines.front().name, "Sekolah 12");
    EXPECT_EQ(t.lines[9].name, "Sekolah 03");
    EXPECT_EQ(t.lines.back().name, "Lainnya");
    EXPECT_EQ(t.lines.back().count, 1 + 2);
    EXPECT_EQ(t.total(), 78);
}
