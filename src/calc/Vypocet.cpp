#include "calc/Vypocet.h"

#include "calc/NavrhRoviny.h"
#include "calc/PromitnoutPripojky.h"
#include "calc/RozsahHodnot.h"
#include "calc/UrovneBodu.h"
#include "calc/Useky.h"

#include <algorithm>

namespace lineon {

namespace {

void SpustitVystupy(const TStav& stav, IVystupyVypoctu& vystupy)
{
    const TVystupy& volby = stav.Vystupy;
    if (volby.psancheck)
        vystupy.PsanyProfil();
    if (volby.Sitcheck)
        vystupy.Situace();
    if (stav.Doplnky.gpkgcheck)
        vystupy.Gis();
    if (volby.profcheck)
        vystupy.OtevritRovinu();
}

} // namespace

bool Vypocet(TStav& stav, IZpravy& zpravy, IVystupyVypoctu& vystupy)
{
    auto& body = stav.Projekt.Body;
    const int n = body.Pocet();
    if (n < 2) {
        zpravy.Oznamit(DruhZpravy::Chyba, "Špatné vstupní údaje! - projekt má méně než 2 body.");
        return false;
    }
    if (!OveritRozsahHodnot(stav.Projekt, zpravy))
        return false;
    // The last point has no section of its own; its cover is measured with the pipe arriving there.
    body[n].Prumer = body[n - 1].Prumer;
    UpravitUrovneBodu(stav);
    body[n].Prumer = 0;
    stav.Rovina.PomerMeritek =
        static_cast<double>(stav.Nastaveni.DelkoveMeritko) / stav.Nastaveni.VyskoveMeritko;

    if (!SpocitatUseky(stav, zpravy))
        return false;
    NavrhRoviny(stav);
    if (stav.Nastaveni.DruhSite != TDruhSite::OsaKomunikace)
        PromitnoutPripojky(stav, zpravy);
    else
        // A road axis projects no connections; values left by a run in another kind must not
        // reach its outputs, so every run on the same rows gives the same drawings.
        for (int j = 0; j <= stav.Projekt.PocetPripojek(); ++j)
            stav.Vysledky.Pripojky[static_cast<std::size_t>(j)] = TVysledekPripojky();

    SpustitVystupy(stav, vystupy);
    // A road axis has no pipe to cover: its profile, drawn later from the plane dialog, shows none.
    if (stav.Nastaveni.DruhSite == TDruhSite::OsaKomunikace)
        stav.Nastaveni.ZobrazeniKryti = 2;
    return true;
}

} // namespace lineon
