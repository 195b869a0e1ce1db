#include "DxfPomoc.h"
#include "TestPomoc.h"
#include "zaklad/Chyba.h"
#include "zaklad/Soubor.h"
#include "dxf/DxfProfilu.h"

#include <gtest/gtest.h>


using namespace lineon;

namespace {

constexpr double H = 200;

/// Header, extents x1 = 1000, y1 = 500, x2 = 800, y2 = 400, tables.
void Zahlavi(DxfProfilu& dxf)
{
    dxf.Zahajit(1000, 500, 800, 400);
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
    soubor::PametovyVystup vystup;
    DxfProfilu dxf(vystup, H, false);
    Zahlavi(dxf);
    dxf.Cara(VrstvaCaryProfilu::Teren, 900, 450, 850, 420);
    dxf.Text("Kř1", 4, VrstvaTextuProfilu::Oznaceni, 900, 450);
    dxf.Cislo(0, 2, 0, 900, 450, 245.3, H * 0.00175, VrstvaCislaProfilu::Delka);
    dxf.Kruh(900, 450, 0.5);
    dxf.Ukoncit();
    EXPECT_EQ(vystup.Bajty(), OcekavaneZahlavi() + KonecSouboru);
}

TEST(DxfProfilu, TheLayerTableHas28EntriesWithRovinaTwice)
{
    test::DocasnyAdresar adr;
    DxfProfilu dxf(adr / "podprof.dxf", H, true);
    Zahlavi(dxf);
    dxf.Ukoncit();
    const std::string text = test::PrecistBajty(adr / "podprof.dxf");
    EXPECT_EQ(text, OcekavaneZahlavi() + KonecSouboru);
    EXPECT_EQ(test::PocetVyskytu(text, "  0\r\nLAYER\r\n"), 28u);
    EXPECT_NE(text.find("  2\r\nROVINA\r\n 70\r\n     0\r\n 62\r\n     4\r\n"), std::string::npos);
    EXPECT_NE(text.find("  2\r\nROVINA\r\n 70\r\n     0\r\n 62\r\n     25\r\n"), std::string::npos);
}

TEST(DxfProfilu, EntitiesUseTheProfileFormats)
{
    test::DocasnyAdresar adr;
    DxfProfilu dxf(adr / "podprof.dxf", H, true);
    Zahlavi(dxf);
    dxf.Cara(VrstvaCaryProfilu::Krizeni3, 1.5, 0, 745.456, -12.25);
    dxf.Text("Kř1", 4, VrstvaTextuProfilu::Oznaceni, 0, 2.5);
    dxf.Text("TERÉN", 0, VrstvaTextuProfilu::Texty, 12.5, -3);
    dxf.Text("238.00 m", 0, VrstvaTextuProfilu::Rovina, 1, 2);
    dxf.Text("(245.30)", 2, VrstvaTextuProfilu::KotaPripojky, 1, 2);
    dxf.Cislo(90, 2, 4, 10, 20, 5.5, H * 0.00175, VrstvaCislaProfilu::Koty);
    dxf.Cislo(0, 0, 0, 10, 20, 7, H * 0.0025, VrstvaCislaProfilu::Staniceni);
    dxf.Text("Př", 3, VrstvaTextuProfilu::KotaPripojky, 1, 2);
    dxf.Kruh(3, 4, 0.5);
    dxf.Ukoncit();
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
}

TEST(DxfProfilu, OnlyTheCrossingAndConnectionLevelLayersCarryTheAngle)
{
    test::DocasnyAdresar adr;
    DxfProfilu dxf(adr / "podprof.dxf", H, true);
    Zahlavi(dxf);
    for (int vrstva = 0; vrstva <= VrstvaTextuProfilu::KotaPripojky; ++vrstva)
        dxf.Text("ř", 0, vrstva, 0, 0);
    dxf.Ukoncit();
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

TEST(DxfProfilu, AFailedWriteNamesTheFileAndKeepsThePreviousOne)
{
    test::DocasnyAdresar adr;
    test::ZapsatBajty(adr / "podprof.dxf", "předchozí");
    for (const auto druh : {test::PorouchanyDisk::Druh::Vytvoreni, test::PorouchanyDisk::Druh::Zapis}) {
        const test::PorouchanyDisk disk(druh, 100);
        DxfProfilu dxf(adr / "podprof.dxf", H, true, disk);
        Zahlavi(dxf);
        dxf.Cara(0, 1, 2, 3, 4);
        try {
            dxf.Ukoncit();
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
    DxfProfilu dxf(adresar + "profil_zapisovac.dxf", H, true);
    dxf.Zahajit(1110, 5110, 900, 4890);
    dxf.Cara(VrstvaCaryProfilu::Cary, 1000, 5000, 980, 5000);
    dxf.Cara(VrstvaCaryProfilu::Rovina, 1000, 5000, 980, 5000);
    dxf.Text("SROVNÁVACÍ ROVINA", 0, VrstvaTextuProfilu::Texty, 1011, 4999);
    dxf.Text("238.00 m", 0, VrstvaTextuProfilu::Rovina, 1000, 4999);
    dxf.Text("Přípojka ř", 4, VrstvaTextuProfilu::KotaPripojky, 990, 4998);
    dxf.Cislo(90, 2, 4, 995, 4994, 245.3, H * 0.00175, VrstvaCislaProfilu::Koty);
    dxf.Cislo(0, 2, 0, 995, 5003, 10, H * 0.00175, VrstvaCislaProfilu::Delka);
    dxf.Kruh(995, 4959, 0.5);
    dxf.Ukoncit();
    test::OcekavatEntity(adresar + "profil_zapisovac.dxf",
                         {{"LINE:CARY", 1}, {"LINE:ROVINA", 1}, {"TEXT:TEXTY", 1}, {"TEXT:ROVINA", 1},
                          {"TEXT:KOTA_PRIPOJKY", 1}, {"TEXT:KOTY", 1}, {"TEXT:DELKA", 1}, {"CIRCLE:SIPKA", 1}});
}

TEST(DxfProfilu, NumbersAreWrittenWithTheirDecimalsAlone)
{
    test::DocasnyAdresar adr;
    DxfProfilu dxf(adr / "podprof.dxf", H, true);
    Zahlavi(dxf);
    dxf.Cislo(0, 1, 4, 900, 450, 0.2, H * 0.0025, VrstvaCislaProfilu::Staniceni);
    dxf.Ukoncit();
    EXPECT_EQ(test::EntitySouboru(adr / "podprof.dxf").at(0).Hodnota("1"), "0.2");
}
