#include "TestPomoc.h"

#include "cli/Cli.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

using namespace lineon;
using namespace lineon::test;

namespace {

std::string Priklad()
{
    return ZdrojovyAdresar() + "examples/zamereni_kanalizace.txt";
}

// A short survey in code page 1250: a heading, two manholes, a house connection, a crossing.
constexpr const char* Zamereni = "Bod Y X Z k\xf3\x64\r\n"
                                 "1 745000.10 1040000.20 245.30 s1\r\n"
                                 "2 745000.15 1040000.25 243.10 d1\r\n"
                                 "3 745030.00 1040040.00 245.60 s2\r\n"
                                 "4 745031.00 1040041.00 243.45 d\xf8\r\n"
                                 "5 745015.00 1040020.00 p1\r\n"
                                 "6 745022.00 1040015.00 246.00 n1\r\n"
                                 "7 745010.00 1040013.00 ka*\r\n";

} // namespace

TEST(PrikazImport, ListsTheRecordsAsTheListWindowShowsThem)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "z.txt", Zamereni);
    const VysledekCli vysledek = SpustitCli({ "import", adr / "z.txt", "--list" });
    EXPECT_EQ(vysledek.status, cli::Uspech);
    EXPECT_EQ(vysledek.chyby, "warning: Soubor „" + adr / "z.txt"
                                  + "“: načteno 7 bodů z 8 řádků; vynechané řádky bez dvou číselných souřadnic: 1.\n");
    EXPECT_EQ(vysledek.vystup,
        "1  745000.10  1040000.20  245.30  s1\n"
        "2  745000.15  1040000.25  243.10  d1\n"
        "3  745030.00  1040040.00  245.60  s2\n"
        "4  745031.00  1040041.00  243.45  dř\n"
        "5  745015.00  1040020.00  0.000  p1\n"
        "6  745022.00  1040015.00  246.00  n1\n"
        "7  745010.00  1040013.00  0.000  ka\n");
}

TEST(PrikazImport, SavesTheAutomaticConversionOfAFreshProject)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "z.txt", Zamereni);
    const VysledekCli vysledek = SpustitCli({ "import", adr / "z.txt", "--save", adr / "stoka.csv" });
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    EXPECT_EQ(vysledek.vystup, "");
    EXPECT_EQ(PrecistBajty(adr / "stoka.csv"),
        "1;745000.100;1040000.200;243.100;245.300;243.100;243.100;400;Ano;\r\n"
        "3;745030.000;1040040.000;0.000;245.600;0.000;0.000;400;Ano;\r\n"
        "#\r\n"
        "p;P1;745015.000;1040020.000;D\x8a\x31;745022.000;1040015.000;246.000;0.000;1;\r\n"
        "ka;ka;745010.000;1040013.000;; 0.000;  0.000;0.000;0.000;0;\r\n");
}

TEST(PrikazImport, SettingsOptionsAndKindSteerTheConversion)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "z.txt", Zamereni);
    ZapsatBajty(adr / "volby.txt", "ZpusobOznaceni=1\nKodOznaceni=ŘŠ\nCheckBox1=0\nAoBox=0\n");
    VysledekCli vysledek
        = SpustitCli({ "import", adr / "z.txt", "--options", adr / "volby.txt", "--save", adr / "a.csv" });
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    auto radky = soubor::PrecistRadky(adr / "a.csv");
    EXPECT_EQ(radky[0], "ŘŠ1;745000.100;1040000.200;243.100;245.300;243.100;0.000;0;Ano;");

    vysledek = SpustitCli(
        { "import", adr / "z.txt", "--options", adr / "volby.txt", "--kind", "3", "--save", adr / "b.csv" });
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    radky = soubor::PrecistRadky(adr / "b.csv");
    EXPECT_EQ(radky,
        (std::vector<std::string> { "1;745000.100;1040000.200;0.000;245.300;0.000;0.000;0;Ano;",
            "2;745030.000;1040040.000;0.000;245.600;0.000;0.000;0;Ano;", "#",
            "ka;ka;745010.000;1040013.000;; 0.000;  0.000;0.000;0.000;0;" }));
}

TEST(PrikazImport, TheFileTypeComesFromTheOptionOrFromTheSettings)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "s.txt", "xx 745001,5 -1040002,25 245,5\r\n");
    EXPECT_EQ(SpustitCli({ "import", adr / "s.txt", "--list" }).vystup, "");
    EXPECT_EQ(
        SpustitCli({ "import", adr / "s.txt", "--list", "--type", "2" }).vystup, "1  745001.5  1040002.25  245.5  \n");
    ZapsatBajty(adr / "volby.txt", "ImportFilterIndex=2\n");
    EXPECT_EQ(SpustitCli({ "import", adr / "s.txt", "--list", "--options", adr / "volby.txt" }).vystup,
        "1  745001.5  1040002.25  245.5  \n");
    EXPECT_EQ(
        SpustitCli({ "import", adr / "s.txt", "--list", "--options", adr / "volby.txt", "--type", "1" }).vystup, "");
}

