#include "TestPomoc.h"
#include "data/Chyba.h"
#include "data/Soubor.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace lineon;

TEST(Soubor, WritesCodePage1250WithCrLf)
{
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "a.txt", "Šachta ř\n\nkonec\n");
    EXPECT_EQ(test::PrecistBajty(adr / "a.txt"), "\x8A" "achta \xF8\r\n\r\nkonec\r\n");
    EXPECT_EQ(soubor::PrecistRadky(adr / "a.txt"), (std::vector<std::string>{"Šachta ř", "", "konec"}));
}

TEST(Soubor, ReadsLfAloneAndALastLineWithoutEnd)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "b.txt", "a\nb\r\nc");
    EXPECT_EQ(soubor::PrecistRadky(adr / "b.txt"), (std::vector<std::string>{"a", "b", "c"}));
    test::ZapsatBajty(adr / "prazdny.txt", "");
    EXPECT_TRUE(soubor::PrecistRadky(adr / "prazdny.txt").empty());
}

TEST(Soubor, ReadErrorsNameTheFileAndTheLine)
{
    test::DocasnyAdresar adr;
    try {
        soubor::PrecistRadky(adr / "chybi.csv");
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_EQ(std::string(chyba.what()), "Soubor „" + adr / "chybi.csv" + "“ nelze otevřít: soubor nebo adresář neexistuje.");
    }
    EXPECT_THROW(soubor::PrecistRadky(adr.Cesta()), Chyba);
    test::ZapsatBajty(adr / "c.txt", "ok\nx\x98y\n");
    try {
        soubor::PrecistRadky(adr / "c.txt");
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_NE(std::string(chyba.what()).find("řádek 2: bajt 0x98"), std::string::npos);
    }
}

TEST(Soubor, AFailedWriteKeepsThePreviousFileAndLeavesNoTemporary)
{
    test::DocasnyAdresar adr;
    const std::string cil = adr / "p.csv";
    soubor::ZapsatText(cil, "stary\n");
    for (std::size_t n = 0; n < 8; ++n) {
        soubor::ZkusebniPorucha porucha({soubor::Porucha::Druh::Zapis, n});
        EXPECT_THROW(soubor::ZapsatText(cil, "novy obsah\n"), Chyba);
    }
    {
        soubor::ZkusebniPorucha porucha({soubor::Porucha::Druh::Otevreni, 0});
        EXPECT_THROW(soubor::ZapsatText(cil, "novy obsah\n"), Chyba);
    }
    EXPECT_EQ(test::PrecistBajty(cil), "stary\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(adr.Cesta()), {}), 1);
}

TEST(Soubor, UnwritableTargetsAreReported)
{
    test::DocasnyAdresar adr;
    EXPECT_THROW(soubor::ZapsatText(adr / "neni/p.csv", "x\n"), Chyba);
    EXPECT_THROW(soubor::ZapsatText(adr.Cesta(), "x\n"), Chyba);
    EXPECT_THROW(soubor::ZapsatText(adr / "p.csv", "北\n"), Chyba);
    EXPECT_FALSE(soubor::Existuje(adr / "p.csv"));
    if (::geteuid() != 0) {
        std::filesystem::permissions(adr.Cesta(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_THROW(soubor::ZapsatText(adr / "p.csv", "x\n"), Chyba);
    }
}

TEST(Soubor, ReadsUtf8FilesAndReportsBrokenUtf8ByLine)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "volby.txt", "matField=PVC ř\r\nzakEdit=北\n");
    EXPECT_EQ(soubor::PrecistRadkyUtf8(adr / "volby.txt"), (std::vector<std::string>{"matField=PVC ř", "zakEdit=北"}));
    test::ZapsatBajty(adr / "spatne.txt", "a=1\nb=\xF8\n");
    try {
        soubor::PrecistRadkyUtf8(adr / "spatne.txt");
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_EQ(std::string(chyba.what()), "Soubor „" + adr / "spatne.txt" + "“, řádek 2: text není v kódování UTF-8.");
    }
}
