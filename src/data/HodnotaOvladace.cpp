#include "data/HodnotaOvladace.h"

#include "zaklad/Chyba.h"
#include "zaklad/Kodovani.h"

namespace lineon {

void OdmitnoutHodnotu(std::string_view nazev, const std::string& ocekava, std::string_view hodnota)
{
    throw Chyba(std::string(nazev) + ": očekává se " + ocekava + ", ne „" + std::string(hodnota) + "“.");
}

std::string TextOvladace(std::string_view nazev, std::string_view hodnota, int maxZnaku)
{
    if (maxZnaku > 0 && kodovani::PocetZnaku(hodnota) > static_cast<std::size_t>(maxZnaku))
        OdmitnoutHodnotu(nazev, "text nejvýše " + std::to_string(maxZnaku) + " znaků", hodnota);
    if (hodnota.find_first_of("\r\n") != std::string_view::npos)
        OdmitnoutHodnotu(nazev, "text na jednom řádku", hodnota);
    if (const auto znak = kodovani::PrvniNekodovatelnyZnak(hodnota))
        OdmitnoutHodnotu(nazev, "text bez znaku „" + *znak + "“, který kódová stránka 1250 nemá", hodnota);
    return std::string(hodnota);
}

} // namespace lineon
