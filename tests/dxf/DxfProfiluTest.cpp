#include "DxfPomoc.h"
#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "zaklad/Soubor.h"
#include "data/Stav.h"
#include "dxf/DxfProfilu.h"

#include <gtest/gtest.h>

#include <memory>

using namespace lineon;

namespace {

/// A state whose profile file goes to `adresar` + `soubor`, at the length scale 1:200.
std::unique_ptr<TStav> Stav(const std::string& adresar, const std::string& soubor)
{
    auto stav = std::make_unique<TStav>();
    stav->Nastaveni.AdresarProjektu = adresar;
    stav->Vystupy.SouborProfilu = soubor;
    stav->Nastaveni.DelkoveMeritko = 200;
    return stav;
}

/// Header, extents x1 = 1000, y1 = 500, x2 = 800, y2 = 400 (the preview width W is 200), tables.
void Zahlavi(DxfProfilu& dxf)
{
    dxf.DxfHlavicka();
    dxf.DxfRozsah(1000, 500, 800, 400);
    dxf.DxfTabulky();
}

std::string OcekavaneZahlavi()
{
    return test::OcekavanaHlavicka() + test::OcekavanyRozsah("-1000.000", "-500.000", "-800.000", "-400.000")
           + test::OcekavaneTabulky(test::VrstvyProfilu()) + test::Radky({"  0", "SECTION", "  2", "ENTITIES"});
}

const std::string KonecSouboru = test::Radky({"0", "ENDSEC", "0", "EOF"});

} // namespace

TEST(DxfProfilu, WithoutDoDxfTheFileHoldsHeaderTablesAndAnEmptyEntitiesSection)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "podprof.dxf");
    stav->Vystupy.profdxfcheck = false;
    stav->Vystupy.profobrcheck = true;
    DxfProfilu dxf(*stav);
    Zahlavi(dxf);
    dxf.DxfCara(VrstvaCaryProfilu::Teren, 900, 450, 850, 420);
    dxf.DxfText("Kř1", 4, VrstvaTextuProfilu::Oznaceni, 900, 450);
    dxf.DxfCislo(0, 2, 0, 900, 450, 245.3, 0.00175, VrstvaCislaProfilu::Delka);
    dxf.DxfKruh(900, 450, 0.5);
    dxf.DxfKonec();
    EXPECT_EQ(test::PrecistBajty(adr / "podprof.dxf"), OcekavaneZahlavi() + KonecSouboru);
    EXPECT_EQ(stav->SeznamKresby.size(), 4u);
}

TEST(DxfProfilu, TheLayerTableHas28EntriesWithRovinaTwice)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "podprof.dxf");
    DxfProfilu dxf(*stav);
    Zahlavi(dxf);
    dxf.DxfKonec();
    const std::string text = test::PrecistBajty(adr / "podprof.dxf");
    EXPECT_EQ(text, OcekavaneZahlavi() + KonecSouboru);
    EXPECT_EQ(test::PocetVyskytu(text, "  0\r\nLAYER\r\n"), 28u);
    EXPECT_NE(text.find("  2\r\nROVINA\r\n 70\r\n     0\r\n 62\r\n     4\r\n"), std::string::npos);
    EXPECT_NE(text.find("  2\r\nROVINA\r\n 70\r\n     0\r\n 62\r\n     25\r\n"), std::string::npos);
}

