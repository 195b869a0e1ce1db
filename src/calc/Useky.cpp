#include "calc/Useky.h"

#include "calc/Geometrie.h"
#include "zaklad/Cisla.h"

#include <string>

namespace lineon {

namespace {

/// The levels a section's slope is taken between: the inlet of its first and the outlet of its
/// second manhole in a sewer, the pipe in a water main, the axis of a road.
double SpadUseku(const TStav& stav, int i, double delka)
{
    const TBod& a = stav.Projekt.Body[i];
    const TBod& b = stav.Projekt.Body[i + 1];
    switch (stav.Nastaveni.DruhSite) {
    case TDruhSite::Vodovod: return (b.ZDna - a.ZDna) / delka * 1000;
    case TDruhSite::OsaKomunikace: return (b.ZPoklopu - a.ZPoklopu) / delka * 1000;
    case TDruhSite::Kanalizace: break;
    }
    return (b.ZOdtoku - a.ZVtoku) / delka * 1000;
}

} // namespace

bool SpocitatUseky(TStav& stav, IZpravy& zpravy)
{
    const auto& body = stav.Projekt.Body;
    auto& vysledky = stav.Vysledky.Body;
    // Row 0 stands for the section before the first point: the first point shows slope 0 and length 0.
    vysledky[0] = TVysledekBodu();
    vysledky[1].StaniceniPresne = 0;
    vysledky[1].Staniceni = 0;
    for (int i = 1; i < body.Pocet(); ++i) {
        const double dY = body[i + 1].Y - body[i].Y;
        const double dX = body[i + 1].X - body[i].X;
        const double l = geometrie::Vzdalenost(body[i].Y, body[i].X, body[i + 1].Y, body[i + 1].X);
        // A section without length says so before its missing diameter.
        const bool sPotrubim = stav.Nastaveni.DruhSite != TDruhSite::OsaKomunikace;
        const char* const vada = l == 0                             ? "úsek k dalšímu bodu má nulovou délku"
                                 : body[i].Prumer == 0 && sPotrubim ? "chybí průměr potrubí"
                                                                    : nullptr;
        if (vada) {
            zpravy.Oznamit(DruhZpravy::Chyba, "Špatné vstupní údaje! - řádek " + std::to_string(i) + ": " + vada + ".");
            return false;
        }
        TVysledekBodu& usek = vysledky[i];
        usek.Smer = geometrie::Smer(dY, dX);
        usek.ZmenaSmeru = i >= 2 ? usek.Smer - vysledky[i - 1].Smer : 0;
        // Lengths are differences of rounded stationings, so they add up to the last stationing.
        vysledky[i + 1].StaniceniPresne = usek.StaniceniPresne + l;
        vysledky[i + 1].Staniceni = cisla::ZaokrouhlitNaSetiny(vysledky[i + 1].StaniceniPresne);
        usek.Delka = vysledky[i + 1].Staniceni - usek.Staniceni;
        if (usek.Delka == 0) {
            // The slope of a section without length is undefined.
            zpravy.Oznamit(DruhZpravy::Chyba, "Nulová délka - " + std::to_string(i));
            return false;
        }
        usek.Spad = SpadUseku(stav, i, usek.Delka);
        usek.SmerStupne = geometrie::SmerStupne(dY, dX);
    }
    return true;
}

} // namespace lineon
