#include "profile/UsekyProfilu.h"

#include "profile/KresbaProfilu.h"
#include "profile/RovinaVPlatnosti.h"

namespace lineon {

namespace {

/// Section i, from point i to point i + 1, under the plane r. A sewer's lines end at the manhole
/// walls, 1.25 mm beside the points; its pipe runs from the inlet of point i to the outlet of
/// point i + 1, with its crown one diameter higher. A water main's pipe has its second line one
/// diameter lower.
void KreslitUsek(KresbaProfilu& k, int i, double r)
{
    const TBod& a = k.Bod(i);
    const TBod& b = k.Bod(i + 1);
    const double prumer = a.Prumer / 1000.0;
    const auto V = [&](double z) { return k.Vyska(z, r); };
    switch (k.Druh()) {
    case TDruhSite::Kanalizace: {
        const double ua = k.s(i) + k.mm(1.25);
        const double ub = k.s(i + 1) - k.mm(1.25);
        k.Cara(VrstvaCaryProfilu::Teren, ua, V(a.ZPoklopu), ub, V(b.ZPoklopu));
        k.Cara(VrstvaCaryProfilu::Potrubi, ua, V(a.ZVtoku), ub, V(b.ZOdtoku));
        k.Cara(VrstvaCaryProfilu::Potrubi, ua, V(a.ZVtoku + prumer), ub, V(b.ZOdtoku + prumer));
        break;
    }
    case TDruhSite::Vodovod:
        k.Cara(VrstvaCaryProfilu::Teren, k.s(i), V(a.ZPoklopu), k.s(i + 1), V(b.ZPoklopu));
        k.Cara(VrstvaCaryProfilu::Potrubi, k.s(i), V(a.ZDna), k.s(i + 1), V(b.ZDna));
        k.Cara(VrstvaCaryProfilu::Potrubi, k.s(i), V(a.ZDna - prumer), k.s(i + 1), V(b.ZDna - prumer));
        break;
    case TDruhSite::OsaKomunikace:
        k.Cara(VrstvaCaryProfilu::Teren, k.s(i), V(a.ZPoklopu), k.s(i + 1), V(b.ZPoklopu));
        break;
    }
}

} // namespace

void KreslitUseky(KresbaProfilu& k)
{
    RovinaVPlatnosti rovina(k.Stav());
    for (int i = 1; i <= k.N() - 1; ++i) {
        KreslitUsek(k, i, k.R(rovina.g()));
        // The section arriving at a shift point keeps the old plane, the one leaving it takes the new.
        if (rovina.JeBodPosunu(i + 1))
            rovina.Projit();
    }
}

} // namespace lineon
