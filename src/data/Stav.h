#pragma once

#include "data/Vysledky.h"
#include "data/NastaveniPrevodu.h"
#include "data/Bod.h"
#include "data/Doplnky.h"
#include "data/Nastaveni.h"
#include "data/Projekt.h"
#include "data/Vystupy.h"
#include "data/ZamerenyBod.h"
#include "data/KresData.h"
#include "data/RozsahProfilu.h"
#include "data/Vykres.h"
#include "zaklad/Soubor.h"

#include <cstdint>
#include <optional>

namespace lineon {

/// The program-wide state, owned by the one application object and passed by reference to every
/// command; the windows read and write it in place by row number.
struct TStav {
    TProjekt Projekt;
    TNastaveni Nastaveni;
    TVystupy Vystupy;
    TDoplnky Doplnky;
    TVysledky Vysledky;
    TRovina Rovina;
    TSeznamSouradnic SeznamSouradnic;
    TRucniPrevod RucniPrevod;
    TAutomatickyPrevod AutomatickyPrevod;
    TSeznamKresby SeznamKresby;            ///< the profile preview list
    TVykres VykresProfilu;                 ///< the entities of the last profile drawing, for the preview and PDF
    TRozsahProfilu RozsahProfilu;          ///< the extents of the last profile drawing, for the preview
    std::optional<TBod> SchrankaRadku;     ///< the row clipboard; empty until the first copy or cut
    const soubor::Disk* Disk = &soubor::SystemovyDisk(); ///< where the commands write their files
};

/// The diameter a new or converted point row gets: `PrumerPriImportu` while "Jednotný průměr
/// potrubí" is checked, else 0.
inline std::int32_t PrumerNovehoRadku(const TStav& stav)
{
    return stav.Vystupy.CheckBox1 ? stav.Nastaveni.PrumerPriImportu : 0;
}

} // namespace lineon
