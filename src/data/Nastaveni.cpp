#include "data/Nastaveni.h"

#include <cstdlib>

namespace lineon {

std::string TNastaveni::VychoziAdresarProjektu()
{
    const char* domov = std::getenv("HOME");
    std::string adresar = domov && *domov ? domov : "/tmp";
    if (adresar.back() != '/')
        adresar += '/';
    return adresar;
}

std::string NazevDruhuSite(TDruhSite druh)
{
    switch (druh) {
    case TDruhSite::Kanalizace: return "Kanalizace";
    case TDruhSite::Vodovod: return "Vodovod";
    case TDruhSite::OsaKomunikace: return "Osa komunikace";
    }
    return "";
}

void NastavitDruhSite(TNastaveni& nastaveni, TDruhSite druh)
{
    nastaveni.DruhSite = druh;
    nastaveni.NazevSite = NazevDruhuSite(druh);
}

std::vector<std::string> KodyKrizeni(const TNastaveni& n)
{
    return {n.KodKrizeni1, n.KodKrizeni2, n.KodKrizeni3, n.KodKrizeni4, n.KodKrizeni5};
}

int DruhKrizeni(const TNastaveni& n, const std::string& typ)
{
    const auto kody = KodyKrizeni(n);
    int druh = 0;
    for (std::size_t k = 0; k < kody.size(); ++k)
        if (typ == kody[k])
            druh = static_cast<int>(k) + 1;
    return druh;
}

} // namespace lineon
