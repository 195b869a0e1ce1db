#include "TestPomoc.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"
#include "data/SouborNastaveni.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace lineon;

namespace {

const char* const Projekt = "Š1;745123.456;1045678.900;245.300;247.125;245.310;245.300;300;Ano;\n"
                            "Š2;745133.456;1045688.900;245.100;247.000;245.100;245.100;0;Ne;\n"
                            "#\n"
                            "p;Pů1;745130.000;1045670.000;DŠ1;745140.250;1045660.000;246.000;244.500;1;\n";

const char* const ProjektDat = "Š1\n745123.456\n1045678.900\n245.300\n247.125\n245.310\n245.300\n300\nAno\n"
                               "Š2\n745133.456\n1045688.900\n245.100\n247.000\n245.100\n245.100\n400\nNe\n"
                               "#\n"
                               "p\nPů1\n745130.000\n1045670.000\nDŠ1\n745140.250\n1045660.000\n246.000\n244.500\n1\n";

// The bytes a file of this text has: code page 1250, CR LF.
std::string Prevest1250(const std::string& utf8)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "x", utf8);
    return test::PrecistBajty(adr / "x");
}

} // namespace

TEST(Convert, WritesTheLineFormatOfATableFile)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "stoka.csv", Projekt);
    const auto vysledek = test::SpustitCli({"convert", adr / "stoka.csv", adr / "stoka.dat"});
    EXPECT_EQ(vysledek.status, 0);
    EXPECT_EQ(vysledek.chyby, "");
    // the second row had no diameter: with "Jednotný průměr potrubí" on it gets the import diameter
    EXPECT_EQ(test::PrecistBajty(adr / "stoka.dat"), Prevest1250(ProjektDat));
}

TEST(Convert, TheFlagsChooseTheFormatsAndOutIsTakenExactly)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "stoka.csv", ProjektDat);
    const auto vysledek = test::SpustitCli(
        {"convert", adr / "stoka.csv", adr / "výstup.txt", "--in-format", "dat", "--out-format", "dat"});
    EXPECT_EQ(vysledek.status, 0) << vysledek.chyby;
    EXPECT_EQ(test::PrecistBajty(adr / "výstup.txt"), Prevest1250(ProjektDat));

    EXPECT_EQ(test::SpustitCli({"convert", adr / "výstup.txt", adr / "zpět", "--in-format", "dat"}).status, 0);
    EXPECT_EQ(soubor::PrecistRadky(adr / "zpět")[1],
              "Š2;745133.456;1045688.900;245.100;247.000;245.100;245.100;400;Ne;");
}

TEST(Convert, TheSettingsGiveTheImportDiameter)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "stoka.csv", Projekt);
    TNastaveni nastaveni;
    nastaveni.PrumerPriImportu = 250;
    UlozitNastaveni(adr / "$nastav", nastaveni);
    auto vysledek = test::SpustitCli({"convert", adr / "stoka.csv", adr / "b.csv", "--settings", adr / "$nastav"});
    EXPECT_EQ(vysledek.status, 0);
    EXPECT_TRUE(soubor::PrecistRadky(adr / "b.csv")[1].ends_with(";245.100;250;Ne;"));

    auto radky = soubor::PrecistRadky(adr / "$nastav");
    radky[12] = "dvě stě";
    std::string text;
    for (const auto& r : radky)
        text += r + "\n";
    soubor::ZapsatText(adr / "$nastav", text);
    vysledek = test::SpustitCli({"convert", adr / "stoka.csv", adr / "c.csv", "--settings", adr / "$nastav"});
    EXPECT_EQ(vysledek.status, 0);
    EXPECT_EQ(vysledek.chyby, "warning: Soubor nastavení „" + adr / "$nastav"
                                  + "“, řádek 13 (PrumerPriImportu): „dvě stě“ není celé číslo; platí výchozí "
                                    "hodnota.\n");
    EXPECT_TRUE(soubor::PrecistRadky(adr / "c.csv")[1].ends_with(";245.100;400;Ne;"));
}

TEST(Convert, FailuresAreUsageErrorsAndWriteNothing)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "stoka.csv", Projekt);
    soubor::ZapsatText(adr / "useknuty.dat", "Š1\n1\n2\n");
    soubor::ZapsatText(adr / "stary.dat", "starý\n");
    ::mkdir((adr / "adresar").c_str(), 0755);
    const std::string stoka = adr / "stoka.csv";
    const std::string vystup = adr / "nový.dat";

    const std::vector<std::pair<std::vector<std::string>, std::string>> pripady = {
        {{"convert", adr / "chybi.csv", vystup},
         "error: Soubor „" + adr / "chybi.csv" + "“ nelze otevřít: soubor nebo adresář neexistuje.\n"},
        {{"convert", adr.Cesta(), vystup}, "error: Soubor „" + adr.Cesta() + "“ není obyčejný soubor.\n"},
        {{"convert", adr / "useknuty.dat", vystup},
         "error: Soubor „" + adr / "useknuty.dat" + "“ končí uprostřed záznamu bodu, který začíná na řádku 1.\n"},
        {{"convert", stoka, vystup, "--settings", adr / "chybi"},
         "error: Soubor „" + adr / "chybi" + "“ nelze otevřít: soubor nebo adresář neexistuje.\n"},
        {{"convert", stoka, vystup, "--in-format", "txt"}, "error: Volba --in-format očekává csv nebo dat, ne „txt“.\n"},
        {{"convert", stoka, vystup, "--out-format"}, "error: Volbě --out-format chybí hodnota.\n"},
        {{"convert", stoka, vystup, "--format", "csv"}, "error: Neznámá volba „--format“.\n"},
        {{"convert", stoka}, ""},
        {{"convert", stoka, vystup, adr / "třetí"}, ""},
    };
    for (const auto& [argumenty, zprava] : pripady) {
        const auto vysledek = test::SpustitCli(argumenty);
        EXPECT_EQ(vysledek.status, 2) << argumenty.back();
        if (!zprava.empty())
            EXPECT_EQ(vysledek.chyby, zprava);
        else
            EXPECT_TRUE(vysledek.chyby.starts_with("error: Příkaz convert potřebuje právě dva soubory")) << vysledek.chyby;
    }
    EXPECT_FALSE(soubor::Existuje(vystup));

    EXPECT_EQ(test::SpustitCli({"convert", adr / "useknuty.dat", adr / "stary.dat"}).status, 2);
    EXPECT_EQ(test::PrecistBajty(adr / "stary.dat"), "star\xFD\r\n");
    const auto doAdresare = test::SpustitCli({"convert", stoka, adr / "adresar"});
    EXPECT_EQ(doAdresare.status, 2);
    EXPECT_EQ(doAdresare.chyby, "error: Soubor „" + adr / "adresar" + "“ nelze zapsat: je to adresář.\n");
}

