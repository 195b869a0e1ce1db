#include "ProfilPomoc.h"
#include "TestPomoc.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

/// Entries of `vse` that `hledane` holds, in the order of `vse`.
std::vector<std::string> Pouze(const std::vector<std::string>& vse, const std::vector<std::string>& hledane)
{
    std::vector<std::string> nalezene;
    for (const std::string& polozka : vse)
        if (std::find(hledane.begin(), hledane.end(), polozka) != hledane.end())
            nalezene.push_back(polozka);
    return nalezene;
}

} // namespace

TEST(LinieProfilu, ASewerManholeHasAFlatBottomOnlyWithDnoSet)
{
    TBod druha = SachtaNaLinii("Ř2", 10, 241.50, 243.50);
    druha.Dno = false;
    druha.ZOdtoku = 241.55; // the pipe from Ř1 leaves 5 cm above the bottom
    druha.ZVtoku = 241.60;
    auto stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), druha, SachtaNaLinii("Ř3", 20, 242.00, 244.00)});
    const auto entity = Nakreslit(*stav, "dno", 240);
    const auto rez = Cary(entity, "REZ");
    // Ř1 with Dno: the wall down to the crown of the pipe, the bottom, the wall between them; the
    // first manhole has no arriving pipe.
    EXPECT_EQ(std::vector<std::string>(rez.begin(), rez.begin() + 3),
              (std::vector<std::string>{"-0.250,6.000 -0.250,2.000", "-0.250,2.000 0.000,2.000",
                                        "-0.250,2.000 -0.250,2.000"}));
    // Ř2 without Dno: the pipes slope to the middle of outlet and inlet, 241.575.
    EXPECT_EQ(Pouze(rez, {"9.750,7.000 9.750,3.700", "9.750,3.100 10.000,3.150", "10.250,7.000 10.250,3.800",
                          "10.250,3.200 10.000,3.150"}),
              (std::vector<std::string>{"9.750,7.000 9.750,3.700", "9.750,3.100 10.000,3.150",
                                        "10.250,7.000 10.250,3.800", "10.250,3.200 10.000,3.150"}));
    const auto kotovaci = Cary(entity, "KOTOVACI_CARY");
    ASSERT_EQ(kotovaci.size(), 3u * 4);
    // From the bottom (or the middle) down to the top of the bands at 44.5 mm, then through them.
    EXPECT_EQ(std::vector<std::string>(kotovaci.begin(), kotovaci.begin() + 5),
              (std::vector<std::string>{"0.000,2.000 0.000,8.900", "0.000,6.900 0.000,7.700", "0.000,5.100 0.000,3.900",
                                        "0.000,2.100 0.000,0.000", "10.000,3.150 10.000,8.900"}));
    // The invert row shows outlet left, invert, inlet right.
    const auto koty = Texty(entity, "KOTY");
    EXPECT_EQ(Pouze(koty, {"241.50 10.000,3.000", "241.55 9.400,3.000", "241.60 10.600,3.000"}),
              (std::vector<std::string>{"241.50 10.000,3.000", "241.55 9.400,3.000", "241.60 10.600,3.000"}));
}

TEST(LinieProfilu, WithoutTheCoverTheDimensionLinesEndAt34AndAHalfMillimetres)
{
    auto stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 10, 241.50, 243.50)});
    stav->Nastaveni.ZobrazeniKryti = 2;
    const auto entity = Nakreslit(*stav, "bez-kryti", 240);
    EXPECT_EQ(Cary(entity, "KOTOVACI_CARY"),
              (std::vector<std::string>{"0.000,2.000 0.000,6.900", "0.000,5.100 0.000,3.900", "0.000,2.100 0.000,0.000",
                                        "10.000,3.000 10.000,6.900", "10.000,5.100 10.000,3.900",
                                        "10.000,2.100 10.000,0.000"}));
    for (const std::string& kota : Texty(entity, "KOTY"))
        EXPECT_EQ(kota.find(",8.300"), std::string::npos) << kota << ": no cover row";
}

