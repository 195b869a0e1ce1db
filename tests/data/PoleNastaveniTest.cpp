#include "zaklad/Chyba.h"
#include "data/PoleNastaveni.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

void Nastavit(TNastaveni& nastaveni, std::string_view nazev, std::string_view hodnota)
{
    const auto* pole = NajitPoleNastaveni(nazev);
    ASSERT_NE(pole, nullptr) << nazev;
    TVystupy vystupy;
    NastavitHodnotu(nastaveni, vystupy, *pole, hodnota);
}

} // namespace

TEST(PoleNastaveni, ListsEverySettingInFileOrder)
{
    const auto pole = PoleNastaveni();
    ASSERT_EQ(pole.size(), 43u);
    EXPECT_EQ(pole.front().Nazev, "DelkoveMeritko");
    EXPECT_EQ(pole[4].Nazev, "VyskaPopisu");
    EXPECT_EQ(pole[23].Nazev, "PocetOsob");
    EXPECT_EQ(pole[24].Nazev, "Jazyk");
    EXPECT_EQ(pole.back().Nazev, "KodSoupe");
    EXPECT_EQ(NajitPoleNastaveni("Neexistuje"), nullptr);
    EXPECT_EQ(PoleOvladace("dmField").Nazev, "DelkoveMeritko");
    EXPECT_EQ(NajitOvladac(""), nullptr);
    EXPECT_EQ(NajitPoleNastaveni("sitField")->Ovladac, "sitField");
}

TEST(PoleNastaveni, NumbersAreCheckedAgainstTheRangesOfTheirControls)
{
    TNastaveni n;
    Nastavit(n, "DelkoveMeritko", "11");
    Nastavit(n, "VyskoveMeritko", "2000");
    Nastavit(n, "Dx", "-32768");
    Nastavit(n, "VyskaKot", "99.9");
    Nastavit(n, "VyskaPopisu", "0.1");
    EXPECT_EQ(n.DelkoveMeritko, 11);
    EXPECT_EQ(n.VyskoveMeritko, 2000);
    EXPECT_EQ(n.Dx, -32768);
    EXPECT_EQ(n.VyskaKot, 99.9);
    for (const auto& [nazev, hodnota] : std::vector<std::pair<std::string, std::string>>{
             {"DelkoveMeritko", "10"}, {"DelkoveMeritko", "10001"}, {"VyskoveMeritko", "2001"},
             {"MeritkoSituace", "1:100"}, {"PrumerPriImportu", "-1"}, {"PosunSR", "101"}, {"Dx", "32768"},
             {"UmisteniX", "-1"}, {"VyskaKot", "0"}, {"VyskaKot", "1.25"}, {"VyskaKot", "100"},
             {"ZobrazeniKryti", "3"}, {"DruhSite", "4"}, {"ImportFilterIndex", "0"}, {"LimitSR", "1e2"},
             {"DelkoveMeritko", "200 "}})
        EXPECT_THROW(Nastavit(n, nazev, hodnota), Chyba) << nazev << "=" << hodnota;
    EXPECT_EQ(n.DelkoveMeritko, 11);
    try {
        Nastavit(n, "VyskoveMeritko", "5");
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_EQ(std::string(chyba.what()), "VyskoveMeritko: očekává se celé číslo 11 až 2000, ne „5“.");
    }
}

TEST(PoleNastaveni, KindAndItsNameChangeTogether)
{
    TNastaveni n;
    Nastavit(n, "DruhSite", "2");
    EXPECT_EQ(n.NazevSite, "Vodovod");
    Nastavit(n, "NazevSite", "Osa komunikace");
    EXPECT_EQ(n.DruhSite, TDruhSite::OsaKomunikace);
    EXPECT_THROW(Nastavit(n, "NazevSite", "Plynovod"), Chyba);
    Nastavit(n, "Jazyk", "SK");
    EXPECT_EQ(n.Jazyk, "SK");
    EXPECT_THROW(Nastavit(n, "Jazyk", "EN"), Chyba);
}

TEST(PoleNastaveni, BooleansAndTextsAsTheirControlsTakeThem)
{
    TNastaveni n;
    Nastavit(n, "LegendaDelka", "TRUE");
    Nastavit(n, "StaniceniDo100", "1");
    EXPECT_TRUE(n.LegendaDelka && n.StaniceniDo100);
    Nastavit(n, "LegendaDelka", "0");
    EXPECT_FALSE(n.LegendaDelka);
    EXPECT_THROW(Nastavit(n, "LegendaDelka", "true"), Chyba);

    Nastavit(n, "KodZDna", "dno12");
    Nastavit(n, "KodKrizeni1", "křížA1");
    Nastavit(n, "KodHydrant", "hydrant-ř-12");
    Nastavit(n, "AdresarProjektu", "/data/stoky/");
    EXPECT_EQ(n.KodKrizeni1, "křížA1");
    EXPECT_THROW(Nastavit(n, "KodZDna", "dno123"), Chyba);
    EXPECT_THROW(Nastavit(n, "KodKrizeni1", "křížA12"), Chyba);
    EXPECT_THROW(Nastavit(n, "KodHydrant", "hydrant-ř-123"), Chyba);
    EXPECT_THROW(Nastavit(n, "KodSoupe", "€✓"), Chyba);
    EXPECT_THROW(Nastavit(n, "PocetOsob", "3"), Chyba);
    EXPECT_EQ(n.KodZDna, "dno12");
}

TEST(OvladaceVystupu, CheckBoxesTakeOneOrZeroAndPairsStayExclusive)
{
    TVystupy v;
    auto nastavit = [&](std::string_view nazev, std::string_view hodnota) {
        const auto* ovladac = NajitPoleNastaveni(nazev);
        ASSERT_NE(ovladac, nullptr) << nazev;
        TNastaveni n;
        NastavitHodnotu(n, v, *ovladac, hodnota);
    };
    EXPECT_EQ(TabulkaNastaveni.size(), 43u + 26u + 12u); // settings, dialog-only controls, "$doplnky"
    EXPECT_EQ(NajitPoleNastaveni("gpkgcheck"), nullptr);
    nastavit("Sitcheck", "0");
    EXPECT_FALSE(v.Sitcheck);
    nastavit("stocRcheck", "1");
    EXPECT_FALSE(v.stocKcheck);
    nastavit("stocRcheck", "0");
    EXPECT_TRUE(v.stocKcheck);
    nastavit("RadioButton2", "1");
    EXPECT_FALSE(v.RadioButton1);
    nastavit("RadioButton1", "1");
    EXPECT_FALSE(v.RadioButton2);
    EXPECT_THROW(nastavit("ramcheck", "TRUE"), Chyba);
    EXPECT_THROW(nastavit("ramcheck", ""), Chyba);

    nastavit("sitField", "situace-řeka.dxf");
    nastavit("matField", std::string(30, 'm'));
    nastavit("zakEdit", "");
    nastavit("datumEdit", "12.3.2024");
    EXPECT_EQ(v.SouborSituace, "situace-řeka.dxf");
    EXPECT_EQ(v.zakEdit, "");
    EXPECT_THROW(nastavit("sitField", "situace-řeka1.dxf"), Chyba);
    EXPECT_THROW(nastavit("matField", std::string(31, 'm')), Chyba);
    EXPECT_THROW(nastavit("mercombo", "李"), Chyba);
    EXPECT_EQ(NajitPoleNastaveni("AvBox"), nullptr);
}
