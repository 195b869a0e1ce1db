#include "TestPomoc.h"

#include "cli/Cli.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace lineon;
using namespace lineon::test;

namespace {

std::string Priklad()
{
    return ZdrojovyAdresar() + "examples/kanalizace.csv";
}

std::string Ocekavany(const std::string& nazev)
{
    return ZdrojovyAdresar() + "tests/cli/golden/" + nazev;
}

bool Prazdny(const DocasnyAdresar& adresar)
{
    return std::filesystem::is_empty(adresar.Cesta());
}

} // namespace

TEST(PrikazCompute, TheExampleSewerGivesItsWrittenProfile)
{
    DocasnyAdresar vystup;
    const VysledekCli vysledek = SpustitCli({"compute", Priklad(), "--out", vystup.Cesta()});
    EXPECT_EQ(vysledek.status, cli::Uspech);
    // The fifth house connection was surveyed 5.2 m beside the sewer.
    EXPECT_EQ(vysledek.chyby, "information: Souřadnice přípojky 7 přepočteny do linie - 5.20 m\n");
    EXPECT_EQ(vysledek.vystup, "");
    const auto radky = soubor::PrecistRadky(vystup / "podprof.csv");
    const auto ocekavane = soubor::PrecistRadky(Ocekavany("kanalizace_podprof.csv"));
    ASSERT_EQ(radky.size(), ocekavane.size());
    for (std::size_t i = 0; i < radky.size(); ++i)
        EXPECT_EQ(radky[i], ocekavane[i]) << "line " << i + 1;
    EXPECT_EQ(PrecistBajty(vystup / "podprof.csv"), PrecistBajty(Ocekavany("kanalizace_podprof.csv")));
}

TEST(PrikazCompute, WithoutOutTheOutputsGoBesideTheProject)
{
    DocasnyAdresar adresar;
    std::filesystem::copy_file(Priklad(), adresar / "stoka.csv");
    const VysledekCli vysledek = SpustitCli({"compute", adresar / "stoka.csv"});
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    EXPECT_EQ(PrecistBajty(adresar / "podprof.csv"), PrecistBajty(Ocekavany("kanalizace_podprof.csv")));
}

TEST(PrikazCompute, TheLineFormatIsChosenByNameOrByOption)
{
    DocasnyAdresar adresar;
    TStav stav;
    test::Otevrit(stav, Priklad(), FormatProjektu::Tabulka);
    ZapsatProjekt(stav.Projekt, adresar / "stoka.dat", FormatProjektu::Radky);
    ZapsatProjekt(stav.Projekt, adresar / "radky.txt", FormatProjektu::Radky);

    DocasnyAdresar podleNazvu;
    EXPECT_EQ(SpustitCli({"compute", adresar / "stoka.dat", "--out", podleNazvu.Cesta()}).status, cli::Uspech);
    EXPECT_EQ(PrecistBajty(podleNazvu / "podprof.csv"), PrecistBajty(Ocekavany("kanalizace_podprof.csv")));

    DocasnyAdresar podleVolby;
    EXPECT_EQ(SpustitCli({"compute", adresar / "radky.txt", "--format", "dat", "--out", podleVolby.Cesta()}).status,
              cli::Uspech);
    EXPECT_EQ(PrecistBajty(podleVolby / "podprof.csv"), PrecistBajty(Ocekavany("kanalizace_podprof.csv")));
}

