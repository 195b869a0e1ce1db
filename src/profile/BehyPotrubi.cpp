#include "profile/BehyPotrubi.h"

#include "profile/KresbaProfilu.h"

#include <string>

namespace lineon {

bool MeniSePrumer(const KresbaProfilu& k, int bod)
{
    return k.PrumerPred(bod) != k.Bod(bod).Prumer;
}

void KreslitBehyPotrubi(KresbaProfilu& k, int bod)
{
    const bool zacina = bod == 1 || MeniSePrumer(k, bod);
    const bool konci = bod > 1 && (MeniSePrumer(k, bod) || bod == k.N());
    if (zacina && bod < k.N())
        k.Text("DN" + std::to_string(k.Bod(bod).Prumer), 0, VrstvaTextuProfilu::PopisPotrubi, k.s(bod) + k.mm(1),
               k.mm(-19.5));
    if (konci)
        k.Text(k.Volby().matField, 2, VrstvaTextuProfilu::PopisPotrubi, k.s(bod) - k.mm(1), k.mm(-19.5));
}

} // namespace lineon
