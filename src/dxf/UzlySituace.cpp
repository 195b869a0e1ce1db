#include "dxf/UzlySituace.h"

#include "zaklad/Kodovani.h"
#include "zaklad/RazeniVyberem.h"
#include "data/Stav.h"

#include <utility>

namespace lineon {

namespace {

constexpr std::size_t DelkaTextuUzlu = 12;

UzelSituace UzelBodu(const TBod& bod, const TVysledekBodu& vysledek)
{
    return {bod.Y, bod.X, vysledek.StaniceniPresne, bod.ZPoklopu, bod.ZDna,
            kodovani::PrvnichZnaku(bod.Oznaceni, DelkaTextuUzlu), "", true};
}

UzelSituace UzelPripojky(const TPripojka& pripojka, const TVysledekPripojky& vysledek)
{
    return {pripojka.Y,
            pripojka.X,
            vysledek.Staniceni,
            vysledek.ZTerenu,
            vysledek.ZPotrubi,
            kodovani::PrvnichZnaku(pripojka.OznaceniPripojky, DelkaTextuUzlu),
            kodovani::PrvnichZnaku(pripojka.Typ, DelkaTextuUzlu),
            false};
}

} // namespace

std::vector<UzelSituace> UzlySituace(const TStav& stav)
{
    std::vector<UzelSituace> uzly;
    for (int i = 1; i <= stav.Projekt.PocetBodu(); ++i)
        uzly.push_back(UzelBodu(stav.Projekt.Body[i], stav.Vysledky.Body[static_cast<std::size_t>(i)]));
    // Connection rows without a house manhole (crossings among them) take no part in the plan.
    for (int j = 1; j <= stav.Projekt.PocetPripojek(); ++j)
        if (MaDomovniSachtu(stav.Projekt.Pripojky[j]))
            uzly.push_back(UzelPripojky(stav.Projekt.Pripojky[j], stav.Vysledky.Pripojky[static_cast<std::size_t>(j)]));
    SeraditPodleStaniceni(uzly);
    VypustitShodnaStaniceni(uzly);
    return uzly;
}

void SeraditPodleStaniceni(std::vector<UzelSituace>& uzly)
{
    std::vector<double> staniceni;
    for (const UzelSituace& uzel : uzly)
        staniceni.push_back(uzel.Staniceni);
    for (const auto& [p, m] : VymenyRazeniVyberem(std::move(staniceni)))
        std::swap(uzly[p], uzly[m]);
}

void VypustitShodnaStaniceni(std::vector<UzelSituace>& uzly)
{
    // Read position i, write position w: a dropped node is stepped over, and the node after it
    // takes the place without being compared again.
    std::size_t w = 0;
    for (std::size_t i = 0; i < uzly.size(); ++i, ++w) {
        if (i + 1 < uzly.size() && uzly[i].Staniceni == uzly[i + 1].Staniceni)
            ++i;
        if (w != i)
            uzly[w] = std::move(uzly[i]);
    }
    uzly.resize(w);
}

} // namespace lineon
