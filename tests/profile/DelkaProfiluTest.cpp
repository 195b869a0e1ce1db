#include "ProfilPomoc.h"
#include "TestPomoc.h"

#include "data/Soubor.h"
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

    // At the limit the drawing is made, its thousand hectometre marks included.
    stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 100000, 241.50, 243.50)});
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Nastaveni.DelkoveMeritko = 2000;
    KreslitProfil(*stav, nahled);
    EXPECT_GT(stav->SeznamKresby.size(), 2000u);
}

TEST(DelkaProfilu, ASheetOfMoreThanAThousandA4WidthsIsRefused)
{
    DocasnyAdresar adresar;
    // 2.31 m of line are one A4 width at 1:11; the frame adds 311 mm of paper.
    auto stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 2400, 241.50, 243.50)});
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Nastaveni.DelkoveMeritko = 11;
    BezNahledu nahled;
    EXPECT_EQ(TextChyby([&] { KreslitProfil(*stav, nahled); }),
              "Podélný profil nelze nakreslit: list by měl v délkovém měřítku 1:11 šířku 1041 A4, nejvýše 1000 A4.");
    EXPECT_TRUE(std::filesystem::is_empty(adresar.Cesta()));
    stav->Nastaveni.DelkoveMeritko = 200;
    KreslitProfil(*stav, nahled);
    EXPECT_TRUE(soubor::Existuje(adresar / "podprof.dxf"));
}
