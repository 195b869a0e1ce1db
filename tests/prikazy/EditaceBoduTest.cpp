#include "prikazy/EditaceBodu.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

TStav StavSeTremiBody()
{
    TStav stav;
    stav.Projekt.Body[1] = {.Oznaceni = "Š1", .ZDna = 243.006, .ZPoklopu = 245.004, .Prumer = 300};
    stav.Projekt.Body.Pridat({.Oznaceni = "Š2", .ZDna = 250, .ZPoklopu = 252, .ZVtoku = 250.3, .ZOdtoku = 250.1, .Prumer = 300});
    stav.Projekt.Body.Pridat({.Oznaceni = "Š3", .Prumer = 300});
    return stav;
}

} // namespace

TEST(EditaceBodu, HeightsAreDifferencesOfWholeCentimetres)
{
    const TStav stav = StavSeTremiBody();
    EXPECT_DOUBLE_EQ(VyskyProZpusob(stav.Projekt.Body[1], ZpusobEditace::VsechnyZ).p, 1.99);
    const TVyskyBodu hloubky = VyskyProZpusob(stav.Projekt.Body[2], ZpusobEditace::ZPoklopuHloubkaOdPoklopu);
    EXPECT_DOUBLE_EQ(hloubky.p, -2.0);
    EXPECT_NEAR(hloubky.v, -1.7, 1e-9);
    EXPECT_NEAR(hloubky.o, -1.9, 1e-9);
}

TEST(EditaceBodu, ModeOneAddsTheHeightsToTheBottom)
{
    TStav stav = StavSeTremiBody();
    TPoleBodu pole = NacistPoleBodu(stav.Projekt.Body[2], ZpusobEditace::ZDnaVyskyOdDna);
    pole.Zd = 250.00;
    pole.p = 2.50;
    pole.v = 0.10;
    pole.o = 0.00;
    EXPECT_TRUE(UlozitPoleBodu(stav, 2, pole, ZpusobEditace::ZDnaVyskyOdDna));
    const TBod& bod = stav.Projekt.Body[2];
    EXPECT_DOUBLE_EQ(bod.ZPoklopu, 252.50);
    EXPECT_DOUBLE_EQ(bod.ZVtoku, 250.10);
    EXPECT_DOUBLE_EQ(bod.ZOdtoku, 250.00);
    EXPECT_TRUE(stav.Projekt.Zmeneno);
}

TEST(EditaceBodu, ModeThreeMeasuresFromTheCover)
{
    TStav stav = StavSeTremiBody();
    TPoleBodu pole = NacistPoleBodu(stav.Projekt.Body[2], ZpusobEditace::ZPoklopuHloubkaOdPoklopu);
    pole.Zp = 300.00;
    pole.p = -2.40;
    pole.v = -2.30;
    pole.o = -2.40;
    UlozitPoleBodu(stav, 2, pole, ZpusobEditace::ZPoklopuHloubkaOdPoklopu);
    const TBod& bod = stav.Projekt.Body[2];
    EXPECT_DOUBLE_EQ(bod.ZPoklopu, 300.00);
    EXPECT_NEAR(bod.ZDna, 297.60, 1e-9);
    EXPECT_NEAR(bod.ZVtoku, 297.70, 1e-9);
    EXPECT_NEAR(bod.ZOdtoku, 297.60, 1e-9);
}

TEST(EditaceBodu, ModeTwoKeepsInletAndOutletAtTheirRoundedDistanceFromTheBottom)
{
    TStav stav = StavSeTremiBody();
    stav.Projekt.Body[2].ZVtoku = 250.304;
    TPoleBodu pole = NacistPoleBodu(stav.Projekt.Body[2], ZpusobEditace::ZPoklopuVyskyOdDna);
    pole.Zp = 253;
    UlozitPoleBodu(stav, 2, pole, ZpusobEditace::ZPoklopuVyskyOdDna);
    const TBod& bod = stav.Projekt.Body[2];
    EXPECT_DOUBLE_EQ(bod.ZDna, 251);
    EXPECT_NEAR(bod.ZVtoku, 251.30, 1e-9);
    EXPECT_NEAR(bod.ZOdtoku, 251.10, 1e-9);
}

TEST(EditaceBodu, OkWithoutChangesInModeZeroLeavesTheRowAndTheFlag)
{
    TStav stav = StavSeTremiBody();
    const TBod puvodni = stav.Projekt.Body[1];
    EXPECT_FALSE(UlozitPoleBodu(stav, 1, NacistPoleBodu(puvodni, ZpusobEditace::VsechnyZ), ZpusobEditace::VsechnyZ));
    EXPECT_EQ(stav.Projekt.Body[1], puvodni);
    EXPECT_FALSE(stav.Projekt.Zmeneno);
}

