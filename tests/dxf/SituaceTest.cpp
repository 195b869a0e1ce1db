#include "DxfPomoc.h"
#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "zaklad/Soubor.h"
#include "data/Stav.h"
#include "dxf/Situace.h"

#include <gtest/gtest.h>

#include <memory>

using namespace lineon;

namespace {

/// A sewer at 1:500 with the text heights 1 mm (levels and descriptions) and 2 mm (labels), the
/// material "PVC" and the section texts across the line.
std::unique_ptr<TStav> Stav(const std::string& adresar, const std::string& soubor)
{
    auto stav = std::make_unique<TStav>();
    stav->Nastaveni.AdresarProjektu = adresar;
    stav->Vystupy.SouborSituace = soubor;
    stav->Vystupy.Sitcheck = true;
    stav->Vystupy.stocRcheck = false;
    stav->Vystupy.stocKcheck = true;
    stav->Vystupy.matField = "PVC";
    stav->Nastaveni.MeritkoSituace = 500;
    stav->Nastaveni.VyskaKot = 1.0;
    stav->Nastaveni.VyskaPopisu = 1.0;
    stav->Nastaveni.VyskaOznaceni = 2.0;
    NastavitDruhSite(stav->Nastaveni, TDruhSite::Kanalizace);
    stav->Projekt.Body.NastavitPocet(0);
    return stav;
}

/// A point row with the calculation's results as they stand after a run.
void Bod(TStav& stav, const TBod& bod, const TVysledekBodu& vysledek)
{
    stav.Projekt.Body.Pridat(bod);
    stav.Vysledky.Body[static_cast<std::size_t>(stav.Projekt.PocetBodu())] = vysledek;
}

void Pripojka(TStav& stav, const TPripojka& pripojka, const TVysledekPripojky& vysledek)
{
    stav.Projekt.Pripojky.Pridat(pripojka);
    stav.Vysledky.Pripojky[static_cast<std::size_t>(stav.Projekt.PocetPripojek())] = vysledek;
}

/// Two manholes 10 m apart; Y grows to the left of the drawing, so the second lies left of the
/// first. Only the second one's outlet differs from its invert.
void DvaBody(TStav& stav)
{
    Bod(stav, {.Oznaceni = "Kř1", .Y = 1000, .X = 5000, .ZDna = 245.30, .ZPoklopu = 248.10, .ZVtoku = 245.30,
               .ZOdtoku = 245.30, .Prumer = 300},
        {.StaniceniPresne = 0, .Staniceni = 0, .Delka = 10, .Spad = 25, .SmerStupne = 90});
    Bod(stav, {.Oznaceni = "Ků2", .Y = 1010, .X = 5000, .ZDna = 245.50, .ZPoklopu = 248.20, .ZVtoku = 245.50,
               .ZOdtoku = 245.55},
        {.StaniceniPresne = 10, .Staniceni = 10});
}

std::vector<test::Entita> Kreslit(TStav& stav)
{
    VytvoritSituaci(stav);
    return test::EntitySouboru(stav.Nastaveni.AdresarProjektu + stav.Vystupy.SouborSituace);
}

/// The texts of the labels in file order.
std::vector<std::string> Oznaceni(const std::vector<test::Entita>& entity)
{
    std::vector<std::string> texty;
    for (const test::Entita& text : test::Vyber(entity, "TEXT", "OZNACENI"))
        texty.push_back(text.Hodnota("1"));
    return texty;
}

/// For every node label, the layers of the symbols inserted after it.
std::vector<std::pair<std::string, std::string>> ZnackyUzlu(const std::vector<test::Entita>& entity)
{
    std::vector<std::pair<std::string, std::string>> znacky;
    std::string oznaceni;
    for (const test::Entita& e : entity) {
        if (e.Typ() == "TEXT" && e.Vrstva() == "OZNACENI")
            oznaceni = e.Hodnota("1");
        if (e.Typ() == "INSERT")
            znacky.emplace_back(oznaceni, e.Vrstva());
    }
    return znacky;
}

const std::string E05 = " 5.00000000000000E-0001";
const std::string E0 = " 0.00000000000000E+0000";
const std::string E1 = " 1.00000000000000E+0000";

} // namespace

