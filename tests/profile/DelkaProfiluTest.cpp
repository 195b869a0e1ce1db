#include "ProfilPomoc.h"
#include "TestPomoc.h"

#include "zaklad/Soubor.h"
#include "profile/KreslitProfil.h"
#include "profile/NahledProfilu.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

TEST(DelkaProfilu, ALongLineAtASmallScaleIsDrawnAndAnEndlessOneRefusedAtOnce)
{
    DocasnyAdresar adresar;
    // A water main of 150 km at 1:10000 is 15 m of paper: 73 A4 widths, 1500 hectometre marks.
    auto stav = VypoctenaLinie(
        {SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 150000, 241.50, 243.50)}, {}, 2);
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Nastaveni.DelkoveMeritko = 10000;
    stav->Vystupy.ramcheck = true;
    BezNahledu nahled;
    KreslitProfil(*stav, nahled);
    const auto entity = EntitySouboru(adresar / "podprof.dxf");
    EXPECT_EQ(Texty(entity, "STANICENI").size(), 1500u + 1u) << "the hectometre marks and the last stationing";
    // frames, fold marks, bands and separators of one section, plane symbol, hectometre marks
    EXPECT_EQ(Cary(entity, "CARY").size(), 4u + 4u + 72u + 6u + 6u + 6u + 1500u);

    // A line of 74 000 km would need millions of A4 widths: refused before anything is drawn.
    stav = VypoctenaLinie({SachtaNaLinii("Ř1", 0, 241.00, 243.00), SachtaNaLinii("Ř2", 7.4e7, 241.50, 243.50)});
    stav->Nastaveni.AdresarProjektu = adresar.Cesta() + "jiny/";
    stav->Nastaveni.DelkoveMeritko = 11;
    EXPECT_EQ(TextChyby([&] { KreslitProfil(*stav, nahled); }),
              "Podélný profil nelze nakreslit: list by měl v délkovém měřítku 1:11 šířku 32034634 A4, nejvýše 1000 A4.");
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
