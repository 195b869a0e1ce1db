#include "prikazy/NaposledyOtevrene.h"

#include "zaklad/Kodovani.h"

#include <algorithm>

namespace lineon {

void ZapamatovatProjekt(TDoplnky& doplnky, const std::string& cesta)
{
    if (cesta.empty() || kodovani::PrvniNekodovatelnyZnak(cesta))
        return;
    ZapomenoutProjekt(doplnky, cesta);
    doplnky.Naposledy.insert(doplnky.Naposledy.begin(), cesta);
    if (doplnky.Naposledy.size() > PocetNaposledyOtevrenych)
        doplnky.Naposledy.resize(PocetNaposledyOtevrenych);
}

void ZapomenoutProjekt(TDoplnky& doplnky, const std::string& cesta)
{
    std::erase(doplnky.Naposledy, cesta);
}

std::string TextChybejicihoProjektu(const std::string& cesta)
{
    return "Soubor „" + cesta + "“ už neexistuje; ze seznamu naposledy otevřených projektů byl odebrán.";
}

} // namespace lineon
