#include "dxf/DxfZapis.h"

#include <gtest/gtest.h>

using namespace lineon;

TEST(DxfZapis, PadsCodesToThreeCharactersOrWritesThemBare)
{
    DxfZapis zapis;
    zapis.Skupina(0, "SECTION");
    zapis.Skupina(70, "     3");
    zapis.Skupina(210, "0.0");
    zapis.HolaSkupina(0, "LINE");
    zapis.HolaSkupina(10, " -1.500");
    zapis.DxfRadek("Kř1");
    EXPECT_EQ(zapis.Text(), "  0\nSECTION\n 70\n     3\n210\n0.0\n0\nLINE\n10\n -1.500\nKř1\n");
}

TEST(DxfZapis, WritesEmptyValuesAsEmptyLines)
{
    DxfZapis zapis;
    zapis.HolaSkupina(1, "");
    EXPECT_EQ(zapis.Text(), "1\n\n");
}

TEST(DxfZapis, ALineBreakInsideAValueBecomesABlankSoEveryPairStaysTwoLines)
{
    DxfZapis zapis;
    zapis.HolaSkupina(1, "Ř1\rŠ\n2");
    zapis.HolaSkupina(0, "EOF");
    EXPECT_EQ(zapis.Text(), "1\nŘ1 Š 2\n0\nEOF\n");
}
