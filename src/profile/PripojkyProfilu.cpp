#include "profile/PripojkyProfilu.h"

#include "profile/KresbaProfilu.h"
#include "profile/RovinaVPlatnosti.h"

namespace lineon {

namespace {

constexpr double VyskaCisla = 0.00175;

/// The layers of one kind of connection row.
struct TVrstvyPripojky {
    int cary = VrstvaCaryProfilu::Pripojka;
    int texty = VrstvaTextuProfilu::KotaPripojky;
    int cisla = VrstvaCislaProfilu::KotaPripojky;
};

/// A crossing when `Typ` is one of the five crossing codes (the last matching code gives its
/// kind); a house connection otherwise.
TVrstvyPripojky VrstvyPripojky(const TNastaveni& nastaveni, const std::string& typ)
{
    const int druh = DruhKrizeni(nastaveni, typ);
    if (druh == 0)
        return {};
    const int n = druh - 1;
    return {VrstvaCaryProfilu::Krizeni1 + n, VrstvaTextuProfilu::KotaKrizeni1 + n, VrstvaCislaProfilu::KotaKrizeni1 + n};
}

void KreslitPripojku(KresbaProfilu& k, const RovinaVPlatnosti& rovina, int j)
{
    const TPripojka& pripojka = k.Stav().Projekt.Pripojky[j];
    const TVysledekPripojky& vysledek = k.Stav().Vysledky.Pripojky[static_cast<std::size_t>(j)];
    const TVrstvyPripojky vrstvy = VrstvyPripojky(k.Nastaveni(), pripojka.Typ);
    const double s = vysledek.Staniceni;
    const double teren = k.Vyska(vysledek.ZTerenu, k.R(rovina.ProStaniceni(s)));

    k.Cara(vrstvy.cary, s, 0, s, k.mm(10.5));
    k.Cara(vrstvy.cary, s, k.mm(19.5), s, k.mm(25.5));
    if (k.KrytiZobrazeno()) {
        k.Cara(vrstvy.cary, s, k.mm(34.5), s, k.mm(38.5));
        k.Cara(vrstvy.cary, s, k.mm(44.5), s, teren + k.mm(26));
    } else {
        k.Cara(vrstvy.cary, s, k.mm(34.5), s, teren + k.mm(26));
    }

    k.Cislo(90, 2, 2, s + k.mm(0.9), k.mm(-1), k.ZobrazeneStaniceni(s), VyskaCisla, vrstvy.cisla);
    k.Cislo(90, 2, 4, s, k.mm(15), vysledek.ZPotrubi, VyskaCisla, vrstvy.cisla);
    k.Cislo(90, 2, 4, s, k.mm(30), vysledek.ZTerenu, VyskaCisla, vrstvy.cisla);
    if (k.KrytiZobrazeno())
        k.Cislo(90, 2, 4, s, k.mm(41.5), vysledek.Kryti, VyskaCisla, vrstvy.cisla);

    k.Text(pripojka.OznaceniPripojky, 3, vrstvy.texty, s + k.mm(0.9), teren + k.mm(28));
}

} // namespace

void KreslitPripojky(KresbaProfilu& k)
{
    const RovinaVPlatnosti rovina(k.Stav());
    // Every row is drawn, also one that the calculation could not place on the line (it has
    // reported it): such a row stands at stationing 0 with the levels it was left with. An
    // entirely empty row is no connection and is not drawn.
    for (int j = 1; j <= k.Stav().Projekt.PocetPripojek(); ++j)
        if (DrziData(k.Stav().Projekt.Pripojky[j]))
            KreslitPripojku(k, rovina, j);
}

} // namespace lineon
