#include "data/ImportZamereni.h"
#include "TestPomoc.h"
#include "data/Chyba.h"
#include "data/Stav.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace lineon;

namespace {

TSeznamSouradnic Nacist(const std::vector<std::string>& radky, TypZamereni typ = TypZamereni::Textovy)
{
    test::ZaznamZprav zpravy;
    TSeznamSouradnic seznam = NacistSeznamSouradnic(radky, typ, zpravy);
    EXPECT_TRUE(zpravy.zpravy.empty());
    return seznam;
}

TZamerenyBod Bod(
    std::string cislo, std::string y, std::string x, std::string z, double yc, double xc, double zc, std::string kod)
{
    return { std::move(cislo), std::move(y), std::move(x), std::move(z), yc, xc, zc, std::move(kod) };
}

} // namespace

TEST(DalsiPolozka, SplitsAtTheFirstBlankOrTab)
{
    auto p = DalsiPolozka("12 12.5  20.25");
    EXPECT_EQ(p.Polozka, "12");
    EXPECT_EQ(p.Zbytek, "12.5  20.25");
    p = DalsiPolozka("12.5\t\t20.25");
    EXPECT_EQ(p.Polozka, "12.5");
    EXPECT_EQ(p.Zbytek, "\t20.25");
    p = DalsiPolozka("ř1");
    EXPECT_EQ(p.Polozka, "ř1");
    EXPECT_EQ(p.Zbytek, "");
    p = DalsiPolozka("");
    EXPECT_EQ(p.Polozka, "");
    EXPECT_EQ(p.Zbytek, "");
}

TEST(DalsiPolozka, StrippingTakesEveryCharacterUpToCode32)
{
    EXPECT_EQ(Orezat(std::string(" \t\r\x01 ab c\x1f\0 ", 12)), "ab c");
    EXPECT_EQ(Orezat(" \t "), "");
    EXPECT_EQ(Orezat("ů"), "ů");
}

TEST(ImportTextovy, ReadsNumberCoordinatesLevelAndCode)
{
    const auto seznam = Nacist({ "12 12.5 20.25 3.10 s1" });
    ASSERT_EQ(seznam.PocetZamerenychBodu(), 1);
    EXPECT_EQ(seznam.Body[1], Bod("12", "12.5", "20.25", "3.10", 12.5, 20.25, 3.10, "s1"));
    EXPECT_EQ(RadekSeznamu(seznam.Body[1]), "12  12.5  20.25  3.10  s1");
}

TEST(ImportTextovy, ALineWithoutLevelTakesTheThirdItemAsCode)
{
    const auto seznam = Nacist({ "12 12.5 20.25 s1", "13 1 2 ř*x 7", "14 1 2" });
    ASSERT_EQ(seznam.PocetZamerenychBodu(), 3);
    EXPECT_EQ(seznam.Body[1], Bod("12", "12.5", "20.25", "0.000", 12.5, 20.25, 0, "s1"));
    EXPECT_EQ(seznam.Body[2], Bod("13", "1", "2", "0.000", 1, 2, 0, "řx"));
    EXPECT_EQ(seznam.Body[3], Bod("14", "1", "2", "0.000", 1, 2, 0, ""));
    EXPECT_EQ(RadekSeznamu(seznam.Body[3]), "14  1  2  0.000  ");
}

TEST(ImportTextovy, StarsInTheCodeFallOut)
{
    const auto seznam = Nacist({ "5 1.0 2.0 3.0 ka*2", "6 1.0 2.0 3.0 **" });
    EXPECT_EQ(seznam.Body[1].Kod, "ka2");
    EXPECT_EQ(seznam.Body[2].Kod, "");
}

TEST(ImportTextovy, HeadingsAndCommentsFallOutWithoutDisturbingTheNumbering)
{
    const auto seznam = Nacist({ "Číslo  Y  X  Z  kód", "", "1 745120.31 1043210.55 245.20 s1", "; zaměřeno 12. 3. ř",
        "2 745130.00 1043215.00 245.10 s2", "3 745130.00 x 245.10 s3", "4 nan 1 1 s4", "5 1e3 1 1 s5",
        "6 0x10 1 1 s6" });
    ASSERT_EQ(seznam.PocetZamerenychBodu(), 2);
    EXPECT_EQ(seznam.Body[1].CisloBodu, "1");
    EXPECT_EQ(seznam.Body[2].CisloBodu, "2");
    EXPECT_DOUBLE_EQ(seznam.Body[2].X, 1043215.0);
}