TEST(PrikazCompute, KindAndLanguageChooseTheHeadings)
{
    DocasnyAdresar vystup;
    const VysledekCli vysledek = SpustitCli({"compute", Priklad(), "--kind", "2", "--lang", "SK", "--out", vystup.Cesta()});
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    const auto radky = soubor::PrecistRadky(vystup / "podprof.csv");
    ASSERT_GT(radky.size(), 15u);
    EXPECT_EQ(radky[0], "Ozn.;Staničenie;Y;X;Z potrubie;Z terénu;Spád;Dĺžka;Krytie");
    EXPECT_EQ(radky[14], "Pripojky a križovanie sietí:");

    DocasnyAdresar osa;
    EXPECT_EQ(SpustitCli({"compute", Priklad(), "--kind", "3", "--out", osa.Cesta()}).chyby, "");
    const auto radkyOsy = soubor::PrecistRadky(osa / "podprof.csv");
    EXPECT_EQ(radkyOsy.size(), 14u); // heading, twelve points, the empty line
    EXPECT_EQ(radkyOsy[1], "Š1;0,00;744210,35;1043785,62;246,85;0,00;0,00");
}

TEST(PrikazCompute, TheOptionsFileChoosesTheOutputs)
{
    DocasnyAdresar adresar;
    ZapsatBajty(adresar / "volby.txt", "# jen psaný profil do jiného souboru\n\npsanField=stoka ř.csv\nSitcheck=0\n");
    const VysledekCli vysledek =
        SpustitCli({"compute", Priklad(), "--options", adresar / "volby.txt", "--out", adresar.Cesta()});
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    EXPECT_TRUE(soubor::Existuje(adresar / "stoka ř.csv"));
    EXPECT_FALSE(soubor::Existuje(adresar / "podprof.csv"));

    DocasnyAdresar bezSouboru;
    ZapsatBajty(adresar / "bez.txt", "psantxtcheck=0\nSitcheck=0\nprofcheck=0\n");
    EXPECT_EQ(SpustitCli({"compute", Priklad(), "--options", adresar / "bez.txt", "--out", bezSouboru.Cesta()}).status,
              cli::Uspech);
    EXPECT_TRUE(Prazdny(bezSouboru));
}

TEST(PrikazCompute, AStoppedCalculationWritesNothing)
{
    DocasnyAdresar adresar;
    ZapsatBajty(adresar / "jeden.csv", "\x8a\x31;744210.350;1043785.620;244.120;246.853;0.000;0.000;400;Ano;\r\n#\r\n");
    const VysledekCli vysledek = SpustitCli({"compute", adresar / "jeden.csv", "--out", (adresar / "vystup/")});
    EXPECT_EQ(vysledek.status, cli::VypocetZastaven);
    EXPECT_EQ(vysledek.chyby, "error: Špatné vstupní údaje! - projekt má méně než 2 body.\n");

    ZapsatBajty(adresar / "nula.csv", "\x8a\x31;744210.350;1043785.620;244.120;246.853;0.000;0.000;0;Ano;\r\n"
                                      "\x8a\x32;744221.459;1043816.141;244.276;247.018;0.000;0.000;0;Ano;\r\n#\r\n");
    ZapsatBajty(adresar / "volby.txt", "CheckBox1=0\n"); // rows without a diameter keep none
    const VysledekCli bezPrumeru =
        SpustitCli({"compute", adresar / "nula.csv", "--options", adresar / "volby.txt", "--out", adresar.Cesta()});
    EXPECT_EQ(bezPrumeru.status, cli::VypocetZastaven);
    EXPECT_EQ(bezPrumeru.chyby, "error: Špatné vstupní údaje! - řádek 1: chybí průměr potrubí.\n");
    EXPECT_FALSE(soubor::Existuje(adresar / "podprof.csv"));
}

