#include "data/CteniProjektu.h"

#include "zaklad/Chyba.h"

namespace lineon {

bool DalsiRadekProjektu(soubor::CteniRadku& cteni, soubor::TRadekSouboru& radek)
{
    if (!cteni.Dalsi(radek))
        return false;
    if (radek.Vada)
        throw Chyba(soubor::ChybaRadku(cteni.Cesta(), radek.Cislo, radek.Vada->Popis()));
    if (radek.Zkracen)
        throw Chyba(soubor::ChybaRadku(cteni.Cesta(), radek.Cislo, soubor::PopisDlouhehoRadku() + "."));
    return true;
}

void ChybiOddelovac(const std::string& cesta, std::size_t radek, const char* coMaTvar)
{
    throw Chyba(soubor::ChybaRadku(cesta, radek, std::string(coMaTvar)
                                                     + " tvar řádku přípojky, ale stojí mezi body; chybí před ním "
                                                       "řádek „#“, který odděluje body od přípojek."));
}

} // namespace lineon
