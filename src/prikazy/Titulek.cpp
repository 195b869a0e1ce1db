#include "prikazy/Titulek.h"

namespace lineon {

std::string ObnovitTitulek(const TStav& stav)
{
    const std::string& soubor = stav.Projekt.SouborProjektu;
    return std::string(NazevProgramu) + " - " + stav.Nastaveni.Jazyk + " - " + stav.Nastaveni.NazevSite + " - "
           + (soubor.empty() ? "Bezejména" : soubor) + (stav.Projekt.Zmeneno ? " *" : "");
}

} // namespace lineon
