#include "data/Bod.h"
#include "zaklad/Chyba.h"
#include "data/Pripojka.h"
#include "data/Projekt.h"

#include <gtest/gtest.h>

using namespace lineon;

TEST(Tabulka, AFreshProjectHoldsOneEmptyPointRow)
{
    TProjekt projekt;
    EXPECT_EQ(projekt.PocetBodu(), 1);
    EXPECT_EQ(projekt.PocetPripojek(), 0);
    EXPECT_EQ(projekt.Body[1], TBod{});
    EXPECT_FALSE(projekt.Body[1].Dno);
}

TEST(Tabulka, GapsMoveEveryFieldOfTheRows)
{
    Tabulka<TPripojka> t("Tabulka přípojek");
    for (int i = 1; i <= 3; ++i)
        t.Pridat(TPripojka{.Typ = "p", .Poradi = i});
    t.ZavritMezeru(2);
    ASSERT_EQ(t.Pocet(), 2);
    EXPECT_EQ(t[2].Poradi, 3);
    t.OtevritMezeru(1, TPripojka{.Typ = "n"});
    EXPECT_EQ(t.Pocet(), 3);
    EXPECT_EQ(t[1].Typ, "n");
    EXPECT_EQ(t[2].Poradi, 1);
    t.OtevritMezeru(4);
    EXPECT_EQ(t.Pocet(), 4);
}

TEST(Tabulka, TheCapacityIsRefusedWithAMessageAndNothingChanges)
{
    Tabulka<TBod> t("Tabulka bodů");
    for (int i = 1; i <= 5000; ++i)
        t.Pridat(TBod{.Prumer = i});
    EXPECT_TRUE(t.Plna());
    try {
        t.Pridat();
        FAIL();
    } catch (const Chyba& chyba) {
        EXPECT_EQ(std::string(chyba.what()), "Tabulka bodů může mít nejvýše 5000 řádků; další řádek nelze přidat.");
    }
    EXPECT_THROW(t.OtevritMezeru(1), Chyba);
    EXPECT_EQ(t.Pocet(), 5000);
    EXPECT_EQ(t[1].Prumer, 1);
    EXPECT_EQ(t[5000].Prumer, 5000);
    EXPECT_THROW(t.NastavitPocet(5001), Chyba);
}

TEST(Tabulka, ClosingTheGapOfTheOnlyRowLeavesAnEmptyTable)
{
    Tabulka<TBod> t("Tabulka bodů");
    t.ZavritMezeru(1);
    EXPECT_EQ(t.Pocet(), 0);
    t.Pridat();
    t.ZavritMezeru(1);
    t.ZavritMezeru(1);
    EXPECT_EQ(t.Pocet(), 0);
}

TEST(Tabulka, ClosingAGapOutsideTheRowsChangesNothing)
{
    Tabulka<TBod> t("Tabulka bodů");
    t.Pridat(TBod{.Oznaceni = "ř1"});
    t.Pridat(TBod{.Oznaceni = "ř2"});
    t.ZavritMezeru(3);
    t.ZavritMezeru(0);
    t.ZavritMezeru(-1);
    ASSERT_EQ(t.Pocet(), 2);
    EXPECT_EQ(t[2].Oznaceni, "ř2");
    t.ZavritMezeru(1);
    ASSERT_EQ(t.Pocet(), 1);
    EXPECT_EQ(t[1].Oznaceni, "ř2");
}

TEST(Radky, PredicatesOfData)
{
    EXPECT_FALSE(DrziData(TBod{.Prumer = 300, .Dno = true}));
    EXPECT_TRUE(DrziData(TBod{.Oznaceni = "Š1"}));
    EXPECT_TRUE(DrziData(TBod{.ZOdtoku = 0.01}));
    EXPECT_FALSE(MaHodnoty(TBod{.Oznaceni = "Š1"}));
    EXPECT_FALSE(DrziData(TPripojka{.Poradi = 4}));
    EXPECT_TRUE(DrziData(TPripojka{.OznaceniDS = "DŠ1"}));
    EXPECT_TRUE(DrziData(TPripojka{.ZDnaDS = -1}));
}

TEST(Radky, HeightsAreDifferencesOfWholeCentimetres)
{
    const TBod bod{.ZDna = 243.006, .ZPoklopu = 245.004, .ZVtoku = 243.105, .ZOdtoku = 243.0};
    EXPECT_DOUBLE_EQ(VyskaPoklopu(bod), 1.99);
    EXPECT_DOUBLE_EQ(VyskaVtoku(bod), 0.09);
    EXPECT_DOUBLE_EQ(VyskaOdtoku(bod), -0.01);
}
