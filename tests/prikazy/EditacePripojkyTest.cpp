#include "prikazy/EditacePripojky.h"

#include <gtest/gtest.h>

using namespace lineon;

TEST(EditacePripojky, EachModeDerivesTheThirdValue)
{
    const TUrovneDS zDna = Prepocitat({0, 245.30, 1.20}, ZpusobEditaceVysky::ZDnaVyska);
    EXPECT_NEAR(zDna.ZPoklopu, 246.50, 1e-9);
    const TUrovneDS zPoklopu = Prepocitat({246.50, 0, 1.50}, ZpusobEditaceVysky::ZPoklopuVyska);
    EXPECT_NEAR(zPoklopu.ZDna, 245.00, 1e-9);
    const TUrovneDS vsechny = Prepocitat({246.50, 247.00, 9}, ZpusobEditaceVysky::VsechnyZ);
    EXPECT_NEAR(vsechny.Vyska, -0.50, 1e-9) << "a bottom above the cover gives a negative height";
}

TEST(EditacePripojky, OnlyTheDerivedFieldIsDisabled)
{
    EXPECT_FALSE(PovolenaPoleDS(ZpusobEditaceVysky::VsechnyZ).Vyska);
    EXPECT_FALSE(PovolenaPoleDS(ZpusobEditaceVysky::ZDnaVyska).ZPoklopu);
    EXPECT_FALSE(PovolenaPoleDS(ZpusobEditaceVysky::ZPoklopuVyska).ZDna);
    EXPECT_TRUE(PovolenaPoleDS(ZpusobEditaceVysky::ZPoklopuVyska).Vyska);
}

TEST(EditacePripojky, OkStoresTrimmedTextsAndMarksAChange)
{
    TStav stav;
    stav.Projekt.Pripojky.Pridat({.Typ = "p", .ZPoklopuDS = 246, .ZDnaDS = 244.8, .Poradi = 4});
    TPolePripojky pole = NacistPolePripojky(stav.Projekt.Pripojky[1]);
    EXPECT_NEAR(pole.Urovne.Vyska, 1.2, 1e-9);
    EXPECT_FALSE(UlozitPolePripojky(stav, 1, pole));
    EXPECT_FALSE(stav.Projekt.Zmeneno);
    pole.Typ = "  ka ";
    pole.OznaceniDS = " DŘ 1";
    pole.Urovne = Prepocitat({0, 245.3, 1.2}, ZpusobEditaceVysky::ZDnaVyska);
    EXPECT_TRUE(UlozitPolePripojky(stav, 1, pole));
    const TPripojka& p = stav.Projekt.Pripojky[1];
    EXPECT_EQ(p.Typ, "ka");
    EXPECT_EQ(p.OznaceniDS, "DŘ 1");
    EXPECT_NEAR(p.ZPoklopuDS, 246.5, 1e-9);
    EXPECT_EQ(p.Poradi, 4);
    EXPECT_TRUE(stav.Projekt.Zmeneno);
}
