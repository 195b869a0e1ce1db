#include "TestPomoc.h"

#include "data/SouborDoplnku.h"
#include "data/UmisteniNastaveni.h"
#include "zaklad/Chyba.h"

#include <gtest/gtest.h>

using namespace lineon;

// The limits of the checks of the line, as their defaults are written.
const std::vector<std::string> RadkyKontroly = {
    "KontrolaMinSpadStoky=", "KontrolaMaxSpadStoky=100", "KontrolaMinKrytiStoky=1", "KontrolaMinKrytiVodovodu=1.2",
    "KontrolaVzdalenostSachet=50", "KontrolaLimitSpadiste=0.5", "KontrolaMinSpadPripojky=20",
    "KontrolaMaxSpadPripojky=400", "KontrolaMinSklonKomunikace=5", "KontrolaMaxSklonKomunikace=120"};

std::string BajtyKontroly()
{
    std::string bajty;
    for (const std::string& radek : RadkyKontroly)
        bajty += radek + "\r\n";
    return bajty;
}

TEST(SouborDoplnku, DefaultsAreWrittenInCodePage1250WithCrLf)
{
    test::DocasnyAdresar adresar;
    const std::string cesta = adresar / "$doplnky";
    TDoplnky doplnky;
    EXPECT_FALSE(doplnky.gpkgcheck);
    EXPECT_EQ(doplnky.SouborGpkg, "situace.gpkg");
    UlozitDoplnky(cesta, doplnky);
    EXPECT_EQ(test::PrecistBajty(cesta), "gpkgcheck=0\r\nSouborGpkg=situace.gpkg\r\n" + BajtyKontroly());

    doplnky.gpkgcheck = true;
    doplnky.SouborGpkg = "stoka ř.gpkg";
    UlozitDoplnky(cesta, doplnky);
    EXPECT_EQ(test::PrecistBajty(cesta), "gpkgcheck=1\r\nSouborGpkg=stoka \xF8.gpkg\r\n" + BajtyKontroly());
    TDoplnky prectene;
    EXPECT_TRUE(NacistDoplnky(cesta, prectene).empty());
    EXPECT_TRUE(prectene.gpkgcheck);
    EXPECT_EQ(prectene.SouborGpkg, "stoka ř.gpkg");
}

TEST(SouborDoplnku, OtherLinesStayInTheirPlacesAndMissingNamesFollow)
{
    test::DocasnyAdresar adresar;
    const std::string cesta = adresar / "$doplnky";
    test::ZapsatBajty(cesta, "# poznámka\r\nMinSpad300=3.33\r\ngpkgcheck=0\r\nbez rovnítka\r\n");
    TDoplnky doplnky;
    EXPECT_TRUE(NacistDoplnky(cesta, doplnky).empty());
    doplnky.gpkgcheck = true;
    UlozitDoplnky(cesta, doplnky);
    std::vector<std::string> ocekavane{"# poznámka", "MinSpad300=3.33", "gpkgcheck=1", "bez rovnítka", "SouborGpkg=situace.gpkg"};
    ocekavane.insert(ocekavane.end(), RadkyKontroly.begin(), RadkyKontroly.end());
    EXPECT_EQ(soubor::PrecistRadky(cesta), ocekavane);
}

TEST(SouborDoplnku, TheLimitsOfTheChecksReadBackAndBadOnesKeepTheirDefaults)
{
    test::DocasnyAdresar adresar;
    const std::string cesta = adresar / "$doplnky";
    test::ZapsatBajty(cesta, "KontrolaMinSpadStoky=300:3.33;400:2.5\r\nKontrolaMinKrytiStoky=0.85\r\n"
                             "KontrolaMaxSpadStoky=-1\r\nKontrolaLimitSpadiste=1e3\r\nKontrolaMinSpadPripojky=200:\r\n");
    TDoplnky doplnky;
    const auto zpravy = NacistDoplnky(cesta, doplnky);
    EXPECT_EQ(doplnky.Kontrola.MinSpadStoky, (std::vector<TMinimalniSpad>{{300, 3.33}, {400, 2.5}}));
    EXPECT_EQ(doplnky.Kontrola.MinKrytiStoky, 0.85);
    EXPECT_EQ(doplnky.Kontrola.MaxSpadStoky, 100);
    EXPECT_EQ(doplnky.Kontrola.LimitSpadiste, 0.5);
    ASSERT_EQ(zpravy.size(), 3u);
    EXPECT_NE(zpravy[0].Text.find("řádek 3 (KontrolaMaxSpadStoky): „-1“ není nezáporné desetinné číslo"), std::string::npos);

    UlozitDoplnky(cesta, doplnky);
    TDoplnky prectene;
    EXPECT_TRUE(NacistDoplnky(cesta, prectene).empty());
    EXPECT_EQ(prectene.Kontrola, doplnky.Kontrola);
    for (const std::string spatna : {"300", "0:2", "300:x", "300:2;;"}) {
        test::ZapsatBajty(cesta, "KontrolaMinSpadStoky=" + spatna + "\r\n");
        EXPECT_EQ(NacistDoplnky(cesta, prectene).size(), 1u) << spatna;
        EXPECT_TRUE(prectene.Kontrola.MinSpadStoky.empty()) << spatna;
    }
}

