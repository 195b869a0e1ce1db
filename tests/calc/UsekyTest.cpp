#include "Linie.h"
#include "TestPomoc.h"

#include "calc/Vypocet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace lineon;
using namespace lineon::test;

namespace {

bool Spocitat(TStav& stav, ZaznamZprav& zpravy)
{
    stav.Vystupy.psancheck = stav.Vystupy.Sitcheck = stav.Vystupy.profcheck = false;
    ZaznamVystupu vystupy;
    return Vypocet(stav, zpravy, vystupy);
}

} // namespace

TEST(Useky, LengthsAreDifferencesOfRoundedStations)
{
    // Three sections of 10.004 m: stations 0, 10.004, 20.008, 30.012 rounded.
    auto stav = Stav({Sachta("Š1", 0, 0, 245, 247), Sachta("Š2", 0, 10.004, 245, 247),
                      Sachta("Š3", 0, 20.008, 245, 247), Sachta("Š4", 0, 30.012, 245, 247)});
    ZaznamZprav zpravy;
    ASSERT_TRUE(Spocitat(*stav, zpravy));
    const auto& v = stav->Vysledky.Body;
    EXPECT_EQ(v[1].Staniceni, 0);
    EXPECT_NEAR(v[2].Staniceni, 10.00, 1e-9);
    EXPECT_NEAR(v[3].Staniceni, 20.01, 1e-9);
    EXPECT_NEAR(v[4].Staniceni, 30.01, 1e-9);
    EXPECT_NEAR(v[4].StaniceniPresne, 30.012, 1e-9);
    EXPECT_NEAR(v[1].Delka, 10.00, 1e-9);
    EXPECT_NEAR(v[2].Delka, 10.01, 1e-9);
    EXPECT_NEAR(v[3].Delka, 10.00, 1e-9);
    EXPECT_NEAR(v[1].Delka + v[2].Delka + v[3].Delka, v[4].Staniceni, 1e-9);
    // Section 0 before the first point holds zeros.
    EXPECT_EQ(v[0].Delka, 0);
    EXPECT_EQ(v[0].Spad, 0);
    EXPECT_TRUE(zpravy.zpravy.empty());
}

TEST(Useky, SlopeIsTakenBetweenTheLevelsOfTheNetworkKind)
{
    // Inlet and outlet differ from the bottom; the axis (cover) rises by another amount.
    TBod a = Sachta("Š1", 0, 0, 245.00, 247.00);
    TBod b = Sachta("Š2", 0, 20, 245.30, 247.40);
    a.ZVtoku = 245.05;
    b.ZOdtoku = 245.15;
    const double ocekavany[] = {5, 15, 20}; // per mille: inlet→outlet, pipe, axis
    for (int druh = 1; druh <= 3; ++druh) {
        auto stav = Stav({a, b});
        stav->Nastaveni.DruhSite = static_cast<TDruhSite>(druh);
        ZaznamZprav zpravy;
        ASSERT_TRUE(Spocitat(*stav, zpravy)) << druh;
        EXPECT_NEAR(stav->Vysledky.Body[1].Spad, ocekavany[druh - 1], 1e-9) << druh;
    }
}

TEST(Useky, SlopeIsNotRounded)
{
    auto stav = Stav({Sachta("1", 0, 0, 245.00, 247), Sachta("2", 0, 30, 245.01, 247)});
    ZaznamZprav zpravy;
    ASSERT_TRUE(Spocitat(*stav, zpravy));
    EXPECT_NEAR(stav->Vysledky.Body[1].Spad, 1.0 / 3, 1e-9);
}

TEST(Useky, DirectionsFollowTheArctangentWithItsQuadrantRules)
{
    // East (+X), north (+Y), south (−Y), then a section with dX < 0 and dY > 0, then dX < 0 and dY < 0.
    auto stav = Stav({Sachta("1", 0, 0, 245, 247), Sachta("2", 0, 10, 245, 247), Sachta("3", 10, 10, 245, 247),
                      Sachta("4", 0, 10.5, 245, 247), Sachta("5", 10, 0.5, 245, 247), Sachta("6", 0, -9.5, 245, 247)});
    ZaznamZprav zpravy;
    ASSERT_TRUE(Spocitat(*stav, zpravy));
    const auto& v = stav->Vysledky.Body;
    const double pi = std::numbers::pi;
    EXPECT_NEAR(v[1].Smer, 0, 1e-12);
    EXPECT_NEAR(v[1].SmerStupne, 0, 1e-12);
    EXPECT_NEAR(v[2].Smer, pi / 2, 1e-12);
    EXPECT_EQ(v[2].SmerStupne, 90);
    EXPECT_NEAR(v[3].Smer, pi - std::atan(20.0), 1e-12); // dY = −10, dX = 0.5
    EXPECT_NEAR(v[3].SmerStupne, -std::atan(20.0) * 180 / pi, 1e-9);
    EXPECT_NEAR(v[4].Smer, 3 * pi / 4, 1e-12); // a negative arctangent gets π added
    EXPECT_NEAR(v[4].SmerStupne, -45, 1e-9);   // degrees stay negative
    EXPECT_NEAR(v[5].Smer, pi / 4, 1e-12);     // dY < 0 and dX < 0
    EXPECT_NEAR(v[5].SmerStupne, 45, 1e-9);
    EXPECT_EQ(v[1].ZmenaSmeru, 0);
    EXPECT_NEAR(v[2].ZmenaSmeru, pi / 2, 1e-12);
    EXPECT_NEAR(v[4].ZmenaSmeru, v[4].Smer - v[3].Smer, 1e-12);
}

