#include "Linie.h"
#include "TestPomoc.h"

#include "calc/Vypocet.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

std::unique_ptr<TStav> SpocitanaLinie(std::vector<TBod> body, int druh, int zobrazeniKryti)
{
    auto stav = Stav(body);
    stav->Nastaveni.DruhSite = static_cast<TDruhSite>(druh);
    stav->Nastaveni.ZobrazeniKryti = zobrazeniKryti;
    stav->Vystupy.psancheck = stav->Vystupy.Sitcheck = stav->Vystupy.profcheck = false;
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    EXPECT_TRUE(Vypocet(*stav, zpravy, vystupy));
    return stav;
}

} // namespace

TEST(UrovneBodu, LevelsAreStoredBackRoundedToCentimetresHalvesToEven)
{
    TBod a = Sachta("Š1", 0, 0, 245.004, 247.375);
    a.ZVtoku = 245.125; // exactly half a centimetre: goes to the even neighbour
    a.ZOdtoku = 245.0149;
    for (int druh = 1; druh <= 3; ++druh) {
        auto stav = SpocitanaLinie({a, Sachta("Š2", 0, 20, 245.1, 247.5)}, druh, 0);
        const TBod& bod = stav->Projekt.Body[1];
        EXPECT_EQ(bod.ZDna, 245.00) << druh;
        EXPECT_EQ(bod.ZPoklopu, 247.38) << druh;
        EXPECT_EQ(bod.ZVtoku, 245.12) << druh;
        EXPECT_EQ(bod.ZOdtoku, 245.01) << druh;
    }
}

TEST(UrovneBodu, MissingInletAndOutletBecomeTheBottomAfterRounding)
{
    TBod a = Sachta("Š1", 0, 0, 245.304, 247.5);
    a.ZVtoku = 0.004; // rounds to 0, so it counts as missing
    auto stav = SpocitanaLinie({a, Sachta("Š2", 0, 20, 245.4, 247.6)}, 1, 0);
    EXPECT_EQ(stav->Projekt.Body[1].ZVtoku, 245.30);
    EXPECT_EQ(stav->Projekt.Body[1].ZOdtoku, 245.30);
    EXPECT_EQ(stav->Projekt.Body[2].ZVtoku, 245.40);
    // Filled levels make the slope the slope of the bottoms.
    EXPECT_NEAR(stav->Vysledky.Body[1].Spad, 5, 1e-9);
}

TEST(UrovneBodu, SewerCoverSubtractsTheDiameterUnlessMeasuredFromTheBottomOfThePipe)
{
    const std::vector<TBod> body = {Sachta("Š1", 0, 0, 245.00, 247.50, 300), Sachta("Š2", 0, 20, 245.10, 247.80, 400)};
    const double odVrchu[] = {2.20, 2.70 - 0.30}; // the last point uses the diameter of the pipe arriving there
    for (int rezim : {0, 2}) {
        auto stav = SpocitanaLinie(body, 1, rezim);
        EXPECT_NEAR(stav->Vysledky.Body[1].Kryti, odVrchu[0], 1e-9) << rezim;
        EXPECT_NEAR(stav->Vysledky.Body[2].Kryti, odVrchu[1], 1e-9) << rezim;
    }
    auto odSpodu = SpocitanaLinie(body, 1, 1);
    EXPECT_NEAR(odSpodu->Vysledky.Body[1].Kryti, 2.50, 1e-9);
    EXPECT_NEAR(odSpodu->Vysledky.Body[2].Kryti, 2.70, 1e-9);
}

TEST(UrovneBodu, WaterMainAndRoadAxisNeverSubtractTheDiameter)
{
    for (int druh : {2, 3})
        for (int rezim : {0, 1, 2}) {
            auto stav = SpocitanaLinie({Sachta("1", 0, 0, 245.00, 247.50, 300), Sachta("2", 0, 20, 245.10, 247.80, 300)},
                                       druh, rezim);
            EXPECT_NEAR(stav->Vysledky.Body[1].Kryti, 2.50, 1e-9) << druh << rezim;
            EXPECT_NEAR(stav->Vysledky.Body[2].Kryti, 2.70, 1e-9) << druh << rezim;
        }
}

TEST(UrovneBodu, TheLastRowLosesItsDiameterAfterTheCalculation)
{
    auto stav = SpocitanaLinie({Sachta("Š1", 0, 0, 245, 247.5, 300), Sachta("Š2", 0, 20, 245.1, 247.8, 500)}, 1, 0);
    EXPECT_EQ(stav->Projekt.Body[1].Prumer, 300);
    EXPECT_EQ(stav->Projekt.Body[2].Prumer, 0);
}

TEST(UrovneBodu, RunningTwiceGivesTheSameResult)
{
    std::vector<TBod> body = {Sachta("Š1", 0, 0, 245.004, 247.5), Sachta("Š2", 3, 20, 245.1, 247.8),
                              Sachta("Š3", 9, 41, 245.3, 248.1)};
    auto stav = SpocitanaLinie(body, 1, 0);
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    const TProjekt projekt = stav->Projekt;
    const auto vysledky = stav->Vysledky.Body;
    // The last diameter was cleared by the first run; a second run takes the one before it again.
    ASSERT_TRUE(Vypocet(*stav, zpravy, vystupy));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(stav->Projekt.Body[i], projekt.Body[i]) << i;
        EXPECT_EQ(stav->Vysledky.Body[i].Kryti, vysledky[i].Kryti) << i;
        EXPECT_EQ(stav->Vysledky.Body[i].Staniceni, vysledky[i].Staniceni) << i;
    }
}