TEST(LinieProfilu, AWaterMainDrawsItsPipeAsTwoLinesAtThePoints)
{
    auto stav = VypoctenaLinie({SachtaNaLinii("1", 0, 241.00, 243.00, 200), SachtaNaLinii("2", 10, 241.50, 243.50)},
                               {}, 2);
    const auto entity = Nakreslit(*stav, "vodovod", 240);
    EXPECT_EQ(Cary(entity, "TEREN"), (std::vector<std::string>{"0.000,6.000 10.000,7.000"}));
    EXPECT_EQ(Cary(entity, "POTRUBI"), (std::vector<std::string>{"0.000,2.000 10.000,3.000", "0.000,1.600 10.000,2.600"}));
    // At each point the line from the ground to the bottom of the arriving pipe (none at the first).
    EXPECT_EQ(Cary(entity, "REZ"), (std::vector<std::string>{"0.000,6.000 0.000,2.000", "10.000,7.000 10.000,2.600"}));
    const auto kotovaci = Cary(entity, "KOTOVACI_CARY");
    ASSERT_EQ(kotovaci.size(), 8u);
    EXPECT_EQ(kotovaci[4], "10.000,2.600 10.000,8.900");
    EXPECT_TRUE(Vyber(entity, "LINE", "SIPKA").empty());
}

TEST(LinieProfilu, ARoadAxisDrawsTerrainOnly)
{
    auto stav = VypoctenaLinie({SachtaNaLinii("1", 0, 0, 243.00), SachtaNaLinii("2", 10, 0, 243.50)},
                               {Pripojka(0.5, 5)}, 3);
    const auto entity = Nakreslit(*stav, "osa", 240);
    EXPECT_EQ(Cary(entity, "TEREN"), (std::vector<std::string>{"0.000,6.000 10.000,7.000"}));
    EXPECT_TRUE(Cary(entity, "POTRUBI").empty());
    EXPECT_TRUE(Cary(entity, "REZ").empty());
    EXPECT_TRUE(Cary(entity, "PRIPOJKA").empty());
    EXPECT_TRUE(Vyber(entity, "CIRCLE", "SIPKA").empty());
    // The calculation turned the cover off; the point's vertical also crosses the empty invert row.
    EXPECT_EQ(Cary(entity, "KOTOVACI_CARY"),
              (std::vector<std::string>{"0.000,6.000 0.000,6.900", "0.000,5.100 0.000,3.900", "0.000,2.100 0.000,0.000",
                                        "0.000,3.900 0.000,2.100", "10.000,7.000 10.000,6.900",
                                        "10.000,5.100 10.000,3.900", "10.000,2.100 10.000,0.000",
                                        "10.000,3.900 10.000,2.100"}));
}

TEST(LinieProfilu, PipeRunsAreNamedWhereTheyBeginAndEnd)
{
    auto stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00, 300), SachtaNaLinii("Ř2", 10, 241.10, 243.00, 300),
                                SachtaNaLinii("Ř3", 20, 241.20, 243.00, 400), SachtaNaLinii("Ř4", 30, 241.30, 243.00, 400),
                                SachtaNaLinii("Ř5", 40, 241.40, 243.00, 400)});
    stav->Vystupy.matField = "PVC třída SN8";
    const auto entity = Nakreslit(*stav, "behy-potrubi", 240);
    EXPECT_EQ(Texty(entity, "POPIS_POTRUBI"),
              (std::vector<std::string>{"DN300 0.200,-3.900", "DN400 20.200,-3.900", "PVC třída SN8 19.800,-3.900",
                                        "PVC třída SN8 39.800,-3.900"}));
    // The band is closed at both ends and where the diameter changes.
    const auto cary = Cary(entity, "CARY");
    EXPECT_EQ(Pouze(cary, {"0.000,-3.400 0.000,-4.000", "10.000,-3.400 10.000,-4.000", "20.000,-3.400 20.000,-4.000",
                           "30.000,-3.400 30.000,-4.000", "40.000,-3.400 40.000,-4.000"}),
              (std::vector<std::string>{"0.000,-3.400 0.000,-4.000", "20.000,-3.400 20.000,-4.000",
                                        "40.000,-3.400 40.000,-4.000"}));
}

