#include "Linie.h"

#include "calc/NavrhRoviny.h"

#include <gtest/gtest.h>

#include <array>

using namespace lineon;
using namespace lineon::test;

namespace {

using Seznam = std::array<int, MistVSeznamuPosunu>;

/// A line of manholes 20 m apart with the given bottoms; each cover lies 2 m above its bottom.
std::unique_ptr<TStav> LinieDen(const std::vector<double>& dna)
{
    std::vector<TBod> body;
    for (std::size_t i = 0; i < dna.size(); ++i)
        body.push_back(Sachta("Š" + std::to_string(i + 1), 0, 20.0 * static_cast<double>(i), dna[i], dna[i] + 2));
    return Stav(body);
}

} // namespace

TEST(NavrhRoviny, APlaneAtLeast35MillimetresBelowTheFirstBottomOnAMultipleOfTheStep)
{
    // 1:100: step 5 m, 245.30 − 3.5 = 241.80, 5 × truncation(241.80 / 5) = 240.
    auto stav = LinieDen({245.30, 245.60});
    NavrhRoviny(*stav);
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, 240);
    EXPECT_EQ(stav->Rovina.PosunRoviny, 10);
    EXPECT_EQ(stav->Rovina.PocetPosunu, 0);
    EXPECT_EQ(stav->Rovina.PosunyRoviny, Seznam{});

    // 1:200: step 10 m, 245.30 − 7 = 238.30 → 230; the shift 10 m at 1:100 is 20 m.
    stav->Nastaveni.VyskoveMeritko = 200;
    NavrhRoviny(*stav);
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, 230);
    EXPECT_EQ(stav->Rovina.PosunRoviny, 20);

    // 1:50: step 2 m, 245.30 − 1.75 = 243.55 → 242; the shift 5 m at 1:100 gives 2.5, rounded to even 2.
    stav->Nastaveni.VyskoveMeritko = 50;
    stav->Nastaveni.PosunSR = 5;
    NavrhRoviny(*stav);
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, 242);
    EXPECT_EQ(stav->Rovina.PosunRoviny, 2);
}

TEST(NavrhRoviny, ARoadAxisTakesItsFirstAxisLevel)
{
    auto stav = Stav({Sachta("1", 0, 0, 0, 245.30, 0), Sachta("2", 0, 20, 0, 247.00, 0)});
    stav->Nastaveni.DruhSite = TDruhSite::OsaKomunikace;
    NavrhRoviny(*stav);
    // The bottoms of a road axis are 0, so the line counts as sinking: the plane puts the first axis
    // level 10 mm under the limit (245.30 − 16 → 225) and steps down at once.
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, 225);
    EXPECT_EQ(stav->Rovina.PosunRoviny, -10);
}

TEST(NavrhRoviny, ARisingLineStepsUpWhereTheCoverPassesTheLimit)
{
    // R0 = 240; the cover of point 4 (262.00) lies 220 mm above it, beyond the limit 170 mm.
    // The bottom of point 3 (255.00) clears the raised plane 250 by 50 mm, so the step is at point 3.
    // At the last point the bottom of point 4 lies on the next plane 260: entry N, which ends the list.
    auto stav = LinieDen({245.30, 250, 255, 260, 265});
    NavrhRoviny(*stav);
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, 240);
    EXPECT_EQ(stav->Rovina.PosunRoviny, 10);
    EXPECT_EQ(stav->Rovina.PosunyRoviny, (Seznam{3}));
    EXPECT_EQ(stav->Rovina.PocetPosunu, 1);

    // The cover of point 3 (260.00) passes the limit; the bottom of point 2 (252.00) lies only 20 mm
    // above the raised plane 250, so the step is at point 3 itself.
    auto strmejsi = LinieDen({245.30, 252, 258, 262});
    NavrhRoviny(*strmejsi);
    EXPECT_EQ(strmejsi->Rovina.PosunyRoviny, (Seznam{3}));
    EXPECT_EQ(strmejsi->Rovina.PocetPosunu, 1);
}

TEST(NavrhRoviny, ASinkingLineStepsDownBeforeTheBottomComesTooClose)
{
    // The last bottom 225.00 lies below R0 = 240: the plane moves to 5 × truncation((247.30 − 16) / 5)
    // = 230 and steps down by 10 m. Point 3 (233.00) is only 30 mm above 230: the step is at point 2.
    auto stav = LinieDen({245.30, 238, 233, 228, 225});
    NavrhRoviny(*stav);
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, 230);
    EXPECT_EQ(stav->Rovina.PosunRoviny, -10);
    EXPECT_EQ(stav->Rovina.PosunyRoviny, (Seznam{2, 0}));
    EXPECT_EQ(stav->Rovina.PocetPosunu, 1);
}

TEST(NavrhRoviny, TheListKeepsItsClosingZeroWhenALineNeedsMoreShifts)
{
    // Each point rises 10 m: every point from 2 on passes the limit and steps the plane at itself.
    std::vector<double> dna;
    for (int i = 0; i < 15; ++i)
        dna.push_back(245.30 + 10 * i);
    const Seznam desetPosunu = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0};

    // Twelve points need the ten shifts 2..11 and the closing 0: exactly the 11 places.
    auto presne = LinieDen(std::vector<double>(dna.begin(), dna.begin() + 12));
    NavrhRoviny(*presne);
    EXPECT_EQ(presne->Rovina.PosunyRoviny, desetPosunu);
    EXPECT_EQ(presne->Rovina.PocetPosunu, 10);

    // Fifteen points would need 13 shifts: the first ten are proposed, the last place stays 0.
    auto dlouha = LinieDen(dna);
    NavrhRoviny(*dlouha);
    EXPECT_EQ(dlouha->Rovina.PosunyRoviny, desetPosunu);
    EXPECT_EQ(dlouha->Rovina.PocetPosunu, 10);
    EXPECT_EQ(dlouha->Rovina.SrovnavaciRovina, 240);
}

TEST(NavrhRoviny, AVerticalScaleBelow20StillGivesAPlaneOnWholeMetres)
{
    // 1:12 would give a step of truncation(0.6) = 0; the step is then 1 m: 245.30 − 0.42 → 244.
    auto stav = LinieDen({245.30, 245.40});
    stav->Nastaveni.VyskoveMeritko = 12;
    NavrhRoviny(*stav);
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, 244);
    EXPECT_EQ(stav->Rovina.PosunRoviny, 1);
}

TEST(NavrhRoviny, AnOldProposalIsClearedFirst)
{
    auto stav = LinieDen({245.30, 245.60});
    stav->Rovina.PosunyRoviny = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    stav->Rovina.PocetPosunu = 11;
    NavrhRoviny(*stav);
    EXPECT_EQ(stav->Rovina.PosunyRoviny, Seznam{});
    EXPECT_EQ(stav->Rovina.PocetPosunu, 0);
}

TEST(NavrhRoviny, AbsurdLevelsAndScalesGiveAProposalWithoutOverflow)
{
    auto stav = LinieDen({-1e300, 1e300});
    stav->Nastaveni.VyskoveMeritko = 2000000000;
    stav->Nastaveni.PosunSR = -2000000000;
    NavrhRoviny(*stav);
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, -2147483647);

    stav->Nastaveni.VyskoveMeritko = 0;
    NavrhRoviny(*stav);
    EXPECT_EQ(stav->Rovina.PosunRoviny, 0);
}
