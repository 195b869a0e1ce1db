// The settings file: whatever it holds gives settings that are written without fault, and the
// written file reads back without a single message and writes again to the same bytes.
#include "FuzzPomoc.h"

#include "zaklad/Chyba.h"
#include "data/SouborNastaveni.h"
#include "zaklad/Soubor.h"

using namespace lineon;

namespace {

std::string Zapsat(const TNastaveni& nastaveni, const std::string& nazev)
{
    soubor::PametovyVystup vystup(nazev);
    try {
        UlozitNastaveni(vystup, nastaveni);
    } catch (const Chyba& chyba) {
        fuzz::Selhani(std::string("přečtená nastavení nelze zapsat: ") + chyba.what());
    }
    return vystup.Bajty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    soubor::CteniRadku vstup(fuzz::Vstup(data, size), "$nastav");
    TNastaveni nastaveni;
    try {
        NacistNastaveni(vstup, nastaveni);
    } catch (const Chyba&) {
        return 0; // a byte or character that code page 1250 cannot hold
    }
    const std::string a = Zapsat(nastaveni, "a");
    // A file that reads back as UTF-8 (see `CteSeJakoUtf8`) is read differently by design.
    if (fuzz::CteSeJakoUtf8(a))
        return 0;
    TNastaveni znovu;
    soubor::CteniRadku cteni(a, "a");
    const auto zpravy = NacistNastaveni(cteni, znovu);
    if (!zpravy.empty())
        fuzz::Selhani("zapsaná nastavení se nečtou bez hlášení: " + zpravy.front().Text);
    const std::string b = Zapsat(znovu, "b");
    if (a != b)
        fuzz::Selhani("nastavení zapsaná podruhé se liší:\n" + a + "----\n" + b);
    return 0;
}
