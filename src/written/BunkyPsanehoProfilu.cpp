#include "written/BunkyPsanehoProfilu.h"

#include "zaklad/Cisla.h"
#include "data/Stav.h"

namespace lineon::psany {

namespace {

std::string Cislo(double hodnota)
{
    // Adding zero turns a negative zero into zero, which shows without a sign.
    return cisla::FormatF(hodnota + 0.0, 0, 2);
}

} // namespace

std::string BunkaOkna(const TStav& stav, int r, int sloupec)
{
    if (r < 1 || r > stav.Projekt.PocetBodu())
        return {};
    const TBod& bod = stav.Projekt.Body[r];
    const TVysledekBodu& vysledek = stav.Vysledky.Body[static_cast<std::size_t>(r)];
    // The line of a point shows the section that ends there.
    const TVysledekBodu& usek = stav.Vysledky.Body[static_cast<std::size_t>(r - 1)];
    switch (sloupec) {
    case 0: return bod.Oznaceni;
    case 1: return Cislo(vysledek.Staniceni);
    case 2: return Cislo(bod.Y);
    case 3: return Cislo(bod.X);
    case 4: return Cislo(bod.ZDna);
    case 5: return Cislo(bod.ZPoklopu);
    case 6: return Cislo(usek.Spad);
    case 7: return Cislo(usek.Delka);
    case 8: return Cislo(vysledek.Kryti);
    default: return {};
    }
}

} // namespace lineon::psany
