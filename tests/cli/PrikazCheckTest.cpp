#include "TestPomoc.h"

#include "cli/Cli.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

std::string Priklad(const std::string& nazev)
{
    return ZdrojovyAdresar() + "examples/" + nazev;
}

} // namespace

TEST(PrikazCheck, TheExamplesFindingsInStationingOrderAndTheirStatus)
{
    const VysledekCli stoka = SpustitCli({"check", Priklad("kanalizace.csv")});
    EXPECT_EQ(stoka.status, cli::VypocetZastaven);
    EXPECT_EQ(stoka.chyby, "information: Souřadnice přípojky 7 přepočteny do linie - 5.20 m\n");
    EXPECT_EQ(stoka.vystup, "warning: Úsek Š6–Š7-Dvůr: spád 1.59 ‰ je menší než nejmenší 3.33 ‰ pro DN 300.\n"
                            "error: Šachta Š8: odtok 245.48 leží nad vtokem 245.46, voda by musela stoupat.\n");

    for (const auto& [priklad, druh] : {std::pair{"vodovod.csv", "2"}, std::pair{"osa_komunikace.csv", "3"}}) {
        const VysledekCli vysledek = SpustitCli({"check", Priklad(priklad), "--kind", druh});
        EXPECT_EQ(vysledek.status, cli::Uspech) << priklad;
        EXPECT_EQ(vysledek.vystup, "") << priklad;
    }
}

TEST(PrikazCheck, LimitsFromAFileOfTheFormOfDoplnky)
{
    DocasnyAdresar adresar;
    const std::string limity = adresar / "limity";
    ZapsatBajty(limity, "KontrolaMinSpadStoky=300:1.5\r\nKontrolaVzdalenostSachet=20\r\nKontrolaMaxSpadStoky=x\r\n");
    const VysledekCli stoka = SpustitCli({"check", Priklad("kanalizace.csv"), "--limits", limity});
    EXPECT_EQ(stoka.status, cli::VypocetZastaven);
    EXPECT_NE(stoka.chyby.find("warning: Soubor nastavení „" + limity + "“, řádek 3 (KontrolaMaxSpadStoky): „x“ není"),
              std::string::npos) << stoka.chyby;
    // 1.59 ‰ passes the minimum of 1.5 ‰; sections over 20 m are reported.
    EXPECT_EQ(stoka.vystup.find("Š6–Š7-Dvůr: spád"), std::string::npos);
    EXPECT_NE(stoka.vystup.find("vzdálenost šachet 20.00 m."), std::string::npos);
    EXPECT_EQ(SpustitCli({"check", Priklad("kanalizace.csv"), "--limits", adresar / "neni"}).status, cli::ChybaPouziti);
}

TEST(PrikazCheck, UsageAndFileErrorsEndWithTwo)
{
    EXPECT_EQ(SpustitCli({"check"}).status, cli::ChybaPouziti);
    EXPECT_EQ(SpustitCli({"check", Priklad("kanalizace.csv"), "--plane", "200"}).status, cli::ChybaPouziti);
    const VysledekCli chybi = SpustitCli({"check", Priklad("neni.csv")});
    EXPECT_EQ(chybi.status, cli::ChybaPouziti);
    EXPECT_NE(chybi.chyby.find("error: "), std::string::npos);
    EXPECT_EQ(chybi.vystup, "");
}
