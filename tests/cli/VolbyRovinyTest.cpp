#include "cli/VolbyRoviny.h"
#include "zaklad/Chyba.h"

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

/// The dialog as the calculation fills it: plane 240, shift 10, points 2..5 with point 3 checked.
InformaceORovine Dialog()
{
    InformaceORovine dialog;
    dialog.srovField = 240;
    dialog.posSRField = 10;
    dialog.poscombo = {{"Š2", false}, {"Š3", true}, {"Š4", false}, {"Š5", false}};
    return dialog;
}

std::vector<bool> Zaskrtnute(const InformaceORovine& dialog)
{
    std::vector<bool> zaskrtnute;
    for (const TBodPosunu& polozka : dialog.poscombo)
        zaskrtnute.push_back(polozka.Zaskrtnut);
    return zaskrtnute;
}

} // namespace

TEST(VolbyRoviny, TakeTheUsersPlaceInTheDialog)
{
    InformaceORovine dialog = Dialog();
    UplatnitVolbyRoviny(Precist({"--plane", "238", "--plane-shift", "-5", "--shift-points", "5,2,5"}), dialog);
    EXPECT_EQ(dialog.srovField, 238);
    EXPECT_EQ(dialog.posSRField, -5);
    EXPECT_EQ(Zaskrtnute(dialog), (std::vector<bool>{true, false, false, true}));
}

TEST(VolbyRoviny, WhatIsNotGivenKeepsTheProposal)
{
    InformaceORovine dialog = Dialog();
    UplatnitVolbyRoviny(Precist({"--plane-shift", "0"}), dialog);
    EXPECT_EQ(dialog.srovField, 240);
    EXPECT_EQ(dialog.posSRField, 0);
    EXPECT_EQ(Zaskrtnute(dialog), (std::vector<bool>{false, true, false, false}));

    // An empty list checks no point.
    UplatnitVolbyRoviny(Precist({"--shift-points", ""}), dialog);
    EXPECT_EQ(Zaskrtnute(dialog), (std::vector<bool>{false, false, false, false}));
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
