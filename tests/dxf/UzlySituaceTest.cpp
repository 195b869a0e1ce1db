#include "dxf/UzlySituace.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

std::vector<UzelSituace> Uzly(std::initializer_list<std::pair<const char*, double>> uzly)
{
    std::vector<UzelSituace> seznam;
    for (const auto& [oznaceni, staniceni] : uzly)
        seznam.push_back({.Staniceni = staniceni, .Oznaceni = oznaceni});
    return seznam;
}

std::vector<std::string> Oznaceni(const std::vector<UzelSituace>& uzly)
{
    std::vector<std::string> oznaceni;
    for (const UzelSituace& uzel : uzly)
        oznaceni.push_back(uzel.Oznaceni);
    return oznaceni;
}

} // namespace

TEST(UzlySituace, SelectionKeepsTheFirstOfEqualStationingsButASwapReordersThem)
{
    auto uzly = Uzly({{"ř1", 10}, {"ř2", 10}, {"ů0", 0}});
    SeraditPodleStaniceni(uzly);
    // "ů0" is swapped with "ř1", which so passes behind "ř2".
    EXPECT_EQ(Oznaceni(uzly), (std::vector<std::string>{"ů0", "ř2", "ř1"}));

    auto stejne = Uzly({{"ř1", 7}, {"ř2", 7}, {"ř3", 7}});
    SeraditPodleStaniceni(stejne);
    EXPECT_EQ(Oznaceni(stejne), (std::vector<std::string>{"ř1", "ř2", "ř3"}));
}

TEST(UzlySituace, OnePassDropsTheEarlierOfEqualNeighbours)
{
    auto dva = Uzly({{"a", 0}, {"b", 5}, {"c", 5}, {"d", 9}});
    VypustitShodnaStaniceni(dva);
    EXPECT_EQ(Oznaceni(dva), (std::vector<std::string>{"a", "c", "d"}));

    auto tri = Uzly({{"a", 0}, {"b", 5}, {"c", 5}, {"d", 5}, {"e", 9}});
    VypustitShodnaStaniceni(tri);
    EXPECT_EQ(Oznaceni(tri), (std::vector<std::string>{"a", "c", "d", "e"}));

    auto ctyri = Uzly({{"a", 5}, {"b", 5}, {"c", 5}, {"d", 5}});
    VypustitShodnaStaniceni(ctyri);
    EXPECT_EQ(Oznaceni(ctyri), (std::vector<std::string>{"b", "d"}));
}

TEST(UzlySituace, EmptyAndSingleListsStayAsTheyAre)
{
    std::vector<UzelSituace> prazdny;
    SeraditPodleStaniceni(prazdny);
    VypustitShodnaStaniceni(prazdny);
    EXPECT_TRUE(prazdny.empty());
    auto jeden = Uzly({{"ř", 3}});
    VypustitShodnaStaniceni(jeden);
    EXPECT_EQ(jeden.size(), 1u);
}
