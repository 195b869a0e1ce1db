#include "profile/CteniProfilu.h"

#include "profile/KresbaProfilu.h"
#include "profile/RovinaVPlatnosti.h"
#include "zaklad/Cisla.h"

#include <cmath>

namespace lineon {

std::optional<TBodProfilu> CistBodProfilu(const TStav& stav, double x, double y)
{
    const int n = stav.Projekt.PocetBodu();
    if (n < 2 || stav.Rovina.PomerMeritek == 0)
        return std::nullopt;
    // The file holds x = u − BY and y = v − BX.
    const auto [bx, by] = KresbaProfilu::ZakladniBod(stav);
    const double s = x + static_cast<double>(by);
    const double v = y + static_cast<double>(bx);
    const double konec = stav.Vysledky.Body[static_cast<std::size_t>(n)].Staniceni;
    if (!(s >= 0 && s <= konec))
        return std::nullopt;
    const int g = RovinaVPlatnosti(stav).ProStaniceni(s);
    const double r = static_cast<double>(stav.Rovina.SrovnavaciRovina) + g * stav.Rovina.PosunRoviny;
    return TBodProfilu{s, r + v / stav.Rovina.PomerMeritek};
}

std::string TextBoduProfilu(const TBodProfilu& bod)
{
    const double hektometry = std::floor(bod.Staniceni / 100);
    return "staničení " + cisla::FormatF(hektometry / 10, 1, 1) + " km + "
           + cisla::FormatF(bod.Staniceni - 100 * hektometry, 1, 2) + " m, kóta " + cisla::FormatF(bod.Kota, 1, 2)
           + " m";
}

} // namespace lineon
