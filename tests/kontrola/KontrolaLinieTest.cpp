#include "TestPomoc.h"
#include "calc/Linie.h"
#include "kontrola/KontrolaLinie.h"

#include <gtest/gtest.h>

// Small lines along the grid's X axis, worked out by hand; every limit is met exactly once,
// which is no finding.
namespace lineon::test {
namespace {

std::vector<std::string> Nalezy(TStav& stav, const TLimityKontroly& limity = {})
{
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    EXPECT_TRUE(Vypocet(stav, zpravy, vystupy));
    std::vector<std::string> texty;
    for (const TNalez& nalez : ZkontrolovatLinii(stav, limity))
        texty.push_back(std::string(NazevDruhu(nalez.Druh)) + ": " + nalez.Text);
    return texty;
}

TEST(KontrolaLinie, spadyADelkyUsekuStoky)
{
    // Covers of exactly 1 m above the pipe's top, but for Š6.
    auto stav = Stav({Sachta("Š1", 0, 0, 100.00, 101.20, 200), Sachta("Š2", 0, 40, 100.20, 101.50, 300),
                      Sachta("Š3", 0, 80, 100.30, 101.60, 300), Sachta("Š4", 0, 120, 100.25, 101.55, 300),
                      Sachta("Š5", 0, 160, 104.25, 105.55, 300), Sachta("Š6", 0, 220, 110.30, 111.50, 300)});
    EXPECT_EQ(Nalezy(*stav), (std::vector<std::string>{
                                 // 5.00 ‰ at DN 200 is the minimum, 100.00 ‰ at Š4–Š5 the maximum
                                 "warning: Úsek Š2–Š3: spád 2.50 ‰ je menší než nejmenší 3.33 ‰ pro DN 300.",
                                 "error: Úsek Š3–Š4: protispád −1.25 ‰.",
                                 "warning: Úsek Š5–Š6: spád 100.83 ‰ je větší než největší 100.00 ‰.",
                                 "warning: Úsek Š5–Š6: délka 60.00 m je větší než největší vzdálenost šachet 50.00 m.",
                                 "warning: Bod Š6: krytí 0.90 m je menší než nejmenší 1.00 m.",
                             }));
}

TEST(KontrolaLinie, tabulkaNejmensichSpaduPodlePrumeru)
{
    TLimityKontroly limity;
    EXPECT_NEAR(MinimalniSpadStoky(limity, 300), 3.3333, 1e-4);
    limity.MinSpadStoky = {{400, 2.0}, {250, 4.0}};
    EXPECT_EQ(MinimalniSpadStoky(limity, 200), 5.0);
    EXPECT_EQ(MinimalniSpadStoky(limity, 250), 4.0);
    EXPECT_EQ(MinimalniSpadStoky(limity, 300), 4.0);
    EXPECT_EQ(MinimalniSpadStoky(limity, 1000), 2.0);
}

TEST(KontrolaLinie, vtokyAOdtokySachet)
{
    // At Š2 section 2 enters at 100.80 and section 1 leaves at 100.30: a drop of 0.50 m, the limit.
    // At Š3 section 2 leaves at 101.00 and section 3 enters at 100.90: the water would climb.
    // At Š4 section 4 enters 0.60 m above where section 3 leaves, and leaves Š5 at the same level.
    std::vector<TBod> body{Sachta("Š1", 0, 0, 100.00, 103.00), Sachta("Š2", 0, 30, 100.30, 103.00),
                           Sachta("Š3", 0, 60, 100.90, 103.00), Sachta("Š4", 0, 90, 101.10, 103.00),
                           Sachta("Š5", 0, 120, 101.70, 103.00)};
    body[1].ZVtoku = 100.80;
    body[2].ZOdtoku = 101.00;
    body[3].ZVtoku = 101.70;
    auto stav = Stav(body);
    EXPECT_EQ(Nalezy(*stav), (std::vector<std::string>{
                                 "error: Šachta Š3: odtok 101.00 leží nad vtokem 100.90, voda by musela stoupat.",
                                 "information: Šachta Š4: spád ve šachtě 0.60 m je větší než 0.50 m, může být potřeba spadiště.",
                                 "error: Úsek Š4–Š5: nulový spád.",
                             }));
}

TEST(KontrolaLinie, domovniPripojkyStoky)
{
    // The sewer falls 10 ‰ over 50 m, 1.00 m under the ground above its DN 300 all along. The house
    // manholes lie 10 m beside its middle; the crossing has no fall of its own to check.
    auto dum = [](const std::string& oznaceni, double x, double dy, double zDnaDS) {
        return TPripojka{.Typ = "p", .OznaceniPripojky = oznaceni, .Y = Y0 + dy, .X = X0 + x, .OznaceniDS = "D",
                         .YDS = Y0 + dy, .XDS = X0 + x, .ZPoklopuDS = 103, .ZDnaDS = zDnaDS};
    };
    auto stav = Stav({Sachta("Š1", 0, 0, 100.00, 101.30), Sachta("Š2", 0, 50, 100.50, 101.80)},
                     {dum("P1", 25, -10, 100.45), dum("P2", 25, 10, 100.35), dum("P3", 25, 10, 104.27),
                      dum("P4", 25, -10, 100.17), TPripojka{},
                      TPripojka{.Typ = "ka", .OznaceniPripojky = "plyn", .Y = Y0 + 1, .X = X0 + 15, .YDS = Y0 + 9,
                                .XDS = X0 + 15, .ZDnaDS = 90}});
    EXPECT_EQ(Nalezy(*stav), (std::vector<std::string>{
                                 // P1 falls 20 ‰, the minimum, onto the pipe at 100.25
                                 "warning: Přípojka P2: spád 10.00 ‰ je menší než nejmenší 20.00 ‰.",
                                 "warning: Přípojka P3: spád 402.00 ‰ je větší než největší 400.00 ‰.",
                                 "warning: Přípojka P4: spád −8.00 ‰ padá k domu, ne ke stoce.",
                             }));
}

TEST(KontrolaLinie, vodovodKrytiVrcholyAUdolnice)
{
    // Point 2 lies 1.20 m, the minimum, under the ground above its DN 100; the water main rises to
    // it, falls to 3 and 4 and rises again to 5, which has no ground level.
    auto stav = Stav({Sachta("1", 0, 0, 100.00, 101.20, 100), Sachta("2", 0, 50, 101.00, 102.30, 100),
                      Sachta("3", 0, 100, 100.50, 101.80, 100), Sachta("4", 0, 150, 100.40, 101.80, 100),
                      Sachta("5", 0, 200, 101.50, 0, 100)},
                     {TPripojka{.Typ = "v", .OznaceniPripojky = "V1", .Y = Y0 + 2, .X = X0 + 25}});
    stav->Nastaveni.DruhSite = TDruhSite::Vodovod;
    EXPECT_EQ(Nalezy(*stav), (std::vector<std::string>{
                                 "warning: Bod 1: krytí 1.10 m je menší než nejmenší 1.20 m.",
                                 "warning: Přípojka V1: krytí 1.15 m je menší než nejmenší 1.20 m.",
                                 "information: Bod 2: vrchol – odvzdušnění.",
                                 "information: Bod 4: údolnice – odkalení.",
                             }));
}

TEST(KontrolaLinie, sklonyOsyKomunikace)
{
    auto stav = Stav({Sachta("1", 0, 0, 0, 300.00, 0), Sachta("2", 0, 100, 0, 300.50, 0),
                      Sachta("3", 0, 200, 0, 300.80, 0), Sachta("4", 0, 300, 0, 288.80, 0),
                      Sachta("5", 0, 400, 0, 276.70, 0)});
    stav->Nastaveni.DruhSite = TDruhSite::OsaKomunikace;
    EXPECT_EQ(Nalezy(*stav), (std::vector<std::string>{
                                 "warning: Úsek 2–3: podélný sklon 3.00 ‰ je menší než nejmenší 5.00 ‰ pro odvodnění.",
                                 "warning: Úsek 4–5: podélný sklon −121.00 ‰ je větší než největší 120.00 ‰.",
                             }));
}

} // namespace
} // namespace lineon::test
