#include "TestPomoc.h"
#include "data/Chyba.h"
#include "data/Soubor.h"

#include <algorithm>
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

TEST(Soubor, ALongTextGoesOutInPiecesWithEveryCharacterWhole)
{
    // Several megabytes of short lines with two-byte characters at every offset, written in one
    // piece and in pieces of odd sizes, give the same bytes.
    std::string text, ocekavano;
    for (int i = 0; text.size() < 5'000'000; ++i) {
        const std::string radek = std::string(static_cast<std::size_t>(i % 7), 'a') + "ř" + std::to_string(i);
        text += radek + "\n";
        ocekavano += std::string(static_cast<std::size_t>(i % 7), 'a') + "\xF8" + std::to_string(i) + "\r\n";
    }
    test::DocasnyAdresar adr;
    soubor::ZapsatText(adr / "cely.txt", text);
    EXPECT_TRUE(test::PrecistBajty(adr / "cely.txt") == ocekavano);
    {
        soubor::ZapisTextu zapis(adr / "po_kusech.txt");
        for (std::size_t od = 0; od < text.size(); od += 333'333) {
            std::size_t konec = std::min(text.size(), od + 333'333);
            while (konec < text.size() && (static_cast<unsigned char>(text[konec]) & 0xC0) == 0x80)
                ++konec;
            zapis.Pripsat(std::string_view(text).substr(od, konec - od));
            od = konec - 333'333;
        }
        zapis.Dokoncit();
    }
    EXPECT_TRUE(test::PrecistBajty(adr / "po_kusech.txt") == ocekavano);
}

TEST(Soubor, ACharacterWithoutACodeAfterTheFirstMegabyteKeepsThePreviousFile)
{
    test::DocasnyAdresar adr;
    const std::string cil = adr / "velky.dxf";
    soubor::ZapsatText(cil, "stary\n");
    try {
        soubor::ZapsatText(cil, std::string(3'000'000, 'x') + "\n北\n");
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_EQ(std::string(chyba.what()),
                  "Soubor „" + cil + "“ nelze zapsat: Znak „北“ (U+5317) nelze zapsat v kódové stránce 1250.");
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
