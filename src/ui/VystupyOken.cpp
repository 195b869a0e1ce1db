#include "ui/VystupyOken.h"

#include "ui/DialogRoviny.h"
#include "ui/OknoNahledu.h"
#include "ui/OknoPsanehoProfilu.h"

namespace lineon::ui {

VystupyOken::VystupyOken(TStav& stav, OknoPsanehoProfilu& psany, DialogRoviny& rovina, OknoNahledu& nahled)
    : DavkoveVystupy(stav), psany_(psany), rovina_(rovina), nahled_(nahled)
{
}

void VystupyOken::PsanyProfil()
{
    DavkoveVystupy::PsanyProfil();
    if (stav_.Vystupy.psanobrcheck) {
        psany_.Naplnit();
        psanyVyplnen_ = true;
    } else {
        psany_.hide();
    }
}

void VystupyOken::ZacitVypocet()
{
    psanyVyplnen_ = false;
}

void VystupyOken::DokoncitVypocet()
{
    if (!psanyVyplnen_)
        psany_.close();
}

void VystupyOken::OtevritRovinu()
{
    rovina_.Naplnit(nahled_);
}

} // namespace lineon::ui