TEST(LinieProfilu, CrossingsTakeTheLayersOfTheirCode)
{
    TPripojka krizeni = Pripojka(0.5, 5);
    krizeni.Typ = "kc";
    krizeni.OznaceniPripojky = "Kabel ČEZ ř.3";
    TPripojka jina = Pripojka(0.5, 7);
    jina.Typ = "xy";
    auto stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 10, 241.50, 243.50)},
                               {krizeni, Pripojka(0.5, 3), jina});
    const auto entity = Nakreslit(*stav, "krizeni", 240);
    EXPECT_EQ(Cary(entity, "KRIZENI3").size(), 4u);
    EXPECT_EQ(Cary(entity, "PRIPOJKA").size(), 8u);
    EXPECT_EQ(TextySPolohou(entity, "KOTA_KRIZENI3"),
              (std::vector<std::string>{"5.00 5.180,-0.200 a90 z2", "241.25 5.000,3.000 a90 z4",
                                        "243.25 5.000,6.000 a90 z4", "1.70 5.000,8.300 a90 z4",
                                        "Kabel ČEZ ř.3 5.180,12.100 a90 z0"}));
    EXPECT_EQ(Texty(entity, "KOTA_PRIPOJKY").size(), 10u);

    // The last matching code decides.
    stav->Nastaveni.KodKrizeni5 = "kc";
    const auto posledni = Nakreslit(*stav, "krizeni-posledni-kod", 240);
    EXPECT_TRUE(Cary(posledni, "KRIZENI3").empty());
    EXPECT_EQ(Cary(posledni, "KRIZENI5").size(), 4u);
    EXPECT_EQ(Texty(posledni, "KOTA_KRIZENI5").size(), 5u);
}

TEST(LinieProfilu, AConnectionOnNoSectionIsDrawnAtTheStartOfTheLine)
{
    auto stav = LinieProProfil({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 10, 241.50, 243.50)},
                               {Pripojka(0.5, 5), Pripojka(40, 40)});
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    ASSERT_TRUE(Vypocet(*stav, zpravy, vystupy));
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].text, "Chyba přípojky - bod neleží na stoce - 2");
    // The row keeps stationing 0 and the levels it had (0 here): it stands at the first point.
    const auto entity = Nakreslit(*stav, "pripojka-mimo", 240);
    const auto cary = Cary(entity, "PRIPOJKA");
    ASSERT_EQ(cary.size(), 8u);
    EXPECT_EQ(cary[4], "0.000,0.000 0.000,2.100");
    EXPECT_EQ(Texty(entity, "KOTA_PRIPOJKY").size(), 10u);
}

TEST(LinieProfilu, AnEntirelyEmptyConnectionRowIsNotDrawn)
{
    // Drawn, it was a line from the top of the bands down to level 0, far below the plane line.
    const std::vector<TBod> body = {SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 10, 241.50, 243.50)};
    auto bez = VypoctenaLinie(body, {Pripojka(0.5, 5)});
    auto sPrazdnou = VypoctenaLinie(body, {TPripojka{}, Pripojka(0.5, 5), TPripojka{.Poradi = 2}});
    const auto entityBez = Nakreslit(*bez, "bez-prazdne-pripojky", 240);
    const auto entity = Nakreslit(*sPrazdnou, "s-prazdnou-pripojkou", 240);
    EXPECT_EQ(Cary(entity, "PRIPOJKA"), Cary(entityBez, "PRIPOJKA"));
    EXPECT_EQ(Cary(entity, "PRIPOJKA").size(), 4u);
    EXPECT_EQ(Texty(entity, "KOTA_PRIPOJKY"), Texty(entityBez, "KOTA_PRIPOJKY"));
}

