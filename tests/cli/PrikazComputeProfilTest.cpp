#include "TestPomoc.h"

#include "cli/Cli.h"
#include "zaklad/Kodovani.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace lineon;
using namespace lineon::test;

namespace {

std::string Priklad(const std::string& nazev)
{
    return ZdrojovyAdresar() + "examples/" + nazev;
}

/// Whether the file holds a text entity's string line with this text.
bool MaText(const std::string& dxf, const std::string& text)
{
    return dxf.find("\r\n1\r\n" + kodovani::DoCp1250(text) + "\r\n") != std::string::npos;
}

/// Runs compute on the example sewer with an options file holding `volby`.
int SVolbami(const std::string& volby, const DocasnyAdresar& vystup)
{
    DocasnyAdresar adresar;
    ZapsatBajty(adresar / "volby.txt", volby);
    return SpustitCli({"compute", Priklad("kanalizace.csv"), "--options", adresar / "volby.txt", "--out",
                       vystup.Cesta()})
        .status;
}

} // namespace

TEST(PrikazCompute, TheConfirmedPlaneDrawsTheProfile)
{
    DocasnyAdresar vystup;
    const VysledekCli vysledek = SpustitCli({"compute", Priklad("kanalizace.csv"), "--plane", "238", "--plane-shift",
                                             "3", "--shift-points", "5,9", "--out", vystup.Cesta()});
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    const std::string dxf = PrecistBajty(vystup / "podprof.dxf");
    EXPECT_TRUE(MaText(dxf, "238.00 m"));
    EXPECT_TRUE(MaText(dxf, "241.00 m"));
    EXPECT_TRUE(MaText(dxf, "244.00 m"));
    EXPECT_FALSE(MaText(dxf, "240.00 m"));
    EXPECT_TRUE(MaText(dxf, "OZNAČENÍ ŠACHET"));

    // Without options the proposal stands: the example's plane lies at 240 without shifts.
    DocasnyAdresar navrh;
    ASSERT_EQ(SpustitCli({"compute", Priklad("kanalizace.csv"), "--out", navrh.Cesta()}).status, cli::Uspech);
    const std::string navrzeny = PrecistBajty(navrh / "podprof.dxf");
    EXPECT_TRUE(MaText(navrzeny, "240.00 m"));
    EXPECT_EQ(navrzeny.find(kodovani::DoCp1250(".00 m")), navrzeny.rfind(kodovani::DoCp1250(".00 m")));
}

TEST(PrikazCompute, ARoadAxisIsDrawnWithoutCover)
{
    DocasnyAdresar vystup;
    const VysledekCli vysledek =
        SpustitCli({"compute", Priklad("osa_komunikace.csv"), "--kind", "3", "--out", vystup.Cesta()});
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    const std::string dxf = PrecistBajty(vystup / "podprof.dxf");
    EXPECT_TRUE(MaText(dxf, "KÓTA TERÉNU"));
    EXPECT_FALSE(MaText(dxf, "KRYTÍ"));
    EXPECT_FALSE(MaText(dxf, "POTRUBÍ"));
}

TEST(PrikazCompute, TheProfileOptionsChooseWhatIsDrawn)
{
    DocasnyAdresar bezProfilu;
    EXPECT_EQ(SVolbami("profcheck=0\n", bezProfilu), cli::Uspech);
    EXPECT_FALSE(soubor::Existuje(bezProfilu / "podprof.dxf"));
    EXPECT_TRUE(soubor::Existuje(bezProfilu / "podprof.csv"));

    // On screen only: the file is still written, without entities.
    DocasnyAdresar naObrazovku;
    EXPECT_EQ(SVolbami("profdxfcheck=0\nprofField=profil ř.dxf\n", naObrazovku), cli::Uspech);
    const std::string dxf = PrecistBajty(naObrazovku / "profil ř.dxf");
    const std::string entity = "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";
    ASSERT_GT(dxf.size(), entity.size());
    EXPECT_EQ(dxf.substr(dxf.size() - entity.size()), entity);
}

TEST(PrikazCompute, AProfileThatCannotBeWrittenEndsWithStatus2)
{
    DocasnyAdresar adresar;
    // A directory stands where the profile file should be written.
    std::filesystem::create_directory(adresar / "podprof.dxf");
    const VysledekCli vysledek = SpustitCli({"compute", Priklad("kanalizace.csv"), "--out", adresar.Cesta()});
    EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
    EXPECT_NE(vysledek.chyby.find("error: Soubor „" + adresar.Cesta() + "podprof.dxf“"), std::string::npos)
        << vysledek.chyby;
}