TEST(EditaceBodu, TheLastRowAndARoadAxisKeepTheirDiameter)
{
    TStav stav = StavSeTremiBody();
    TPoleBodu pole = NacistPoleBodu(stav.Projekt.Body[3], ZpusobEditace::VsechnyZ);
    pole.Prumer = 500;
    UlozitPoleBodu(stav, 3, pole, ZpusobEditace::VsechnyZ);
    EXPECT_EQ(stav.Projekt.Body[3].Prumer, 300);
    stav.Nastaveni.DruhSite = TDruhSite::OsaKomunikace;
    pole = NacistPoleBodu(stav.Projekt.Body[2], ZpusobEditace::VsechnyZ);
    pole.Prumer = 500;
    UlozitPoleBodu(stav, 2, pole, ZpusobEditace::VsechnyZ);
    EXPECT_EQ(stav.Projekt.Body[2].Prumer, 300);
}

TEST(EditaceBodu, ARoadAxisStoresItsLevelAbsolutelyWhateverTheMode)
{
    TStav stav = StavSeTremiBody();
    stav.Nastaveni.DruhSite = TDruhSite::OsaKomunikace;
    TPoleBodu pole = NacistPoleBodu(stav.Projekt.Body[2], ZpusobEditace::ZDnaVyskyOdDna);
    pole.Zp = 260.5;
    UlozitPoleBodu(stav, 2, pole, ZpusobEditace::ZDnaVyskyOdDna);
    EXPECT_DOUBLE_EQ(stav.Projekt.Body[2].ZPoklopu, 260.5);
    EXPECT_DOUBLE_EQ(stav.Projekt.Body[2].ZDna, 250);
}

TEST(EditaceBodu, ALongLabelIsCutToTwelveCharacters)
{
    TStav stav = StavSeTremiBody();
    TPoleBodu pole = NacistPoleBodu(stav.Projekt.Body[1], ZpusobEditace::VsechnyZ);
    pole.Oznaceni = "řřřřřřřřřřřřůů";
    UlozitPoleBodu(stav, 1, pole, ZpusobEditace::VsechnyZ);
    EXPECT_EQ(stav.Projekt.Body[1].Oznaceni, "řřřřřřřřřřřř");
}

TEST(EditaceBodu, EnablingAndFocusFollowTheMode)
{
    using enum ZpusobEditace;
    EXPECT_TRUE(PovolenoPole(PoleBodu::ZvField, VsechnyZ));
    EXPECT_FALSE(PovolenoPole(PoleBodu::pField, VsechnyZ));
    EXPECT_TRUE(PovolenoPole(PoleBodu::ZdField, ZDnaVyskyOdDna));
    EXPECT_FALSE(PovolenoPole(PoleBodu::ZpField, ZDnaVyskyOdDna));
    EXPECT_FALSE(PovolenoPole(PoleBodu::ZdField, ZPoklopuVyskyOdDna));
    EXPECT_TRUE(PovolenoPole(PoleBodu::ZpField, ZPoklopuHloubkaOdPoklopu));
    EXPECT_TRUE(PovolenoPole(PoleBodu::oField, ZPoklopuHloubkaOdPoklopu));
    EXPECT_FALSE(PovolenoPole(PoleBodu::ZoField, ZPoklopuHloubkaOdPoklopu));

    EXPECT_EQ(PoleProSloupec(4, ZPoklopuVyskyOdDna), PoleBodu::pField);
    EXPECT_EQ(PoleProSloupec(5, ZDnaVyskyOdDna), PoleBodu::pField);
    EXPECT_EQ(PoleProSloupec(6, ZDnaVyskyOdDna), PoleBodu::vField);
    EXPECT_EQ(PoleProSloupec(7, VsechnyZ), PoleBodu::ZoField);
    EXPECT_EQ(PoleProSloupec(5, ZPoklopuHloubkaOdPoklopu), std::nullopt);
    EXPECT_EQ(PoleProSloupec(2, ZPoklopuHloubkaOdPoklopu), PoleBodu::YField);
    EXPECT_EQ(PoleProSloupec(8, VsechnyZ), PoleBodu::PpField);
    EXPECT_EQ(PoleProSloupec(0, VsechnyZ), std::nullopt);
}