TEST(ImportTextovy, TabsAndRunsOfBlanksSeparateLikeOneBlank)
{
    const auto seznam = Nacist({ "\t 7\t\t745000.5   1040000.25 \t 246.01\ts7 \r" });
    ASSERT_EQ(seznam.PocetZamerenychBodu(), 1);
    EXPECT_EQ(seznam.Body[1], Bod("7", "745000.5", "1040000.25", "246.01", 745000.5, 1040000.25, 246.01, "s7"));
}

TEST(ImportTextovy, AFourthItemThatIsNoNumberBecomesTheCodeAndTheFifthIsDropped)
{
    const auto seznam = Nacist({ "8 1.5 2.5 d8 navíc" });
    EXPECT_EQ(seznam.Body[1], Bod("8", "1.5", "2.5", "0.000", 1.5, 2.5, 0, "d8"));
}

TEST(ImportTextovy, NegativeAndSignedCoordinatesAreNumbers)
{
    const auto seznam = Nacist({ "9 -745000.5 +1040000 -.5 v9" });
    EXPECT_EQ(seznam.Body[1], Bod("9", "-745000.5", "+1040000", "-.5", -745000.5, 1040000, -0.5, "v9"));
}

TEST(ImportSpecialni, DropsThePrefixAndAcceptsDecimalCommas)
{
    const auto seznam = Nacist(
        { "abc12,5 -20,25 3,10", "hlavička souboru", "xyz1 2 3", "ř  -745001,5\t-1043000,75" }, TypZamereni::Specialni);
    ASSERT_EQ(seznam.PocetZamerenychBodu(), 3);
    EXPECT_EQ(seznam.Body[1], Bod("1", "12.5", "20.25", "3.10", 12.5, 20.25, 3.10, ""));
    EXPECT_EQ(seznam.Body[2], Bod("2", "1", "2", "3", 1, 2, 3, ""));
    EXPECT_EQ(seznam.Body[3], Bod("3", "745001.5", "1043000.75", "0.000", 745001.5, 1043000.75, 0, ""));
    EXPECT_EQ(RadekSeznamu(seznam.Body[1]), "1  12.5  20.25  3.10  ");
}

TEST(ImportSpecialni, KeepsAtMost199CharactersAfterThePrefix)
{
    // 196 characters of Y, a blank and X fill 199 characters; the level after them is cut off.
    const std::string y = "1" + std::string(195, '0');
    auto seznam = Nacist({ "ččč" + y + " 2 3" }, TypZamereni::Specialni);
    ASSERT_EQ(seznam.PocetZamerenychBodu(), 1);
    EXPECT_EQ(seznam.Body[1].YText, y);
    EXPECT_EQ(seznam.Body[1].XText, "2");
    EXPECT_EQ(seznam.Body[1].ZText, "0.000");
    EXPECT_EQ(seznam.Body[1].Kod, "");
    seznam = Nacist({ "ččč" + std::string(197, ' ') + "1 2" }, TypZamereni::Specialni);
    EXPECT_EQ(seznam.PocetZamerenychBodu(), 0);
}

TEST(ImportLimity, ALongLineAndNulBytesAreHandledAsText)
{
    const std::string dlouhy(1'000'000, 'r');
    const auto seznam = Nacist({ "1 1 2 3 " + dlouhy, "2 " + std::string(400, '9') + " 2 3 s2",
        std::string("3 1\0 2 3 s3", 11), std::string("4 1 2 3 s\0", 10) });
    ASSERT_EQ(seznam.PocetZamerenychBodu(), 2);
    EXPECT_EQ(seznam.Body[1].Kod, dlouhy);
    EXPECT_EQ(seznam.Body[2].CisloBodu, "4");
    EXPECT_EQ(seznam.Body[2].Kod, "s");
}

TEST(ImportLimity, StopsAt5000RecordsAndSaysSo)
{
    std::vector<std::string> radky;
    for (int i = 1; i <= 6000; ++i)
        radky.push_back(std::to_string(i) + " 745000 1040000 245 ř" + std::to_string(i));
    test::ZaznamZprav zpravy;
    const auto seznam = NacistSeznamSouradnic(radky, TypZamereni::Textovy, zpravy);
    ASSERT_EQ(seznam.PocetZamerenychBodu(), 5000);
    EXPECT_EQ(seznam.Body[5000].CisloBodu, "5000");
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].druh, DruhZpravy::Varovani);
    EXPECT_EQ(zpravy.zpravy[0].text,
        "Seznam souřadnic pojme nejvýše 5000 bodů; import skončil na řádku 5001 souboru a další body nebyly načteny.");

    // Exactly 5000 points followed by comments fit without a word.
    radky.resize(5000);
    radky.push_back("konec zaměření");
    test::ZaznamZprav zadne;
    EXPECT_EQ(NacistSeznamSouradnic(radky, TypZamereni::Textovy, zadne).PocetZamerenychBodu(), 5000);
    EXPECT_TRUE(zadne.zpravy.empty());
}