TEST(Situace, TwoManholesGiveLevelsSectionTextsOneLineAndTheirNodes)
{
    const std::string adresar = test::VystupniAdresar("dxf");
    auto stav = Stav(adresar, "situace_dva_body.dxf");
    DvaBody(*stav);
    VytvoritSituaci(*stav);
    const std::string cesta = adresar + "situace_dva_body.dxf";
    test::OcekavatEntity(cesta, {{"TEXT:POPIS", 5}, {"LINE:STOKA", 1}, {"TEXT:OZNACENI", 2}, {"INSERT:SACHTA", 2},
                                 {"TEXT:TEREN", 2}, {"TEXT:POTRUBI", 2}});

    EXPECT_EQ(test::PrecistBajty(cesta),
              test::OcekavanaHlavicka()
                  + test::OcekavanyRozsah("-1110.000", "-5110.000", "-900.000", "-4890.000")
                  + test::OcekavaneTabulky(test::VrstvySituace()) + test::OcekavaneBloky()
                  + test::Radky({
                      "  0", "SECTION", "  2", "ENTITIES",
                      // inlet and outlet of the second manhole, 2.5 m above it
                      "0", "TEXT", "8", "POPIS", "10", "-1012.500", "20", "-4997.500", "40", E05, "50", E0,
                      "72", "2", "11", "-1012.500", "21", "-4997.500", "1", "(245.50)",
                      "0", "TEXT", "8", "POPIS", "10", "-1007.500", "20", "-4997.500", "40", E05, "50", E0,
                      "72", "0", "1", "(245.55)",
                      // the section across the line, 1 m above it, from left to right
                      "0", "TEXT", "8", "POPIS", "10", "-1007.750", "20", "-4999.000", "40", E05,
                      "50", " 9.00000000000000E+0001", "72", "0",
                      "1", "DN300 PVC",
                      "0", "TEXT", "8", "POPIS", "10", "-1005.250", "20", "-4999.000", "40", E05,
                      "50", " 9.00000000000000E+0001", "72", "0",
                      "1", "10.00m",
                      "0", "TEXT", "8", "POPIS", "10", "-1002.750", "20", "-4999.000", "40", E05,
                      "50", " 9.00000000000000E+0001", "72", "0",
                      "1", "25.00%.",
                      "0", "LINE", "8", "STOKA", "6", "CONTINUOUS",
                      "10", "-1000.000", "20", "-5000.000", "11", "-1010.000", "21", "-5000.000",
                      // the nodes: label, symbol, cover, invert
                      "0", "TEXT", "8", "OZNACENI", "10", "-1000.000", "20", "-4998.750", "40", E1, "50", E0,
                      "72", "1", "11", "-1000.000", "21", "-4998.750", "1", "Kř1",
                      "0", "INSERT", "8", "SACHTA", "2", "6$20", "10", "-1000.000", "20", "-5000.000",
                      "41", E1, "42", E1,
                      "0", "TEXT", "8", "TEREN", "10", "-1000.000", "20", "-5001.750", "40", E05, "50", E0,
                      "72", "1", "11", "-1000.000", "21", "-5001.750", "1", "248.10",
                      "0", "TEXT", "8", "POTRUBI", "10", "-1000.000", "20", "-5002.500", "40", E05, "50", E0,
                      "72", "4", "11", "-1000.000", "21", "-5002.500", "1", "(245.30)",
                      "0", "TEXT", "8", "OZNACENI", "10", "-1010.000", "20", "-4998.750", "40", E1, "50", E0,
                      "72", "1", "11", "-1010.000", "21", "-4998.750", "1", "Ků2",
                      "0", "INSERT", "8", "SACHTA", "2", "6$20", "10", "-1010.000", "20", "-5000.000",
                      "41", E1, "42", E1,
                      "0", "TEXT", "8", "TEREN", "10", "-1010.000", "20", "-5001.750", "40", E05, "50", E0,
                      "72", "1", "11", "-1010.000", "21", "-5001.750", "1", "248.20",
                      "0", "TEXT", "8", "POTRUBI", "10", "-1010.000", "20", "-5002.500", "40", E05, "50", E0,
                      "72", "4", "11", "-1010.000", "21", "-5002.500", "1", "(245.50)",
                      "0", "ENDSEC", "0", "EOF",
                  }));
}

