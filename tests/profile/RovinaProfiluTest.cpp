#include "ProfilPomoc.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

/// A sewer of four manholes 10 m apart, each 2 m deep, rising 0.5 m a section; two house
/// connections, 5 m and 15 m along it.
std::unique_ptr<TStav> CtyriSachty()
{
    return VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 10, 241.50, 243.50),
                           SachtaNaLinii("Ř3", 20, 242.00, 244.00), SachtaNaLinii("Ř4", 30, 242.50, 244.50)},
                          {Pripojka(0.5, 5), Pripojka(0.5, 15)});
}

} // namespace

TEST(RovinaProfilu, AShiftPointStepsTheLevelsAndDrawsTheManholesRightHalfTwice)
{
    auto stav = CtyriSachty();
    // dR = −5: the plane steps down to 235 at Ř2, so the levels after it lie 5 × 2 units higher.
    const auto entity = Nakreslit(*stav, "posun-dolu", 240, -5, {2});
    EXPECT_EQ(Cary(entity, "TEREN"), (std::vector<std::string>{
                                         // the sections: Ř1→Ř2 under 240, the others under 235
                                         "0.250,6.000 9.750,7.000", "10.250,17.000 19.750,18.000",
                                         "20.250,18.000 29.750,19.000",
                                         // the manholes: left half, right half
                                         "-0.250,6.000 0.000,6.000", "0.250,6.000 0.000,6.000",
                                         // Ř2: the left half under the old plane, the right half under both
                                         "9.750,7.000 10.000,7.000", "10.250,7.000 10.000,7.000",
                                         "10.250,17.000 10.000,17.000",
                                         "19.750,18.000 20.000,18.000", "20.250,18.000 20.000,18.000",
                                         "29.750,19.000 30.000,19.000", "30.250,19.000 30.000,19.000"}));
    EXPECT_EQ(Texty(entity, "ROVINA"), (std::vector<std::string>{"240.00 m -2.500,1.200", "235.00 m 7.500,1.200"}));
    // The plane line and the bands do not move.
    EXPECT_EQ(Cary(entity, "ROVINA"), (std::vector<std::string>{"0.000,0.000 10.000,0.000", "10.000,0.000 20.000,0.000",
                                                                "20.000,0.000 30.000,0.000"}));
}

TEST(RovinaProfilu, ConnectionsTakeThePlaneOfTheirStationing)
{
    auto stav = CtyriSachty();
    const auto entity = Nakreslit(*stav, "posun-pripojky", 240, 5, {2});
    // Ground 243.25 under 240 and 243.75 under 245, each with 26 mm (5.2 units) above it.
    const auto cary = Cary(entity, "PRIPOJKA");
    ASSERT_EQ(cary.size(), 8u);
    EXPECT_EQ(cary[3], "5.000,8.900 5.000,11.700");
    EXPECT_EQ(cary[7], "15.000,8.900 15.000,2.700");
    // Pipe 241.25 and 241.75 on the slope of 50 per mille, cover less the diameter 0.30.
    EXPECT_EQ(Texty(entity, "KOTA_PRIPOJKY"),
              (std::vector<std::string>{"5.00 5.180,-0.200", "241.25 5.000,3.000", "243.25 5.000,6.000",
                                        "1.70 5.000,8.300", "P1 5.180,12.100", "15.00 15.180,-0.200",
                                        "241.75 15.000,3.000", "243.75 15.000,6.000", "1.70 15.000,8.300",
                                        "P1 15.180,3.100"}));
}

TEST(RovinaProfilu, ConnectionsCountOnlyTheShiftPointsBeforeThem)
{
    auto stav = CtyriSachty();
    // Shifts at Ř2 (10 m) and Ř3 (20 m): the connection at 15 m lies after the first only.
    const auto entity = Nakreslit(*stav, "dva-posuny", 240, 5, {2, 3});
    const auto cary = Cary(entity, "PRIPOJKA");
    ASSERT_EQ(cary.size(), 8u);
    EXPECT_EQ(cary[7], "15.000,8.900 15.000,2.700");
    EXPECT_EQ(Texty(entity, "ROVINA"), (std::vector<std::string>{"240.00 m -2.500,1.200", "245.00 m 7.500,1.200",
                                                                 "250.00 m 17.500,1.200"}));
    // Ř4's ground 244.50 under 250 lies 11 units below the plane line.
    const auto teren = Cary(entity, "TEREN");
    EXPECT_EQ(teren[2], "20.250,-12.000 29.750,-11.000");
}

TEST(RovinaProfilu, TheLastPointIsNoShiftPointWhenNothingIsChecked)
{
    auto stav = CtyriSachty();
    // a connection on the line 1 mm before the last manhole, its stationing rounded to its 30.00
    stav->Projekt.Pripojky.Pridat(Pripojka(0, 29.999));
    Vypocitat(*stav);
    const auto entity = Nakreslit(*stav, "bez-posunu", 240, -5);
    // The dialog stores the last point alone. No section leaves it, so the plane never steps: the
    // last manhole has one right half, under the plane of the last section, and no plane symbol.
    const auto teren = Cary(entity, "TEREN");
    ASSERT_EQ(teren.size(), 3u + 2 * 4);
    EXPECT_EQ(teren[2], "20.250,8.000 29.750,9.000");
    EXPECT_EQ(teren[9], "29.750,9.000 30.000,9.000");
    EXPECT_EQ(teren[10], "30.250,9.000 30.000,9.000");
    EXPECT_EQ(Texty(entity, "ROVINA"), (std::vector<std::string>{"240.00 m -2.500,1.200"}));
    // The connection at the last point's stationing stands under that plane too: ground 244.50
    // under 240, 26 mm (5.2 units) above it.
    const auto cary = Cary(entity, "PRIPOJKA");
    ASSERT_EQ(cary.size(), 12u);
    EXPECT_EQ(cary[11], "30.000,8.900 30.000,14.200");
}
