#include "profile/BodyProfilu.h"

#include "profile/BehyPotrubi.h"
#include "profile/KresbaProfilu.h"
#include "profile/PasyProfilu.h"
#include "profile/RovinaVPlatnosti.h"
#include "profile/SachtaProfilu.h"
#include "profile/ZnackaRoviny.h"

namespace lineon {

void KreslitBody(KresbaProfilu& k)
{
    const TRovina& r = k.Stav().Rovina;
    RovinaVPlatnosti rovina(k.Stav());
    for (int bod = 1; bod <= k.N(); ++bod) {
        const int g = rovina.g();
        const bool posun = rovina.JeBodPosunu(bod);
        KreslitLevouPolovinu(k, bod, k.R(g));
        KreslitKotovaciCaruPasy(k, bod);
        KreslitPredelyPasu(k, bod);
        KreslitBehyPotrubi(k, bod);
        if (bod == 1)
            KreslitZnackuRoviny(k, bod, r.SrovnavaciRovina);
        else if (posun)
            KreslitZnackuRoviny(k, bod, r.SrovnavaciRovina + (g + 1) * r.PosunRoviny);
        if (k.Druh() == TDruhSite::Kanalizace) {
            // At a shift point the manhole stands on both planes: its right half is drawn under
            // the old one and again under the new one.
            KreslitPravouPolovinu(k, bod, k.R(g));
            if (posun)
                KreslitPravouPolovinu(k, bod, k.R(g + 1));
        }
        if (posun)
            rovina.Projit();
    }
}

} // namespace lineon
