#include "Linie.h"
#include "TestPomoc.h"

#include "calc/PromitnoutPripojky.h"
#include "calc/Vypocet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace lineon;
using namespace lineon::test;

namespace {

/// Connections that more than one section took, over all plain projections.
int vicePrevzeti = 0;

/// The projection as it is written down: every connection against every section in turn.
void ProstaProjekce(TStav& stav, IZpravy& zpravy)
{
    for (int j = 1; j <= stav.Projekt.PocetPripojek(); ++j) {
        stav.Vysledky.Pripojky[j].Staniceni = 0;
        int prevzeti = 0;
        for (int i = 1; i < stav.Projekt.PocetBodu(); ++i)
            prevzeti += ZkusitUsek(stav, zpravy, j, i);
        vicePrevzeti += prevzeti > 1;
        if (stav.Vysledky.Pripojky[j].Staniceni == 0)
            zpravy.Oznamit(DruhZpravy::Chyba, "Chyba přípojky - bod neleží na stoce - " + std::to_string(j));
    }
}

/// A winding line with sections from half a metre to sixty metres, sharp turns and loops back,
/// and connections on and beside its sections, on its points and far from it.
std::unique_ptr<TStav> NahodnaLinie(std::mt19937& nahoda, int bodu, int pripojek)
{
    std::uniform_real_distribution<double> jedna(0, 1);
    std::vector<TBod> body;
    double y = 0, x = 0, smer = 0;
    for (int i = 0; i < bodu; ++i) {
        body.push_back(Sachta(std::to_string(i + 1), std::nearbyint(y * 1000) / 1000, std::nearbyint(x * 1000) / 1000,
                              245 + 0.01 * i, 248 + jedna(nahoda), 300));
        const double delka = jedna(nahoda) < 0.1 ? 30 + 30 * jedna(nahoda) : 0.5 + 12 * jedna(nahoda);
        smer += jedna(nahoda) < 0.15 ? 2.5 * (jedna(nahoda) - 0.5) * 2 : 0.4 * (jedna(nahoda) - 0.5);
        y += delka * std::sin(smer);
        x += delka * std::cos(smer);
    }
    std::vector<TPripojka> pripojky;
    for (int j = 0; j < pripojek; ++j) {
        const int i = std::uniform_int_distribution<int>(0, bodu - 2)(nahoda);
        const TBod& a = body[static_cast<std::size_t>(i)];
        const TBod& b = body[static_cast<std::size_t>(i + 1)];
        const double t = jedna(nahoda), bok = 6 * (jedna(nahoda) - 0.5), druh = jedna(nahoda);
        double py = a.Y + t * (b.Y - a.Y) + bok, px = a.X + t * (b.X - a.X) - bok;
        if (druh < 0.1) {
            py = a.Y;
            px = a.X;
        } else if (druh < 0.2) {
            py = Y0 + 400 * (jedna(nahoda) - 0.5);
            px = X0 + 400 * (jedna(nahoda) - 0.5);
        }
        TPripojka pripojka = Pripojka(std::nearbyint((py - Y0) * 100) / 100, std::nearbyint((px - X0) * 100) / 100);
        pripojka.YDS = pripojka.Y + 5;
        pripojka.XDS = pripojka.X + 3;
        pripojky.push_back(pripojka);
    }
    auto stav = Stav(body, pripojky);
    stav->Vystupy.psancheck = stav->Vystupy.Sitcheck = stav->Vystupy.profcheck = false;
    return stav;
}

struct TProjekce {
    std::vector<TPripojka> pripojky;
    std::vector<TVysledekPripojky> vysledky;
    std::vector<ZaznamZprav::Zprava> zpravy;
};

/// Projects the connection rows as they stood before the calculation, one way or the other.
template <class Projekce>
TProjekce Promitnout(TStav& stav, const std::vector<TPripojka>& puvodni, Projekce projekce)
{
    for (std::size_t j = 0; j < puvodni.size(); ++j) {
        stav.Projekt.Pripojky[static_cast<int>(j) + 1] = puvodni[j];
        stav.Vysledky.Pripojky[j + 1] = {};
    }
    ZaznamZprav zpravy;
    projekce(stav, zpravy);
    TProjekce vysledek;
    for (std::size_t j = 1; j <= puvodni.size(); ++j) {
        vysledek.pripojky.push_back(stav.Projekt.Pripojky[static_cast<int>(j)]);
        vysledek.vysledky.push_back(stav.Vysledky.Pripojky[j]);
    }
    vysledek.zpravy = zpravy.zpravy;
    return vysledek;
}

void OcekavatStejne(const TProjekce& a, const TProjekce& b, int pokus)
{
    ASSERT_EQ(a.pripojky, b.pripojky) << "pokus " << pokus;
    ASSERT_EQ(a.zpravy, b.zpravy) << "pokus " << pokus;
    for (std::size_t j = 0; j < a.vysledky.size(); ++j) {
        const TVysledekPripojky &x = a.vysledky[j], &y = b.vysledky[j];
        ASSERT_TRUE(x.Staniceni == y.Staniceni && x.ZPotrubi == y.ZPotrubi && x.ZTerenu == y.ZTerenu
                    && x.Kryti == y.Kryti && x.DelkaPripojky == y.DelkaPripojky && x.UhelPripojky == y.UhelPripojky)
            << "pokus " << pokus << ", přípojka " << j + 1;
    }
}

} // namespace