TEST(LinieProfilu, StationingUpTo100ShowsOnlyTheRestBelow100)
{
    auto stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 150, 241.50, 243.50),
                                SachtaNaLinii("Ř3", 300, 242.00, 244.00)},
                               {Pripojka(0.5, 256.23)});
    stav->Nastaveni.StaniceniDo100 = true;
    const auto entity = Nakreslit(*stav, "staniceni-do-100", 240);
    EXPECT_EQ(Texty(entity, "KOTA_PRIPOJKY")[0], "56.23 256.410,-0.200");
    EXPECT_EQ(TextySPolohou(entity, "STANICENI"),
              (std::vector<std::string>{"0.0 0.000,-1.500 a0 z4", "0.1 100.000,-1.500 a0 z4", "0.2 200.000,-1.500 a0 z4",
                                        "50.00 150.180,-0.200 a90 z2", "0.00 300.180,-0.200 a90 z2"}));
}

TEST(LinieProfilu, HectometreMarksStandBelowTheEndOfTheLine)
{
    auto stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 250, 241.50, 243.50)});
    const auto dlouha = Nakreslit(*stav, "hektometry-250m", 240);
    EXPECT_EQ(Pouze(Cary(dlouha, "CARY"), {"0.000,0.000 0.000,-1.000", "100.000,0.000 100.000,-1.000",
                                           "200.000,0.000 200.000,-1.000", "300.000,0.000 300.000,-1.000"}),
              (std::vector<std::string>{"0.000,0.000 0.000,-1.000", "100.000,0.000 100.000,-1.000",
                                        "200.000,0.000 200.000,-1.000"}));

    stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 200, 241.50, 243.50)});
    const auto presna = Nakreslit(*stav, "hektometry-200m", 240);
    EXPECT_EQ(TextySPolohou(presna, "STANICENI"),
              (std::vector<std::string>{"0.0 0.000,-1.500 a0 z4", "0.1 100.000,-1.500 a0 z4",
                                        "200.00 200.180,-0.200 a90 z2"}));
}

TEST(LinieProfilu, FlowArrowsTurnWithTheLine)
{
    // The line turns by a right angle at Ř2.
    auto stav = VypoctenaLinie({Sachta("Ř1", 0, 0, 241.00, 243.00), Sachta("Ř2", 0, 10, 241.50, 243.50),
                                Sachta("Ř3", 10, 10, 242.00, 244.00)});
    const auto entity = Nakreslit(*stav, "sipky", 240);
    EXPECT_EQ(Cary(entity, "SIPKA"), (std::vector<std::string>{
                                         // Ř1: only the flow arriving from the right
                                         "2.500,41.000 0.500,41.000", "0.500,41.000 1.500,40.800",
                                         "0.500,41.000 1.500,41.200",
                                         // Ř2: leaving to the left, arriving from above
                                         "9.500,41.000 7.500,41.000", "7.500,41.000 8.500,41.200",
                                         "7.500,41.000 8.500,40.800", "10.000,43.500 10.000,41.500",
                                         "10.000,41.500 10.200,42.500", "10.000,41.500 9.800,42.500",
                                         // Ř3: only leaving
                                         "19.500,41.000 17.500,41.000", "17.500,41.000 18.500,41.200",
                                         "17.500,41.000 18.500,40.800"}));
    EXPECT_EQ(Vyber(entity, "CIRCLE", "SIPKA").size(), 3u);
    EXPECT_EQ(Vyber(entity, "CIRCLE", "SIPKA")[1].Hodnota("40"), "0.500");

    stav->Vystupy.znakcheck = false;
    const auto bez = Nakreslit(*stav, "bez-sipek", 240);
    EXPECT_TRUE(Vyber(bez, "LINE", "SIPKA").empty());
    EXPECT_TRUE(Vyber(bez, "CIRCLE", "SIPKA").empty());
}
