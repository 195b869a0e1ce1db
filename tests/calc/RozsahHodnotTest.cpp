#include "Linie.h"
#include "TestPomoc.h"

#include "prikazy/DavkoveVystupy.h"
#include "calc/RozsahHodnot.h"
#include "calc/Vypocet.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

TEST(RozsahHodnot, AValueNoSurveyHoldsStopsTheCalculationBeforeAnythingChanges)
{
    auto stav = Stav({Sachta("Š1", 0, 0, 245.304, 247.5), Sachta("Š2", 0, 20, 1e300, 247.6),
                      Sachta("Š3", 0, 40, 245.5, 247.7)});
    const TProjekt puvodni = stav->Projekt;
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    EXPECT_FALSE(Vypocet(*stav, zpravy, vystupy));
    EXPECT_TRUE(vystupy.volani.empty());
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].druh, DruhZpravy::Chyba);
    EXPECT_EQ(zpravy.zpravy[0].text, "Špatné vstupní údaje! - řádek 2: Z dna leží mimo rozsah ±1 000 000 000 m.");
    EXPECT_EQ(stav->Projekt.Body[1].ZDna, 245.304);
    EXPECT_EQ(stav->Projekt.Body[3], puvodni.Body[3]);
}

TEST(RozsahHodnot, ConnectionRowsAreCheckedInEveryNetworkKind)
{
    for (const int druh : {1, 3}) {
        auto stav = Stav({Sachta("Š1", 0, 0, 245.3, 247.5), Sachta("Š2", 0, 20, 245.4, 247.6)},
                         {Pripojka(1, 10), TPripojka{.Typ = "ř", .Y = Y0, .X = X0, .YDS = -1.5e9, .XDS = X0}});
        stav->Nastaveni.DruhSite = static_cast<TDruhSite>(druh);
        ZaznamZprav zpravy;
        ZaznamVystupu vystupy;
        EXPECT_FALSE(Vypocet(*stav, zpravy, vystupy));
        ASSERT_EQ(zpravy.zpravy.size(), 1u);
        EXPECT_EQ(zpravy.zpravy[0].text,
                  "Špatné vstupní údaje! - přípojka 2: Y dom. šachty leží mimo rozsah ±1 000 000 000 m.");
    }
}

TEST(RozsahHodnot, TheLargestValuesTakenGiveFiniteNumbersInEveryOutput)
{
    DocasnyAdresar adr;
    const double m = NejvetsiHodnota;
    auto stav = Stav({TBod{.Oznaceni = "ů1", .Y = -m, .X = -m, .ZDna = -m, .ZPoklopu = m, .Prumer = 300},
                      TBod{.Oznaceni = "ů2", .Y = m, .X = m, .ZDna = m, .ZPoklopu = -m, .ZVtoku = m, .Prumer = 300},
                      TBod{.Oznaceni = "ů3", .Y = m, .X = m - 0.02, .ZDna = -m, .ZPoklopu = m, .Prumer = 300}},
                     {TPripojka{.Typ = "p", .Y = 0, .X = 0, .YDS = m, .XDS = -m, .ZPoklopuDS = m, .ZDnaDS = -m}});
    stav->Nastaveni.AdresarProjektu = adr.Cesta();
    stav->Nastaveni.VyskoveMeritko = 11;
    ZaznamZprav zpravy;
    DavkoveVystupy vystupy(*stav);
    ASSERT_TRUE(Vypocet(*stav, zpravy, vystupy));
    for (const char* soubor : {"podprof.csv", "situace.dxf"}) {
        const std::string obsah = PrecistBajty(adr / soubor);
        EXPECT_EQ(obsah.find("inf"), std::string::npos) << soubor;
        EXPECT_EQ(obsah.find("nan"), std::string::npos) << soubor;
    }
}
