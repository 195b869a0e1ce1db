#include "ProfilPomoc.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

/// A sewer of three manholes 10 m and 12.5 m apart; Ř2 has an outlet of its own.
std::unique_ptr<TStav> TriSachty(int druh = 1)
{
    TBod druha = SachtaNaLinii("Ř2", 10, 241.50, 243.50);
    druha.ZOdtoku = 241.55;
    return VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), druha, SachtaNaLinii("Ř3", 22.5, 242.00, 244.00)},
                          {}, druh);
}

std::vector<std::string> Popisky(const std::vector<Entita>& entity)
{
    std::vector<std::string> texty;
    for (const Entita& entita : Vyber(entity, "TEXT", "TEXTY"))
        texty.push_back(entita.Hodnota("1"));
    return texty;
}

} // namespace

TEST(PasyProfilu, EachPointCarriesItsLabelLevelsStationingLengthAndSlope)
{
    auto stav = TriSachty();
    const auto entity = Nakreslit(*stav, "cisla-pasu", 240);
    EXPECT_EQ(TextySPolohou(entity, "OZNACENI"),
              (std::vector<std::string>{"Ř1 0.000,38.000 z4", "Ř2 10.000,38.000 z4", "Ř3 22.500,38.000 z4"}));
    // Cover, cover level, invert and the outlet left of it, across the bands.
    EXPECT_EQ(TextySPolohou(entity, "KOTY"),
              (std::vector<std::string>{"243.00 0.000,6.000 a90 z4", "1.70 0.000,8.300 a90 z4",
                                        "241.00 0.000,3.000 a90 z4", "243.50 10.000,6.000 a90 z4",
                                        "1.70 10.000,8.300 a90 z4", "241.50 10.000,3.000 a90 z4",
                                        "241.55 9.400,3.000 a90 z4", "244.00 22.500,6.000 a90 z4",
                                        "1.70 22.500,8.300 a90 z4", "242.00 22.500,3.000 a90 z4"}));
    // No stationing at the first point.
    EXPECT_EQ(TextySPolohou(entity, "STANICENI"),
              (std::vector<std::string>{"0.0 0.000,-1.500 a0 z4", "10.00 10.180,-0.200 a90 z2",
                                        "22.50 22.680,-0.200 a90 z2"}));
    // The length right of each point but the last, the slope left of each but the first
    // (Ř1 → Ř2 from 241.00 to the outlet 241.55: 55 per mille).
    EXPECT_EQ(TextySPolohou(entity, "DELKA"),
              (std::vector<std::string>{"10.00 0.200,-3.300 a0 z0", "12.50 10.200,-3.300 a0 z0",
                                        "55.00 9.800,-3.300 a0 z2", "40.00 22.300,-3.300 a0 z2"}));
    EXPECT_EQ(Vyber(entity, "TEXT", "KOTY")[0].Hodnota("40"), "0.35");
}

TEST(PasyProfilu, TheBandLinesRunAlongEachSection)
{
    auto stav = TriSachty();
    const auto entity = Nakreslit(*stav, "cary-pasu", 240);
    const auto cary = Cary(entity, "CARY");
    // After the frame and its two fold marks: the plane line on its own layer, then the rows of
    // each section.
    EXPECT_EQ(std::vector<std::string>(cary.begin() + 10, cary.begin() + 22),
              (std::vector<std::string>{"0.000,-2.800 10.000,-2.800", "0.000,-3.400 10.000,-3.400",
                                        "0.000,-4.000 10.000,-4.000", "0.000,44.000 10.000,44.000",
                                        "0.000,45.000 10.000,45.000", "0.000,46.000 10.000,46.000",
                                        "10.000,-2.800 22.500,-2.800", "10.000,-3.400 22.500,-3.400",
                                        "10.000,-4.000 22.500,-4.000", "10.000,44.000 22.500,44.000",
                                        "10.000,45.000 22.500,45.000", "10.000,46.000 22.500,46.000"}));
}

