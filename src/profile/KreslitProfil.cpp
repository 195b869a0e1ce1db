#include "profile/KreslitProfil.h"

#include "data/Chyba.h"
#include "data/Cisla.h"
#include "data/Stav.h"
#include "profile/BodyProfilu.h"
#include "profile/CislaPasu.h"
#include "profile/KresbaProfilu.h"
#include "profile/NahledProfilu.h"
#include "profile/PasyProfilu.h"
#include "profile/PopiskyPasu.h"
#include "profile/PopisovaTabulka.h"
#include "profile/PripojkyProfilu.h"
#include "profile/RamProfilu.h"
#include "profile/UsekyProfilu.h"
#include "profile/ZnackyProfilu.h"

namespace lineon {

void KreslitProfil(TStav& stav, INahledProfilu& nahled)
{
    const TVystupy& volby = stav.Vystupy;
    nahled.Zobrazit(volby.profobrcheck);
    if (!volby.profobrcheck && !volby.profdxfcheck)
        return;
    const double delka = stav.Vysledky.Body[static_cast<std::size_t>(stav.Projekt.PocetBodu())].Staniceni;
    if (delka > NejdelsiLinieProfilu)
        throw Chyba("Podélný profil nelze nakreslit: linie je dlouhá " + cisla::FormatF(delka, 0, 2)
                    + " m, profil se kreslí pro linii nejvýše 100 km.");
    // Items of an earlier drawing were placed in that drawing's extents; painted beside this one
    // they would be out of scale.
    stav.SeznamKresby.clear();

    KresbaProfilu k(stav);
    const RamProfilu ram(k);
    stav.RozsahProfilu = ram.Rozsah();
    k.Zahajit(stav.RozsahProfilu);

    ram.KreslitVnejsi(k);
    if (volby.ramcheck)
        ram.KreslitVnitrni(k);
    if (volby.tabcheck)
        KreslitCaryTabulky(k);
    if (k.Druh() != KresbaProfilu::OsaKomunikace)
        KreslitPripojky(k);
    for (int i = 1; i <= k.N() - 1; ++i)
        KreslitCaryPasu(k, i);
    KreslitUseky(k);
    KreslitBody(k);
    KreslitHektometry(k);
    for (int bod = 1; bod <= k.N(); ++bod) {
        if (k.Druh() == KresbaProfilu::Kanalizace && volby.znakcheck)
            KreslitSipky(k, bod);
        KreslitCislaPasu(k, bod);
        if (bod == 1)
            KreslitPopiskyPasu(k);
    }
    // The sheet count follows from the length of the line whether or not the inner frame with
    // its fold marks is drawn, so the title block always shows the count of this sheet.
    if (volby.tabcheck)
        KreslitTextyTabulky(k, ram.PocetA4());
    k.Ukoncit();

    nahled.Prekreslit();
}

} // namespace lineon