TEST(Importovat, RebuildsTheListAndSetsTheProjectDirectory)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(
        adr / "z.txt", "Bod Y X Z k\xf3\x64\r\n1 745000.10 1040000.20 245.30 s1\r\n2 745010 1040010 d\xf8\r\n");
    TStav stav;
    stav.SeznamSouradnic.Body.resize(40);
    test::ZaznamZprav zpravy;
    Importovat(stav, adr / "z.txt", TypZamereni::Textovy, zpravy);
    EXPECT_EQ(stav.Nastaveni.AdresarProjektu, adr.Cesta());
    ASSERT_EQ(stav.SeznamSouradnic.PocetZamerenychBodu(), 2);
    EXPECT_EQ(stav.SeznamSouradnic.Body[2].Kod, "dř");
    EXPECT_FALSE(stav.Projekt.Zmeneno);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 1);

    // A file without one accepted line leaves an empty list.
    test::ZapsatBajty(adr / "prazdny.txt", "jen hlavička\r\n");
    Importovat(stav, adr / "prazdny.txt", TypZamereni::Textovy, zpravy);
    EXPECT_EQ(stav.SeznamSouradnic.PocetZamerenychBodu(), 0);
}

TEST(Importovat, AMissingFileKeepsTheOldList)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "z.txt", "1 1 2 3 s1\r\n");
    TStav stav;
    test::ZaznamZprav zpravy;
    Importovat(stav, adr / "z.txt", TypZamereni::Textovy, zpravy);
    const TSeznamSouradnic puvodni = stav.SeznamSouradnic;
    EXPECT_THROW(Importovat(stav, adr / "chybi.txt", TypZamereni::Textovy, zpravy), Chyba);
    EXPECT_EQ(stav.SeznamSouradnic.Body, puvodni.Body);
}

TEST(Importovat, LinesWithBytesOutsideTheCodePageAreLeftOutWithAWarning)
{
    test::DocasnyAdresar adr;
    // A heading written in UTF-8 ("Ř" is C5 98) and a point whose code holds an undefined byte.
    test::ZapsatBajty(adr / "z.txt", "; ZAM\xC4\x9A\xC5\x98" "EN\xC3\x8D\r\n1 1 2 3 s1\r\n2 1 2 3 \x98\r\n3 4 5 6 s2\r\n");
    TStav stav;
    test::ZaznamZprav zpravy;
    Importovat(stav, adr / "z.txt", TypZamereni::Textovy, zpravy);
    ASSERT_EQ(stav.SeznamSouradnic.PocetZamerenychBodu(), 2);
    EXPECT_EQ(stav.SeznamSouradnic.Body[1].Kod, "s1");
    EXPECT_EQ(stav.SeznamSouradnic.Body[2].CisloBodu, "3");
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].druh, DruhZpravy::Varovani);
    EXPECT_EQ(zpravy.zpravy[0].text, "Soubor „" + adr / "z.txt"
                                         + "“: řádky 1, 3 obsahují bajty, které v kódové stránce 1250 neoznačují "
                                           "žádný znak; tyto řádky byly vynechány.");
}

TEST(Importovat, ADirectoryTheSettingsFileCouldNotHoldIsNotTakenOver)
{
    test::DocasnyAdresar adr;
    for (const std::string adresar : {"ř\nb", "北"}) {
        std::filesystem::create_directory(adr / adresar);
        test::ZapsatBajty(adr / (adresar + "/z.txt"), "1 1 2 3 s1\r\n");
        TStav stav;
        stav.Nastaveni.AdresarProjektu = "/projekty/";
        test::ZaznamZprav zpravy;
        Importovat(stav, adr / (adresar + "/z.txt"), TypZamereni::Textovy, zpravy);
        EXPECT_EQ(stav.Nastaveni.AdresarProjektu, "/projekty/");
        EXPECT_EQ(stav.SeznamSouradnic.PocetZamerenychBodu(), 1);
    }
}
