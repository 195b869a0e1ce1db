#include "profile/CislaPasu.h"

#include "profile/KresbaProfilu.h"

namespace lineon {

namespace {

constexpr double VyskaCisla = 0.00175;

/// A level standing across the bands, centred on its row.
void Kota(KresbaProfilu& k, double u, double b, double hodnota)
{
    k.Cislo(90, 2, 4, u, k.mm(b), hodnota, VyskaCisla, VrstvaCislaProfilu::Koty);
}

void Delka(KresbaProfilu& k, int zarovnani, double u, double b, double hodnota)
{
    k.Cislo(0, 2, zarovnani, u, k.mm(b), hodnota, VyskaCisla, VrstvaCislaProfilu::Delka);
}

} // namespace

void KreslitCislaPasu(KresbaProfilu& k, int bod)
{
    const TBod& b = k.Bod(bod);
    const TVysledekBodu& vysledek = k.Vysledek(bod);
    const double s = k.s(bod);
    k.Text(b.Oznaceni, 4, VrstvaTextuProfilu::Oznaceni, s, k.mm(190));
    Kota(k, s, 30, b.ZPoklopu);
    if (k.KrytiZobrazeno())
        Kota(k, s, 41.5, vysledek.Kryti);
    if (k.Druh() != TDruhSite::OsaKomunikace)
        Kota(k, s, 15, b.ZDna);
    if (k.Druh() == TDruhSite::Kanalizace) {
        if (b.ZOdtoku != b.ZDna)
            Kota(k, s - k.mm(3), 15, b.ZOdtoku);
        if (b.ZVtoku != b.ZDna)
            Kota(k, s + k.mm(3), 15, b.ZVtoku);
    }
    if (bod >= 2)
        k.Cislo(90, 2, 2, s + k.mm(0.9), k.mm(-1), k.ZobrazeneStaniceni(s), VyskaCisla, VrstvaCislaProfilu::Staniceni);
    if (bod < k.N())
        Delka(k, 0, s + k.mm(1), -16.5, vysledek.Delka);
    if (bod > 1)
        Delka(k, 2, s - k.mm(1), -16.5, k.Vysledek(bod - 1).Spad);
    if (k.Nastaveni().ZobrazeniDelek == 0 && bod < k.N())
        Delka(k, 0, s + k.mm(1), 215.8, vysledek.Delka);
}

} // namespace lineon