TEST(PrikazImport, TheLineFormatIsChosenByNameOrByOption)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "z.txt", Zamereni);
    ASSERT_EQ(SpustitCli({ "import", adr / "z.txt", "--save", adr / "p.dat" }).status, cli::Uspech);
    ASSERT_EQ(SpustitCli({ "import", adr / "z.txt", "--save", adr / "p.txt", "--format", "dat" }).status, cli::Uspech);
    ASSERT_EQ(SpustitCli({ "import", adr / "z.txt", "--save", adr / "t.dat", "--format", "csv" }).status, cli::Uspech);
    EXPECT_EQ(PrecistBajty(adr / "p.dat").substr(0, 19), "1\r\n745000.100\r\n1040");
    EXPECT_EQ(PrecistBajty(adr / "p.txt"), PrecistBajty(adr / "p.dat"));
    EXPECT_EQ(PrecistBajty(adr / "t.dat").substr(0, 12), "1;745000.100");
}

TEST(PrikazImport, MoreThan5000PointsAreCutWithAWarning)
{
    DocasnyAdresar adr;
    std::string obsah;
    for (int i = 1; i <= 6000; ++i)
        obsah += std::to_string(i) + " 745000.5 1040000.5 245.0 ka\r\n";
    ZapsatBajty(adr / "velky.txt", obsah);
    const VysledekCli vysledek = SpustitCli({ "import", adr / "velky.txt", "--list", "--save", adr / "v.csv" });
    EXPECT_EQ(vysledek.status, cli::Uspech);
    EXPECT_EQ(vysledek.chyby,
        "warning: Soubor „" + adr / "velky.txt"
            + "“: načteno 5000 bodů z 6000 řádků; seznam souřadnic pojme nejvýše 5000 bodů, řádky od 5001 dál nebyly "
              "čteny.\n");
    EXPECT_EQ(std::count(vysledek.vystup.begin(), vysledek.vystup.end(), '\n'), 5000);
    TStav stav;
    test::Otevrit(stav, adr / "v.csv", FormatProjektu::Tabulka);
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 5000);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 0);
}

TEST(PrikazImport, UsageAndFileErrorsEndWithStatus2AndWriteNothing)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "z.txt", Zamereni);
    ZapsatBajty(adr / "vadny.txt", "1 1 2 3 s1\r\n2 1 2 3 s\x98\r\n");
    const std::vector<std::vector<std::string>> spatne = {
        { "import" },
        { "import", adr / "z.txt", adr / "z.txt" },
        { "import", adr / "z.txt", "--type", "3" },
        { "import", adr / "z.txt", "--type" },
        { "import", adr / "z.txt", "--lang", "CZ" },
        { "import", adr / "z.txt", "--kind", "4" },
        { "import", adr / "z.txt", "--format", "txt" },
        { "import", adr / "z.txt", "--save", "" },
        { "import", adr / "z.txt", "--prevod" },
        { "import", adr / "z.txt", "--settings", adr / "chybi" },
        { "import", adr / "chybi.txt", "--save", adr / "p.csv" },
        { "import", adr.Cesta(), "--save", adr / "p.csv" },
    };
    for (const auto& argumenty : spatne) {
        const VysledekCli vysledek = SpustitCli(argumenty);
        EXPECT_EQ(vysledek.status, cli::ChybaPouziti) << argumenty.back();
        EXPECT_TRUE(vysledek.chyby.starts_with("error: ")) << vysledek.chyby;
        EXPECT_EQ(vysledek.vystup, "");
    }
    EXPECT_FALSE(soubor::Existuje(adr / "p.csv"));
    // A line with a byte outside the code page is left out with a warning; the rest is imported.
    const VysledekCli vadny = SpustitCli({ "import", adr / "vadny.txt", "--list" });
    EXPECT_EQ(vadny.status, cli::Uspech);
    EXPECT_EQ(vadny.vystup, "1  1  2  3  s1\n");
    EXPECT_EQ(vadny.chyby, "warning: Soubor „" + adr / "vadny.txt"
                               + "“: načten 1 bod z 2 řádků; vynechané řádky s bajtem, který v kódové stránce 1250 "
                                 "neoznačuje žádný znak: 2.\n");
}

TEST(PrikazImport, AFailedSaveKeepsThePreviousProject)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "z.txt", Zamereni);
    ZapsatBajty(adr / "p.csv", "stary\r\n#\r\n");
    const VysledekCli vysledek = SpustitCli({ "import", adr / "z.txt", "--save", adr / "p.csv" }, PlnyDisk(40));
    EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
    EXPECT_EQ(PrecistBajty(adr / "p.csv"), "stary\r\n#\r\n");
}

