#include "data/Stav.h"
#include "written/BunkyPsanehoProfilu.h"

#include <gtest/gtest.h>

#include <memory>

using namespace lineon;

namespace {

/// Three points with results filled by hand; the slopes and lengths belong to sections 1 and 2.
std::unique_ptr<TStav> Profil()
{
    auto stav = std::make_unique<TStav>();
    auto& body = stav->Projekt.Body;
    body[1] = {.Oznaceni = "Šř1", .Y = 744123.456, .X = 1043210.987, .ZDna = 245.3, .ZPoklopu = 247.856};
    body.Pridat({.Oznaceni = "Kř.2", .Y = 744140.1, .X = 1043225.5, .ZDna = 245.41, .ZPoklopu = 248.02});
    body.Pridat({.Oznaceni = "Šů3", .Y = 12.5, .X = 7.25, .ZDna = 245.1, .ZPoklopu = 247.6});
    auto& v = stav->Vysledky.Body;
    v[1] = {.Staniceni = 0, .Delka = 22.15, .Spad = 5.0787, .Kryti = 2.25};
    v[2] = {.Staniceni = 22.15, .Delka = 24.8, .Spad = -12.5, .Kryti = -0.0};
    v[3] = {.Staniceni = 46.95, .Kryti = 1.9};
    return stav;
}

std::vector<std::string> Radek(const TStav& stav, int r)
{
    std::vector<std::string> bunky;
    for (int s = 0; s < 9; ++s)
        bunky.push_back(psany::BunkaOkna(stav, r, s));
    return bunky;
}

} // namespace

TEST(BunkyPsanehoProfilu, FirstPointShowsZeroSlopeAndLength)
{
    const auto stav = Profil();
    EXPECT_EQ(Radek(*stav, 1), (std::vector<std::string>{"Šř1", "0.00", "744123.46", "1043210.99", "245.30", "247.86",
                                                          "0.00", "0.00", "2.25"}));
}

TEST(BunkyPsanehoProfilu, PointShowsTheSectionEndingThere)
{
    const auto stav = Profil();
    // A negative zero shows without a sign.
    EXPECT_EQ(Radek(*stav, 2), (std::vector<std::string>{"Kř.2", "22.15", "744140.10", "1043225.50", "245.41",
                                                          "248.02", "5.08", "22.15", "0.00"}));
    EXPECT_EQ(Radek(*stav, 3)[6], "-12.50");
    EXPECT_EQ(Radek(*stav, 3)[7], "24.80");
}

TEST(BunkyPsanehoProfilu, ValuesAreReadLiveAndRowsBeyondTheTableAreEmpty)
{
    auto stav = Profil();
    stav->Projekt.Body[3].Oznaceni = "nový";
    EXPECT_EQ(psany::BunkaOkna(*stav, 3, 0), "nový");
    stav->Projekt.Body.NastavitPocet(2);
    EXPECT_EQ(Radek(*stav, 3), std::vector<std::string>(9));
}
