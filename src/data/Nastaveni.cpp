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

std::string NazevDruhuSite(int druh)
{
    switch (druh) {
    case 1: return "Kanalizace";
    case 2: return "Vodovod";
    case 3: return "Osa komunikace";
    default: return "";
    }
}

void NastavitDruhSite(TNastaveni& nastaveni, int druh)
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
