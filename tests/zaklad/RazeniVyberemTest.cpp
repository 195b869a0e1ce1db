#include "zaklad/RazeniVyberem.h"

#include <gtest/gtest.h>

#include <random>

using namespace lineon;

namespace {

using Vymeny = std::vector<std::pair<std::size_t, std::size_t>>;

/// The selection sort as it is written down: the swaps it makes, position by position.
Vymeny ProstyVyber(std::vector<double> klice)
{
    Vymeny vymeny;
    for (std::size_t p = 0; p + 1 < klice.size(); ++p) {
        std::size_t m = p;
        for (std::size_t q = p + 1; q < klice.size(); ++q)
            if (klice[q] < klice[m])
                m = q;
        if (m != p) {
            vymeny.emplace_back(p, m);
            std::swap(klice[p], klice[m]);
        }
    }
    return vymeny;
}

} // namespace

TEST(RazeniVyberem, GivesTheSwapsOfThePlainSelectionSortOnDataFullOfTies)
{
    std::mt19937 nahoda(7);
    for (int pokus = 0; pokus < 3000; ++pokus) {
        const std::size_t n = std::uniform_int_distribution<std::size_t>(0, pokus < 2900 ? 40 : 700)(nahoda);
        // Few distinct values make long runs of ties; negative zero ties with zero.
        const int ruznych = std::uniform_int_distribution<int>(1, 6)(nahoda);
        std::vector<double> klice;
        for (std::size_t i = 0; i < n; ++i) {
            const int k = std::uniform_int_distribution<int>(-ruznych, ruznych)(nahoda);
            klice.push_back(k == 0 && i % 2 ? -0.0 : k * 0.25);
        }
        ASSERT_EQ(VymenyRazeniVyberem(klice), ProstyVyber(klice)) << "pokus " << pokus;
    }
}

TEST(RazeniVyberem, SortedKeysNeedNoSwapAndReversedOnesMeetInTheMiddle)
{
    EXPECT_TRUE(VymenyRazeniVyberem({1, 2, 2, 3}).empty());
    EXPECT_EQ(VymenyRazeniVyberem({4, 3, 2, 1}), (Vymeny{{0, 3}, {1, 2}}));
    EXPECT_TRUE(VymenyRazeniVyberem({}).empty());
    EXPECT_TRUE(VymenyRazeniVyberem({5}).empty());
}
