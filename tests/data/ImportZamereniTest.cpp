#include "data/ImportZamereni.h"
#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "data/Stav.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace lineon;

namespace {

TSeznamSouradnic Nacist(const std::vector<std::string>& radky, TypZamereni typ = TypZamereni::Textovy)
{
    return test::SeznamZRadku(radky, typ);
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

namespace {

/// Imports the bytes as file "z.txt" of a fresh directory; the messages go to `zpravy`.
bool ImportovatBajty(TStav& stav, const std::string& bajty, test::ZaznamZprav& zpravy,
                     TypZamereni typ = TypZamereni::Textovy)
{
    static test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "z.txt", bajty);
    return Importovat(stav, adr / "z.txt", typ, zpravy);
}

std::string Cesta()
{
    return std::filesystem::temp_directory_path().string();
}

} // namespace

TEST(ImportLimity, StopsAt5000RecordsAndCountsTheLinesAfter)
{
    std::string obsah;
    for (int i = 1; i <= 6000; ++i)
        obsah += std::to_string(i) + " 745000 1040000 245 \xF8" + std::to_string(i) + "\r\n";
    TStav stav;
    test::ZaznamZprav zpravy;
    ASSERT_TRUE(ImportovatBajty(stav, obsah, zpravy));
    ASSERT_EQ(stav.SeznamSouradnic.PocetZamerenychBodu(), 5000);
    EXPECT_EQ(stav.SeznamSouradnic.Body[5000].CisloBodu, "5000");
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].druh, DruhZpravy::Varovani);
    EXPECT_TRUE(zpravy.zpravy[0].text.ends_with(
        "z.txt“: načteno 5000 bodů z 6000 řádků; seznam souřadnic pojme nejvýše 5000 bodů, řádky od 5001 dál nebyly "
        "čteny."))
        << zpravy.zpravy[0].text;

    // Exactly 5000 points followed by a comment: the comment is a line left out.
    obsah.resize(obsah.find("5001 "));
    test::ZaznamZprav konec;
    ImportovatBajty(stav, obsah + "konec zaměření\r\n\r\n", konec);
    EXPECT_EQ(stav.SeznamSouradnic.PocetZamerenychBodu(), 5000);
    ASSERT_EQ(konec.zpravy.size(), 1u);
    EXPECT_TRUE(konec.zpravy[0].text.ends_with(
        ": načteno 5000 bodů z 5002 řádků; vynechané řádky bez dvou číselných souřadnic: 5001."));
}

TEST(Importovat, RebuildsTheListAndSetsTheProjectDirectory)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(
        adr / "z.txt", "Bod Y X Z k\xf3\x64\r\n1 745000.10 1040000.20 245.30 s1\r\n2 745010 1040010 d\xf8\r\n");
    TStav stav;
    stav.SeznamSouradnic.Body.resize(40);
    test::ZaznamZprav zpravy;
    EXPECT_TRUE(Importovat(stav, adr / "z.txt", TypZamereni::Textovy, zpravy));
    EXPECT_EQ(stav.Nastaveni.AdresarProjektu, adr.Cesta());
    ASSERT_EQ(stav.SeznamSouradnic.PocetZamerenychBodu(), 2);
    EXPECT_EQ(stav.SeznamSouradnic.Body[2].Kod, "dř");
    EXPECT_FALSE(stav.Projekt.Zmeneno);
    EXPECT_EQ(stav.Projekt.PocetBodu(), 1);
    EXPECT_EQ(zpravy.zpravy, (std::vector<test::ZaznamZprav::Zprava>{
                                 {DruhZpravy::Varovani, "Soubor „" + adr / "z.txt"
                                                            + "“: načteny 2 body z 3 řádků; vynechané řádky bez dvou "
                                                              "číselných souřadnic: 1."}}));
}

