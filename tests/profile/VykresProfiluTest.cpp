#include "TestPomoc.h"
#include "dxf/DxfPomoc.h"

#include "calc/Vypocet.h"
#include "data/ProjektovySoubor.h"
#include "dxf/Situace.h"
#include "dxf/VrstvyProfilu.h"
#include "dxf/VrstvySituace.h"
#include "dxf/TextyProfilu.h"
#include "dxf/ZaznamVykresu.h"
#include "prikazy/DavkoveVystupy.h"
#include "prikazy/InformaceORovine.h"
#include "profile/CteniProfilu.h"
#include "profile/KresbaProfilu.h"
#include "profile/NahledProfilu.h"
#include "zaklad/Cisla.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace lineon;
using namespace lineon::test;

namespace {

std::string Cislo(double hodnota)
{
    return cisla::FormatF(hodnota, 1, 3);
}

/// A line or text as "LINE colour x1 y1 x2 y2" or "TEXT colour x y height angle alignment text",
/// in the file's three decimals.
std::string Klic(const TPrvekVykresu& p)
{
    const std::string barva = std::to_string(p.barva);
    if (p.druh == TPrvekVykresu::Druh::Cara)
        return "LINE " + barva + " " + Cislo(p.x1) + " " + Cislo(p.y1) + " " + Cislo(p.x2) + " " + Cislo(p.y2);
    if (p.druh == TPrvekVykresu::Druh::Kruh)
        return "CIRCLE " + barva + " " + Cislo(p.x1) + " " + Cislo(p.y1) + " " + Cislo(p.polomer);
    return "TEXT " + barva + " " + Cislo(p.x1) + " " + Cislo(p.y1) + " " + Cislo(p.vyska) + " " + Cislo(p.uhel) + " "
           + std::to_string(p.zarovnani) + " " + p.text;
}

double Hodnota(const Entita& e, const std::string& kod)
{
    return e.Ma(kod) ? std::stod(e.Hodnota(kod)) : 0.0;
}

/// A symbol of the site plan drawn out of its block, as the file's BLOCKS section defines them:
/// "6$20" a circle of radius 1, "6$14" of 0.5, "6$12" of 0.75 under a T of two lines.
void VlozitBlok(std::vector<std::string>& klice, const Entita& e, int barva)
{
    const double x = Hodnota(e, "10");
    const double y = Hodnota(e, "20");
    const double m = Hodnota(e, "41");
    const std::string blok = e.Hodnota("2");
    TPrvekVykresu kruh{.druh = TPrvekVykresu::Druh::Kruh, .barva = barva, .x1 = x, .y1 = y};
    kruh.polomer = m * (blok == "6$20" ? 1.0 : blok == "6$14" ? 0.5 : 0.75);
    klice.push_back(Klic(kruh));
    if (blok != "6$12")
        return;
    klice.push_back(Klic({.barva = barva, .x1 = x, .y1 = y + 1.75 * m, .x2 = x, .y2 = y + 0.75 * m}));
    klice.push_back(Klic({.barva = barva, .x1 = x - 0.5 * m, .y1 = y + 1.75 * m, .x2 = x + 0.5 * m, .y2 = y + 1.75 * m}));
}

template <std::size_t N>
std::vector<std::string> KliceSouboru(const std::string& cesta, const std::array<dxf::TVrstva, N>& vrstvy)
{
    std::vector<std::string> klice;
    for (const Entita& e : EntitySouboru(cesta)) {
        TPrvekVykresu p;
        p.barva = dxf::BarvaVrstvy(vrstvy, e.Vrstva());
        p.x1 = Hodnota(e, "10");
        p.y1 = Hodnota(e, "20");
        if (e.Typ() == "LINE") {
            p.x2 = Hodnota(e, "11");
            p.y2 = Hodnota(e, "21");
        } else if (e.Typ() == "CIRCLE") {
            p.druh = TPrvekVykresu::Druh::Kruh;
            p.polomer = Hodnota(e, "40");
        } else if (e.Typ() == "TEXT") {
            p.druh = TPrvekVykresu::Druh::Text;
            p.vyska = Hodnota(e, "40");
            p.uhel = Hodnota(e, "50");
            p.zarovnani = static_cast<int>(Hodnota(e, "72"));
            p.text = e.Hodnota("1");
        } else if (e.Typ() == "INSERT") {
            VlozitBlok(klice, e, p.barva);
            continue;
        }
        klice.push_back(Klic(p));
    }
    std::sort(klice.begin(), klice.end());
    return klice;
}

std::vector<std::string> KliceVykresu(const TVykres& vykres)
{
    std::vector<std::string> klice;
    for (const TPrvekVykresu& p : vykres.prvky)
        klice.push_back(Klic(p));
    std::sort(klice.begin(), klice.end());
    return klice;
}

/// The example sewer computed, its profile drawn with the proposed plane and kept for paper.
std::unique_ptr<TStav> Kanalizace(const DocasnyAdresar& adresar)
{
    auto stav = std::make_unique<TStav>();
    Otevrit(*stav, ZdrojovyAdresar() + "examples/kanalizace.csv", FormatProjektu::Tabulka);
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    ZaznamZprav zpravy;
    DavkoveVystupy vystupy(*stav);
    EXPECT_TRUE(Vypocet(*stav, zpravy, vystupy));
    InformaceORovine dialog;
    dialog.Naplnit(*stav);
    BezObrazovky proPdf(true);
    dialog.Potvrdit(*stav, proPdf);
    return stav;
}

} // namespace

