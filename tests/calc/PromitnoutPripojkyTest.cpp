#include "Linie.h"
#include "TestPomoc.h"

#include "calc/PromitnoutPripojky.h"
#include "calc/Vypocet.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lineon;
using namespace lineon::test;

namespace {

using Zpravy = std::vector<ZaznamZprav::Zprava>;

/// A sewer section of 20 m along X: bottoms 245.00 → 245.10 (5 ‰), covers 247.00 → 247.40.
std::vector<TBod> Usek20m()
{
    return {Sachta("Š1", 0, 0, 245.00, 247.00, 300), Sachta("Š2", 0, 20, 245.10, 247.40, 300)};
}

Zpravy Spocitat(TStav& stav)
{
    stav.Vystupy.psancheck = stav.Vystupy.Sitcheck = stav.Vystupy.profcheck = false;
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    EXPECT_TRUE(Vypocet(stav, zpravy, vystupy));
    return zpravy.zpravy;
}

} // namespace

TEST(PromitnoutPripojky, AConnectionFiveMetresOffTheMiddleIsMovedWithAMessage)
{
    // d1 = d2 = √125 ≈ 11.18; d1 + d2 − 20 ≈ 2.36 > 1 m.
    auto stav = Stav(Usek20m(), {Pripojka(5, 10)});
    EXPECT_EQ(Spocitat(*stav),
              (Zpravy{{DruhZpravy::Informace, "Souřadnice přípojky 1 přepočteny do linie - 5.00 m"}}));
    EXPECT_NEAR(stav->Vysledky.Pripojky[1].Staniceni, 10.00, 1e-9);
    EXPECT_NEAR(stav->Projekt.Pripojky[1].Y, Y0, 1e-9);
    EXPECT_NEAR(stav->Projekt.Pripojky[1].X, X0 + 10, 1e-9);
}

TEST(PromitnoutPripojky, AConnectionTwoMetresOffIsMovedSilently)
{
    // d1 + d2 − 20 = 2√104 − 20 ≈ 0.40.
    auto stav = Stav(Usek20m(), {Pripojka(-2, 10)});
    EXPECT_TRUE(Spocitat(*stav).empty());
    EXPECT_NEAR(stav->Projekt.Pripojky[1].Y, Y0, 1e-9);
    EXPECT_NEAR(stav->Vysledky.Pripojky[1].Staniceni, 10.00, 1e-9);
}

TEST(PromitnoutPripojky, LevelsAndCoverAtTheProjectedPoint)
{
    // At t = 10 m: pipe 245.00 + 10 × 5 / 1000 = 245.05, ground 247.00 + 0.20 = 247.20,
    // cover 247.20 − 245.05 − 0.30 = 1.85. The house manhole lies 6 m back in Y and 6 m on in X.
    TPripojka pripojka = Pripojka(1, 10);
    pripojka.YDS = Y0 + 6;
    pripojka.XDS = X0 + 16;
    auto stav = Stav(Usek20m(), {pripojka});
    Spocitat(*stav);
    const TVysledekPripojky& v = stav->Vysledky.Pripojky[1];
    EXPECT_NEAR(v.ZPotrubi, 245.05, 1e-9);
    EXPECT_NEAR(v.ZTerenu, 247.20, 1e-9);
    EXPECT_NEAR(v.Kryti, 1.85, 1e-9);
    EXPECT_NEAR(v.DelkaPripojky, std::sqrt(72.0), 1e-9);
    EXPECT_NEAR(v.UhelPripojky, 45, 1e-9);
}

TEST(PromitnoutPripojky, PipeLevelAndCoverByNetworkKindAndCoverMode)
{
    // A slope of 0.31 m over 30 m; at t = 10 the pipe lies 0.1033 above the first bottom.
    const std::vector<TBod> body = {Sachta("1", 0, 0, 245.00, 247.00, 300), Sachta("2", 0, 30, 245.31, 247.30, 300)};
    const double potrubi = 245.00 + 0.31 / 3;
    auto kanalizace = Stav(body, {Pripojka(0.5, 10)});
    Spocitat(*kanalizace);
    EXPECT_NEAR(kanalizace->Vysledky.Pripojky[1].ZPotrubi, 245.10, 1e-9); // rounded to 0.01
    EXPECT_NEAR(kanalizace->Vysledky.Pripojky[1].Kryti, 247.10 - 245.10 - 0.30, 1e-9);

    auto vodovod = Stav(body, {Pripojka(0.5, 10)});
    vodovod->Nastaveni.DruhSite = TDruhSite::Vodovod;
    vodovod->Nastaveni.ZobrazeniKryti = 1;
    Spocitat(*vodovod);
    EXPECT_NEAR(vodovod->Vysledky.Pripojky[1].ZPotrubi, potrubi, 1e-9); // not rounded
    EXPECT_NEAR(vodovod->Vysledky.Pripojky[1].Kryti, 247.10 - potrubi, 1e-9);

    vodovod->Nastaveni.ZobrazeniKryti = 2;
    Spocitat(*vodovod);
    EXPECT_NEAR(vodovod->Vysledky.Pripojky[1].Kryti, 247.10 - potrubi - 0.30, 1e-9);
}

