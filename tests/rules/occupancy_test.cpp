#include "rules/occupancy.h"

#include <gtest/gtest.h>

using occupancy::Level;
using occupancy::monthKey;

namespace {
occupancy::GrantedPlacement placement(const QString& unit, const QString& period,
                                      const QString& name)
{
    return {-1, unit, period, name, QStringLiteral("UGM"), QStringLiteral("B/") + name, name};
}
} // namespace

TEST(Occupancy, APeriodTouchesEveryMonthFromItsStartToItsEnd)
{
    const struct {
        const char* period;
        int first, last; // 0: cannot be read
    } cases[] = {
        {"20/11/2026s/d20/12/2026", monthKey(2026, 11), monthKey(2026, 12)},
        {"15/12/2026s/d15/01/2027", monthKey(2026, 12), monthKey(2027, 1)},
        {"01/03/2005s/d31/03/2005", monthKey(2005, 3), monthKey(2005, 3)},
        {"31/01/2005s/d31/02/2005", monthKey(2005, 1), monthKey(2005, 2)}, // an old end date
        {"1/3/05s/d1/4/05", monthKey(2005, 3), monthKey(2005, 4)},
        {"s/d", 0, 0},
        {"", 0, 0},
        {"01/03/2005", 0, 0},
        {"15/13/2005s/d15/02/2006", 0, 0},
        {"00/03/2005s/d01/04/2005", 0, 0},
        {"01/04/2005s/d01/03/2005", 0, 0}, // ends before it starts
    };
    for (const auto& c : cases) {
        const auto span = occupancy::monthsOf(c.period);
        ASSERT_EQ(span.has_value(), c.first != 0) << c.period;
        if (span) {
            EXPECT_EQ(span->first, c.first) << c.period;
            EXPECT_EQ(span->last, c.last) << c.period;
        }
    }
    EXPECT_EQ(occupancy::monthText(monthKey(2027, 3)), "Maret 2027");
    EXPECT_EQ(occupancy::levelOf(4), Level::Room);
    EXPECT_EQ(occupancy::levelOf(5), Level::Full);
    EXPECT_EQ(occupancy::levelOf(6), Level::Over);
}

TEST(Occupancy, BoardCountsEachUnitsMonthsAndKeepsWhatItCannotCount)
{
    occupancy::BoardData in;
    in.units = {{"U1", "Keuangan"}, {"U2", "Gudang"}};
    in.placements = {
        placement("U1", "20/11/2026s/d20/12/2026", "a"),
        placement("U1", "15/12/2026s/d15/01/2027", "b"),
        placement("U1", "15/13/2026s/d15/02/2027", "c"), // cannot be read
        placement("X9", "01/11/2026s/d01/12/2026", "d"), // a unit no longer listed
    };
    for (int i = 0; i < 5; ++i)
        in.placements.push_back(placement("U2", "01/03/2027s/d01/04/2027", "g"));
    in.placements.push_back(placement("U2", "10/04/2027s/d10/05/2027", "h"));
    const occupancy::Board board(std::move(in));

    ASSERT_EQ(board.rows().size(), 3u);
    EXPECT_EQ(board.rows()[2].code, "X9");
    EXPECT_FALSE(board.rows()[2].listed);
    QList<int> keuangan;
    for (int month = 10; month <= 14; ++month) // October 2026 to February 2027
        keuangan << board.count(0, monthKey(2026, 1) + month - 1);
    EXPECT_EQ(keuangan, QList<int>({0, 1, 2, 1, 0}));
    EXPECT_EQ(board.count(2, monthKey(2026, 12)), 1);
    ASSERT_EQ(board.unreadable().size(), 1u);
    EXPECT_EQ(board.unreadable()[0]->name, "c");

    const auto december = board.placementsIn(0, monthKey(2026, 12));
    ASSERT_EQ(december.size(), 2u);
    EXPECT_EQ(december[0]->name, "a");
    EXPECT_EQ(december[1]->name, "b");

    // Gudang: five in March, six in April, one in May.
    EXPECT_EQ(board.count(1, monthKey(2027, 4)), 6);
    EXPECT_EQ(board.firstWithRoom(1, monthKey(2027, 2)), monthKey(2027, 2));
    EXPECT_EQ(board.firstWithRoom(1, monthKey(2027, 3)), monthKey(2027, 5));
}

TEST(Occupancy, TheQuotaQuestionNamesTheFirstMonthAlreadyFull)
{
    const QString march = QStringLiteral("01/03/2027s/d01/04/2027");
    QStringList others(4, march);
    EXPECT_FALSE(occupancy::firstFullMonth(march, others)) << "four leave room for a fifth";

    others << QStringLiteral("10/04/2027s/d10/05/2027"); // full in April only
    auto full = occupancy::firstFullMonth(march, others);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->key, monthKey(2027, 4));
    EXPECT_EQ(full->count, 5);

    others << QStringLiteral("15/02/2027s/d15/03/2027") << QStringLiteral("s/d");
    full = occupancy::firstFullMonth(march, others);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->key, monthKey(2027, 3));
    EXPECT_EQ(full->count, 5);
    EXPECT_FALSE(occupancy::firstFullMonth(QStringLiteral("s/d"), others));
}

// Following changes counts only what they name, and must end where counting afresh would.
TEST(Occupancy, ABoardFollowingChangesCountsAsOneCountedAfresh)
{
    occupancy::BoardData before;
    before.units = {{"U1", "Keuangan"}, {"U2", "Gudang"}};
    for (int i = 0; i < 6; ++i) {
        before.placements.push_back(
            placement(i % 2 ? "U2" : "U1", "01/03/2027s/d01/04/2027", QString::number(i)));
        before.placements.back().id = i * 10;
    }
    occupancy::BoardData after = before;
    after.placements[1].period = "15/13/2027s/d01/04/2027"; // now unreadable
    after.placements[2].unitCode = "U9";                    // into a unit not listed
    after.placements.erase(after.placements.begin() + 3);   // refused
    after.placements.push_back(placement("U1", "01/05/2027s/d01/06/2027", "6"));
    after.placements.back().id = 25; // a new one, between the others

    occupancy::Board followed(before);
    occupancy::BoardChanges changes;
    changes.trainees = {"1", "2", "3", "6"};
    for (const auto& p : after.placements)
        if (changes.trainees.contains(p.trainee))
            changes.data.placements.push_back(p);
    std::sort(changes.data.placements.begin(), changes.data.placements.end(),
              [](const auto& a, const auto& b) { return a.id < b.id; });
    followed.follow(changes);

    std::sort(after.placements.begin(), after.placements.end(),
              [](const auto& a, const auto& b) { return a.id < b.id; });
    const occupancy::Board afresh(after);
    ASSERT_EQ(followed.rows().size(), afresh.rows().size());
    for (int row = 0; row < int(afresh.rows().size()); ++row)
        for (int month = 2; month <= 6; ++month) {
            const int key = monthKey(2027, month);
            EXPECT_EQ(followed.count(row, key), afresh.count(row, key)) << row << " " << month;
            QStringList a, b;
            for (const auto* p : followed.placementsIn(row, key))
                a << p->name;
            for (const auto* p : afresh.placementsIn(row, key))
                b << p->name;
            EXPECT_EQ(a, b);
        }
    ASSERT_EQ(followed.unreadable().size(), 1u);
    EXPECT_EQ(followed.unreadable()[0]->name, "1");
}
