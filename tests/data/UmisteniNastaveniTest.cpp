#include "data/UmisteniNastaveni.h"

#include "TestPomoc.h"

#include <gtest/gtest.h>

using namespace lineon;

TEST(UmisteniNastaveni, TheWorkingDirectoryWinsWhenItHoldsTheFile)
{
    test::DocasnyAdresar pracovni;
    test::DocasnyAdresar program;
    EXPECT_EQ(SouborNastaveniBehu(pracovni.Cesta(), program.Cesta()), program / "$nastav");
    test::ZapsatBajty(pracovni / "$nastav", "200\r\n");
    EXPECT_EQ(SouborNastaveniBehu(pracovni.Cesta(), program.Cesta()), pracovni / "$nastav");
}
