#include "TestPomoc.h"

#include "cli/Cli.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

TEST(PrikazCompute, TheExampleSewerGivesItsSitePlan)
{
    const std::string vystup = VystupniAdresar("cli-situace");
    const VysledekCli vysledek =
        SpustitCli({"compute", ZdrojovyAdresar() + "examples/kanalizace.csv", "--out", vystup});
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    ASSERT_TRUE(soubor::Existuje(vystup + "situace.dxf"));
    // Twelve manholes and five house connections make 17 nodes; two manholes have inlet or outlet
    // levels of their own; the two crossings take no part.
    OcekavatEntity(vystup + "situace.dxf",
                   {{"LINE:STOKA", 16}, {"LINE:PRIPOJKA", 5}, {"CIRCLE:DSACHTA", 5}, {"INSERT:SACHTA", 12},
                    {"INSERT:PRIPOJKAP", 5}, {"TEXT:OZNACENI", 22}, {"TEXT:TEREN", 22}, {"TEXT:POTRUBI", 22},
                    {"TEXT:POPIS", 4 + 5 + 11 * 3}});
    const std::string text = PrecistBajty(vystup + "situace.dxf");
    const std::string konec = "0\r\nENDSEC\r\n0\r\nEOF\r\n";
    EXPECT_EQ(text.substr(text.size() - konec.size()), konec);
    EXPECT_NE(text.find("\r\n1\r\n\x8A" "7-Dv\xF9r\r\n"), std::string::npos) << "the label in code page 1250";
}
