#include "DxfPomoc.h"
#include "TestPomoc.h"
#include "dxf/DxfSituace.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>


using namespace lineon;

namespace {

void Zahlavi(DxfSituace& dxf)
{
    dxf.Zahajit(1110, 5110, 900, 4890);
}

std::string OcekavaneZahlavi()
{
    return test::OcekavanaHlavicka() + test::OcekavanyRozsah("-1110.000", "-5110.000", "-900.000", "-4890.000")
           + test::OcekavaneTabulky(test::VrstvySituace()) + test::OcekavaneBloky()
           + test::Radky({"  0", "SECTION", "  2", "ENTITIES"});
}

const std::string KonecSouboru = test::Radky({"0", "ENDSEC", "0", "EOF"});

} // namespace

TEST(DxfSituace, HeaderTablesWithTwelveLayersAndBlocks)
{
    soubor::PametovyVystup vystup;
    DxfSituace dxf(vystup, 500);
    Zahlavi(dxf);
    dxf.DxfKonec();
    const std::string text = vystup.Bajty();
    EXPECT_EQ(text, OcekavaneZahlavi() + KonecSouboru);
    EXPECT_EQ(test::PocetVyskytu(text, "  0\r\nLAYER\r\n"), 12u);
}

TEST(DxfSituace, EntitiesUseTheSitePlanFormats)
{
    soubor::PametovyVystup vystup;
    DxfSituace dxf(vystup, 500);
    Zahlavi(dxf);
    dxf.DxfCara(VrstvaCarySituace::Stoka, 745.456, 963.5, 1.5, 0);
    dxf.DxfText("Kř1", 0, VrstvaTextuSituace::Oznaceni, 745.456, 963.5, 0, 0.001);
    dxf.DxfText("(245.30)", 2, VrstvaTextuSituace::Popis, 1012.5, 4997.5, -60, 0.002);
    dxf.DxfCislo(2, 1, VrstvaTextuSituace::Teren, 1000, 5001.75, 5.5, 0, 0.001);
    dxf.DxfCislo(0, 0, VrstvaTextuSituace::Potrubi, 1000, 5001.75, 1, 90, 0.001);
    dxf.DxfText("ř", 8, VrstvaTextuSituace::Popis, 1, 2, 90, 0.001);
    dxf.DxfKruh(VrstvaKruhuSituace::DSachta, 1000, 5000, 1);
    dxf.DxfZnacka(ZnackaSituace::Hydrant, 1000, 5000, 0.05);
    dxf.DxfKonec();
    EXPECT_EQ(vystup.Bajty(),
              OcekavaneZahlavi()
                  + test::Radky({
                      "0", "LINE", "8", "STOKA", "6", "CONTINUOUS",
                      "10", "-745.456", "20", "-963.500", "11", " -1.500", "21", " -0.000",
                      "0", "TEXT", "8", "OZNACENI", "10", "-745.456", "20", "-963.500",
                      "40", " 5.00000000000000E-0001", "50", " 0.00000000000000E+0000", "72", "0", "1", "Kř1",
                      "0", "TEXT", "8", "POPIS", "10", "-1012.500", "20", "-4997.500",
                      "40", " 1.00000000000000E+0000", "50", "-6.00000000000000E+0001", "72", "2",
                      "11", "-1012.500", "21", "-4997.500", "1", "(245.30)",
                      "0", "TEXT", "8", "TEREN", "10", "-1000.000", "20", "-5001.750",
                      "40", " 5.00000000000000E-0001", "50", " 0.00000000000000E+0000", "72", "1",
                      "11", "-1000.000", "21", "-5001.750", "1", "5.50",
                      "0", "TEXT", "8", "POTRUBI", "10", "-1000.000", "20", "-5001.750",
                      "40", " 5.00000000000000E-0001", "50", " 9.00000000000000E+0001", "72", "0", "1", "   1",
                      // no reader knows the alignment 8: it is written as left
                      "0", "TEXT", "8", "POPIS", "10", " -1.000", "20", " -2.000",
                      "40", " 5.00000000000000E-0001", "50", " 9.00000000000000E+0001", "72", "0", "1", "ř",
                      "0", "CIRCLE", "8", "DSACHTA", "10", "-1000.000", "20", "-5000.000",
                      "40", " 1.00000000000000E+0000",
                      "0", "INSERT", "8", "HYDRANT", "2", "6$12", "10", "-1000.000", "20", "-5000.000",
                      "41", " 5.00000000000000E-0002", "42", " 5.00000000000000E-0002",
                  })
                  + KonecSouboru);
}

TEST(DxfSituace, EverySymbolHasItsLayerAndBlock)
{
    test::DocasnyAdresar adr;
    soubor::ZapisTextu vystup(adr / "situace.dxf");
    DxfSituace dxf(vystup, 500);
    Zahlavi(dxf);
    for (int druh = ZnackaSituace::Sachta; druh <= ZnackaSituace::Soupe; ++druh)
        dxf.DxfZnacka(druh, 0, 0, 1);
    dxf.DxfKonec();
    const auto entity = test::EntitySouboru(adr / "situace.dxf");
    ASSERT_EQ(entity.size(), 5u);
    const std::pair<std::string, std::string> ocekavane[] = {
        {"SACHTA", "6$20"}, {"DSACHTA", "6$20"}, {"PRIPOJKAP", "6$20"}, {"HYDRANT", "6$12"}, {"SOUPE", "6$14"}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(entity[i].Vrstva(), ocekavane[i].first);
        EXPECT_EQ(entity[i].Hodnota("2"), ocekavane[i].second);
    }
}