TEST(PrikazCompute, BadArgumentsWriteNothing)
{
    const std::vector<std::vector<std::string>> spatne = {
        {},
        {"a.csv", "b.csv"},
        {"--neznama"},
        {"--format", "txt"},
        {"--kind", "4"},
        {"--lang", "DE"},
        {"--out"},
        {"--out", ""},
        {"--plane", "32768"},
        {"--plane", "240.5"},
        {"--plane-shift", "-101"},
        {"--shift-points", "1"},
        {"--shift-points", "12"},
        {"--shift-points", "2,,3"},
        {"--shift-points", "x"},
    };
    for (const auto& dalsi : spatne) {
        DocasnyAdresar vystup;
        std::vector<std::string> argumenty = {"compute"};
        if (!dalsi.empty() && dalsi[0].starts_with("--"))
            argumenty.push_back(Priklad());
        argumenty.insert(argumenty.end(), dalsi.begin(), dalsi.end());
        if (dalsi.empty() || dalsi[0] != "--out") {
            argumenty.push_back("--out");
            argumenty.push_back(vystup.Cesta());
        }
        const VysledekCli vysledek = SpustitCli(argumenty);
        const std::string popis = dalsi.empty() ? "(nic)" : dalsi[0] + (dalsi.size() > 1 ? " " + dalsi[1] : "");
        EXPECT_EQ(vysledek.status, cli::ChybaPouziti) << popis;
        EXPECT_TRUE(vysledek.chyby.starts_with("error: ")) << popis << ": " << vysledek.chyby;
        EXPECT_EQ(vysledek.chyby.find('\n'), vysledek.chyby.size() - 1) << popis;
        EXPECT_TRUE(Prazdny(vystup)) << popis;
    }
}

TEST(PrikazCompute, ShiftPointsMustBeInnerPointsOfTheLine)
{
    DocasnyAdresar vystup;
    const VysledekCli mimo = SpustitCli({"compute", Priklad(), "--shift-points", "5,12", "--out", vystup.Cesta()});
    EXPECT_EQ(mimo.status, cli::ChybaPouziti);
    EXPECT_EQ(mimo.chyby, "error: Bod 12 nelze zvolit pro posun srovnávací roviny: volit lze body 2 až 11.\n");
    EXPECT_TRUE(Prazdny(vystup));

    const VysledekCli mnoho =
        SpustitCli({"compute", Priklad(), "--shift-points", "2,3,4,5,6,7,8,9,10,11", "--plane", "238", "--plane-shift",
                    "-5", "--out", vystup.Cesta()});
    EXPECT_EQ(mnoho.status, cli::Uspech) << mnoho.chyby;
}

TEST(PrikazCompute, FilesThatCannotBeReadOrWrittenEndWithStatus2)
{
    DocasnyAdresar adresar;
    const VysledekCli chybi = SpustitCli({"compute", adresar / "neni.csv", "--out", adresar.Cesta()});
    EXPECT_EQ(chybi.status, cli::ChybaPouziti);
    EXPECT_TRUE(chybi.chyby.starts_with("error: Soubor „")) << chybi.chyby;

    const VysledekCli nastaveni =
        SpustitCli({"compute", Priklad(), "--settings", adresar / "$nastav", "--out", adresar.Cesta()});
    EXPECT_EQ(nastaveni.status, cli::ChybaPouziti);
    EXPECT_TRUE(Prazdny(adresar));

    // The output directory does not exist: the written profile cannot be written.
    const VysledekCli vystup = SpustitCli({"compute", Priklad(), "--out", adresar / "neni"});
    EXPECT_EQ(vystup.status, cli::ChybaPouziti);
    EXPECT_EQ(vystup.chyby.substr(0, vystup.chyby.find('\n') + 1),
              "information: Souřadnice přípojky 7 přepočteny do linie - 5.20 m\n");
    EXPECT_NE(vystup.chyby.find("error: Soubor „" + adresar.Cesta() + "neni/podprof.csv“"), std::string::npos)
        << vystup.chyby;
}

TEST(PrikazCompute, AProfileRefusedByTheSheetWidthEndsWithStatus1)
{
    // 2.4 km at 1:11 would need 1041 A4 widths: a check of the calculation, not of a file.
    DocasnyAdresar adresar;
    ZapsatBajty(adresar / "dlouha.csv", "\x8a\x31;0;0;241;243;0;0;300;Ano;\r\n\x8a\x32;0;2400;241.5;243.5;0;0;300;Ano;\r\n#\r\n");
    ZapsatBajty(adresar / "volby.txt", "DelkoveMeritko=11\n");
    const VysledekCli vysledek = SpustitCli(
        {"compute", adresar / "dlouha.csv", "--options", adresar / "volby.txt", "--out", adresar.Cesta()});
    EXPECT_EQ(vysledek.status, cli::VypocetZastaven);
    EXPECT_EQ(vysledek.chyby, "error: Podélný profil nelze nakreslit: list by měl v délkovém měřítku 1:11 šířku 1041 "
                              "A4, nejvýše 1000 A4.\n");
    EXPECT_FALSE(soubor::Existuje(adresar / "podprof.dxf"));
}