TEST(Situace, WithoutSitcheckNothingIsWrittenOrTouched)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    DvaBody(*stav);
    stav->Vystupy.Sitcheck = false;
    VytvoritSituaci(*stav);
    EXPECT_FALSE(soubor::Existuje(adr / "situace.dxf"));
    test::ZapsatBajty(adr / "situace.dxf", "starý");
    VytvoritSituaci(*stav);
    EXPECT_EQ(test::PrecistBajty(adr / "situace.dxf"), "starý");
}

TEST(Situace, SectionTextsTurnWithTheSectionAndNeverReadUpsideDown)
{
    struct Pripad {
        double smerStupne;
        bool rovnobezne;
        std::string uhel;
        std::string zarovnani;
    };
    const Pripad pripady[] = {
        {60, false, "-6.00000000000000E+0001", "2"},  // α 30 across: 120 turned back by 180
        {60, true, " 3.00000000000000E+0001", "4"},   // α 30 along
        {-45, false, " 4.50000000000000E+0001", "0"}, // α 315 across: 405 is taken round once
        {-45, true, " 3.15000000000000E+0002", "4"},
        {270, false, "-9.00000000000000E+0001", "2"}, // α −180
        {270, true, "-1.80000000000000E+0002", "4"},
        {0, false, " 0.00000000000000E+0000", "0"},   // α 90 across: 180 turned back to 0
        {90, false, " 9.00000000000000E+0001", "0"},  // α 0 across
    };
    for (const Pripad& pripad : pripady) {
        test::DocasnyAdresar adr;
        auto stav = Stav(adr.Cesta(), "situace.dxf");
        stav->Vystupy.stocRcheck = pripad.rovnobezne;
        stav->Vystupy.stocKcheck = !pripad.rovnobezne;
        Bod(*stav, {.Oznaceni = "Kř1", .Y = 1000, .X = 5000, .Prumer = 300},
            {.StaniceniPresne = 0, .Delka = 10, .Spad = 2, .SmerStupne = pripad.smerStupne});
        Bod(*stav, {.Oznaceni = "Kř2", .Y = 1010, .X = 5000}, {.StaniceniPresne = 10, .Staniceni = 10});
        const auto popisy = test::Vyber(Kreslit(*stav), "TEXT", "POPIS");
        ASSERT_EQ(popisy.size(), 3u);
        for (const test::Entita& popis : popisy) {
            EXPECT_EQ(popis.Hodnota("50"), pripad.uhel) << pripad.smerStupne << " " << pripad.rovnobezne;
            EXPECT_EQ(popis.Hodnota("72"), pripad.zarovnani) << pripad.smerStupne << " " << pripad.rovnobezne;
        }
    }
}

TEST(Situace, SectionTextsFollowOneAnotherFromLeftToRight)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    stav->Vystupy.matField = "PVC \t";
    Bod(*stav, {.Oznaceni = "Kř1", .Y = 1010, .X = 5000, .Prumer = 250},
        {.StaniceniPresne = 0, .Delka = 10, .Spad = -3.456, .SmerStupne = 270});
    Bod(*stav, {.Oznaceni = "Kř2", .Y = 1000, .X = 5000}, {.StaniceniPresne = 10, .Staniceni = 10});
    const auto popisy = test::Vyber(Kreslit(*stav), "TEXT", "POPIS");
    ASSERT_EQ(popisy.size(), 3u);
    // The first point lies left: the diameter stands at its quarter, each text 0.25 m to the right.
    EXPECT_EQ(popisy[0].Hodnota("1"), "DN250 PVC");
    EXPECT_EQ(popisy[0].Hodnota("10"), "-1007.250");
    EXPECT_EQ(popisy[1].Hodnota("1"), "10.00m");
    EXPECT_EQ(popisy[1].Hodnota("10"), "-1004.750");
    EXPECT_EQ(popisy[2].Hodnota("1"), "-3.46%.");
    EXPECT_EQ(popisy[2].Hodnota("10"), "-1002.250");
    for (const test::Entita& popis : popisy)
        EXPECT_EQ(popis.Hodnota("20"), "-4999.000");
}

TEST(Situace, AnEmptyMaterialLeavesTheDiameterAlone)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    stav->Vystupy.matField = "";
    DvaBody(*stav);
    EXPECT_EQ(test::Vyber(Kreslit(*stav), "TEXT", "POPIS").at(2).Hodnota("1"), "DN300");
}

