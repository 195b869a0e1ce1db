#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
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
    for (std::size_t n = 0; n < 8; ++n)
        EXPECT_EQ(test::TextChyby([&] { soubor::ZapsatText(cil, "novy obsah\n", test::PlnyDisk(n)); }),
                  "Soubor „" + cil + "“ nelze zapsat: na disku není místo.");
    EXPECT_EQ(test::TextChyby([&] {
                  soubor::ZapsatText(cil, "novy obsah\n", test::PorouchanyDisk(test::PorouchanyDisk::Druh::Vytvoreni, 0));
              }),
              "Soubor „" + cil + "“ nelze vytvořit: přístup odepřen.");
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
            zapis.Text(std::string_view(text).substr(od, konec - od));
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

namespace {

/// The lines `CteniRadku` gives: their texts, or "!" and the description of what is wrong.
std::vector<std::string> Radky(const std::string& cesta, soubor::CteniRadku::Kodovani kodovani,
                               bool* utf8 = nullptr)
{
    soubor::CteniRadku cteni(cesta, kodovani);
    if (utf8)
        *utf8 = cteni.Utf8();
    std::vector<std::string> radky;
    soubor::TRadekSouboru radek;
    while (cteni.Dalsi(radek))
        radky.push_back(radek.Vada ? "!" + radek.Vada->Popis() : radek.Text);
    return radky;
}

} // namespace

TEST(CteniRadku, TheOptionsFileIsUtf8WithOrWithoutAByteOrderMark)
{
    using K = soubor::CteniRadku::Kodovani;
    test::DocasnyAdresar adr;
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        test::ZapsatBajty(adr / "volby.txt", bom + "# volby\r\nmatField=PVC ř\r\nzakEdit=北\nb=\xF8\n");
        EXPECT_EQ(Radky(adr / "volby.txt", K::Utf8),
                  (std::vector<std::string>{"# volby", "matField=PVC ř", "zakEdit=北", "!text není v kódování UTF-8."}));
    }
}

TEST(CteniRadku, AFileIsUtf8WhenItStartsSoElseCodePage1250)
{
    using K = soubor::CteniRadku::Kodovani;
    test::DocasnyAdresar adr;
    const auto radky = [&](const std::string& bajty, bool ocekavanoUtf8) {
        test::ZapsatBajty(adr / "f.txt", bajty);
        bool utf8 = false;
        auto vysledek = Radky(adr / "f.txt", K::Zjistit, &utf8);
        EXPECT_EQ(utf8, ocekavanoUtf8) << bajty.substr(0, 40);
        return vysledek;
    };
    // "Šachta" in UTF-8 would read "Ĺ achta" in code page 1250; a byte order mark alone says UTF-8.
    EXPECT_EQ(radky("\xC5\xA0" "achta ř\n", true), (std::vector<std::string>{"Šachta ř"}));
    EXPECT_EQ(radky("\xEF\xBB\xBF" "200\r\n", true), (std::vector<std::string>{"200"}));
    EXPECT_EQ(radky("\x8A" "achta \xF8\r\n", false), (std::vector<std::string>{"Šachta ř"}));
    EXPECT_EQ(radky("ascii\n", false), (std::vector<std::string>{"ascii"}));
    // A character that code page 1250 lacks cannot be written back, and names itself.
    EXPECT_EQ(radky("ř\n日本\n", true),
              (std::vector<std::string>{"ř", "!znak „日“ kódová stránka 1250 nemá."}));
    // A character of several bytes cut by the end of the first 64 KB still counts as whole.
    const std::string zacatek = "ř" + std::string(65532, 'a') + "\n";
    EXPECT_EQ(radky(zacatek + "ř\n", true).back(), "ř");
    EXPECT_EQ(radky(zacatek + "\xC5\n", true).back(), "!text není v kódování UTF-8.");
    // Without a whole character of several bytes in the first 64 KB the file is code page 1250.
    EXPECT_EQ(radky(std::string(65534, 'a') + "\nř\n", false).back(), "Ĺ™");
}