TEST(PasyProfilu, LengthsAtTheTopToo)
{
    auto stav = TriSachty();
    stav->Nastaveni.ZobrazeniDelek = 0;
    const auto entity = Nakreslit(*stav, "delky-nahore", 240);
    const auto cary = Cary(entity, "CARY");
    EXPECT_NE(std::find(cary.begin(), cary.end(), "0.000,43.000 10.000,43.000"), cary.end());
    EXPECT_NE(std::find(cary.begin(), cary.end(), "10.000,44.000 10.000,43.000"), cary.end());
    const auto delky = Texty(entity, "DELKA");
    EXPECT_EQ(std::count(delky.begin(), delky.end(), "12.50 10.200,43.160"), 1);
    EXPECT_EQ(Popisky(entity).back(), "VZDÁLENOST ŠACHET");
}

TEST(PasyProfilu, CzechCaptionsStandInTheirOrderLeftOfTheFirstPoint)
{
    auto stav = TriSachty();
    const auto entity = Nakreslit(*stav, "popisky-cz", 240);
    EXPECT_EQ(TextySPolohou(entity, "TEXTY"),
              (std::vector<std::string>{"OZNAČENÍ ŠACHET -11.000,38.000 z0", "TERÉN -11.000,6.000 z0",
                                        "POTRUBÍ -11.000,2.000 z0", "KRYTÍ -11.000,8.300 z0",
                                        "KÓTA POKLOPU -11.000,6.000 z0", "KÓTA DNA -11.000,3.000 z0",
                                        "SROVNÁVACÍ ROVINA -11.000,1.000 z0", "STANIČENÍ v km, m -11.000,-1.500 z0",
                                        "DÉLKA m - SPÁD ‰ -11.000,-3.350 z0", "PROFIL mm - MATERIÁL -11.000,-3.950 z0",
                                        "KATASTRÁLNÍ ÚZEMÍ -11.000,45.050 z0", "DRUH POVRCHU -11.000,44.050 z0"}));
}

TEST(PasyProfilu, SlovakCaptionsOfASewer)
{
    auto stav = TriSachty();
    stav->Nastaveni.Jazyk = "SK";
    stav->Nastaveni.ZobrazeniDelek = 0;
    stav->Nastaveni.LegendaDelka = true;
    EXPECT_EQ(Popisky(Nakreslit(*stav, "popisky-sk", 240)),
              (std::vector<std::string>{"OZNAČENIE ŠÁCHT", "TERÉN", "POTRUBIE", "HĹBKA VÝKOPU", "KÓTA POKLOPU",
                                        "KÓTA DNA", "ZROVNÁVACIA ROVINA", "STANIČENIE v km, m", "DĹŽKA m - SKLON ‰",
                                        "PROFIL mm - MATERIÁL - DĹŽKA m", "KATASTRÁLNE ÚZEMIE", "DRUH POVRCHU",
                                        "VZDIALENOSŤ ŠÁCHT"}));
}

TEST(PasyProfilu, CaptionsOfAWaterMainAndARoadAxis)
{
    auto vodovod = TriSachty(2);
    vodovod->Nastaveni.ZobrazeniDelek = 0;
    EXPECT_EQ(Popisky(Nakreslit(*vodovod, "popisky-vodovod", 240)),
              (std::vector<std::string>{"ČÍSLA BODŮ", "TERÉN", "POTRUBÍ", "KRYTÍ", "KÓTA TERÉNU", "KÓTA POTRUBÍ",
                                        "SROVNÁVACÍ ROVINA", "STANIČENÍ v km, m", "DÉLKA m - SPÁD ‰",
                                        "PROFIL mm - MATERIÁL", "KATASTRÁLNÍ ÚZEMÍ", "DRUH POVRCHU", "VZDÁLENOST"}));
    auto osa = TriSachty(3);
    osa->Nastaveni.Jazyk = "SK";
    EXPECT_EQ(Popisky(Nakreslit(*osa, "popisky-osa", 240)),
              (std::vector<std::string>{"ČÍSLA BODOV", "TERÉN", "KÓTA TERÉNU", "ZROVNÁVACIA ROVINA",
                                        "STANIČENIE v km, m", "DĹŽKA m - SKLON ‰", "PROFIL mm - MATERIÁL",
                                        "KATASTRÁLNE ÚZEMIE", "DRUH POVRCHU"}));
}