TEST(PrikazCompute, AProjectWithoutConnectionsComputesWithoutAWord)
{
    // The sewer's points with the "#" line last, as a project without connections is saved, and
    // the road axis example: the empty connection row they read back is no connection.
    DocasnyAdresar adresar;
    std::string body = PrecistBajty(Priklad());
    body.resize(body.find("#\r\n") + 3);
    ZapsatBajty(adresar / "stoka.csv", body);
    for (const auto& argumenty : std::vector<std::vector<std::string>>{
             {"compute", adresar / "stoka.csv", "--out", adresar.Cesta()},
             {"compute", ZdrojovyAdresar() + "examples/osa_komunikace.csv", "--kind", "3", "--out", adresar.Cesta()},
             {"compute", ZdrojovyAdresar() + "examples/osa_komunikace.csv", "--kind", "1", "--out", adresar.Cesta()}}) {
        const VysledekCli vysledek = SpustitCli(argumenty);
        EXPECT_EQ(vysledek.status, cli::Uspech);
        EXPECT_EQ(vysledek.chyby, "") << argumenty[1];
    }
    // Only the points and the empty line after them: no title or header of connections.
    const auto radky = soubor::PrecistRadky(adresar / "podprof.csv");
    EXPECT_EQ(radky.size(), 1u + 7u + 1u);
    EXPECT_EQ(radky.back(), "");
}

TEST(PrikazCompute, OutputsNamedSoThatTheProgramCouldNotOpenThemAreRefusedBeforeAnythingIsWritten)
{
    DocasnyAdresar adresar;
    std::filesystem::create_directory(adresar / "日本");
    const VysledekCli vysledek = SpustitCli({"compute", Priklad(), "--out", adresar / "日本"});
    EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
    EXPECT_EQ(vysledek.chyby, "error: Název souboru „" + adresar / "日本/podprof.csv"
                                  + "“ obsahuje znak „日“, který kódová stránka 1250 nemá; projekt s takovým názvem "
                                    "nelze otevřít ani uložit.\n");
    EXPECT_TRUE(std::filesystem::is_empty(adresar / "日本"));
}

TEST(PrikazCompute, GpkgWritesTheGeoPackageBesideTheOtherOutputs)
{
    DocasnyAdresar bez;
    EXPECT_EQ(SpustitCli({"compute", Priklad(), "--out", bez.Cesta()}).status, cli::Uspech);
    EXPECT_FALSE(std::filesystem::exists(bez / "situace.gpkg"));

    DocasnyAdresar vychozi;
    EXPECT_EQ(SpustitCli({"compute", Priklad(), "--out", vychozi.Cesta(), "--gpkg"}).status, cli::Uspech);
    EXPECT_TRUE(std::filesystem::exists(vychozi / "situace.gpkg"));
    EXPECT_TRUE(std::filesystem::exists(vychozi / "situace.dxf"));

    // A name ending with .gpkg belongs to the option; the project may follow it.
    DocasnyAdresar pojmenovany;
    EXPECT_EQ(SpustitCli({"compute", "--gpkg", "stoka ř.gpkg", Priklad(), "--out", pojmenovany.Cesta()}).status,
              cli::Uspech);
    EXPECT_TRUE(std::filesystem::exists(pojmenovany / "stoka ř.gpkg"));
    EXPECT_FALSE(std::filesystem::exists(pojmenovany / "situace.gpkg"));
}