TEST(Importovat, AFileWithoutOnePointKeepsTheListAndSaysWhatItRead)
{
    TStav stav;
    test::ZaznamZprav zpravy;
    ImportovatBajty(stav, "1 1 2 3 s1\r\n", zpravy);
    const TSeznamSouradnic puvodni = stav.SeznamSouradnic;
    // An empty file, a project read as a survey, one of the second layout read as the first, a
    // file with CR alone at the ends of its lines.
    const std::vector<std::pair<std::string, std::string>> pripady = {
        {"", "načteno 0 bodů z 0 řádků"},
        {"\x8a\x31;744210.350;1043785.620;244.120;246.853;0.000;0.000;400;Ano;\r\n#\r\n", "načteno 0 bodů z 2 řádků"},
        {"xx 745001,5 -1040002,25 245,5\r\nxx 745002,5 -1040003,25 245,5\r\n", "načteno 0 bodů z 2 řádků"},
        {"Bod Y X\r1 745000.10 1040000.20\r2 745000.10 1040000.20\r", "načteno 0 bodů z 1 řádku"},
    };
    for (const auto& [obsah, nacteno] : pripady) {
        test::ZaznamZprav nic;
        EXPECT_FALSE(ImportovatBajty(stav, obsah, nic));
        EXPECT_EQ(stav.SeznamSouradnic.Body, puvodni.Body);
        ASSERT_EQ(nic.zpravy.size(), 1u) << obsah;
        EXPECT_EQ(nic.zpravy[0].druh, DruhZpravy::Varovani);
        EXPECT_TRUE(nic.zpravy[0].text.ends_with("z.txt“: " + nacteno + "; jiný typ souboru?")) << nic.zpravy[0].text;
    }
    // The message names the file as it was given.
    test::ZaznamZprav nic;
    EXPECT_FALSE(ImportovatBajty(stav, "Číslo bodu Y X Z Kód\r\n", nic));
    EXPECT_TRUE(nic.zpravy[0].text.starts_with("Soubor „" + Cesta()));
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
    // A heading written in UTF-8 ("Ř" is C5 98) and a point whose code holds an undefined byte:
    // the byte 0x98 alone is no UTF-8, so the file is code page 1250.
    TStav stav;
    test::ZaznamZprav zpravy;
    ImportovatBajty(stav, "; ZAM\xC4\x9A\xC5\x98" "EN\xC3\x8D\r\n1 1 2 3 s1\r\n2 1 2 3 \x98\r\n3 4 5 6 s2\r\n", zpravy);
    ASSERT_EQ(stav.SeznamSouradnic.PocetZamerenychBodu(), 2);
    EXPECT_EQ(stav.SeznamSouradnic.Body[1].Kod, "s1");
    EXPECT_EQ(stav.SeznamSouradnic.Body[2].CisloBodu, "3");
    ASSERT_EQ(zpravy.zpravy.size(), 1u);
    EXPECT_EQ(zpravy.zpravy[0].druh, DruhZpravy::Varovani);
    EXPECT_TRUE(zpravy.zpravy[0].text.ends_with(
        "z.txt“: načteny 2 body z 4 řádků; vynechané řádky s bajtem, který v kódové stránce 1250 neoznačuje žádný "
        "znak: 1, 3."))
        << zpravy.zpravy[0].text;
}

TEST(Importovat, AUtf8FileIsReadAsUtf8WithAnInformation)
{
    // With a byte order mark, and without one but with characters of several bytes; a character
    // code page 1250 lacks leaves its line out, naming it.
    for (const std::string bom : {"\xEF\xBB\xBF", ""}) {
        TStav stav;
        test::ZaznamZprav zpravy;
        ASSERT_TRUE(ImportovatBajty(stav,
                                    bom + "Číslo Y X Z Kód\r\n1 745000.10 1040000.20 245.30 ř1\n"
                                          "2 745010 1040010 245 日\r\n3 745020 1040020 245 s2",
                                    zpravy));
        ASSERT_EQ(stav.SeznamSouradnic.PocetZamerenychBodu(), 2);
        EXPECT_EQ(stav.SeznamSouradnic.Body[1].Kod, "ř1");
        EXPECT_EQ(stav.SeznamSouradnic.Body[2].CisloBodu, "3");
        ASSERT_EQ(zpravy.zpravy.size(), 2u);
        EXPECT_EQ(zpravy.zpravy[0].druh, DruhZpravy::Informace);
        EXPECT_TRUE(zpravy.zpravy[0].text.ends_with("z.txt“ je v kódování UTF-8; uloží se ve Windows-1250."));
        EXPECT_TRUE(zpravy.zpravy[1].text.ends_with(
            "z.txt“: načteny 2 body z 4 řádků; vynechané řádky bez dvou číselných souřadnic: 1; vynechané řádky se "
            "znakem, který kódová stránka 1250 nemá: 3 („日“)."))
            << zpravy.zpravy[1].text;
    }
    // Broken UTF-8 after the first 64 KB leaves its line out too.
    TStav stav;
    test::ZaznamZprav zpravy;
    std::string obsah = "1 1 2 3 ř\n";
    while (obsah.size() < 70'000)
        obsah += "        \n";
    ImportovatBajty(stav, obsah + "2 1 2 3 \xF8\n", zpravy);
    ASSERT_EQ(zpravy.zpravy.size(), 2u);
    EXPECT_TRUE(zpravy.zpravy[1].text.ends_with(
        "z.txt“: načten 1 bod z 7779 řádků; vynechané řádky s textem, který není v kódování UTF-8: 7779."))
        << zpravy.zpravy[1].text;
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