TEST(DxfProfilu, EntitiesUseTheProfileFormats)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "podprof.dxf");
    stav->Vystupy.profobrcheck = false;
    DxfProfilu dxf(*stav);
    Zahlavi(dxf);
    dxf.DxfCara(VrstvaCaryProfilu::Krizeni3, 1.5, 0, 745.456, -12.25);
    dxf.DxfText("Kř1", 4, VrstvaTextuProfilu::Oznaceni, 0, 2.5);
    dxf.DxfText("TERÉN", 0, VrstvaTextuProfilu::Texty, 12.5, -3);
    dxf.DxfText("238.00 m", 0, VrstvaTextuProfilu::Rovina, 1, 2);
    dxf.DxfText("(245.30)", 2, VrstvaTextuProfilu::KotaPripojky, 1, 2);
    dxf.DxfCislo(90, 2, 4, 10, 20, 5.5, 0.00175, VrstvaCislaProfilu::Koty);
    dxf.DxfCislo(0, 0, 0, 10, 20, 7, 0.0025, VrstvaCislaProfilu::Staniceni);
    dxf.DxfText("Př", 3, VrstvaTextuProfilu::KotaPripojky, 1, 2);
    dxf.DxfKruh(3, 4, 0.5);
    dxf.DxfKonec();
    EXPECT_EQ(test::PrecistBajty(adr / "podprof.dxf"),
              OcekavaneZahlavi()
                  + test::Radky({
                      "0", "LINE", "8", "KRIZENI3", "6", "CONTINUOUS",
                      "10", " -1.500", "20", " -0.000", "11", "-745.456", "21", " 12.250",
                      "0", "TEXT", "8", "OZNACENI", "10", "-0.000", "20", "-2.500", "40", "0.40", "1", "Kř1",
                      "72", "4", "11", "-0.000", "21", "-2.500",
                      "0", "TEXT", "8", "TEXTY", "10", "-12.500", "20", "3.000", "40", "0.40", "1", "TERÉN",
                      "72", "0",
                      "0", "TEXT", "8", "ROVINA", "10", "-1.000", "20", "-2.000", "40", "0.50", "1", "238.00 m",
                      "72", "0",
                      "0", "TEXT", "8", "KOTA_PRIPOJKY", "10", "-1.000", "20", "-2.000", "40", "0.40", "1",
                      "(245.30)", "50", "90", "72", "2", "11", "-1.000", "21", "-2.000",
                      "0", "TEXT", "8", "KOTY", "10", "-10.000", "20", "-20.000", "40", "0.35", "1", "5.50",
                      "50", "90", "72", "4", "11", "-10.000", "21", "-20.000",
                      "0", "TEXT", "8", "STANICENI", "10", "-10.000", "20", "-20.000", "40", "0.50", "1", "  7",
                      "50", "0", "72", "0",
                      // "aligned" between a point and the same point is written as left
                      "0", "TEXT", "8", "KOTA_PRIPOJKY", "10", "-1.000", "20", "-2.000", "40", "0.40", "1", "Př",
                      "50", "90", "72", "0",
                      "0", "CIRCLE", "8", "SIPKA", "10", "-3.000", "20", "-4.000", "40", "0.500",
                  })
                  + KonecSouboru);
    EXPECT_NE(test::PrecistBajty(adr / "podprof.dxf").find("\r\nK\xF8" "1\r\n"), std::string::npos)
        << "texts are written in code page 1250";
    EXPECT_TRUE(stav->SeznamKresby.empty());
}

TEST(DxfProfilu, OnlyTheCrossingAndConnectionLevelLayersCarryTheAngle)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "podprof.dxf");
    DxfProfilu dxf(*stav);
    Zahlavi(dxf);
    for (int vrstva = 0; vrstva <= VrstvaTextuProfilu::KotaPripojky; ++vrstva)
        dxf.DxfText("ř", 0, vrstva, 0, 0);
    dxf.DxfKonec();
    const auto entity = test::EntitySouboru(adr / "podprof.dxf");
    ASSERT_EQ(entity.size(), 11u);
    for (int vrstva = 0; vrstva <= VrstvaTextuProfilu::KotaPripojky; ++vrstva) {
        const test::Entita& text = entity[static_cast<std::size_t>(vrstva)];
        const bool sUhlem = vrstva >= VrstvaTextuProfilu::KotaKrizeni1;
        EXPECT_EQ(text.Ma("50"), sUhlem) << text.Vrstva();
        if (sUhlem) {
            EXPECT_EQ(text.Hodnota("50"), "90");
        }
        EXPECT_FALSE(text.Ma("11"));
    }
}

TEST(DxfProfilu, PreviewItemsAreInUnitsOfTheExtentsWidth)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "podprof.dxf");
    stav->Vystupy.profdxfcheck = false;
    DxfProfilu dxf(*stav);
    Zahlavi(dxf);
    dxf.DxfCara(VrstvaCaryProfilu::Teren, 900, 450, 850, 420);
    dxf.DxfText("Kř1", 4, VrstvaTextuProfilu::Rovina, 990, 500);
    dxf.DxfCislo(0, 2, 0, 800, 400, 5.5, 0.00175, VrstvaCislaProfilu::Delka);
    dxf.DxfCislo(90, 2, 4, 900, 450, 245.3, 0.00175, VrstvaCislaProfilu::Koty);
    dxf.DxfKruh(900, 450, 0.5);
    dxf.DxfKonec();

    KresData cara;
    cara.cara = true;
    cara.x1 = 0.5;
    cara.y1 = 0.25;
    cara.x2 = 0.75;
    cara.y2 = 0.1;
    KresData text;
    text.text = true;
    text.x1 = 0.05;
    text.y1 = 0.5;
    text.vyskaTextu = 0.002; // 200 × 0.002 / 200, the same on the layer "ROVINA"
    text.retezec = "Kř1";
    KresData cislo;
    cislo.text = true;
    cislo.x1 = 1;
    cislo.y1 = 0;
    cislo.vyskaTextu = 0.00175;
    cislo.retezec = "5.50";
    KresData kruh;
    kruh.kruh = true;
    kruh.x1 = 0.5;
    kruh.y1 = 0.25;
    kruh.polomer = 0.0025;
    ASSERT_EQ(stav->SeznamKresby.size(), 4u) << "the number turned by 90 degrees stays out of the preview";
    const KresData* polozky[] = {&cara, &text, &cislo, &kruh};
    for (std::size_t i = 0; i < 4; ++i) {
        const KresData& je = stav->SeznamKresby[i];
        const KresData& ma = *polozky[i];
        EXPECT_EQ(je.cara, ma.cara) << i;
        EXPECT_EQ(je.kruh, ma.kruh) << i;
        EXPECT_EQ(je.text, ma.text) << i;
        EXPECT_DOUBLE_EQ(je.x1, ma.x1) << i;
        EXPECT_DOUBLE_EQ(je.y1, ma.y1) << i;
        EXPECT_DOUBLE_EQ(je.x2, ma.x2) << i;
        EXPECT_DOUBLE_EQ(je.y2, ma.y2) << i;
        EXPECT_DOUBLE_EQ(je.polomer, ma.polomer) << i;
        EXPECT_DOUBLE_EQ(je.vyskaTextu, ma.vyskaTextu) << i;
        EXPECT_EQ(je.retezec, ma.retezec) << i;
    }
}

