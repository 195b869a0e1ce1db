#include "TestPomoc.h"

#include "cli/Cli.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

/// Runs compute on an example project with the options (one "name=value" a line) and the extra
/// arguments; the profile alone is written, as "<nazev>.dxf" under the test output.
std::string Profil(const std::string& nazev, const std::string& projekt, const std::string& volby,
                   const std::vector<std::string>& argumenty)
{
    DocasnyAdresar adresar;
    ZapsatBajty(adresar / "volby.txt", "Sitcheck=0\npsancheck=0\nprofField=" + nazev + ".dxf\n" + volby);
    std::vector<std::string> prikaz = {"compute", ZdrojovyAdresar() + "examples/" + projekt, "--options",
                                       adresar / "volby.txt", "--out", VystupniAdresar("profil-vzory")};
    prikaz.insert(prikaz.end(), argumenty.begin(), argumenty.end());
    const VysledekCli vysledek = SpustitCli(prikaz);
    EXPECT_EQ(vysledek.status, cli::Uspech) << vysledek.chyby;
    return VystupniAdresar("profil-vzory") + nazev + ".dxf";
}

std::string Vzor(const std::string& nazev)
{
    return ZdrojovyAdresar() + "tests/profile/golden/" + nazev;
}

} // namespace

// A sewer of twelve manholes with house connections and two crossings; the user lowers the plane
// to 238 and lets it step down by 2 m at Š7; lengths also at the top; the title block in Czech.
TEST(VzoroveProfily, TheSewerExampleInCzech)
{
    const std::string cesta =
        Profil("kanalizace", "kanalizace.csv",
               "tabcheck=1\nZobrazeniDelek=0\nmatField=Kamenina\nmercombo=Dvořák\nvypcombo=Kůrová\n"
               "koncombo=Svoboda\nzakEdit=Z-2024/ř7\ndatumEdit=12.03.2024\n",
               {"--plane", "238", "--plane-shift", "-2", "--shift-points", "7"});
    // Twelve manholes, three of them without a flat bottom; the right half of Š7 twice; arrows at
    // every manhole; the title block (E = 397.40 m, 11 A4 widths: 10 fold marks).
    OcekavatEntity(cesta, {{"LINE:CARY", 8 + 10 + 18 + 11 * 7 + (12 + 12 + 2 + 3) + (6 + 5) + 4},
                           {"LINE:ROVINA", 11},
                           {"LINE:TEREN", 11 + 12 + 12 + 1},
                           {"LINE:POTRUBI", 22},
                           {"LINE:REZ", 9 * 3 * 2 + 3 * 2 * 2 + 2},
                           {"LINE:KOTOVACI_CARY", 12 * 4},
                           {"LINE:SIPKA", 11 * 3 + 11 * 3},
                           {"CIRCLE:SIPKA", 12},
                           {"LINE:PRIPOJKA", 5 * 4},
                           {"LINE:KRIZENI1", 4},
                           {"LINE:KRIZENI2", 4},
                           {"TEXT:KOTA_PRIPOJKY", 5 * 5},
                           {"TEXT:KOTA_KRIZENI1", 5},
                           {"TEXT:KOTA_KRIZENI2", 5},
                           {"TEXT:OZNACENI", 12},
                           {"TEXT:KOTY", 12 * 3 + 2},
                           {"TEXT:STANICENI", 11 + 4},
                           {"TEXT:DELKA", 11 * 3},
                           {"TEXT:POPIS_POTRUBI", 4},
                           {"TEXT:ROVINA", 2},
                           {"TEXT:TEXTY", 13},
                           {"TEXT:POPIS_TABULKY", 20}});
    EXPECT_EQ(PrecistBajty(cesta), PrecistBajty(Vzor("kanalizace_podprof.dxf")));
}

// A water main whose pipe narrows at V5, with two house connections and a sewer crossing; the
// cover measured from the bottom of the pipe, stationing shown up to 100 m, in Slovak.
TEST(VzoroveProfily, TheWaterMainExampleInSlovak)
{
    const std::string cesta =
        Profil("vodovod", "vodovod.csv",
               "tabcheck=1\nZobrazeniKryti=1\nStaniceniDo100=TRUE\nLegendaDelka=TRUE\nmatField=PE 100 SDR11\n"
               "mercombo=Dvořák\nzakEdit=V-17\ndatumEdit=03.04.2024\n",
               {"--kind", "2", "--lang", "SK"});
    // Eight points, the diameter changing at V5; no arrows in a water main; E = 244.32 m, 8 A4
    // widths.
    OcekavatEntity(cesta, {{"LINE:CARY", 8 + 7 + 18 + 7 * 6 + (8 + 2 + 3) + 6 + 3},
                           {"LINE:ROVINA", 7},
                           {"LINE:TEREN", 7},
                           {"LINE:POTRUBI", 14},
                           {"LINE:REZ", 8},
                           {"LINE:KOTOVACI_CARY", 8 * 4},
                           {"LINE:PRIPOJKA", 2 * 4},
                           {"LINE:KRIZENI1", 4},
                           {"TEXT:KOTA_PRIPOJKY", 2 * 5},
                           {"TEXT:KOTA_KRIZENI1", 5},
                           {"TEXT:OZNACENI", 8},
                           {"TEXT:KOTY", 8 * 3},
                           {"TEXT:STANICENI", 7 + 3},
                           {"TEXT:DELKA", 7 * 2},
                           {"TEXT:POPIS_POTRUBI", 4},
                           {"TEXT:ROVINA", 1},
                           {"TEXT:TEXTY", 12},
                           {"TEXT:POPIS_TABULKY", 20}});
    EXPECT_EQ(PrecistBajty(cesta), PrecistBajty(Vzor("vodovod_podprof.dxf")));
}

// A road axis placed at own coordinates under a plane of its own, without the inner frame, with
// the title block.
TEST(VzoroveProfily, TheRoadAxisExample)
{
    const std::string cesta =
        Profil("osa", "osa_komunikace.csv",
               "tabcheck=1\nramcheck=0\nRadioButton2=1\nUmisteniX=1042000\nUmisteniY=746600\n"
               "vypcombo=Kůrová\n",
               {"--kind", "3", "--plane", "255"});
    // Seven points with terrain alone; only the outer frame; the diameter of the opened rows is
    // named in the pipe band.
    OcekavatEntity(cesta, {{"LINE:CARY", 4 + 18 + 6 * 6 + (7 + 2 + 2) + 6 + 3},
                           {"LINE:ROVINA", 6},
                           {"LINE:TEREN", 6},
                           {"LINE:KOTOVACI_CARY", 7 * 4},
                           {"TEXT:OZNACENI", 7},
                           {"TEXT:KOTY", 7},
                           {"TEXT:STANICENI", 6 + 3},
                           {"TEXT:DELKA", 6 * 2},
                           {"TEXT:POPIS_POTRUBI", 2},
                           {"TEXT:ROVINA", 1},
                           {"TEXT:TEXTY", 9},
                           {"TEXT:POPIS_TABULKY", 20}});
    EXPECT_EQ(PrecistBajty(cesta), PrecistBajty(Vzor("osa_podprof.dxf")));
}
