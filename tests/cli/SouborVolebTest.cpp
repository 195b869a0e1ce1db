#include "TestPomoc.h"
#include "cli/SouborVoleb.h"
#include "cli/SpolecneVolby.h"
#include "zaklad/Chyba.h"
#include "data/SouborNastaveni.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace lineon;

TEST(SouborVoleb, SetsControlsConversionSwitchesAndSettingsByName)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "volby.txt", "# výstupy stoky\r\n"
                                         "\r\n"
                                         "Sitcheck=0\r\n"
                                         "psanField=psaný-ř.csv\r\n"
                                         "matField=  PVC DN 300 = hladké \r\n"
                                         "stocKcheck=0\r\n"
                                         "RadioButton2=1\r\n"
                                         "mercombo=Řehoř\n"
                                         "AoBox=0\n"
                                         "DelkoveMeritko=500\n"
                                         "VyskaKot=2.5\n"
                                         "LegendaDelka=TRUE\n"
                                         "StaniceniDo100=1\n"
                                         "DruhSite=2\n"
                                         "KodHydrant=hydr\n"
                                         "  CheckBox1 =0\n");
    TStav stav;
    cli::NacistVolby(adr / "volby.txt", stav);
    EXPECT_FALSE(stav.Vystupy.Sitcheck);
    EXPECT_EQ(stav.Vystupy.SouborPsanehoProfilu, "psaný-ř.csv");
    EXPECT_EQ(stav.Vystupy.matField, "  PVC DN 300 = hladké ");
    EXPECT_TRUE(stav.Vystupy.stocRcheck);
    EXPECT_FALSE(stav.Vystupy.stocKcheck);
    EXPECT_FALSE(stav.Vystupy.RadioButton1);
    EXPECT_EQ(stav.Vystupy.mercombo, "Řehoř");
    EXPECT_FALSE(stav.Vystupy.CheckBox1);
    EXPECT_TRUE(stav.AutomatickyPrevod.AvBox);
    EXPECT_FALSE(stav.AutomatickyPrevod.AoBox);
    EXPECT_EQ(stav.Nastaveni.DelkoveMeritko, 500);
    EXPECT_EQ(stav.Nastaveni.VyskaKot, 2.5);
    EXPECT_TRUE(stav.Nastaveni.LegendaDelka);
    EXPECT_TRUE(stav.Nastaveni.StaniceniDo100);
    EXPECT_EQ(stav.Nastaveni.NazevSite, "Vodovod");
    EXPECT_EQ(stav.Nastaveni.KodHydrant, "hydr");
}

TEST(SouborVoleb, ABadLineIsNamedAndNothingChanges)
{
    test::DocasnyAdresar adr;
    const std::vector<std::pair<std::string, std::string>> pripady = {
        {"Neznama=1", "neznámá volba „Neznama“."},
        {"DelkoveMeritko=10", "DelkoveMeritko: očekává se celé číslo 11 až 10000, ne „10“."},
        {"VyskoveMeritko=2001", "VyskoveMeritko: očekává se celé číslo 11 až 2000, ne „2001“."},
        {"profcheck=ano", "profcheck: očekává se 1 nebo 0, ne „ano“."},
        {"AvBox=", "AvBox: očekává se 1 nebo 0, ne „“."},
        {"LegendaDelka=true", "LegendaDelka: očekává se TRUE, FALSE, 1 nebo 0, ne „true“."},
        {"sitField=situace-stoka-ř.dxf", "sitField: očekává se text nejvýše 16 znaků, ne „situace-stoka-ř.dxf“."},
        {"zakEdit=Zakázka 北", "zakEdit: očekává se text bez znaku „北“, který kódová stránka 1250 nemá, ne „Zakázka 北“."},
        {"matField=PVC\rř", "matField: očekává se text na jednom řádku, ne „PVC\rř“."},
        {"PocetOsob=4", "PocetOsob: seznam osob nelze nastavit jednou hodnotou."},
        {"DelkoveMeritko 500", "očekává se název=hodnota, ne „DelkoveMeritko 500“."},
        {" # komentář", "očekává se název=hodnota, ne „ # komentář“."},
    };
    for (const auto& [radek, zprava] : pripady) {
        test::ZapsatBajty(adr / "volby.txt", "Sitcheck=0\nDelkoveMeritko=300\n" + radek + "\n");
        TStav stav;
        EXPECT_EQ(test::TextChyby([&] { cli::NacistVolby(adr / "volby.txt", stav); }),
                  "Soubor voleb „" + adr / "volby.txt" + "“, řádek 3: " + zprava);
        EXPECT_TRUE(stav.Vystupy.Sitcheck);
        EXPECT_EQ(stav.Nastaveni.DelkoveMeritko, 200);
    }
    TStav stav;
    EXPECT_THROW(cli::NacistVolby(adr / "chybi.txt", stav), Chyba);
}

TEST(SpolecneVolby, ParsesTheSharedOptionsAndLeavesOthers)
{
    const std::vector<std::string> argumenty = {"--settings", "s", "--options", "o", "--kind", "3", "--lang", "SK", "--out"};
    cli::TSpolecneVolby volby;
    std::size_t i = 0;
    for (; i < argumenty.size(); ++i)
        if (!cli::PrecistSpolecnouVolbu(argumenty, i, volby))
            break;
    EXPECT_EQ(i, 8u);
    EXPECT_EQ(volby.Nastaveni, "s");
    EXPECT_EQ(volby.Volby, "o");
    EXPECT_EQ(volby.Druh, TDruhSite::OsaKomunikace);
    EXPECT_EQ(volby.Jazyk, "SK");

    for (const std::vector<std::string>& spatne :
         {std::vector<std::string>{"--kind", "4"}, {"--kind", "1.0"}, {"--lang", "cz"}, {"--options"}}) {
        std::size_t j = 0;
        EXPECT_THROW(cli::PrecistSpolecnouVolbu(spatne, j, volby), Chyba);
    }
}

TEST(SpolecneVolby, AppliesSettingsThenOptionsThenKindAndLanguage)
{
    test::DocasnyAdresar adr;
    TNastaveni nastaveni;
    nastaveni.DelkoveMeritko = 1000;
    nastaveni.VyskoveMeritko = 50;
    NastavitDruhSite(nastaveni, TDruhSite::Vodovod);
    UlozitNastaveni(adr / "$nastav", nastaveni);
    test::ZapsatBajty(adr / "volby.txt", "DelkoveMeritko=250\nDruhSite=1\nJazyk=SK\n");

    TStav stav;
    std::ostringstream chyby;
    cli::UplatnitSpolecneVolby({adr / "$nastav", adr / "volby.txt", TDruhSite::OsaKomunikace, "CZ"}, stav, chyby);
    EXPECT_EQ(stav.Nastaveni.DelkoveMeritko, 250);
    EXPECT_EQ(stav.Nastaveni.VyskoveMeritko, 50);
    EXPECT_EQ(stav.Nastaveni.DruhSite, TDruhSite::OsaKomunikace);
    EXPECT_EQ(stav.Nastaveni.NazevSite, "Osa komunikace");
    EXPECT_EQ(stav.Nastaveni.Jazyk, "CZ");
    EXPECT_EQ(chyby.str(), "");

    TStav jiny;
    EXPECT_THROW(cli::UplatnitSpolecneVolby({adr / "chybi", {}, {}, {}}, jiny, chyby), Chyba);
}