TEST(Situace, InletAndOutletLevelsStandOnTheSideOfTheirSection)
{
    // Three manholes whose inlets and outlets all differ from their inverts; the line turns back
    // eastwards after the second one.
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    Bod(*stav, {.Oznaceni = "Kř1", .Y = 1000, .X = 5000, .ZDna = 245, .ZVtoku = 245.1, .ZOdtoku = 244.9, .Prumer = 300},
        {.StaniceniPresne = 0, .Delka = 10, .SmerStupne = 90});
    Bod(*stav, {.Oznaceni = "Kř2", .Y = 1010, .X = 5000, .ZDna = 246, .ZVtoku = 246.1, .ZOdtoku = 245.9, .Prumer = 300},
        {.StaniceniPresne = 10, .Staniceni = 10, .Delka = 10, .SmerStupne = 45});
    Bod(*stav, {.Oznaceni = "Kř3", .Y = 1005, .X = 4990, .ZDna = 247, .ZVtoku = 247.1, .ZOdtoku = 246.9},
        {.StaniceniPresne = 20, .Staniceni = 20});
    // α(1) = 0; section 2 is given the direction 45 degrees, so α(2) = 45.
    const auto popisy = test::Vyber(Kreslit(*stav), "TEXT", "POPIS");
    ASSERT_GE(popisy.size(), 6u);
    struct Ocekavani {
        std::string text, x, zarovnani, uhel;
    };
    const Ocekavani ocekavane[] = {
        {"(245.10)", "-1002.500", "2", E0},                       // point 1: the next point lies left
        {"(244.90)", "-997.500", "0", E0},                        // no section before the first point
        {"(246.10)", "-1007.500", "0", " 4.50000000000000E+0001"}, // point 2: the next point lies right
        {"(245.90)", "-1012.500", "2", E0},
        {"(247.10)", "-1002.500", "0", E0},                       // no section after the last point
        {"(246.90)", "-1007.500", "2", " 4.50000000000000E+0001"}, // on the side of the last section
    };
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(popisy[i].Hodnota("1"), ocekavane[i].text) << i;
        EXPECT_EQ(popisy[i].Hodnota("10"), ocekavane[i].x) << i;
        EXPECT_EQ(popisy[i].Hodnota("72"), ocekavane[i].zarovnani) << i;
        EXPECT_EQ(popisy[i].Hodnota("50"), ocekavane[i].uhel) << i;
    }
}

