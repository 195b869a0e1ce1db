#include "dxf/UzlySituace.h"

#include "data/Kodovani.h"
#include "data/Stav.h"

#include <utility>

namespace lineon {

namespace {

constexpr std::size_t DelkaTextuUzlu = 12;

bool MaDomovniSachtu(const TPripojka& pripojka)
{
    return pripojka.YDS != 0;
}

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
    for (std::size_t p = 0; p < uzly.size(); ++p) {
        std::size_t nejmensi = p;
        for (std::size_t q = p + 1; q < uzly.size(); ++q)
            if (uzly[q].Staniceni < uzly[nejmensi].Staniceni)
                nejmensi = q;
        if (nejmensi != p)
            std::swap(uzly[p], uzly[nejmensi]);
    }
}

void VypustitShodnaStaniceni(std::vector<UzelSituace>& uzly)
{
    const std::size_t puvodniPocet = uzly.size();
    for (std::size_t p = 0; p + 1 < puvodniPocet; ++p)
        if (p + 1 < uzly.size() && uzly[p].Staniceni == uzly[p + 1].Staniceni)
            uzly.erase(uzly.begin() + static_cast<std::ptrdiff_t>(p));
}

} // namespace lineon