TEST(PrikazImport, TheExampleSurveyBecomesAProjectThatComputes)
{
    DocasnyAdresar adr;
    const VysledekCli import = SpustitCli({ "import", Priklad(), "--save", adr / "stoka.csv" });
    ASSERT_EQ(import.status, cli::Uspech) << import.chyby;
    EXPECT_EQ(import.chyby, "warning: Soubor „" + Priklad()
                                + "“: načteno 46 bodů z 48 řádků; vynechané řádky bez dvou číselných souřadnic: 1, 2.\n");
    TStav stav;
    test::Otevrit(stav, adr / "stoka.csv", FormatProjektu::Tabulka);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 12);
    EXPECT_EQ(stav.Projekt.PocetPripojek(), 7);

    const std::string vystup = VystupniAdresar("import-zamereni-kanalizace");
    const VysledekCli compute = SpustitCli({ "compute", adr / "stoka.csv", "--out", vystup });
    EXPECT_EQ(compute.status, cli::Uspech);
    EXPECT_EQ(compute.chyby, "");
    for (const char* nazev : { "podprof.csv", "situace.dxf", "podprof.dxf" })
        EXPECT_TRUE(soubor::Existuje(vystup + nazev)) << nazev;
}

TEST(PrikazImport, AFileWithoutOnePointOrWithoutRowsToSaveLeavesTheProjectAsItWas)
{
    // A file of the second layout read as the first, an empty file, and one whose points carry no
    // code the automatic conversion knows.
    DocasnyAdresar adr;
    ZapsatBajty(adr / "typ2.txt", "xx 745001,5 -1040002,25 245,5\r\n");
    ZapsatBajty(adr / "prazdny.txt", "");
    ZapsatBajty(adr / "bez_kodu.txt", "1 745001.5 1040002.25 245.5\r\n");
    ZapsatBajty(adr / "p.csv", "stary\r\n#\r\n");
    const std::vector<std::pair<std::string, std::string>> pripady = {
        { "typ2.txt", "warning: Soubor „" + adr / "typ2.txt" + "“: načteno 0 bodů z 1 řádku; jiný typ souboru?\n" },
        { "prazdny.txt", "warning: Soubor „" + adr / "prazdny.txt" + "“: načteno 0 bodů z 0 řádků; jiný typ souboru?\n" },
        { "bez_kodu.txt", "error: Automatický převod nevytvořil ze souboru „" + adr / "bez_kodu.txt"
                + "“ žádný řádek projektu; soubor „" + adr / "p.csv" + "“ nebyl zapsán.\n" },
    };
    for (const auto& [nazev, zprava] : pripady) {
        const VysledekCli vysledek = SpustitCli({ "import", adr / nazev, "--type", "1", "--save", adr / "p.csv" });
        EXPECT_EQ(vysledek.status, cli::VypocetZastaven);
        EXPECT_EQ(vysledek.chyby, zprava);
        EXPECT_EQ(PrecistBajty(adr / "p.csv"), "stary\r\n#\r\n");
    }
    EXPECT_EQ(SpustitCli({ "import", adr / "prazdny.txt", "--list" }).status, cli::VypocetZastaven);
}

TEST(PrikazImport, ASurveyInUtf8IsReadWithAnInformation)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "z.txt", "\xEF\xBB\xBF" "1 745000.10 1040000.20 245.30 š1\r\n");
    const VysledekCli vysledek = SpustitCli({ "import", adr / "z.txt", "--list" });
    EXPECT_EQ(vysledek.status, cli::Uspech);
    EXPECT_EQ(vysledek.vystup, "1  745000.10  1040000.20  245.30  š1\n");
    EXPECT_EQ(vysledek.chyby,
        "information: Soubor „" + adr / "z.txt" + "“ je v kódování UTF-8; uloží se ve Windows-1250.\n");
}

TEST(PrikazImport, ANameTheProgramCouldNotOpenAgainIsRefusedBeforeAnythingIsWritten)
{
    DocasnyAdresar adr;
    ZapsatBajty(adr / "z.txt", Zamereni);
    for (const std::string nazev : { "a\nb.csv", "日本.csv", "a\rb.csv" }) {
        const VysledekCli vysledek = SpustitCli({ "import", adr / "z.txt", "--list", "--save", adr / nazev });
        EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
        EXPECT_EQ(vysledek.vystup, "");
        EXPECT_TRUE(vysledek.chyby.starts_with("error: Název souboru „" + adr / nazev + "“ obsahuje "));
        EXPECT_TRUE(vysledek.chyby.ends_with("; projekt s takovým názvem nelze otevřít ani uložit.\n"));
        EXPECT_FALSE(std::filesystem::exists(adr / nazev));
    }
}

TEST(PrikazImport, OnlyRegularFilesAreRead)
{
    DocasnyAdresar adr;
    ASSERT_EQ(::mkfifo((adr / "fifo").c_str(), 0600), 0);
    ZapsatBajty(adr / "z.txt", Zamereni);
    for (const auto& argumenty : std::vector<std::vector<std::string>>{
             { "import", adr / "fifo", "--list" },
             { "import", adr / "z.txt", "--settings", adr / "fifo" },
             { "import", adr / "z.txt", "--options", adr / "fifo" },
             { "compute", adr / "fifo" },
             { "import", "/dev/zero" } }) {
        const VysledekCli vysledek = SpustitCli(argumenty);
        EXPECT_EQ(vysledek.status, cli::ChybaPouziti);
        EXPECT_TRUE(vysledek.chyby.ends_with("“ není obyčejný soubor.\n")) << vysledek.chyby;
    }
}