TEST(Situace, AConnectionWithAHouseManholeIsDrawnWithItsSection)
{
    const std::string adresar = test::VystupniAdresar("dxf");
    auto stav = Stav(adresar, "situace_pripojka.dxf");
    Bod(*stav, {.Oznaceni = "Kř1", .Y = 1000, .X = 5000, .ZDna = 245.30, .ZPoklopu = 248.10, .ZVtoku = 245.30,
                .ZOdtoku = 245.30, .Prumer = 300},
        {.StaniceniPresne = 0, .Delka = 20, .Spad = 10, .SmerStupne = 90});
    Bod(*stav, {.Oznaceni = "Kř2", .Y = 1020, .X = 5000, .ZDna = 245.50, .ZPoklopu = 248.20, .ZVtoku = 245.50,
                .ZOdtoku = 245.50},
        {.StaniceniPresne = 20, .Staniceni = 20});
    Pripojka(*stav, {.Typ = "p", .OznaceniPripojky = "Př1", .Y = 1010, .X = 5000, .OznaceniDS = "DŠ1", .YDS = 1010,
                     .XDS = 5010, .ZPoklopuDS = 249, .ZDnaDS = 247},
             {.Staniceni = 10, .ZPotrubi = 245.4, .ZTerenu = 248.15, .DelkaPripojky = 10, .UhelPripojky = 90});
    Pripojka(*stav, {.Typ = "ka", .OznaceniPripojky = "Kříž", .Y = 1015, .X = 5000}, {.Staniceni = 15});
    VytvoritSituaci(*stav);
    const std::string cesta = adresar + "situace_pripojka.dxf";
    test::OcekavatEntity(cesta, {{"CIRCLE:DSACHTA", 1}, {"LINE:PRIPOJKA", 1}, {"TEXT:OZNACENI", 4},
                                 {"TEXT:TEREN", 4}, {"TEXT:POTRUBI", 4}, {"TEXT:POPIS", 4}, {"LINE:STOKA", 2},
                                 {"INSERT:SACHTA", 2}, {"INSERT:PRIPOJKAP", 1}});

    const std::string text = test::PrecistBajty(cesta);
    EXPECT_NE(text.find(test::Radky({
                  "  2", "ENTITIES",
                  "0", "CIRCLE", "8", "DSACHTA", "10", "-1010.000", "20", "-5010.000", "40", E1,
                  "0", "LINE", "8", "PRIPOJKA", "6", "CONTINUOUS",
                  "10", "-1010.000", "20", "-5000.000", "11", "-1010.000", "21", "-5010.000",
                  "0", "TEXT", "8", "OZNACENI", "10", "-1010.000", "20", "-5008.750", "40", E1, "50", E0,
                  "72", "1", "11", "-1010.000", "21", "-5008.750", "1", "DŠ1",
                  "0", "TEXT", "8", "TEREN", "10", "-1010.000", "20", "-5011.750", "40", E05, "50", E0,
                  "72", "1", "11", "-1010.000", "21", "-5011.750", "1", "249.00",
                  "0", "TEXT", "8", "POTRUBI", "10", "-1010.000", "20", "-5012.500", "40", E05, "50", E0,
                  "72", "4", "11", "-1010.000", "21", "-5012.500", "1", "(247.00)",
                  "0", "TEXT", "8", "POPIS", "10", "-1009.750", "20", "-5004.000", "40", E05,
                  "50", " 9.00000000000000E+0001", "72", "0", "1", "10.00m",
              })),
              std::string::npos);
    // The connection point is a node of its own, with the small mark; the crossing is not.
    EXPECT_NE(text.find(test::Radky({
                  "1", "Př1",
                  "0", "INSERT", "8", "PRIPOJKAP", "2", "6$20", "10", "-1010.000", "20", "-5000.000",
                  "41", " 5.00000000000000E-0002", "42", " 5.00000000000000E-0002",
                  "0", "TEXT", "8", "TEREN", "10", "-1010.000", "20", "-5001.750", "40", E05, "50", E0,
                  "72", "1", "11", "-1010.000", "21", "-5001.750", "1", "248.15",
                  "0", "TEXT", "8", "POTRUBI", "10", "-1010.000", "20", "-5002.500", "40", E05, "50", E0,
                  "72", "4", "11", "-1010.000", "21", "-5002.500", "1", "(245.40)",
              })),
              std::string::npos);
    const auto entity = test::EntitySouboru(cesta);
    EXPECT_EQ(Oznaceni(entity), (std::vector<std::string>{"DŠ1", "Kř1", "Př1", "Kř2"}));
    const auto stoka = test::Vyber(entity, "LINE", "STOKA");
    ASSERT_EQ(stoka.size(), 2u);
    EXPECT_EQ(stoka[0].Hodnota("11"), "-1010.000");
    EXPECT_EQ(stoka[1].Hodnota("10"), "-1010.000");
}

TEST(Situace, AConnectionAtAPointsStationingReplacesThePointNode)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    Bod(*stav, {.Oznaceni = "Kř1", .Y = 1000, .X = 5000, .Prumer = 300},
        {.StaniceniPresne = 0, .Delka = 10, .SmerStupne = 90});
    Bod(*stav, {.Oznaceni = "Kř2", .Y = 1010, .X = 5000, .Prumer = 300},
        {.StaniceniPresne = 10, .Staniceni = 10, .Delka = 10, .SmerStupne = 90});
    Bod(*stav, {.Oznaceni = "Kř3", .Y = 1020, .X = 5000}, {.StaniceniPresne = 20, .Staniceni = 20});
    Pripojka(*stav, {.OznaceniPripojky = "Př1", .Y = 1010, .X = 5000, .OznaceniDS = "DŠ1", .YDS = 1010, .XDS = 5010},
             {.Staniceni = 10});
    const auto entity = Kreslit(*stav);
    EXPECT_TRUE(test::Vyber(entity, "LINE", "PRIPOJKA").empty()) << "the bounds of a section are strict";
    EXPECT_EQ(Oznaceni(entity), (std::vector<std::string>{"Kř1", "Př1", "Kř3"}));
    EXPECT_EQ(test::Vyber(entity, "LINE", "STOKA").size(), 2u);
    EXPECT_EQ(ZnackyUzlu(entity), (std::vector<std::pair<std::string, std::string>>{
                                      {"Kř1", "SACHTA"}, {"Př1", "PRIPOJKAP"}, {"Kř3", "SACHTA"}}));
}

