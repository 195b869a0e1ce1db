#include "profile/PopiskyPasu.h"

#include "profile/KresbaProfilu.h"
#include "profile/PopiskyProfilu.h"

#include <string>

namespace lineon {

namespace {

/// A caption whose insertion point lies v above the plane line; left out where the language has
/// no form of it.
void Popisek(KresbaProfilu& k, const TPopisek& popisek, double v)
{
    if (const auto text = PopisekVJazyce(popisek, k.Nastaveni().Jazyk))
        k.Text(std::string(*text), 0, VrstvaTextuProfilu::Texty, k.s(1) - k.mm(55), v);
}

} // namespace

void KreslitPopiskyPasu(KresbaProfilu& k)
{
    using namespace popisky;
    const bool stoka = k.Druh() == TDruhSite::Kanalizace;
    const bool osa = k.Druh() == TDruhSite::OsaKomunikace;
    const TBod& prvni = k.Bod(1);
    const double r0 = k.R(0);

    Popisek(k, stoka ? OznaceniSachet : CislaBodu, k.mm(190));
    Popisek(k, Teren, k.Vyska(prvni.ZPoklopu, r0));
    if (!osa)
        Popisek(k, Potrubi, k.Vyska(prvni.ZOdtoku, r0));
    if (k.KrytiZobrazeno())
        Popisek(k, Kryti, k.mm(41.5));
    Popisek(k, stoka ? KotaPoklopu : KotaTerenu, k.mm(30));
    if (!osa)
        Popisek(k, stoka ? KotaDna : KotaPotrubi, k.mm(15));
    Popisek(k, SrovnavaciRovina, k.mm(5));
    Popisek(k, Staniceni, k.mm(-7.5));
    Popisek(k, DelkaSpad, k.mm(-16.75));
    Popisek(k, k.Nastaveni().LegendaDelka ? ProfilMaterialDelka : ProfilMaterial, k.mm(-19.75));
    Popisek(k, KatastralniUzemi, k.mm(225.25));
    Popisek(k, DruhPovrchu, k.mm(220.25));
    if (k.Nastaveni().ZobrazeniDelek == 0)
        Popisek(k, stoka ? VzdalenostSachet : Vzdalenost, k.mm(215.25));
}

} // namespace lineon
