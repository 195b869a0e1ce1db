#include "zaklad/NazevSouboru.h"

#include "zaklad/Kodovani.h"

namespace lineon {

std::optional<std::string> VadaNazvuSouboru(const std::string& cesta)
{
    if (cesta.find_first_of("\r\n") != std::string::npos)
        return "obsahuje konec řádku";
    if (const auto znak = kodovani::PrvniNekodovatelnyZnak(cesta))
        return "obsahuje znak „" + *znak + "“, který kódová stránka 1250 nemá";
    return std::nullopt;
}

} // namespace lineon