TEST(Situace, AConnectionLeftAtStationingZeroTakesThePlaceOfTheFirstPoint)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    DvaBody(*stav);
    Pripojka(*stav, {.OznaceniPripojky = "Př0", .Y = 990, .X = 4990, .OznaceniDS = "DŠ0", .YDS = 985, .XDS = 4985},
             {.Staniceni = 0});
    const auto entity = Kreslit(*stav);
    EXPECT_EQ(Oznaceni(entity), (std::vector<std::string>{"Př0", "Ků2"}));
    const auto stoka = test::Vyber(entity, "LINE", "STOKA");
    ASSERT_EQ(stoka.size(), 1u);
    EXPECT_EQ(stoka[0].Hodnota("10"), "-990.000");
    EXPECT_EQ(stoka[0].Hodnota("20"), "-4990.000");
    EXPECT_EQ(ZnackyUzlu(entity)[0], (std::pair<std::string, std::string>{"Př0", "PRIPOJKAP"}));
}

TEST(Situace, ConnectionRowsWithoutAHouseManholeTakeNoPart)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    DvaBody(*stav);
    Pripojka(*stav, {.Typ = "ka", .OznaceniPripojky = "Kříž", .Y = 1005, .X = 5000, .XDS = 5010}, {.Staniceni = 5});
    const auto entity = Kreslit(*stav);
    EXPECT_EQ(Oznaceni(entity), (std::vector<std::string>{"Kř1", "Ků2"}));
    EXPECT_TRUE(test::Vyber(entity, "LINE", "PRIPOJKA").empty());
    EXPECT_EQ(test::Vyber(entity, "LINE", "STOKA").size(), 1u);
}

TEST(Situace, HydrantsAndValvesMatchTheirCodesExactly)
{
    const std::string adresar = test::VystupniAdresar("dxf");
    auto stav = Stav(adresar, "situace_vodovod.dxf");
    NastavitDruhSite(stav->Nastaveni, TDruhSite::Vodovod);
    stav->Nastaveni.KodHydrant = "hydrant";
    stav->Nastaveni.KodSoupe = "šoupě";
    Bod(*stav, {.Oznaceni = "1", .Y = 1000, .X = 5000, .ZDna = 246, .ZPoklopu = 248, .Prumer = 100},
        {.StaniceniPresne = 0, .Delka = 40, .SmerStupne = 90});
    Bod(*stav, {.Oznaceni = "2", .Y = 1040, .X = 5000, .ZDna = 246.4, .ZPoklopu = 248.4},
        {.StaniceniPresne = 40, .Staniceni = 40});
    Pripojka(*stav, {.Typ = "hydrant", .OznaceniPripojky = "H1", .Y = 1010, .X = 5000, .YDS = 1010, .XDS = 5002},
             {.Staniceni = 10, .DelkaPripojky = 2});
    Pripojka(*stav, {.Typ = "Hydrant", .OznaceniPripojky = "H2", .Y = 1020, .X = 5000, .YDS = 1020, .XDS = 5002},
             {.Staniceni = 20, .DelkaPripojky = 2});
    Pripojka(*stav, {.Typ = "šoupě", .OznaceniPripojky = "S1", .Y = 1030, .X = 5000, .YDS = 1030, .XDS = 5002},
             {.Staniceni = 30, .DelkaPripojky = 2});
    const auto entity = Kreslit(*stav);
    test::OcekavatEntity(adresar + "situace_vodovod.dxf",
                         {{"CIRCLE:DSACHTA", 3}, {"LINE:PRIPOJKA", 3}, {"TEXT:OZNACENI", 8}, {"TEXT:TEREN", 8},
                          {"TEXT:POTRUBI", 8}, {"TEXT:POPIS", 6}, {"LINE:STOKA", 4}, {"INSERT:HYDRANT", 1},
                          {"INSERT:SOUPE", 1}, {"INSERT:PRIPOJKAP", 3}});
    EXPECT_EQ(ZnackyUzlu(entity), (std::vector<std::pair<std::string, std::string>>{
                                      {"1", "PRIPOJKAP"}, {"H1", "HYDRANT"}, {"H2", "PRIPOJKAP"},
                                      {"S1", "SOUPE"}, {"2", "PRIPOJKAP"}}));
    const auto hydrant = test::Vyber(entity, "INSERT", "HYDRANT").at(0);
    EXPECT_EQ(hydrant.Hodnota("2"), "6$12");
    EXPECT_EQ(hydrant.Hodnota("41"), E1);
    EXPECT_EQ(test::Vyber(entity, "INSERT", "SOUPE").at(0).Hodnota("2"), "6$14");
}

