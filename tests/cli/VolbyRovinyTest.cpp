#include "cli/VolbyRoviny.h"
#include "data/Chyba.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::cli;

namespace {

TVolbyRoviny Precist(std::vector<std::string> argumenty)
{
    TVolbyRoviny volby;
    for (std::size_t i = 0; i < argumenty.size(); ++i)
        EXPECT_TRUE(PrecistVolbuRoviny(argumenty, i, volby)) << argumenty[i];
    return volby;
}

} // namespace

TEST(VolbyRoviny, ReplaceTheProposalAsTheDialogWouldShowIt)
{
    TRovina rovina{.SrovnavaciRovina = 240, .PosunRoviny = 10, .PosunyRoviny = {3, 0}, .PocetPosunu = 1};
    UplatnitVolbyRoviny(Precist({"--plane", "238", "--plane-shift", "-5", "--shift-points", "9,5,9"}), rovina);
    EXPECT_EQ(rovina.SrovnavaciRovina, 238);
    EXPECT_EQ(rovina.PosunRoviny, -5);
    EXPECT_EQ(rovina.PosunyRoviny, (std::array<int, MistVSeznamuPosunu>{5, 9}));
    EXPECT_EQ(rovina.PocetPosunu, 2);
}

TEST(VolbyRoviny, WhatIsNotGivenKeepsTheProposal)
{
    TRovina rovina{.SrovnavaciRovina = 240, .PosunRoviny = 10, .PosunyRoviny = {3, 0}, .PocetPosunu = 1};
    UplatnitVolbyRoviny(Precist({"--plane-shift", "0"}), rovina);
    EXPECT_EQ(rovina.SrovnavaciRovina, 240);
    EXPECT_EQ(rovina.PosunRoviny, 0);
    EXPECT_EQ(rovina.PosunyRoviny[0], 3);

    // An empty list checks no point.
    UplatnitVolbyRoviny(Precist({"--shift-points", ""}), rovina);
    EXPECT_EQ(rovina.PosunyRoviny, (std::array<int, MistVSeznamuPosunu>{}));
    EXPECT_EQ(rovina.PocetPosunu, 0);
}

TEST(VolbyRoviny, TheFieldsRangesHold)
{
    EXPECT_EQ(Precist({"--plane", "-32768"}).Rovina, -32768);
    EXPECT_EQ(Precist({"--plane-shift", "100"}).Posun, 100);
    for (const std::vector<std::string>& spatne :
         {std::vector<std::string>{"--plane", "-32769"}, {"--plane", ""}, {"--plane-shift", "101"},
          {"--plane-shift", "5m"}, {"--shift-points", "3;4"}, {"--shift-points", ",3"}, {"--shift-points"}}) {
        TVolbyRoviny volby;
        std::size_t i = 0;
        EXPECT_THROW(PrecistVolbuRoviny(spatne, i, volby), Chyba) << spatne[0];
    }
    std::vector<std::string> jina = {"--out", "x"};
    std::size_t i = 0;
    TVolbyRoviny volby;
    EXPECT_FALSE(PrecistVolbuRoviny(jina, i, volby));
}

TEST(VolbyRoviny, AtMostTenInnerPointsFitTheShiftList)
{
    EXPECT_NO_THROW(OveritBodyPosunu(Precist({"--shift-points", "2,3,4,5,6,7,8,9,10,19"}), 20));
    EXPECT_THROW(OveritBodyPosunu(Precist({"--shift-points", "2,3,4,5,6,7,8,9,10,11,12"}), 20), Chyba);
    EXPECT_THROW(OveritBodyPosunu(Precist({"--shift-points", "20"}), 20), Chyba);
    EXPECT_THROW(OveritBodyPosunu(Precist({"--shift-points", "2"}), 2), Chyba);
    EXPECT_NO_THROW(OveritBodyPosunu(Precist({"--shift-points", ""}), 2));
    EXPECT_NO_THROW(OveritBodyPosunu(TVolbyRoviny(), 0));
}
