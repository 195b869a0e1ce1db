#include "ProfilPomoc.h"
#include "TestPomoc.h"

#include "profile/KreslitProfil.h"
#include "profile/NahledProfilu.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

TEST(DelkaProfilu, ALineLongerThanAHundredKilometresIsRefusedBeforeAnythingIsDrawn)
{
    DocasnyAdresar adresar;
    auto stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 100000.01, 241.50, 243.50)});
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Nastaveni.DelkoveMeritko = 11;
    stav->SeznamKresby.push_back(KresData{.cara = true});
    BezNahledu nahled;
    EXPECT_EQ(TextChyby([&] { KreslitProfil(*stav, nahled); }),
              "Podélný profil nelze nakreslit: linie je dlouhá 100000.01 m, profil se kreslí pro linii nejvýše 100 km.");
    EXPECT_TRUE(std::filesystem::is_empty(adresar.Cesta()));
    EXPECT_EQ(stav->SeznamKresby.size(), 1u);

    // At the limit the drawing is made, fold marks and hectometres included.
    stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 100000, 241.50, 243.50)});
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Nastaveni.DelkoveMeritko = 11;
    KreslitProfil(*stav, nahled);
    EXPECT_GT(stav->SeznamKresby.size(), 100000 / 2.31 + 1000);
}
