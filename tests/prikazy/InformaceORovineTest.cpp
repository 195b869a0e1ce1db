#include "profile/ProfilPomoc.h"
#include "TestPomoc.h"

#include "zaklad/Chyba.h"
#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"
#include "prikazy/InformaceORovine.h"
#include "profile/NahledProfilu.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

/// A sewer of `n` manholes 10 m apart, labelled Ř1, Ř2, ...
std::unique_ptr<TStav> Linie(int n)
{
    std::vector<TBod> body;
    for (int i = 1; i <= n; ++i)
        body.push_back(SachtaNaLinii("Ř" + std::to_string(i), 10.0 * (i - 1), 241.00 + 0.1 * i, 243.00 + 0.1 * i));
    auto stav = VypoctenaLinie(body);
    stav->Nastaveni.AdresarProjektu = VystupniAdresar("dxf");
    stav->Vystupy.SouborProfilu = "profil-dialog.dxf";
    return stav;
}

std::vector<TBodPosunu> Polozky(std::initializer_list<std::pair<const char*, bool>> polozky)
{
    std::vector<TBodPosunu> vysledek;
    for (const auto& [oznaceni, zaskrtnut] : polozky)
        vysledek.push_back({oznaceni, zaskrtnut});
    return vysledek;
}

std::string CestaProfilu(const TStav& stav)
{
    return stav.Nastaveni.AdresarProjektu + stav.Vystupy.SouborProfilu;
}

} // namespace

TEST(InformaceORovine, FillingChecksTheProposedShiftPointsInOrder)
{
    auto stav = Linie(6);
    stav->Rovina.SrovnavaciRovina = 235;
    stav->Rovina.PosunRoviny = -5;
    stav->Rovina.PosunyRoviny = {3, 5, 0};
    InformaceORovine dialog;
    dialog.Naplnit(*stav);
    EXPECT_TRUE(dialog.Otevren());
    EXPECT_EQ(dialog.srovField, 235);
    EXPECT_EQ(dialog.posSRField, -5);
    EXPECT_EQ(dialog.poscombo, Polozky({{"Ř2", false}, {"Ř3", true}, {"Ř4", false}, {"Ř5", true}}));

    // An entry that no inner point takes stops the checking: entries are taken in order.
    stav->Rovina.PosunyRoviny = {1, 3, 0};
    dialog.Naplnit(*stav);
    EXPECT_EQ(dialog.poscombo, Polozky({{"Ř2", false}, {"Ř3", false}, {"Ř4", false}, {"Ř5", false}}));
}

TEST(InformaceORovine, TwoPointsGiveAnEmptyListAndAProfileWithoutShifts)
{
    auto stav = Linie(2);
    InformaceORovine dialog;
    dialog.Naplnit(*stav);
    EXPECT_TRUE(dialog.poscombo.empty());
    dialog.srovField = 240;
    dialog.posSRField = 10;
    BezNahledu nahled;
    dialog.Potvrdit(*stav, nahled);
    const auto entity = EntitySouboru(CestaProfilu(*stav));
    EXPECT_EQ(Texty(entity, "ROVINA"), (std::vector<std::string>{"240.00 m -2.500,1.200"}));
    // The list holds the last point alone, where the plane cannot step: each manhole has two halves.
    EXPECT_EQ(Cary(entity, "TEREN").size(), 1u + 2 * 2);
}