TEST(Convert, AFileThatYieldsNothingLeavesOutAsItWas)
{
    // An empty file, and a survey file taken for a project: not one complete row holds data.
    test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "prazdny.csv", "");
    test::ZapsatBajty(adr / "zamereni.csv", "1 745000.10 1040000.20 245.30 s1\r\n2 745010 1040010 245 s2\r\n");
    soubor::ZapsatText(adr / "stoka.csv", Projekt);
    const std::string puvodni = test::PrecistBajty(adr / "stoka.csv");
    for (const auto& [nazev, zprava] : std::vector<std::pair<std::string, std::string>>{
             {"prazdny.csv", "načteno 0 bodů a 0 přípojek z 0 řádků; jiný typ souboru?"},
             {"zamereni.csv", "načteno 0 bodů a 0 přípojek z 2 řádků; neúplné řádky (chybějící pole se čtou jako "
                              "prázdná): 1, 2; jiný typ souboru?"}}) {
        const auto vysledek = test::SpustitCli({"convert", adr / nazev, adr / "stoka.csv"});
        EXPECT_EQ(vysledek.status, 1);
        EXPECT_EQ(vysledek.chyby, "warning: Soubor „" + adr / nazev + "“: " + zprava + "\n");
        EXPECT_EQ(test::PrecistBajty(adr / "stoka.csv"), puvodni);
    }
}

TEST(Convert, ANameTheProgramCouldNotOpenAgainIsRefusedBeforeReading)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "stoka.csv", Projekt);
    for (const auto& [nazev, vada] : std::vector<std::pair<std::string, std::string>>{
             {"a\nb.csv", "obsahuje konec řádku"},
             {"日本.csv", "obsahuje znak „日“, který kódová stránka 1250 nemá"}}) {
        const auto vysledek = test::SpustitCli({"convert", adr / "chybi.csv", adr / nazev});
        EXPECT_EQ(vysledek.status, 2);
        EXPECT_EQ(vysledek.chyby, "error: Název souboru „" + adr / nazev + "“ " + vada
                                      + "; projekt s takovým názvem nelze otevřít ani uložit.\n");
        EXPECT_FALSE(std::filesystem::exists(adr / nazev));
    }
}

TEST(Convert, AConnectionRowAmongThePointsTellsThatTheHashLineIsMissing)
{
    test::DocasnyAdresar adr;
    std::string bezMrizky = Projekt;
    bezMrizky.erase(bezMrizky.find("#\n"), 2);
    soubor::ZapsatText(adr / "bez.csv", bezMrizky);
    auto vysledek = test::SpustitCli({"convert", adr / "bez.csv", adr / "p.csv"});
    EXPECT_EQ(vysledek.status, 2);
    EXPECT_EQ(vysledek.chyby, "error: Soubor „" + adr / "bez.csv"
                                  + "“, řádek 3: řádek má tvar řádku přípojky, ale stojí mezi body; chybí před ním "
                                    "řádek „#“, který odděluje body od přípojek.\n");
    std::string bezMrizkyDat = ProjektDat;
    bezMrizkyDat.erase(bezMrizkyDat.find("#\n"), 2);
    soubor::ZapsatText(adr / "bez.dat", bezMrizkyDat);
    vysledek = test::SpustitCli({"convert", adr / "bez.dat", adr / "p.csv"});
    EXPECT_EQ(vysledek.chyby, "error: Soubor „" + adr / "bez.dat"
                                  + "“, řádek 19: záznam, který zde začíná, má tvar řádku přípojky, ale stojí mezi "
                                    "body; chybí před ním řádek „#“, který odděluje body od přípojek.\n");
    EXPECT_FALSE(soubor::Existuje(adr / "p.csv"));
}

TEST(Convert, OutThroughALinkReplacesTheFileItPointsToAndKeepsTheLink)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "stoka.csv", Projekt);
    std::filesystem::create_directory(adr / "archiv");
    test::ZapsatBajty(adr / "archiv/stoka.dat", "stary\r\n");
    std::filesystem::create_symlink("archiv/stoka.dat", adr / "odkaz.dat");
    EXPECT_EQ(test::SpustitCli({"convert", adr / "stoka.csv", adr / "odkaz.dat"}).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(adr / "odkaz.dat"));
    EXPECT_EQ(test::PrecistBajty(adr / "archiv/stoka.dat"), Prevest1250(ProjektDat));
}
