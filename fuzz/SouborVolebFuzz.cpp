// The options file of the batch program: whatever it sets can be kept in the settings file,
// which then reads back without a single message.
#include "FuzzPomoc.h"

#include "cli/SouborVoleb.h"
#include "zaklad/Chyba.h"
#include "data/SouborNastaveni.h"

#include <memory>

using namespace lineon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string vstup = fuzz::ZapsatVstup(data, size, "volby.txt");
    auto stav = std::make_unique<TStav>();
    try {
        cli::NacistVolby(vstup, *stav);
    } catch (const Chyba&) {
        return 0;
    }
    const std::string cesta = fuzz::Adresar() + "$nastav";
    try {
        UlozitNastaveni(cesta, stav->Nastaveni);
    } catch (const Chyba& chyba) {
        fuzz::Selhani(std::string("nastavení z voleb nelze zapsat: ") + chyba.what());
    }
    // A file that reads back as UTF-8 (see `CteSeJakoUtf8`) is read differently by design.
    if (fuzz::CteSeJakoUtf8(cesta))
        return 0;
    TNastaveni znovu;
    if (const auto zpravy = NacistNastaveni(cesta, znovu); !zpravy.empty())
        fuzz::Selhani("nastavení z voleb se nečtou bez hlášení: " + zpravy.front().Text);
    return 0;
}
