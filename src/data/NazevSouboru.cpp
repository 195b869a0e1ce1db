#include "data/NazevSouboru.h"

#include "data/Chyba.h"
#include "data/Kodovani.h"

namespace lineon {

void OveritNazevSouboru(const std::string& cesta, const std::string& coNelze)
{
    if (cesta.find_first_of("\r\n") != std::string::npos)
        throw Chyba("Název souboru „" + cesta + "“ obsahuje konec řádku; " + coNelze + ".");
    if (const auto znak = kodovani::PrvniNekodovatelnyZnak(cesta))
        throw Chyba("Název souboru „" + cesta + "“ obsahuje znak „" + *znak + "“, který kódová stránka 1250 nemá; "
                    + coNelze + ".");
}

} // namespace lineon