TEST(CteniRadku, ALineLongerThanAnyFormatUsesIsCutAndMarked)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "f.txt", std::string(soubor::NejdelsiRadek, 'a') + "\r\n" + std::string(200'000, 'b')
                                         + "\r\nc");
    soubor::CteniRadku cteni(adr / "f.txt");
    soubor::TRadekSouboru radek;
    ASSERT_TRUE(cteni.Dalsi(radek));
    EXPECT_EQ(radek.Text.size(), soubor::NejdelsiRadek);
    EXPECT_FALSE(radek.Zkracen);
    ASSERT_TRUE(cteni.Dalsi(radek));
    EXPECT_EQ(radek.Text, std::string(soubor::NejdelsiRadek, 'b'));
    EXPECT_TRUE(radek.Zkracen);
    EXPECT_EQ(radek.Cislo, 2u);
    cteni.PreskocitZbytek();
    EXPECT_EQ(cteni.PocetRadku(), 3u);
    EXPECT_EQ(test::TextChyby([&] { soubor::PrecistRadky(adr / "f.txt"); }),
              "Soubor „" + adr / "f.txt" + "“, řádek 2: řádek je delší než 65 536 bajtů.");
}

TEST(CteniRadku, OnlyRegularFilesAreOpened)
{
    test::DocasnyAdresar adr;
    ASSERT_EQ(::mkfifo((adr / "fifo").c_str(), 0600), 0);
    for (const std::string& cesta : {adr / "fifo", std::string("/dev/zero"), adr.Cesta()})
        EXPECT_EQ(test::TextChyby([&] { soubor::CteniRadku cteni(cesta); }),
                  "Soubor „" + cesta + "“ není obyčejný soubor.");
}

TEST(Soubor, SavingThroughALinkReplacesTheFileItPointsTo)
{
    test::DocasnyAdresar adr;
    std::filesystem::create_directory(adr / "skutecny");
    soubor::ZapsatText(adr / "skutecny/p.csv", "stary\n");
    // A relative link, and a link to that link.
    std::filesystem::create_symlink("skutecny/p.csv", adr / "odkaz.csv");
    std::filesystem::create_symlink(adr / "odkaz.csv", adr / "odkaz2.csv");
    soubor::ZapsatText(adr / "odkaz2.csv", "novy\n");
    EXPECT_TRUE(std::filesystem::is_symlink(adr / "odkaz.csv"));
    EXPECT_TRUE(std::filesystem::is_symlink(adr / "odkaz2.csv"));
    EXPECT_EQ(test::PrecistBajty(adr / "skutecny/p.csv"), "novy\r\n");
    // The temporary file lay beside the target and is gone.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(adr / "skutecny"), {}), 1);
    // A link to a file not yet there creates it; a failed save keeps the previous one.
    std::filesystem::create_symlink("skutecny/novy.csv", adr / "novy.csv");
    soubor::ZapsatText(adr / "novy.csv", "a\n");
    EXPECT_EQ(test::PrecistBajty(adr / "skutecny/novy.csv"), "a\r\n");
    EXPECT_THROW(soubor::ZapsatText(adr / "odkaz.csv", "jiny\n", test::PlnyDisk(2)), Chyba);
    EXPECT_EQ(test::PrecistBajty(adr / "skutecny/p.csv"), "novy\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(adr / "skutecny"), {}), 2);
}

TEST(ZapisTextu, ASecondDokoncitLeavesTheFileJustWritten)
{
    test::DocasnyAdresar adr;
    soubor::ZapisTextu zapis(adr / "p.csv");
    zapis.Radek("Šachta");
    zapis.Dokoncit();
    zapis.Dokoncit();
    EXPECT_EQ(test::PrecistBajty(adr / "p.csv"), "\x8A" "achta\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(adr.Cesta()), std::filesystem::directory_iterator()), 1);
}

TEST(CteniRadku, BytesInMemoryReadAsTheSameBytesInAFile)
{
    test::DocasnyAdresar adr;
    using K = soubor::CteniRadku::Kodovani;
    for (const std::string& bajty : {std::string("\xEF\xBB\xBF" "a\r\n\xC5\xA0\n"), std::string("\x8A" "a\r\nb\x98\r\nc"),
                                    std::string(70000, 'x') + "\n\xC3\xA9\n", std::string()}) {
        test::ZapsatBajty(adr / "f.txt", bajty);
        for (const K kodovani : {K::Zjistit, K::Utf8}) {
            bool utf8Souboru = false;
            const auto zeSouboru = Radky(adr / "f.txt", kodovani, &utf8Souboru);
            soubor::CteniRadku cteni(bajty, "f.txt", kodovani);
            std::vector<std::string> zPameti;
            soubor::TRadekSouboru radek;
            while (cteni.Dalsi(radek))
                zPameti.push_back(radek.Vada ? "!" + radek.Vada->Popis() : radek.Text);
            EXPECT_EQ(zPameti, zeSouboru);
            EXPECT_EQ(cteni.Utf8(), utf8Souboru);
            EXPECT_EQ(cteni.Cesta(), "f.txt");
        }
    }
}