TEST(Useky, AVerticalSectionPointingSouthIsThreeQuartersOfATurn)
{
    auto stav = Stav({Sachta("1", 10, 0, 245, 247), Sachta("2", 0, 0, 245, 247)});
    ZaznamZprav zpravy;
    ASSERT_TRUE(Spocitat(*stav, zpravy));
    EXPECT_NEAR(stav->Vysledky.Body[1].Smer, 3 * std::numbers::pi / 2, 1e-12);
    EXPECT_EQ(stav->Vysledky.Body[1].SmerStupne, 270);
}

TEST(Useky, BadRowsStopTheCalculationWithTheirRowNumber)
{
    struct Pripad {
        std::vector<TBod> body;
        int druh;
        std::string zprava;
    };
    const std::string Spatne = "Špatné vstupní údaje! - ";
    const std::vector<Pripad> pripady = {
        {{}, 1, Spatne + "projekt má méně než 2 body."},
        {{Sachta("Š1", 0, 0, 245, 247)}, 1, Spatne + "projekt má méně než 2 body."},
        {{Sachta("Š1", 0, 0, 245, 247), Sachta("Š2", 0, 0, 245, 247)}, 1,
         Spatne + "řádek 1: úsek k dalšímu bodu má nulovou délku."},
        // Without length and without a diameter: the length is told.
        {{Sachta("Š1", 0, 0, 245, 247, 0), Sachta("Š2", 0, 0, 245, 247)}, 1,
         Spatne + "řádek 1: úsek k dalšímu bodu má nulovou délku."},
        {{Sachta("Š1", 0, 0, 245, 247), Sachta("Š2", 0, 10, 245, 247, 0), Sachta("Š3", 0, 20, 245, 247)}, 1,
         Spatne + "řádek 2: chybí průměr potrubí."},
        {{Sachta("1", 0, 0, 245, 247), Sachta("2", 0, 10, 245, 247, 0), Sachta("3", 0, 20, 245, 247)}, 2,
         Spatne + "řádek 2: chybí průměr potrubí."},
        {{Sachta("Š1", 0, 0, 245, 247), Sachta("Š2", 0, 0.004, 245, 247)}, 1, "Nulová délka - 1"},
        {{Sachta("Š1", 0, 0, 245, 247), Sachta("Š2", 0, 5, 245, 247), Sachta("Š3", 0.003, 5, 245, 247)}, 1,
         "Nulová délka - 2"},
    };
    for (const Pripad& pripad : pripady) {
        auto stav = Stav(pripad.body);
        stav->Nastaveni.DruhSite = static_cast<TDruhSite>(pripad.druh);
        stav->Vystupy = TVystupy();
        ZaznamZprav zpravy;
        ZaznamVystupu vystupy;
        EXPECT_FALSE(Vypocet(*stav, zpravy, vystupy)) << pripad.zprava;
        EXPECT_EQ(zpravy.zpravy, (std::vector<ZaznamZprav::Zprava>{{DruhZpravy::Chyba, pripad.zprava}}));
        EXPECT_TRUE(vystupy.volani.empty()) << pripad.zprava;
    }
}

TEST(Useky, ARoadAxisNeedsNoDiameters)
{
    auto stav = Stav({Sachta("1", 0, 0, 0, 247, 0), Sachta("2", 0, 10, 0, 247.1, 0), Sachta("3", 0, 20, 0, 247.3, 0)});
    stav->Nastaveni.DruhSite = TDruhSite::OsaKomunikace;
    ZaznamZprav zpravy;
    EXPECT_TRUE(Spocitat(*stav, zpravy));
    EXPECT_TRUE(zpravy.zpravy.empty());
}

TEST(Useky, SectionsBeforeAFailingOneStayComputed)
{
    auto stav = Stav({Sachta("Š1", 0, 0, 245, 247), Sachta("Š2", 0, 10, 245, 247), Sachta("Š3", 0, 10, 245, 247),
                      Sachta("Š4", 0, 30, 245, 247)});
    stav->Vysledky.Body[4].Staniceni = 99;
    ZaznamZprav zpravy;
    EXPECT_FALSE(Spocitat(*stav, zpravy));
    EXPECT_NEAR(stav->Vysledky.Body[2].Staniceni, 10, 1e-9);
    EXPECT_NEAR(stav->Vysledky.Body[1].Delka, 10, 1e-9);
    EXPECT_EQ(stav->Vysledky.Body[4].Staniceni, 99);
}
