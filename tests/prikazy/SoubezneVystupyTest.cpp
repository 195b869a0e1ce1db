// The batch outputs formatted at once end a run as if they had been written one after another:
// the outputs before the first failing one are in place, that one and the later ones keep their
// previous files, no temporary file stays, and the one message names the failing file.
#include "TestPomoc.h"

#include "cli/Cli.h"
#include "zaklad/Chyba.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

const std::string Informace = "information: Souřadnice přípojky 7 přepočteny do linie - 5.20 m\n";

/// A disk on which the site plan cannot be put in place, once its file is finished.
class SituaceNelzeNahradit final : public soubor::Disk {
public:
    void Nahradit(const std::string& docasny, const std::string& cil, const std::string& cesta) const override
    {
        if (cesta.ends_with("situace.dxf"))
            throw Chyba("Soubor „" + cesta + "“ nelze zapsat: přístup odepřen.");
        Disk::Nahradit(docasny, cil, cesta);
    }
};

/// The previous outputs, then compute of the example sewer onto the disk.
VysledekCli Spustit(const DocasnyAdresar& adresar, const soubor::Disk& disk = soubor::SystemovyDisk())
{
    for (const char* nazev : {"podprof.csv", "situace.dxf", "podprof.dxf"})
        ZapsatBajty(adresar / nazev, std::string("starý ") + nazev + "\r\n");
    return SpustitCli({"compute", ZdrojovyAdresar() + "examples/kanalizace.csv", "--out", adresar.Cesta()}, disk);
}

std::size_t PocetSouboru(const std::string& adresar)
{
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& soubor : std::filesystem::directory_iterator(adresar))
        ++n;
    return n;
}

} // namespace

// The site plan fails when its file is created, while the profile is being drawn beside it.
TEST(SoubezneVystupy, TheSecondOutputFailingWhileTheThirdIsFormatted)
{
    DocasnyAdresar adresar;
    for (const char* nazev : {"podprof.csv", "podprof.dxf"})
        ZapsatBajty(adresar / nazev, std::string("starý ") + nazev + "\r\n");
    std::filesystem::create_directory(adresar / "situace.dxf");
    const VysledekCli vysledek =
        SpustitCli({"compute", ZdrojovyAdresar() + "examples/kanalizace.csv", "--out", adresar.Cesta()});
    EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
    EXPECT_EQ(vysledek.chyby,
              Informace + "error: Soubor „" + adresar / "situace.dxf" + "“ nelze zapsat: je to adresář.\n");
    EXPECT_NE(PrecistBajty(adresar / "podprof.csv"), "starý podprof.csv\r\n");
    EXPECT_EQ(PrecistBajty(adresar / "podprof.dxf"), "starý podprof.dxf\r\n");
    EXPECT_EQ(PocetSouboru(adresar.Cesta()), 3u);
}

// Every output is finished; the site plan cannot be put in place: the written profile before it
// stays written, the profile after it keeps its previous file.
TEST(SoubezneVystupy, PutInPlaceInOrderUpToTheFirstFailure)
{
    DocasnyAdresar adresar;
    const VysledekCli vysledek = Spustit(adresar, SituaceNelzeNahradit());
    EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
    EXPECT_EQ(vysledek.chyby,
              Informace + "error: Soubor „" + adresar / "situace.dxf" + "“ nelze zapsat: přístup odepřen.\n");
    EXPECT_NE(PrecistBajty(adresar / "podprof.csv"), "starý podprof.csv\r\n");
    EXPECT_EQ(PrecistBajty(adresar / "situace.dxf"), "starý situace.dxf\r\n");
    EXPECT_EQ(PrecistBajty(adresar / "podprof.dxf"), "starý podprof.dxf\r\n");
    EXPECT_EQ(PocetSouboru(adresar.Cesta()), 3u);

    // On a sound disk the same run writes all three.
    EXPECT_EQ(Spustit(adresar).status, cli::Uspech);
    EXPECT_NE(PrecistBajty(adresar / "podprof.dxf"), "starý podprof.dxf\r\n");
    EXPECT_EQ(PocetSouboru(adresar.Cesta()), 3u);
}

// Two outputs named alike run one after another, and the later one's file stands, as before.
TEST(SoubezneVystupy, OutputsOfOneNameAreWrittenOneAfterAnother)
{
    DocasnyAdresar adresar;
    ZapsatBajty(adresar / "volby.txt", "sitField=podprof.dxf\n");
    const VysledekCli vysledek = SpustitCli({"compute", ZdrojovyAdresar() + "examples/kanalizace.csv", "--out",
                                             adresar.Cesta(), "--options", adresar / "volby.txt"});
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    EXPECT_TRUE(PrecistBajty(adresar / "podprof.dxf").find("SIPKA") != std::string::npos);
    EXPECT_EQ(PocetSouboru(adresar.Cesta()), 3u);
}