TEST(PromitnoutPripojky, AConnectionAtTheFirstPointLiesOnNoSection)
{
    TPripojka uPrvniho = Pripojka(0, 0);
    uPrvniho.ZPoklopuDS = 248;
    auto stav = Stav(Usek20m(), {uPrvniho, Pripojka(40, 40), Pripojka(0.1, 5)});
    stav->Vysledky.Pripojky[2].ZPotrubi = 111;
    EXPECT_EQ(Spocitat(*stav), (Zpravy{{DruhZpravy::Chyba, "Chyba přípojky - bod neleží na stoce - 1"},
                                      {DruhZpravy::Chyba, "Chyba přípojky - bod neleží na stoce - 2"}}));
    EXPECT_EQ(stav->Vysledky.Pripojky[1].Staniceni, 0);
    // A connection on no section keeps its point and its old levels; the next one is computed.
    EXPECT_EQ(stav->Projekt.Pripojky[2].Y, Y0 + 40);
    EXPECT_EQ(stav->Vysledky.Pripojky[2].ZPotrubi, 111);
    EXPECT_NEAR(stav->Vysledky.Pripojky[3].Staniceni, 5, 1e-9);
}

TEST(PromitnoutPripojky, AnEntirelyEmptyRowIsNoConnection)
{
    // The row a table-format file without connections carries lies nowhere and is not reported;
    // results of an earlier run do not stay with it. `Poradi` alone does not make a connection.
    auto stav = Stav(Usek20m(), {TPripojka{}, Pripojka(0.1, 5), TPripojka{.Poradi = 4}});
    stav->Vysledky.Pripojky[1] = {.Staniceni = 3, .ZPotrubi = 111, .Kryti = 2};
    EXPECT_TRUE(Spocitat(*stav).empty());
    EXPECT_EQ(stav->Vysledky.Pripojky[1].Staniceni, 0);
    EXPECT_EQ(stav->Vysledky.Pripojky[1].ZPotrubi, 0);
    EXPECT_EQ(stav->Vysledky.Pripojky[1].Kryti, 0);
    EXPECT_EQ(stav->Projekt.Pripojky[1], TPripojka{});
    EXPECT_NEAR(stav->Vysledky.Pripojky[2].Staniceni, 5, 1e-9);
}

TEST(PromitnoutPripojky, TestsAfterATakeUseTheMovedPoint)
{
    // A bend at Š2: section 1 runs along X, section 2 along Y. Section 1 takes the connection at
    // 18.81 and moves it onto itself; from there section 2 is out of reach (its far end lies
    // 20.04 m away), although from the surveyed point it would have taken it.
    auto stav = Stav({Sachta("Š1", 0, 0, 245, 247), Sachta("Š2", 0, 20, 245.1, 247.1), Sachta("Š3", 20, 20, 245.2, 247.2)},
                     {Pripojka(1, 19)});
    EXPECT_TRUE(Spocitat(*stav).empty());
    EXPECT_NEAR(stav->Vysledky.Pripojky[1].Staniceni, 18.81, 1e-9);
    EXPECT_NEAR(stav->Projekt.Pripojky[1].X, X0 + 18.81, 1e-9);
    EXPECT_NEAR(stav->Projekt.Pripojky[1].Y, Y0, 1e-9);
}

TEST(PromitnoutPripojky, ALaterSectionThatTakesTheConnectionOverwrites)
{
    // The line folds back at Š2, so the point moved onto section 1 (at 14.97) is still within reach
    // of both ends of section 2 (18.03 m long): it takes it at 24.47 and moves it on by 2.80 m.
    auto stav = Stav({Sachta("Š1", 0, 0, 245, 247), Sachta("Š2", 0, 20, 245.1, 247.1), Sachta("Š3", 10, 5, 245.2, 247.2)},
                     {Pripojka(1, 15)});
    EXPECT_EQ(Spocitat(*stav),
              (Zpravy{{DruhZpravy::Informace, "Souřadnice přípojky 1 přepočteny do linie - 2.80 m"}}));
    EXPECT_NEAR(stav->Vysledky.Pripojky[1].Staniceni, 24.47, 1e-9);
    EXPECT_NEAR(stav->Projekt.Pripojky[1].Y, Y0 + 2.48, 1e-9);
    EXPECT_NEAR(stav->Projekt.Pripojky[1].X, X0 + 16.28, 1e-9);
}

TEST(PromitnoutPripojky, ARoadAxisIgnoresItsConnectionRows)
{
    auto stav = Stav({Sachta("1", 0, 0, 0, 247, 0), Sachta("2", 0, 20, 0, 247.4, 0)}, {Pripojka(5, 10), Pripojka(0, 0)});
    stav->Nastaveni.DruhSite = TDruhSite::OsaKomunikace;
    EXPECT_TRUE(Spocitat(*stav).empty());
    EXPECT_EQ(stav->Projekt.Pripojky[1].Y, Y0 + 5);
    EXPECT_EQ(stav->Vysledky.Pripojky[1].Staniceni, 0);
}

TEST(PromitnoutPripojky, WithoutAHouseManholeTheConnectionHasNoLength)
{
    auto stav = Stav(Usek20m(), {Pripojka(1, 10)});
    stav->Projekt.Pripojky[1].XDS = X0 + 30; // a house manhole needs its Y
    Spocitat(*stav);
    EXPECT_EQ(stav->Vysledky.Pripojky[1].DelkaPripojky, 0);
}

TEST(UhelPripojky, TurnsTheArctangentIntoTheSitePlanAngle)
{
    EXPECT_NEAR(UhelPripojky(0, 0, -6, -6), 45, 1e-9);     // a = 45 → 90 − 45
    EXPECT_NEAR(UhelPripojky(0, 0, -6, 6), 315, 1e-9);     // a = −45 → 270 + 45
    EXPECT_NEAR(UhelPripojky(0, 0, 0, -6), 90, 1e-9);      // a = 0 → 90
    EXPECT_EQ(UhelPripojky(5, 0, 0, 0), 0);                // same X, Y above: a = 90 → 0
    EXPECT_EQ(UhelPripojky(-5, 0, 0, 0), 450);             // same X, Y below: a = 270 → −180 → 450
}