TEST(InformaceORovine, OkRebuildsTheShiftListDrawsAndClearsIt)
{
    auto stav = Linie(10);
    stav->Rovina.PosunyRoviny = {5, 9, 0};
    InformaceORovine dialog;
    dialog.Naplnit(*stav);
    ASSERT_TRUE(dialog.poscombo[3].Zaskrtnut);
    ASSERT_TRUE(dialog.poscombo[7].Zaskrtnut);
    // The user unchecks Ř9 and types another plane.
    dialog.poscombo[7].Zaskrtnut = false;
    dialog.srovField = 238;
    dialog.posSRField = 5;
    BezNahledu nahled;
    dialog.Potvrdit(*stav, nahled);
    EXPECT_FALSE(dialog.Otevren());
    EXPECT_TRUE(dialog.poscombo.empty());
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, 238);
    EXPECT_EQ(stav->Rovina.PosunRoviny, 5);
    EXPECT_EQ(stav->Rovina.PocetPosunu, 1);
    EXPECT_EQ(stav->Rovina.PosunyRoviny, (std::array<int, MistVSeznamuPosunu>{}));
    EXPECT_EQ(Texty(EntitySouboru(CestaProfilu(*stav)), "ROVINA"),
              (std::vector<std::string>{"238.00 m -2.500,1.200", "243.00 m 37.500,1.200"}));
}

TEST(InformaceORovine, TenShiftPointsFitTheListAndAnEleventhIsRefused)
{
    auto stav = Linie(14);
    InformaceORovine dialog;
    dialog.Naplnit(*stav);
    dialog.srovField = 240;
    dialog.posSRField = 1;
    for (std::size_t i = 0; i < 11; ++i)
        dialog.poscombo[i].Zaskrtnut = true;
    soubor::ZapsatText(CestaProfilu(*stav), "dřívější výkres\n");
    const TRovina navrh = stav->Rovina;
    BezNahledu nahled;
    try {
        dialog.Potvrdit(*stav, nahled);
        ADD_FAILURE() << "eleven shift points were taken";
    } catch (const Chyba& chyba) {
        EXPECT_STREQ(chyba.what(), "Srovnávací rovinu lze posunout nejvýše u 10 bodů.");
    }
    // Nothing was drawn or changed; the dialog stays open for the user to uncheck a point.
    EXPECT_TRUE(dialog.Otevren());
    EXPECT_EQ(dialog.poscombo.size(), 12u);
    EXPECT_EQ(stav->Rovina.SrovnavaciRovina, navrh.SrovnavaciRovina);
    EXPECT_EQ(stav->Rovina.PosunyRoviny, navrh.PosunyRoviny);
    EXPECT_EQ(soubor::PrecistRadky(CestaProfilu(*stav)), (std::vector<std::string>{"dřívější výkres"}));

    dialog.poscombo[10].Zaskrtnut = false;
    dialog.Potvrdit(*stav, nahled);
    EXPECT_EQ(stav->Rovina.PocetPosunu, 10);
    // The tenth shift, at Ř11 (100 m), brings the plane to 250.
    EXPECT_EQ(Texty(EntitySouboru(CestaProfilu(*stav)), "ROVINA").back(), "250.00 m 97.500,1.200");
}

TEST(InformaceORovine, AProposalBeyondTheTypingRangesIsDrawnAsProposed)
{
    auto stav = Linie(3);
    stav->Nastaveni.VyskoveMeritko = 2000; // the default shift of 10 m at 1:100 becomes 200 m
    InformaceORovine dialog;
    dialog.Naplnit(*stav);
    dialog.posSRField = 200;
    BezNahledu nahled;
    EXPECT_NO_THROW(dialog.Potvrdit(*stav, nahled));
    EXPECT_FALSE(dialog.Otevren());
    EXPECT_EQ(stav->Rovina.PosunRoviny, 200);
}

TEST(InformaceORovine, ClosingDrawsNothing)
{
    auto stav = Linie(4);
    DocasnyAdresar adresar;
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    InformaceORovine dialog;
    dialog.Naplnit(*stav);
    dialog.Zavrit();
    EXPECT_FALSE(dialog.Otevren());
    EXPECT_TRUE(dialog.poscombo.empty());
    EXPECT_FALSE(soubor::Existuje(CestaProfilu(*stav)));
    EXPECT_TRUE(stav->SeznamKresby.empty());
}
