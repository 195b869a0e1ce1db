#include "dxf/VrstvyProfilu.h"
#include "profile/NahledProfilu.h"

#include <gtest/gtest.h>

using namespace lineon;

namespace {

constexpr double H = 200;

/// The preview of a drawing with the extents x1 = 1000, y1 = 500, x2 = 800, y2 = 400: W is 200.
class Nahled : public ::testing::Test {
protected:
    Nahled() { nahled.Zahajit(1000, 500, 800, 400); }
    TSeznamKresby seznam;
    SeznamNahledu nahled{seznam, H};
};

} // namespace

TEST_F(Nahled, ItemsAreInUnitsOfTheExtentsWidth)
{
    nahled.Cara(VrstvaCaryProfilu::Teren, 900, 450, 850, 420);
    nahled.Text("Kř1", 4, VrstvaTextuProfilu::Rovina, 990, 500);
    nahled.Cislo(0, 2, 0, 800, 400, 5.5, H * 0.00175, VrstvaCislaProfilu::Delka);
    nahled.Cislo(90, 2, 4, 900, 450, 245.3, H * 0.00175, VrstvaCislaProfilu::Koty);
    nahled.Kruh(900, 450, 0.5);
    nahled.Ukoncit();

    const KresData cara{.cara = true, .x1 = 0.5, .y1 = 0.25, .x2 = 0.75, .y2 = 0.1};
    // 200 × 0.002 / 200, the same on the layer "ROVINA"
    const KresData text{.text = true, .x1 = 0.05, .y1 = 0.5, .vyskaTextu = 0.002, .retezec = "Kř1"};
    const KresData cislo{.text = true, .x1 = 1, .y1 = 0, .vyskaTextu = 0.00175, .retezec = "5.50"};
    const KresData kruh{.kruh = true, .x1 = 0.5, .y1 = 0.25, .polomer = 0.0025};
    ASSERT_EQ(seznam.size(), 4u) << "the number turned by 90 degrees stays out of the preview";
    const KresData* polozky[] = {&cara, &text, &cislo, &kruh};
    for (std::size_t i = 0; i < 4; ++i) {
        const KresData& je = seznam[i];
        const KresData& ma = *polozky[i];
        EXPECT_EQ(je.cara, ma.cara) << i;
        EXPECT_EQ(je.kruh, ma.kruh) << i;
        EXPECT_EQ(je.text, ma.text) << i;
        EXPECT_DOUBLE_EQ(je.x1, ma.x1) << i;
        EXPECT_DOUBLE_EQ(je.y1, ma.y1) << i;
        EXPECT_DOUBLE_EQ(je.x2, ma.x2) << i;
        EXPECT_DOUBLE_EQ(je.y2, ma.y2) << i;
        EXPECT_DOUBLE_EQ(je.polomer, ma.polomer) << i;
        EXPECT_DOUBLE_EQ(je.vyskaTextu, ma.vyskaTextu) << i;
        EXPECT_EQ(je.retezec, ma.retezec) << i;
    }
}

TEST_F(Nahled, NumbersAreFourCharactersWide)
{
    nahled.Cislo(0, 1, 4, 900, 450, 0.2, H * 0.0025, VrstvaCislaProfilu::Staniceni);
    ASSERT_EQ(seznam.size(), 1u);
    EXPECT_EQ(seznam[0].retezec, " 0.2");
}
