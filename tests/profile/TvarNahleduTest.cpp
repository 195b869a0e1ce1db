#include "profile/TvarNahledu.h"

#include <gtest/gtest.h>

using namespace lineon;

using Druh = TTvarNahledu::Druh;

TEST(TvarNahledu, LineEndsAreScaledByTheWindowWidthAndRoundedHalvesToEven)
{
    // 650 × 0.05 = 32.5 → 32, 650 × 0.15 = 97.5 → 98, 650 × 0.1 = 65.
    const KresData cara{.cara = true, .x1 = 0.05, .y1 = 0.15, .x2 = 0.1, .y2 = 0.25};
    EXPECT_EQ(TvarNahledu(cara, 650), (TTvarNahledu{Druh::Cara, 32, 98, 65, 162}));
}

TEST(TvarNahledu, CircleIsTheEllipseInItsSquare)
{
    const KresData kruh{.kruh = true, .x1 = 0.5, .y1 = 0.2, .polomer = 0.01};
    EXPECT_EQ(TvarNahledu(kruh, 1000), (TTvarNahledu{Druh::Elipsa, 490, 190, 510, 210}));
}

TEST(TvarNahledu, TextIsABoxStandingOnItsInsertionPointOneHeightWidePerCharacter)
{
    // Three characters, two of them outside ASCII: the box is three heights wide, not five.
    const KresData text{.text = true, .x1 = 0.1, .y1 = 0.3, .vyskaTextu = 0.02, .retezec = "Šř1"};
    EXPECT_EQ(TvarNahledu(text, 1000), (TTvarNahledu{Druh::Obdelnik, 100, 280, 160, 300}));
}

TEST(TvarNahledu, ItemWithoutAKindPaintsNothing)
{
    EXPECT_FALSE(TvarNahledu(KresData{.x1 = 0.1, .y1 = 0.1}, 650));
}