TEST(Situace, AnEmptyHydrantCodeMatchesEveryPointOfAWaterMain)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    NastavitDruhSite(stav->Nastaveni, TDruhSite::Vodovod);
    stav->Nastaveni.KodHydrant = "";
    DvaBody(*stav);
    EXPECT_EQ(ZnackyUzlu(Kreslit(*stav)), (std::vector<std::pair<std::string, std::string>>{
                                              {"Kř1", "HYDRANT"}, {"Ků2", "HYDRANT"}}));
}

TEST(Situace, ARoadAxisHasNoManholesNoLowerLevelsAndNoDiameter)
{
    const std::string adresar = test::VystupniAdresar("dxf");
    auto stav = Stav(adresar, "situace_osa.dxf");
    NastavitDruhSite(stav->Nastaveni, TDruhSite::OsaKomunikace);
    Bod(*stav, {.Oznaceni = "1", .Y = 1000, .X = 5000, .ZPoklopu = 248.1},
        {.StaniceniPresne = 0, .Delka = 20, .Spad = 5, .SmerStupne = 90});
    Bod(*stav, {.Oznaceni = "2", .Y = 1020, .X = 5000, .ZPoklopu = 248.2}, {.StaniceniPresne = 20, .Staniceni = 20});
    Pripojka(*stav, {.OznaceniPripojky = "V1", .Y = 1010, .X = 5000, .OznaceniDS = "D1", .YDS = 1010, .XDS = 5008,
                     .ZPoklopuDS = 248.5},
             {.Staniceni = 10, .ZTerenu = 248.15, .DelkaPripojky = 8, .UhelPripojky = 90});
    const auto entity = Kreslit(*stav);
    test::OcekavatEntity(adresar + "situace_osa.dxf",
                         {{"LINE:PRIPOJKA", 1}, {"TEXT:OZNACENI", 4}, {"TEXT:TEREN", 4}, {"TEXT:POPIS", 3},
                          {"LINE:STOKA", 2}, {"INSERT:PRIPOJKAP", 3}});
    for (const test::Entita& e : entity) {
        EXPECT_NE(e.Typ(), "CIRCLE");
        EXPECT_NE(e.Vrstva(), "POTRUBI");
        EXPECT_NE(e.Hodnota("1").substr(0, 2), "DN");
        if (e.Typ() == "INSERT") {
            EXPECT_EQ(e.Vrstva(), "PRIPOJKAP");
        }
    }
    EXPECT_EQ(Oznaceni(entity), (std::vector<std::string>{"D1", "1", "V1", "2"}));
}

TEST(Situace, AFullProjectDrawsEveryPointAndEveryHouseManhole)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    for (int i = 1; i <= 5000; ++i) {
        Bod(*stav, {.Y = 1000.0 + 10 * i, .X = 5000}, {.StaniceniPresne = 10.0 * i, .Delka = 10, .SmerStupne = 90});
        // Spread over the 4999 sections between the first and the last point.
        const double s = 10 + (i - 0.5) * 9.998;
        Pripojka(*stav, {.Y = 1000 + s, .X = 5000, .YDS = 1000 + s, .XDS = 5010}, {.Staniceni = s});
    }
    VytvoritSituaci(*stav);
    const auto entity = test::EntitySouboru(adr / "situace.dxf");
    EXPECT_EQ(test::Vyber(entity, "LINE", "STOKA").size(), 9999u);
    EXPECT_EQ(test::Vyber(entity, "CIRCLE", "DSACHTA").size(), 5000u);
}

TEST(Situace, AFailedWriteNamesTheFileAndKeepsThePreviousOne)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "situace.dxf", "předchozí");
    auto stav = Stav(adr.Cesta(), "situace.dxf");
    DvaBody(*stav);
    const test::PorouchanyDisk disk = test::PlnyDisk(1000);
    stav->Disk = &disk;
    try {
        VytvoritSituaci(*stav);
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_NE(std::string(chyba.what()).find(adr / "situace.dxf"), std::string::npos) << chyba.what();
    }
    EXPECT_EQ(test::PrecistBajty(adr / "situace.dxf"), "předchozí");
}
