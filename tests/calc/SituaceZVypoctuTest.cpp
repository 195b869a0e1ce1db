#include "Linie.h"
#include "TestPomoc.h"

#include "prikazy/DavkoveVystupy.h"
#include "calc/Vypocet.h"
#include "zaklad/Chyba.h"
#include "zaklad/Soubor.h"

#include <gtest/gtest.h>

using namespace lineon;
using namespace lineon::test;

namespace {

/// Three manholes turning by a right angle, and a house connection halfway along the first section
/// whose surveyed point lies 0.5 m off the line.
std::unique_ptr<TStav> LinieSPripojkou()
{
    TPripojka pripojka{.Typ = "p", .OznaceniPripojky = "Př1", .Y = Y0 + 0.5, .X = X0 + 10, .OznaceniDS = "DŠ1",
                       .YDS = Y0 + 8, .XDS = X0 + 10, .ZPoklopuDS = 247.9, .ZDnaDS = 246.2};
    return Stav({Sachta("Š1", 0, 0, 245.30, 247.50), Sachta("Š2", 0, 20, 245.40, 247.60),
                 Sachta("Š3", 20, 20, 245.60, 247.80)},
                {pripojka});
}

} // namespace

TEST(DavkoveVystupy, WriteTheSitePlanOfTheComputedLine)
{
    const std::string adresar = VystupniAdresar("dxf");
    auto stav = LinieSPripojkou();
    stav->Nastaveni.AdresarProjektu = adresar;
    stav->Vystupy.SouborSituace = "situace_z_vypoctu.dxf";
    stav->Vystupy.psancheck = false;
    ZaznamZprav zpravy;
    DavkoveVystupy vystupy(*stav);
    ASSERT_TRUE(Vypocet(*stav, zpravy, vystupy));
    const std::string cesta = adresar + "situace_z_vypoctu.dxf";
    ASSERT_TRUE(soubor::Existuje(cesta));
    // The connection splits the line into three pieces; it has its house manhole, label, levels and
    // length, and every section its three descriptions.
    OcekavatEntity(cesta, {{"CIRCLE:DSACHTA", 1}, {"LINE:PRIPOJKA", 1}, {"LINE:STOKA", 3}, {"TEXT:OZNACENI", 5},
                           {"TEXT:TEREN", 5}, {"TEXT:POTRUBI", 5}, {"TEXT:POPIS", 7}, {"INSERT:SACHTA", 3},
                           {"INSERT:PRIPOJKAP", 1}});
    const std::string text = PrecistBajty(cesta);
    EXPECT_NE(text.find("0\r\nLINE\r\n8\r\nPRIPOJKA\r\n6\r\nCONTINUOUS\r\n10\r\n-744000.000\r\n20\r\n-1043010.000\r\n"
                        "11\r\n-744008.000\r\n21\r\n-1043010.000\r\n"),
              std::string::npos)
        << "the connection starts at its point moved onto the line";
    EXPECT_TRUE(vystupy.RovinaVyzadana());
}

TEST(DavkoveVystupy, AFailedSitePlanOpensNoPlaneDialog)
{
    DocasnyAdresar adresar;
    auto stav = LinieSPripojkou();
    stav->Nastaveni.AdresarProjektu = adresar / "chybi/";
    stav->Vystupy.psancheck = false;
    ZaznamZprav zpravy;
    DavkoveVystupy vystupy(*stav);
    EXPECT_THROW(Vypocet(*stav, zpravy, vystupy), Chyba);
    EXPECT_FALSE(vystupy.RovinaVyzadana());
}

TEST(DavkoveVystupy, WriteNoSitePlanWithoutSitcheck)
{
    DocasnyAdresar adresar;
    auto stav = LinieSPripojkou();
    stav->Nastaveni.AdresarProjektu = adresar.Cesta();
    stav->Vystupy.Sitcheck = false;
    ZaznamZprav zpravy;
    DavkoveVystupy vystupy(*stav);
    EXPECT_TRUE(Vypocet(*stav, zpravy, vystupy));
    EXPECT_FALSE(soubor::Existuje(adresar / "situace.dxf"));
}

TEST(DavkoveVystupy, AnEntirelyEmptyConnectionRowIsNoConnectionInAnyOutput)
{
    // Computed and written with and without the row a table-format file without connections
    // carries: not a word, and the same written profile, site plan and profile.
    const auto vystupy = [](bool sPrazdnou, const std::string& adresar) {
        auto stav = LinieSPripojkou();
        if (sPrazdnou)
            stav->Projekt.Pripojky.OtevritMezeru(1, TPripojka{});
        stav->Nastaveni.AdresarProjektu = adresar;
        ZaznamZprav zpravy;
        DavkoveVystupy davka(*stav);
        EXPECT_TRUE(Vypocet(*stav, zpravy, davka));
        EXPECT_TRUE(zpravy.zpravy.empty()) << zpravy.zpravy.front().text;
        return stav;
    };
    DocasnyAdresar bez, s;
    vystupy(false, bez.Cesta());
    vystupy(true, s.Cesta());
    for (const char* nazev : {"podprof.csv", "situace.dxf"})
        EXPECT_TRUE(PrecistBajty(bez / nazev) == PrecistBajty(s / nazev)) << nazev;
}