TEST(SouborDoplnku, AnUnreadableValueKeepsItsDefaultAndIsNamed)
{
    test::DocasnyAdresar adresar;
    const std::string cesta = adresar / "$doplnky";
    test::ZapsatBajty(cesta, "SouborGpkg=ř.gpkg\r\ngpkgcheck=ano\r\nSouborGpkg=\r\n");
    TDoplnky doplnky;
    const auto zpravy = NacistDoplnky(cesta, doplnky);
    ASSERT_EQ(zpravy.size(), 2u);
    EXPECT_EQ(zpravy[0].Druh, DruhZpravy::Varovani);
    EXPECT_EQ(zpravy[0].Text, "Soubor nastavení „" + cesta + "“, řádek 2 (gpkgcheck): „ano“ není 1 ani 0; platí výchozí hodnota.");
    EXPECT_EQ(zpravy[1].Text, "Soubor nastavení „" + cesta + "“, řádek 3 (SouborGpkg): prázdný název souboru; platí výchozí hodnota.");
    EXPECT_FALSE(doplnky.gpkgcheck);
    // An empty name after a good one: the default.
    EXPECT_EQ(doplnky.SouborGpkg, "situace.gpkg");
}

TEST(SouborDoplnku, ADamagedFileIsNotOverwritten)
{
    test::DocasnyAdresar adresar;
    const std::string cesta = adresar / "$doplnky";
    test::ZapsatBajty(cesta, "gpkgcheck=1\r\npozn\x98mka\r\n");
    TDoplnky doplnky;
    EXPECT_THROW(NacistDoplnky(cesta, doplnky), Chyba);
    EXPECT_THROW(UlozitDoplnky(cesta, doplnky), Chyba);
    EXPECT_EQ(test::PrecistBajty(cesta), "gpkgcheck=1\r\npozn\x98mka\r\n");
}

TEST(SouborDoplnku, LiesBesideTheSettingsFileOfTheRun)
{
    EXPECT_EQ(SouborDoplnkuBehu("/opt/lineon/$nastav"), "/opt/lineon/$doplnky");
    EXPECT_EQ(SouborDoplnkuBehu("$nastav"), "$doplnky");
}

TEST(SouborDoplnku, RecentProjectsAreWrittenAsFarAsTheListGoes)
{
    test::DocasnyAdresar adresar;
    const std::string cesta = adresar / "$doplnky";
    test::ZapsatBajty(cesta, "Naposledy3=/stará.csv\r\nNaposledy1=/a.csv\r\nNaposledy2=\r\n");
    TDoplnky doplnky;
    EXPECT_TRUE(NacistDoplnky(cesta, doplnky).empty());
    EXPECT_EQ(doplnky.Naposledy, (std::vector<std::string>{"/a.csv", "/stará.csv"}));
    doplnky.Naposledy = {"/ř.dat"};
    UlozitDoplnky(cesta, doplnky);
    const std::vector<std::string> radky = soubor::PrecistRadky(cesta);
    EXPECT_EQ(std::vector<std::string>(radky.begin(), radky.begin() + 3),
              (std::vector<std::string>{"Naposledy3=", "Naposledy1=/ř.dat", "Naposledy2="}));
    EXPECT_EQ(radky.size(), 3 + 12u);
}
