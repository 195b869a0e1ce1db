#include "dxf/DxfZapis.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

using namespace lineon;

TEST(DxfZapis, PadsCodesToThreeCharactersOrWritesThemBare)
{
    soubor::PametovyVystup vystup;
    DxfZapis zapis(vystup);
    zapis.Skupina(0, "SECTION");
    zapis.Skupina(70, "     3");
    zapis.Skupina(210, "0.0");
    zapis.HolaSkupina(0, "LINE");
    zapis.HolaSkupina(10, " -1.500");
    zapis.DxfRadek("Kř1");
    zapis.Dokoncit();
    EXPECT_EQ(vystup.Bajty(), "  0\r\nSECTION\r\n 70\r\n     3\r\n210\r\n0.0\r\n0\r\nLINE\r\n10\r\n -1.500\r\nK\xF8"
                              "1\r\n");
}

TEST(DxfZapis, WritesEmptyValuesAsEmptyLines)
{
    soubor::PametovyVystup vystup;
    DxfZapis zapis(vystup);
    zapis.HolaSkupina(1, "");
    zapis.Dokoncit();
    EXPECT_EQ(vystup.Bajty(), "1\r\n\r\n");
}

TEST(DxfZapis, ALineBreakInsideAValueBecomesABlankSoEveryPairStaysTwoLines)
{
    // Both ways of the output: a value of ASCII alone, and one with characters beyond it.
    soubor::PametovyVystup vystup;
    DxfZapis zapis(vystup);
    zapis.HolaSkupina(1, "R1\rS\n2");
    zapis.HolaSkupina(1, "Ř1\rŠ\n2");
    zapis.HolaSkupina(0, "EOF");
    zapis.Dokoncit();
    EXPECT_EQ(vystup.Bajty(), "1\r\nR1 S 2\r\n1\r\n\xD8"
                              "1 \x8A 2\r\n0\r\nEOF\r\n");
}

TEST(DxfZapis, KeepsTheOrderOfItemsAcrossItsBatchesAndTheGeneralWay)
{
    // Numbers and short ASCII values are batched; long values, texts beyond ASCII and values with
    // a line break go the general way in between, and the file must read as written.
    soubor::PametovyVystup vystup;
    DxfZapis zapis(vystup);
    std::string ocekavano;
    const std::string dlouha(300, 'x');
    for (int i = 0; i < 3000; ++i) {
        const double x = i * 1.0625 - 700.0;
        zapis.HolaSkupinaF(10, x, 7, 3);
        ocekavano += "10\r\n" + cisla::FormatF(x, 7, 3) + "\r\n";
        zapis.HolaSkupinaE23(40, x);
        ocekavano += "40\r\n" + cisla::FormatE23(x) + "\r\n";
        zapis.HolaSkupina(1071, -i);
        ocekavano += "1071\r\n" + std::to_string(-i) + "\r\n";
        switch (i % 4) {
        case 0:
            zapis.HolaSkupina(1, "Šachta");
            ocekavano += "1\r\n\x8A" "achta\r\n";
            break;
        case 1:
            zapis.Skupina(2, dlouha);
            ocekavano += "  2\r\n" + dlouha + "\r\n";
            break;
        case 2:
            zapis.HolaSkupina(1, "a\nb");
            ocekavano += "1\r\na b\r\n";
            break;
        default:
            zapis.HolaSkupinaF(20, 1e300, 1, 2);
            ocekavano += "20\r\n" + cisla::FormatF(1e300, 1, 2) + "\r\n";
        }
    }
    zapis.Dokoncit();
    EXPECT_EQ(vystup.Bajty(), ocekavano);
}

TEST(DxfZapis, ANumberWrittenAgainIsTheSameOnlyInTheSameForm)
{
    // The writer copies a number it wrote a moment ago; width, decimals, form and sign all count.
    soubor::PametovyVystup vystup;
    DxfZapis zapis(vystup);
    for (int i = 0; i < 2; ++i) {
        zapis.HolaSkupinaF(10, 2.5, 7, 3);
        zapis.HolaSkupinaF(10, 2.5, 1, 3);
        zapis.HolaSkupinaF(10, 2.5, 1, 0);
        zapis.HolaSkupinaE23(40, 2.5);
        zapis.HolaSkupinaF(20, 0.0, 1, 1);
        zapis.HolaSkupinaF(20, -0.0, 1, 1);
    }
    zapis.Dokoncit();
    const std::string jednou = "10\r\n  2.500\r\n10\r\n2.500\r\n10\r\n2\r\n40\r\n 2.50000000000000E+0000\r\n"
                               "20\r\n0.0\r\n20\r\n-0.0\r\n";
    EXPECT_EQ(vystup.Bajty(), jednou + jednou);
}
