#include "profile/PasyProfilu.h"

#include "profile/BehyPotrubi.h"
#include "profile/KresbaProfilu.h"

namespace lineon {

namespace {

/// "Délky - nahoře i dole": the lengths also in a row at the top.
bool DelkyNahore(const KresbaProfilu& k)
{
    return k.Nastaveni().ZobrazeniDelek == 0;
}

} // namespace

void KreslitCaryPasu(KresbaProfilu& k, int i)
{
    const double od = k.s(i);
    const double po = k.s(i + 1);
    k.Cara(VrstvaCaryProfilu::Rovina, od, 0, po, 0);
    for (const double b : {-14.0, -17.0, -20.0, 220.0, 225.0, 230.0})
        k.Cara(VrstvaCaryProfilu::Cary, od, k.mm(b), po, k.mm(b));
    if (DelkyNahore(k))
        k.Cara(VrstvaCaryProfilu::Cary, od, k.mm(215), po, k.mm(215));
}

void KreslitPredelyPasu(KresbaProfilu& k, int bod)
{
    const double s = k.s(bod);
    const int cary = VrstvaCaryProfilu::Cary;
    const bool krajni = bod == 1 || bod == k.N();
    k.Cara(cary, s, k.mm(-14), s, k.mm(-17));
    if (DelkyNahore(k))
        k.Cara(cary, s, k.mm(220), s, k.mm(215));
    if (krajni)
        k.Cara(cary, s, k.mm(230), s, k.mm(220));
    if (krajni || MeniSePrumer(k, bod))
        k.Cara(cary, s, k.mm(-17), s, k.mm(-20));
}

} // namespace lineon
