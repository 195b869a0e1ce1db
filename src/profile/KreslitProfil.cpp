#include "profile/KreslitProfil.h"

#include "zaklad/Chyba.h"
#include "data/Stav.h"
#include "dxf/DxfProfilu.h"
#include "dxf/ZaznamVykresu.h"
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

#include <utility>
#include <vector>

namespace lineon {

namespace {

// The drawing grows with the length of its sheet (a fold mark every A4 width, a hectometre mark
// every 100 m of the line); beyond this it would grow without bound.
void OveritVelikostListu(const RamProfilu& ram, int delkoveMeritko)
{
    if (const int a4 = ram.PocetA4(); a4 > NejvicA4Profilu)
        throw ChybaVypoctu("Podélný profil nelze nakreslit: list by měl v délkovém měřítku 1:"
                    + std::to_string(delkoveMeritko) + " šířku " + std::to_string(a4) + " A4, nejvýše "
                    + std::to_string(NejvicA4Profilu) + " A4.");
}

} // namespace

void KreslitProfil(TStav& stav, INahledProfilu& nahled)
{
    const TVystupy& volby = stav.Vystupy;
    nahled.Zobrazit(volby.profobrcheck);
    if (!volby.profobrcheck && !volby.profdxfcheck)
        return;
    const double H = stav.Nastaveni.DelkoveMeritko;
    DxfProfilu dxf(stav.Nastaveni.AdresarProjektu + volby.SouborProfilu, H, volby.profdxfcheck, *stav.Disk);
    SeznamNahledu seznam(stav.SeznamKresby, H);
    ZaznamProfilu zaznam(stav.VykresProfilu, H);
    std::vector<IPlatnoProfilu*> platna{&dxf};
    const bool naObrazovku = volby.profobrcheck && nahled.PlnitSeznam();
    if (naObrazovku)
        platna.push_back(&seznam);
    if (naObrazovku || nahled.ZaznamenatVykres())
        platna.push_back(&zaznam);
    KresbaProfilu k(stav, std::move(platna));
    const RamProfilu ram(k);
    OveritVelikostListu(ram, stav.Nastaveni.DelkoveMeritko);
    // Items of an earlier drawing were placed in that drawing's extents; painted beside this one
    // they would be out of scale.
    stav.SeznamKresby.clear();
    stav.VykresProfilu = {};
    stav.RozsahProfilu = ram.Rozsah();
    k.Zahajit(stav.RozsahProfilu);

    ram.KreslitVnejsi(k);
    if (volby.ramcheck)
        ram.KreslitVnitrni(k);
    if (volby.tabcheck)
        KreslitCaryTabulky(k);
    if (k.Druh() != TDruhSite::OsaKomunikace)
        KreslitPripojky(k);
    for (int i = 1; i <= k.N() - 1; ++i)
        KreslitCaryPasu(k, i);
    KreslitUseky(k);
    KreslitBody(k);
    KreslitHektometry(k);
    for (int bod = 1; bod <= k.N(); ++bod) {
        if (k.Druh() == TDruhSite::Kanalizace && volby.znakcheck)
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