TEST(IndexUseku, TheProjectionTakesTheSameSectionsInTheSameOrderAsThePlainScan)
{
    std::mt19937 nahoda(2024);
    vicePrevzeti = 0;
    for (int pokus = 0; pokus < 2500; ++pokus) {
        const bool velka = pokus % 500 == 0;
        auto stav = NahodnaLinie(nahoda, velka ? 1500 : 2 + pokus % 60, velka ? 1500 : 1 + pokus % 40);
        std::vector<TPripojka> puvodni;
        for (int j = 1; j <= stav->Projekt.PocetPripojek(); ++j)
            puvodni.push_back(stav->Projekt.Pripojky[j]);
        ZaznamZprav zpravy;
        ZaznamVystupu vystupy;
        if (!Vypocet(*stav, zpravy, vystupy))
            continue; // a line with a section of no length stops before the projection
        const TProjekce sIndexem = Promitnout(*stav, puvodni, PromitnoutPripojky);
        const TProjekce prosta = Promitnout(*stav, puvodni, ProstaProjekce);
        OcekavatStejne(sIndexem, prosta, pokus);
    }
    // Connections beside a sharp turn are taken by both of its sections, the second with the
    // point the first one moved.
    EXPECT_GT(vicePrevzeti, 100);
}

TEST(IndexUseku, FarPointsAndOneVeryLongSectionAreHandledLikeThePlainScan)
{
    // One section a hundred times longer than the rest: its box covers the whole grid.
    std::vector<TBod> body;
    for (int i = 0; i < 50; ++i)
        body.push_back(Sachta(std::to_string(i + 1), 0, i * 2.0, 245, 248));
    body.push_back(Sachta("51", 0, 98 + 5000, 246, 249));
    std::vector<TPripojka> puvodni = {Pripojka(1, 3000), Pripojka(0.5, 51), Pripojka(1e8, -1e8), Pripojka(0, 0),
                                      Pripojka(-3, 98)};
    auto stav = Stav(body, puvodni);
    stav->Vystupy.psancheck = stav->Vystupy.Sitcheck = stav->Vystupy.profcheck = false;
    ZaznamZprav zpravy;
    ZaznamVystupu vystupy;
    ASSERT_TRUE(Vypocet(*stav, zpravy, vystupy));
    OcekavatStejne(Promitnout(*stav, puvodni, PromitnoutPripojky), Promitnout(*stav, puvodni, ProstaProjekce), 0);
    EXPECT_NEAR(stav->Vysledky.Pripojky[1].Staniceni, 3000, 1e-9);
}
