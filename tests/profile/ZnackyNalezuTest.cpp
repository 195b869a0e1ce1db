#include "ProfilPomoc.h"
#include "profile/ZnackyNalezu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace lineon;

TEST(ZnackyNalezu, AFindingIsMarkedOnTheVerticalOfItsManhole)
{
    auto stav = test::VypoctenaLinie({test::SachtaNaLinii("Š1", 0, 240, 242), test::SachtaNaLinii("Š2", 40, 240.2, 242.2),
                                      test::SachtaNaLinii("Š3", 80, 240.4, 242.4)});
    stav->Vystupy.profobrcheck = true;
    test::Nakreslit(*stav, "znacky", 238);
    const TNalez nalez{.Druh = DruhNalezu::Varovani, .Radek = 2, .Staniceni = 40, .Text = "Šachta Š2"};
    const auto znacky = ZnackyNalezu({nalez}, stav->RozsahProfilu);
    ASSERT_EQ(znacky.size(), 1u);
    EXPECT_EQ(znacky[0].Text, "Šachta Š2");
    EXPECT_TRUE(std::any_of(stav->SeznamKresby.begin(), stav->SeznamKresby.end(), [&](const KresData& d) {
        return d.cara && d.x1 == d.x2 && std::abs(d.x1 - znacky[0].x) < 1e-9;
    })) << "no vertical line of the drawing at x = " << znacky[0].x;

    EXPECT_TRUE(ZnackyNalezu({nalez}, TRozsahProfilu{}).empty()) << "nothing drawn, nothing marked";
}
