#include "GisPomoc.h"

#include "gis/VrstvyGis.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

const TVrstvaGis& Vrstva(const std::vector<TVrstvaGis>& vrstvy, std::string_view nazev)
{
    for (const TVrstvaGis& vrstva : vrstvy)
        if (vrstva.Nazev == nazev)
            return vrstva;
    throw std::runtime_error("no layer " + std::string(nazev));
}

/// The value of the field `pole` of feature `i`.
HodnotaGis Hodnota(const TVrstvaGis& vrstva, std::size_t i, std::string_view pole)
{
    for (std::size_t k = 0; k < vrstva.Pole.size(); ++k)
        if (vrstva.Pole[k].Nazev == pole)
            return vrstva.Prvky.at(i).Hodnoty.at(k);
    throw std::runtime_error("no field " + std::string(pole));
}

} // namespace

TEST(VrstvyGis, TheExampleSewerGivesItsRowsAndTheCalculationsResults)
{
    const auto stav = test::SpocitanyPriklad("kanalizace.csv");
    const auto vrstvy = VrstvyGis(*stav);
    ASSERT_EQ(vrstvy.size(), 4u);
    const TVrstvaGis& body = Vrstva(vrstvy, "body");
    const TVrstvaGis& useky = Vrstva(vrstvy, "useky");
    const TVrstvaGis& pripojky = Vrstva(vrstvy, "pripojky");
    const TVrstvaGis& krizeni = Vrstva(vrstvy, "krizeni");
    EXPECT_EQ(body.Prvky.size(), 12u);
    EXPECT_EQ(useky.Prvky.size(), 11u);
    EXPECT_EQ(pripojky.Prvky.size(), 5u);
    EXPECT_EQ(krizeni.Prvky.size(), 2u);

    // Š6 has its own inlet; the outlet is its rounded invert, as the calculation left it.
    EXPECT_EQ(Hodnota(body, 5, "z_vtoku"), HodnotaGis(245.17));
    EXPECT_EQ(Hodnota(body, 5, "z_odtoku"), HodnotaGis(stav->Projekt.Body[6].ZDna));
    EXPECT_EQ(Hodnota(body, 6, "oznaceni"), HodnotaGis(std::string("Š7-Dvůr")));
    EXPECT_EQ(Hodnota(body, 6, "poradi"), HodnotaGis(7));
    EXPECT_EQ(Hodnota(body, 6, "staniceni"), HodnotaGis(stav->Vysledky.Body[7].Staniceni));
    // 247.92 − 245.24 − 0.30, to the millimetre.
    EXPECT_EQ(Hodnota(body, 6, "kryti"), HodnotaGis(2.38));
    EXPECT_EQ(Hodnota(body, 2, "dno"), HodnotaGis(false));
    EXPECT_EQ(Hodnota(body, 0, "druh_site"), HodnotaGis(std::string("Kanalizace")));
    EXPECT_EQ(body.Prvky[0].Polohy, (std::vector<TPolohaGis>{{744210.35, 1043785.62}}));

    // Section 6 runs from Š6 to Š7-Dvůr with Š6's diameter.
    EXPECT_EQ(Hodnota(useky, 5, "od"), HodnotaGis(std::string("Š6")));
    EXPECT_EQ(Hodnota(useky, 5, "do"), HodnotaGis(std::string("Š7-Dvůr")));
    EXPECT_EQ(Hodnota(useky, 5, "dn"), HodnotaGis(300));
    EXPECT_EQ(Hodnota(useky, 5, "delka"), HodnotaGis(44.1));
    EXPECT_EQ(Hodnota(useky, 5, "spad"), HodnotaGis(stav->Vysledky.Body[6].Spad));
    EXPECT_EQ(useky.Prvky[5].Polohy.size(), 2u);

    // P3 is the fourth connection row; the crossing before it is in its own layer.
    const TVysledekPripojky& p3 = stav->Vysledky.Pripojky[4];
    EXPECT_EQ(Hodnota(pripojky, 2, "oznaceni_ds"), HodnotaGis(std::string("DŠ Květná")));
    EXPECT_EQ(Hodnota(pripojky, 2, "staniceni"), HodnotaGis(p3.Staniceni));
    EXPECT_EQ(Hodnota(pripojky, 2, "z_potrubi"), HodnotaGis(p3.ZPotrubi));
    EXPECT_EQ(Hodnota(pripojky, 2, "kryti"), HodnotaGis(2.46));
    EXPECT_NEAR(std::get<double>(Hodnota(pripojky, 2, "delka")), p3.DelkaPripojky, 0.0005);
    EXPECT_EQ(Hodnota(pripojky, 2, "delka"), HodnotaGis(7.497));
    EXPECT_EQ(Hodnota(pripojky, 2, "z_dna_ds"), HodnotaGis(246.88));
    EXPECT_EQ(pripojky.Prvky[2].Polohy.back(), (TPolohaGis{744351.743, 1043953.927}));
    EXPECT_EQ(Hodnota(krizeni, 0, "oznaceni"), HodnotaGis(std::string("Vodovod ř.16")));
    EXPECT_EQ(Hodnota(krizeni, 1, "typ"), HodnotaGis(std::string("kb")));
    EXPECT_EQ(Hodnota(krizeni, 1, "z_terenu"), HodnotaGis(stav->Vysledky.Pripojky[5].ZTerenu));
}

TEST(VrstvyGis, AnEmptyRowAndAConnectionWithoutHouseManholeAreNoFeatures)
{
    auto stav = test::SpocitanyPriklad("kanalizace.csv");
    stav->Projekt.Pripojky.Pridat(TPripojka());
    stav->Projekt.Pripojky.Pridat(TPripojka{.Typ = "p", .OznaceniPripojky = "P9", .Y = 744300, .X = 1043925});
    // An empty crossing code would take every row with an empty type for a crossing.
    stav->Nastaveni.KodKrizeni3 = "";
    const auto vrstvy = VrstvyGis(*stav);
    EXPECT_EQ(Vrstva(vrstvy, "pripojky").Prvky.size(), 5u);
    EXPECT_EQ(Vrstva(vrstvy, "krizeni").Prvky.size(), 2u);
}

TEST(VrstvyGis, EachKindLeavesEmptyWhatItDoesNotHave)
{
    const auto vodovod = test::SpocitanyPriklad("vodovod.csv", 2);
    const auto v = VrstvyGis(*vodovod);
    EXPECT_EQ(Hodnota(Vrstva(v, "body"), 0, "z_vtoku"), HodnotaGis());
    EXPECT_EQ(Hodnota(Vrstva(v, "body"), 0, "dno"), HodnotaGis());
    EXPECT_EQ(Hodnota(Vrstva(v, "body"), 0, "z_dna"), HodnotaGis(250.22));
    EXPECT_EQ(Hodnota(Vrstva(v, "useky"), 4, "dn"), HodnotaGis(100));

    const auto osa = test::SpocitanyPriklad("osa_komunikace.csv", 3);
    const auto o = VrstvyGis(*osa);
    const TVrstvaGis& body = Vrstva(o, "body");
    for (const char* pole : {"z_dna", "z_vtoku", "z_odtoku", "kryti", "dno"})
        EXPECT_EQ(Hodnota(body, 3, pole), HodnotaGis()) << pole;
    EXPECT_EQ(Hodnota(body, 3, "z_poklopu"), HodnotaGis(261.18));
    EXPECT_EQ(Hodnota(body, 3, "druh_site"), HodnotaGis(std::string("Osa komunikace")));
    EXPECT_EQ(Hodnota(Vrstva(o, "useky"), 0, "dn"), HodnotaGis());
}
