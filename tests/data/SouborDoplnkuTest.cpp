#include "TestPomoc.h"

#include "data/SouborDoplnku.h"
#include "data/UmisteniNastaveni.h"
#include "zaklad/Chyba.h"

#include <gtest/gtest.h>

using namespace lineon;

TEST(SouborDoplnku, DefaultsAreWrittenInCodePage1250WithCrLf)
{
    test::DocasnyAdresar adresar;
    const std::string cesta = adresar / "$doplnky";
    TDoplnky doplnky;
    EXPECT_FALSE(doplnky.gpkgcheck);
    EXPECT_EQ(doplnky.SouborGpkg, "situace.gpkg");
    UlozitDoplnky(cesta, doplnky);
    EXPECT_EQ(test::PrecistBajty(cesta), "gpkgcheck=0\r\nSouborGpkg=situace.gpkg\r\n");

    doplnky.gpkgcheck = true;
    doplnky.SouborGpkg = "stoka ř.gpkg";
    UlozitDoplnky(cesta, doplnky);
    EXPECT_EQ(test::PrecistBajty(cesta), "gpkgcheck=1\r\nSouborGpkg=stoka \xF8.gpkg\r\n");
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
    EXPECT_EQ(soubor::PrecistRadky(cesta), (std::vector<std::string>{"# poznámka", "MinSpad300=3.33", "gpkgcheck=1",
                                                                     "bez rovnítka", "SouborGpkg=situace.gpkg"}));
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