TEST(PasyProfilu, AnotherLanguageKeepsOnlyCaptionsWithOneForm)
{
    auto stav = TriSachty();
    stav->Nastaveni.Jazyk = "DE";
    stav->Vystupy.tabcheck = true;
    const auto entity = Nakreslit(*stav, "popisky-jiny-jazyk", 240);
    EXPECT_EQ(Popisky(entity), (std::vector<std::string>{"TERÉN", "KÓTA POKLOPU", "KÓTA DNA", "PROFIL mm - MATERIÁL",
                                                         "DRUH POVRCHU"}));
    const auto tabulka = Texty(entity, "POPIS_TABULKY");
    EXPECT_EQ(tabulka.size(), 10u + 6u);
    EXPECT_EQ(tabulka[0], "JTSK 33.200,3.250");
}

TEST(PasyProfilu, TheTitleBlockStandsRightOfTheLine)
{
    auto stav = TriSachty();
    stav->Vystupy.tabcheck = true;
    stav->Vystupy.mercombo = "Dvořák";
    stav->Vystupy.vypcombo = "Novák";
    stav->Vystupy.koncombo = "Svoboda";
    stav->Vystupy.zakEdit = "2024/ů17";
    stav->Vystupy.datumEdit = "12.03.2024";
    const auto entity = Nakreslit(*stav, "tabulka", 240);
    // E = 22.5 m; the cells 27 mm wide at the top, the column of rows at the right.
    EXPECT_EQ(TextySPolohou(entity, "POPIS_TABULKY"),
              (std::vector<std::string>{
                  "SOUŘ. SYSTÉM 33.200,4.150 z4", "JTSK 33.200,3.250 z4", "VÝŠK. SYSTÉM 38.600,4.150 z4",
                  "Bpv 38.600,3.250 z4", "MĚŘIL 44.000,4.150 z4", "Dvořák 44.000,3.250 z4",
                  "VYPRACOVAL 49.400,4.150 z4", "Novák 49.400,3.250 z4", "KONTROLOVAL 54.800,4.150 z4",
                  "Svoboda 54.800,3.250 z4", "ZAK. č. 60.000,-2.350 z4", "2024/ů17 65.000,-2.350 z4",
                  "DATUM 60.000,-3.250 z4", "12.03.2024 65.000,-3.250 z4", "VÝKRES č. 60.000,-4.150 z4",
                  "2 65.000,-4.150 z4", "FORMÁT 60.000,-5.050 z4", "3xA4 65.000,-5.050 z4",
                  "MĚŘÍTKO 60.000,-5.950 z4", "1:200:100 65.000,-5.950 z4"}));
    const auto cary = Cary(entity, "CARY");
    ASSERT_GE(cary.size(), 10u + 18u);
    EXPECT_EQ(std::vector<std::string>(cary.begin() + 10, cary.begin() + 10 + 18),
              (std::vector<std::string>{
                  "30.500,-6.400 67.500,-6.400", "67.500,-6.400 67.500,4.600", "67.500,4.600 30.500,4.600",
                  "30.500,4.600 30.500,-6.400", "57.500,-6.400 57.500,4.600", "62.500,-6.400 62.500,-1.900",
                  "57.500,-5.500 67.500,-5.500", "57.500,-3.700 67.500,-3.700", "57.500,-2.800 67.500,-2.800",
                  "57.500,-1.900 67.500,-1.900", "30.500,-4.600 67.500,-4.600", "30.500,1.900 57.500,1.900",
                  "30.500,2.800 57.500,2.800", "30.500,3.700 57.500,3.700", "35.900,1.900 35.900,4.600",
                  "41.300,1.900 41.300,4.600", "46.700,1.900 46.700,4.600", "52.100,1.900 52.100,4.600"}));
}

TEST(PasyProfilu, TheSlovakTitleBlock)
{
    auto stav = TriSachty();
    stav->Nastaveni.Jazyk = "SK";
    stav->Vystupy.tabcheck = true;
    std::vector<std::string> popisky;
    for (const Entita& entita : Vyber(Nakreslit(*stav, "tabulka-sk", 240), "TEXT", "POPIS_TABULKY"))
        popisky.push_back(entita.Hodnota("1"));
    EXPECT_EQ(popisky, (std::vector<std::string>{"SÚR. SYSTÉM", "JTSK", "VÝŠK. SYSTÉM", "Bpv", "MERAL", "",
                                                 "VYPRACOVAL", "", "KONTROLOVAL", "", "ZAK. č.", "", "DÁTUM", "",
                                                 "VÝKRES č.", "2", "FORMÁT", "3xA4", "MIERKA", "1:200:100"}));
}
