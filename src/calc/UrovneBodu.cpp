#include "calc/UrovneBodu.h"

#include "calc/RezimKryti.h"
#include "zaklad/Cisla.h"

namespace lineon {

void UpravitUrovneBodu(TStav& stav)
{
    using cisla::ZaokrouhlitNaSetiny;
    auto& body = stav.Projekt.Body;
    // Only a sewer measures the cover of its points without the pipe; a water main and a road
    // axis never subtract the diameter.
    const bool odecistPrumer =
        stav.Nastaveni.DruhSite == TDruhSite::Kanalizace && KrytiOdVrchuPotrubi(stav.Nastaveni.ZobrazeniKryti);
    for (int i = 1; i <= body.Pocet(); ++i) {
        TBod& bod = body[i];
        bod.ZVtoku = ZaokrouhlitNaSetiny(bod.ZVtoku);
        bod.ZOdtoku = ZaokrouhlitNaSetiny(bod.ZOdtoku);
        bod.ZDna = ZaokrouhlitNaSetiny(bod.ZDna);
        bod.ZPoklopu = ZaokrouhlitNaSetiny(bod.ZPoklopu);

        double kryti = bod.ZPoklopu - bod.ZDna;
        if (odecistPrumer)
            kryti -= bod.Prumer / 1000.0;
        stav.Vysledky.Body[i].Kryti = kryti;

        if (bod.ZVtoku == 0)
            bod.ZVtoku = bod.ZDna;
        if (bod.ZOdtoku == 0)
            bod.ZOdtoku = bod.ZDna;
    }
}

} // namespace lineon
