#include "calc/PromitnoutPripojky.h"

#include "calc/Geometrie.h"
#include "calc/IndexUseku.h"
#include "calc/RezimKryti.h"
#include "zaklad/Cisla.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace lineon {

namespace {

using cisla::ZaokrouhlitNaSetiny;

/// Section i takes connection j: d1 and d2 are the distances of the connection point from the
/// section's first and second point.
void PrevzitPripojku(TStav& stav, IZpravy& zpravy, int j, int i, double d1, double d2)
{
    const TBod& a = stav.Projekt.Body[i];
    const TBod& b = stav.Projekt.Body[i + 1];
    const TVysledekBodu& usek = stav.Vysledky.Body[i];
    const double staniceniB = stav.Vysledky.Body[i + 1].StaniceniPresne;
    TPripojka& pripojka = stav.Projekt.Pripojky[j];
    TVysledekPripojky& vysledek = stav.Vysledky.Pripojky[j];

    // The mean of the two stationings measured from either end of the section.
    const double s = ZaokrouhlitNaSetiny(((usek.StaniceniPresne + d1) + (staniceniB - d2)) / 2);
    vysledek.Staniceni = s;
    const double t = s - usek.StaniceniPresne;

    vysledek.ZPotrubi = stav.Nastaveni.DruhSite == TDruhSite::Vodovod ? t * usek.Spad / 1000 + a.ZDna
                                                     : ZaokrouhlitNaSetiny(t * usek.Spad / 1000 + a.ZVtoku);
    vysledek.ZTerenu = a.ZPoklopu + ZaokrouhlitNaSetiny(t * (b.ZPoklopu - a.ZPoklopu) / usek.Delka);
    vysledek.Kryti = vysledek.ZTerenu - vysledek.ZPotrubi;
    if (KrytiOdVrchuPotrubi(stav.Nastaveni.ZobrazeniKryti))
        vysledek.Kryti -= a.Prumer / 1000.0;

    const double x = a.X + ZaokrouhlitNaSetiny(t * (b.X - a.X) / usek.Delka);
    const double y = a.Y + ZaokrouhlitNaSetiny(t * (b.Y - a.Y) / usek.Delka);
    const std::string posun = cisla::FormatF(geometrie::Vzdalenost(pripojka.Y, pripojka.X, y, x), 0, 2);
    pripojka.X = x;
    pripojka.Y = y;
    if (std::fabs(d1 + d2 - usek.Delka) > 1.0)
        zpravy.Oznamit(DruhZpravy::Informace,
                       "Souřadnice přípojky " + std::to_string(j) + " přepočteny do linie - " + posun + " m");

    vysledek.DelkaPripojky = pripojka.YDS == 0 ? 0 : geometrie::Vzdalenost(y, x, pripojka.YDS, pripojka.XDS);
    vysledek.UhelPripojky = UhelPripojky(y, x, pripojka.YDS, pripojka.XDS);
}

} // namespace

double UhelPripojky(double y, double x, double yDS, double xDS)
{
    double a;
    if (x == xDS)
        a = y - yDS > 0 ? 90 : 270;
    else
        a = std::atan((y - yDS) / (x - xDS)) * 180 / std::numbers::pi;
    if (a >= 0)
        a = 90 - a;
    if (a < 0)
        a = 270 - a;
    return a;
}

bool ZkusitUsek(TStav& stav, IZpravy& zpravy, int j, int i)
{
    const auto& body = stav.Projekt.Body;
    const TPripojka& pripojka = stav.Projekt.Pripojky[j];
    const double d1 = geometrie::Vzdalenost(pripojka.Y, pripojka.X, body[i].Y, body[i].X);
    const double d2 = geometrie::Vzdalenost(pripojka.Y, pripojka.X, body[i + 1].Y, body[i + 1].X);
    const double delka = stav.Vysledky.Body[i].Delka;
    if (!(d1 < delka && d2 < delka))
        return false;
    PrevzitPripojku(stav, zpravy, j, i, d1, d2);
    return true;
}

void PromitnoutPripojky(TStav& stav, IZpravy& zpravy)
{
    const IndexUseku index(stav);
    std::vector<int> kandidati;
    for (int j = 1; j <= stav.Projekt.PocetPripojek(); ++j) {
        const TPripojka& pripojka = stav.Projekt.Pripojky[j];
        // An entirely empty row (the one a table-format file without connections carries) is no
        // connection: it lies nowhere and is not reported.
        if (!DrziData(pripojka)) {
            stav.Vysledky.Pripojky[j] = TVysledekPripojky();
            continue;
        }
        stav.Vysledky.Pripojky[j].Staniceni = 0;
        // The sections in their order; after a take the moved point looks again among the
        // sections that follow.
        int posledni = 0;
        for (bool prevzato = true; prevzato;) {
            prevzato = false;
            index.Kandidati(pripojka.Y, pripojka.X, posledni, kandidati);
            for (const int i : kandidati)
                if (ZkusitUsek(stav, zpravy, j, i)) {
                    posledni = i;
                    prevzato = true;
                    break;
                }
        }
        if (stav.Vysledky.Pripojky[j].Staniceni == 0)
            zpravy.Oznamit(DruhZpravy::Chyba, "Chyba přípojky - bod neleží na stoce - " + std::to_string(j));
    }
}

} // namespace lineon