TEST(DxfProfilu, PreviewNumbersAreFourCharactersWide)
{
    test::DocasnyAdresar adr;
    auto stav = Stav(adr.Cesta(), "podprof.dxf");
    DxfProfilu dxf(*stav);
    Zahlavi(dxf);
    dxf.DxfCislo(0, 1, 4, 900, 450, 0.2, 0.0025, VrstvaCislaProfilu::Staniceni);
    dxf.DxfKonec();
    ASSERT_EQ(stav->SeznamKresby.size(), 1u);
    EXPECT_EQ(stav->SeznamKresby[0].retezec, " 0.2");
    EXPECT_EQ(test::EntitySouboru(adr / "podprof.dxf").at(0).Hodnota("1"), "0.2");
}

TEST(DxfProfilu, AFailedWriteNamesTheFileAndKeepsThePreviousOne)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "podprof.dxf", "předchozí");
    auto stav = Stav(adr.Cesta(), "podprof.dxf");
    for (const auto druh : {soubor::Porucha::Druh::Otevreni, soubor::Porucha::Druh::Zapis}) {
        DxfProfilu dxf(*stav);
        Zahlavi(dxf);
        dxf.DxfCara(0, 1, 2, 3, 4);
        soubor::ZkusebniPorucha porucha({druh, 100});
        try {
            dxf.DxfKonec();
            FAIL();
        } catch (const Chyba& chyba) {
            EXPECT_NE(std::string(chyba.what()).find(adr / "podprof.dxf"), std::string::npos) << chyba.what();
        }
    }
    EXPECT_EQ(test::PrecistBajty(adr / "podprof.dxf"), "předchozí");
}

TEST(DxfProfilu, AWholeProfileReadsBack)
{
    // A small drawing with every kind of entity, for the ezdxf reader.
    const std::string adresar = test::VystupniAdresar("dxf");
    auto stav = Stav(adresar, "profil_zapisovac.dxf");
    DxfProfilu dxf(*stav);
    dxf.DxfHlavicka();
    dxf.DxfRozsah(1110, 5110, 900, 4890);
    dxf.DxfTabulky();
    dxf.DxfCara(VrstvaCaryProfilu::Cary, 1000, 5000, 980, 5000);
    dxf.DxfCara(VrstvaCaryProfilu::Rovina, 1000, 5000, 980, 5000);
    dxf.DxfText("SROVNÁVACÍ ROVINA", 0, VrstvaTextuProfilu::Texty, 1011, 4999);
    dxf.DxfText("238.00 m", 0, VrstvaTextuProfilu::Rovina, 1000, 4999);
    dxf.DxfText("Přípojka ř", 4, VrstvaTextuProfilu::KotaPripojky, 990, 4998);
    dxf.DxfCislo(90, 2, 4, 995, 4994, 245.3, 0.00175, VrstvaCislaProfilu::Koty);
    dxf.DxfCislo(0, 2, 0, 995, 5003, 10, 0.00175, VrstvaCislaProfilu::Delka);
    dxf.DxfKruh(995, 4959, 0.5);
    dxf.DxfKonec();
    test::OcekavatEntity(adresar + "profil_zapisovac.dxf",
                         {{"LINE:CARY", 1}, {"LINE:ROVINA", 1}, {"TEXT:TEXTY", 1}, {"TEXT:ROVINA", 1},
                          {"TEXT:KOTA_PRIPOJKY", 1}, {"TEXT:KOTY", 1}, {"TEXT:DELKA", 1}, {"CIRCLE:SIPKA", 1}});
}
