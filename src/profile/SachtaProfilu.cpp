#include "profile/SachtaProfilu.h"

#include "profile/KresbaProfilu.h"

namespace lineon {

namespace {

constexpr double PulSachty = 1.25; // mm: the manhole is 2.5 mm wide

/// One half of a sewer manhole, on the side `strana` (−1 left, +1 right) of point k: the ground at
/// its top, the wall down to the crown of the pipe that meets it at the level `usti`, and its
/// bottom: with `Dno` set a flat bottom with the wall down to it, otherwise a slope from the pipe
/// to the middle of the manhole. Returns the level of the middle of the bottom.
double KreslitPolovinuSachty(KresbaProfilu& k, int bod, int strana, double usti, int prumer, double r)
{
    const TBod& b = k.Bod(bod);
    const double s = k.s(bod);
    const double stena = s + strana * k.mm(PulSachty);
    const auto V = [&](double z) { return k.Vyska(z, r); };
    k.Cara(VrstvaCaryProfilu::Teren, stena, V(b.ZPoklopu), s, V(b.ZPoklopu));
    k.Cara(VrstvaCaryProfilu::Rez, stena, V(b.ZPoklopu), stena, V(usti + prumer / 1000.0));
    if (b.Dno) {
        k.Cara(VrstvaCaryProfilu::Rez, stena, V(b.ZDna), s, V(b.ZDna));
        k.Cara(VrstvaCaryProfilu::Rez, stena, V(usti), stena, V(b.ZDna));
        return b.ZDna;
    }
    const double stred = (b.ZOdtoku + b.ZVtoku) / 2;
    k.Cara(VrstvaCaryProfilu::Rez, stena, V(usti), s, V(stred));
    return stred;
}

void KotovaciCara(KresbaProfilu& k, int bod, double v)
{
    k.Cara(VrstvaCaryProfilu::KotovaciCary, k.s(bod), v, k.s(bod), k.mm(k.HorniOkrajPasu()));
}

} // namespace

void KreslitLevouPolovinu(KresbaProfilu& k, int bod, double r)
{
    const TBod& b = k.Bod(bod);
    switch (k.Druh()) {
    case TDruhSite::Kanalizace: {
        // The pipe arriving from the left leaves the manhole at its outlet.
        const double dno = KreslitPolovinuSachty(k, bod, -1, b.ZOdtoku, k.PrumerPred(bod), r);
        KotovaciCara(k, bod, k.Vyska(dno, r));
        break;
    }
    case TDruhSite::Vodovod: {
        const double spodek = b.ZDna - k.PrumerPred(bod) / 1000.0;
        KotovaciCara(k, bod, k.Vyska(spodek, r));
        k.Cara(VrstvaCaryProfilu::Rez, k.s(bod), k.Vyska(b.ZPoklopu, r), k.s(bod), k.Vyska(spodek, r));
        break;
    }
    case TDruhSite::OsaKomunikace:
        KotovaciCara(k, bod, k.Vyska(b.ZPoklopu, r));
        break;
    }
}

void KreslitPravouPolovinu(KresbaProfilu& k, int bod, double r)
{
    // The pipe leaving to the right enters the manhole at its inlet.
    KreslitPolovinuSachty(k, bod, +1, k.Bod(bod).ZVtoku, k.Bod(bod).Prumer, r);
}

void KreslitKotovaciCaruPasy(KresbaProfilu& k, int bod)
{
    const double s = k.s(bod);
    const int vrstva = VrstvaCaryProfilu::KotovaciCary;
    if (k.KrytiZobrazeno())
        k.Cara(vrstva, s, k.mm(34.5), s, k.mm(38.5));
    k.Cara(vrstva, s, k.mm(25.5), s, k.mm(19.5));
    k.Cara(vrstva, s, k.mm(10.5), s, 0);
    if (k.Druh() == TDruhSite::OsaKomunikace)
        k.Cara(vrstva, s, k.mm(19.5), s, k.mm(10.5));
}

} // namespace lineon
