// A project file in one format (the table format, or the line format with LINEON_FUZZ_RADKY):
// whatever opens is saved in the same format, and what was saved opens again and saves to the
// same bytes.
#include "FuzzPomoc.h"

#include "zaklad/Chyba.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/Soubor.h"

#include <memory>
#include <optional>

using namespace lineon;

namespace {

#ifdef LINEON_FUZZ_RADKY
constexpr FormatProjektu Format = FormatProjektu::Radky;
#else
constexpr FormatProjektu Format = FormatProjektu::Tabulka;
#endif

/// Saves the project, opens what was saved and returns its bytes; an open or save that fails here
/// is a fault, since the project came from a file of the same format. Nothing when the saved file
/// reads back as UTF-8 (see `CteSeJakoUtf8`) or yields nothing: its only values were below what
/// three decimals hold.
std::optional<std::string> UlozitAOtevrit(TStav& stav, const std::string& nazev)
{
    soubor::PametovyVystup vystup(nazev);
    fuzz::BezUzivatele zpravy;
    try {
        ZapsatProjekt(stav.Projekt, vystup, Format);
        if (fuzz::CteSeJakoUtf8(vystup.Bajty()))
            return std::nullopt;
        soubor::CteniRadku cteni(vystup.Bajty(), nazev);
        if (!OtevritProjekt(stav, cteni, Format, zpravy))
            return std::nullopt;
    } catch (const Chyba& chyba) {
        fuzz::Selhani(std::string("uložený projekt se nedá znovu otevřít: ") + chyba.what());
    }
    return vystup.Bajty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    soubor::CteniRadku vstup(fuzz::Vstup(data, size), "vstup");
    auto stav = std::make_unique<TStav>();
    fuzz::BezUzivatele zpravy;
    try {
        if (!OtevritProjekt(*stav, vstup, Format, zpravy))
            return 0;
    } catch (const Chyba&) {
        return 0;
    }
    // A table-format file without connections reads back with one empty connection row, so the
    // bytes settle from the second save on.
    if (!UlozitAOtevrit(*stav, "a"))
        return 0;
    const auto b = UlozitAOtevrit(*stav, "b");
    const auto c = UlozitAOtevrit(*stav, "c");
    if (b != c)
        fuzz::Selhani("projekt uložený podruhé a potřetí se liší:\n" + b.value_or("") + "----\n" + c.value_or(""));
    return 0;
}