// Paper shows what the file holds: every line, circle and text of both drawings of the example
// sewer, with its place, height, angle, alignment and layer colour.
TEST(VykresProfilu, PaperGetsTheEntitiesOfTheFile)
{
    DocasnyAdresar adresar;
    const auto stav = Kanalizace(adresar);
    const TVykres& profil = stav->VykresProfilu;
    EXPECT_EQ(KliceVykresu(profil), KliceSouboru(adresar / stav->Vystupy.SouborProfilu, TabulkaVrstevProfilu));
    EXPECT_GT(profil.prvky.size(), 500u);
    EXPECT_DOUBLE_EQ(profil.mmNaJednotku, 1000.0 / stav->Nastaveni.DelkoveMeritko);
    EXPECT_LT(profil.minX, profil.maxX);
    EXPECT_LT(profil.minY, profil.maxY);

    TVykres situace;
    ZaznamSituace zaznam(situace, stav->Nastaveni.MeritkoSituace);
    VytvoritSituaci(*stav, zaznam);
    EXPECT_EQ(KliceVykresu(situace), KliceSouboru(adresar / stav->Vystupy.SouborSituace, TabulkaVrstevSituace));
    EXPECT_DOUBLE_EQ(situace.mmNaJednotku, 1000.0 / stav->Nastaveni.MeritkoSituace);
}

// Without "na obrazovku" and without a PDF to follow, nothing is kept: the batch program draws
// millions of lines into its files alone.
TEST(VykresProfilu, KeptOnlyForTheScreenOrPaper)
{
    DocasnyAdresar adresar;
    auto stav = Kanalizace(adresar);
    InformaceORovine dialog;
    dialog.Naplnit(*stav);
    BezObrazovky bezObrazovky;
    dialog.Potvrdit(*stav, bezObrazovky);
    EXPECT_TRUE(stav->VykresProfilu.prvky.empty());
}

// The preview's status line reads the drawing back: the plane line at the first point is R0 at
// stationing 0, a manhole's bottom its level, and from a shift point on the next plane holds.
TEST(VykresProfilu, PointsReadBackAsStationingAndLevel)
{
    DocasnyAdresar adresar;
    auto stav = Kanalizace(adresar);
    const auto [bx, by] = KresbaProfilu::ZakladniBod(*stav);
    const auto cist = [&](double s, double v) {
        return CistBodProfilu(*stav, s - static_cast<double>(by), v - static_cast<double>(bx));
    };
    const double r0 = stav->Rovina.SrovnavaciRovina;
    const double pomer = stav->Rovina.PomerMeritek;
    const auto zacatek = cist(0, 0);
    ASSERT_TRUE(zacatek);
    EXPECT_DOUBLE_EQ(zacatek->Staniceni, 0);
    EXPECT_DOUBLE_EQ(zacatek->Kota, r0);
    EXPECT_EQ(TextBoduProfilu(*zacatek), "staničení 0.0 km + 0.00 m, kóta " + cisla::FormatF(r0, 1, 2) + " m");

    const double s7 = stav->Vysledky.Body[7].Staniceni;
    const double dno7 = stav->Projekt.Body[7].ZDna;
    EXPECT_NEAR(cist(s7, (dno7 - r0) * pomer)->Kota, dno7, 1e-9);
    stav->Rovina.PosunyRoviny = {7};
    stav->Rovina.PosunRoviny = -2;
    EXPECT_NEAR(cist(s7 - 0.01, 0)->Kota, r0, 1e-9);
    EXPECT_NEAR(cist(s7 + 1e-6, 0)->Kota, r0 - 2, 1e-9);
    EXPECT_EQ(TextBoduProfilu({312.48, 245.3}), "staničení 0.3 km + 12.48 m, kóta 245.30 m");
    EXPECT_FALSE(cist(-1, 0));
    EXPECT_FALSE(cist(stav->Vysledky.Body[static_cast<std::size_t>(stav->Projekt.PocetBodu())].Staniceni + 1, 0));
}
