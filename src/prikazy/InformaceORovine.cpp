#include "prikazy/InformaceORovine.h"

#include "zaklad/Chyba.h"
#include "data/Stav.h"
#include "profile/KreslitProfil.h"

#include <algorithm>

namespace lineon {

void OveritPocetBoduPosunu(int pocet)
{
    if (pocet > NejviceBoduPosunu)
        throw Chyba("Srovnávací rovinu lze posunout nejvýše u " + std::to_string(NejviceBoduPosunu) + " bodů.");
}

void InformaceORovine::Naplnit(const TStav& stav)
{
    const TRovina& rovina = stav.Rovina;
    srovField = rovina.SrovnavaciRovina;
    posSRField = rovina.PosunRoviny;
    poscombo.clear();
    std::size_t dalsi = 0; // the first entry of the shift list not yet taken by a check
    for (int bod = 2; bod <= stav.Projekt.PocetBodu() - 1; ++bod) {
        const bool zaskrtnut = dalsi < rovina.PosunyRoviny.size() && rovina.PosunyRoviny[dalsi] == bod;
        if (zaskrtnut)
            ++dalsi;
        poscombo.push_back({stav.Projekt.Body[bod].Oznaceni, zaskrtnut});
    }
    otevren_ = true;
}

void InformaceORovine::Potvrdit(TStav& stav, INahledProfilu& nahled)
{
    OveritPocetBoduPosunu(static_cast<int>(
        std::count_if(poscombo.begin(), poscombo.end(), [](const TBodPosunu& polozka) { return polozka.Zaskrtnut; })));

    TRovina& rovina = stav.Rovina;
    rovina.SrovnavaciRovina = srovField;
    rovina.PosunRoviny = posSRField;
    rovina.PosunyRoviny.fill(0);
    rovina.PocetPosunu = 0;
    for (std::size_t i = 0; i < poscombo.size(); ++i)
        if (poscombo[i].Zaskrtnut)
            rovina.PosunyRoviny[static_cast<std::size_t>(rovina.PocetPosunu++)] = static_cast<int>(i) + 2;
    // No checked point: the list holds the last point alone, where the plane cannot step.
    if (rovina.PocetPosunu == 0)
        rovina.PosunyRoviny[0] = stav.Projekt.PocetBodu();

    Zavrit();
    KreslitProfil(stav, nahled);
    rovina.PosunyRoviny.fill(0);
}

void InformaceORovine::Zavrit()
{
    poscombo.clear();
    otevren_ = false;
}

} // namespace lineon
