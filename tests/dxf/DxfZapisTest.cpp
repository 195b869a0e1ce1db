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
