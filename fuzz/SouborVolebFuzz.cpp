// The options file of the batch program: whatever it sets can be kept in the settings file,
// which then reads back without a single message.
#include "FuzzPomoc.h"

#include "cli/SouborVoleb.h"
#include "zaklad/Chyba.h"
#include "data/SouborNastaveni.h"
#include "zaklad/Soubor.h"

#include <memory>

using namespace lineon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    soubor::CteniRadku vstup(fuzz::Vstup(data, size), "volby.txt", soubor::CteniRadku::Kodovani::Utf8);
    auto stav = std::make_unique<TStav>();
    try {
        cli::NacistVolby(vstup, *stav);
    } catch (const Chyba&) {
        return 0;
    }
    soubor::PametovyVystup vystup("$nastav");
    try {
        UlozitNastaveni(vystup, stav->Nastaveni);
    } catch (const Chyba& chyba) {
        fuzz::Selhani(std::string("nastavení z voleb nelze zapsat: ") + chyba.what());
    }
    // A file that reads back as UTF-8 (see `CteSeJakoUtf8`) is read differently by design.
    if (fuzz::CteSeJakoUtf8(vystup.Bajty()))
        return 0;
    TNastaveni znovu;
    soubor::CteniRadku cteni(vystup.Bajty(), vystup.Nazev());
    if (const auto zpravy = NacistNastaveni(cteni, znovu); !zpravy.empty())
        fuzz::Selhani("nastavení z voleb se nečtou bez hlášení: " + zpravy.front().Text);
    return 0;
}
