#include "ProfilPomoc.h"
#include "TestPomoc.h"

#include "profile/VyskaNahledu.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

/// A sewer of two manholes 110 m apart; 110 m are 550 mm of paper at 1:200.
std::unique_ptr<TStav> Linie110m()
{
    return VypoctenaLinie({SachtaNaLinii("Ř1", 0, 242.00, 244.00), SachtaNaLinii("Ř2", 110, 243.00, 245.50)});
}

} // namespace

TEST(UmisteniProfilu, TheBaseIsTheChordsMiddleMovedByDxAndDyRoundedToEven)
{
    // The middle of the chord lies at Y0 + 1.5 and X0 + 10.5: halves go to the even neighbour.
    auto stav = VypoctenaLinie({Sachta("Ř1", 0, 0, 242.00, 244.00), Sachta("Ř2", 3, 21, 243.00, 245.50)});
    stav->Vystupy.RadioButton1 = true;
    stav->Vystupy.RadioButton2 = false;
    stav->Nastaveni.Dx = 500;
    stav->Nastaveni.Dy = 100;
    const auto entity = Nakreslit(*stav, "zaklad-stred", 240);
    // The plane line starts at (−BY, −BX).
    const auto rovina = Vyber(entity, "LINE", "ROVINA");
    ASSERT_FALSE(rovina.empty());
    EXPECT_EQ(rovina[0].Hodnota("10"), "-744102.000");
    EXPECT_EQ(rovina[0].Hodnota("20"), "-1043510.000");

    stav->Vystupy.RadioButton1 = false;
    stav->Vystupy.RadioButton2 = true;
    stav->Nastaveni.UmisteniX = 5000;
    stav->Nastaveni.UmisteniY = 1000;
    const auto vlastni = Vyber(Nakreslit(*stav, "zaklad-vlastni", 240), "LINE", "ROVINA");
    ASSERT_FALSE(vlastni.empty());
    EXPECT_EQ(vlastni[0].Hodnota("10"), "-1000.000");
    EXPECT_EQ(vlastni[0].Hodnota("20"), "-5000.000");
}

TEST(UmisteniProfilu, LevelsAreExaggeratedAndPaperMillimetresScaled)
{
    // At 1:200 / 1:100 a level 1 m above the plane lies 10 mm of paper, 2 drawing units, above the
    // plane line; 14 mm of paper are 2.8 units.
    auto stav = VypoctenaLinie({SachtaNaLinii("1", 0, 0, 241.00), SachtaNaLinii("2", 10, 0, 242.50)}, {}, 3);
    const auto entity = Nakreslit(*stav, "meritka", 240);
    EXPECT_EQ(Cary(entity, "TEREN"), (std::vector<std::string>{"0.000,2.000 10.000,5.000"}));
    const auto cary = Cary(entity, "CARY");
    EXPECT_NE(std::find(cary.begin(), cary.end(), "0.000,-2.800 10.000,-2.800"), cary.end());
}

TEST(UmisteniProfilu, TheFrameHasFoldMarksEveryA4WidthFromItsRightEdge)
{
    auto stav = Linie110m();
    stav->Vystupy.tabcheck = true;
    const auto entity = Nakreslit(*stav, "ram-110m", 240);
    const auto cary = Cary(entity, "CARY");
    ASSERT_GE(cary.size(), 12u);
    const std::vector<std::string> ram(cary.begin(), cary.begin() + 12);
    EXPECT_EQ(ram, (std::vector<std::string>{
                       // outer: −81 mm .. end + 235 mm, −42 mm .. 255 mm
                       "-16.200,-8.400 157.000,-8.400", "157.000,-8.400 157.000,51.000",
                       "157.000,51.000 -16.200,51.000", "-16.200,51.000 -16.200,-8.400",
                       // inner: −76 mm .. end + 230 mm, −37 mm .. 250 mm
                       "-15.200,-7.400 156.000,-7.400", "156.000,-7.400 156.000,50.000",
                       "156.000,50.000 -15.200,50.000", "-15.200,50.000 -15.200,-7.400",
                       // fold marks at 575, 365, 155 and −55 mm
                       "115.000,-7.400 115.000,-8.400", "73.000,-7.400 73.000,-8.400",
                       "31.000,-7.400 31.000,-8.400", "-11.000,-7.400 -11.000,-8.400"}));
    const auto texty = Texty(entity, "POPIS_TABULKY");
    EXPECT_NE(std::find(texty.begin(), texty.end(), "5xA4 152.500,-5.050"), texty.end());
}

TEST(UmisteniProfilu, WithoutTheInnerFrameTheTitleBlockStillCountsTheSheet)
{
    auto stav = Linie110m();
    stav->Vystupy.ramcheck = false;
    stav->Vystupy.tabcheck = true;
    const auto entity = Nakreslit(*stav, "bez-ramu", 240);
    const auto cary = Cary(entity, "CARY");
    ASSERT_GE(cary.size(), 5u);
    EXPECT_EQ(cary[3], "-16.200,51.000 -16.200,-8.400");
    EXPECT_EQ(cary[4], "118.000,-6.400 155.000,-6.400") << "the title block follows the outer frame";
    const auto texty = Texty(entity, "POPIS_TABULKY");
    EXPECT_NE(std::find(texty.begin(), texty.end(), "5xA4 152.500,-5.050"), texty.end());
}

TEST(UmisteniProfilu, TheExtentsAreTheInnerFrameWidenedByTenUnits)
{
    auto stav = Linie110m();
    Nakreslit(*stav, "rozsah", 240);
    EXPECT_EQ(stav->RozsahProfilu, (TRozsahProfilu{.Vlevo = -25.2, .Vpravo = 166, .Dole = -17.4, .Nahore = 60}));
    const std::string text = PrecistBajty(stav->Nastaveni.AdresarProjektu + stav->Vystupy.SouborProfilu);
    EXPECT_NE(text.find(Radky({"9", "$EXTMIN", "10", "-25.200", "20", "-17.400", "9", "$EXTMAX", "10", "166.000",
                               "20", " 60.000"})),
              std::string::npos);
    // The preview window 650 pixels wide: 77.4 × 650 / 191.2 = 263.1 pixels, and 25 for the caption.
    EXPECT_EQ(VyskaNahledu(stav->RozsahProfilu, 650), 288);
}

TEST(UmisteniProfilu, APreviewOfExtentsTwiceAsWideAsHighIsHalfAsHighPlus25)
{
    EXPECT_EQ(VyskaNahledu({.Vlevo = -10, .Vpravo = 190, .Dole = 5, .Nahore = 105}, 650), 350);
}
