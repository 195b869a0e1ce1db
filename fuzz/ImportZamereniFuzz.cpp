// A survey file of one type (type 1, or type 2 with LINEON_FUZZ_SPECIALNI) is imported, its
// coordinate list converted automatically and by hand, and the project saved in both formats:
// a project that saves opens again.
#include "FuzzPomoc.h"

#include "convert/AutomatickyPrevod.h"
#include "convert/PrevestRadek.h"
#include "zaklad/Chyba.h"
#include "data/ImportZamereni.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/Soubor.h"

#include <algorithm>
#include <memory>

using namespace lineon;

namespace {

#ifdef LINEON_FUZZ_SPECIALNI
constexpr TypZamereni Typ = TypZamereni::Specialni;
#else
constexpr TypZamereni Typ = TypZamereni::Textovy;
#endif

void Prevest(TStav& stav)
{
    try {
        SpustitAutomatickyPrevod(stav);
    } catch (const Chyba&) {
        return; // a table ran full
    }
    // The first records once more by hand, each as a manhole, a connection and a house manhole.
    stav.RucniPrevod.RadioGroup1 = 2;
    for (int k = 1; k <= std::min(3, stav.SeznamSouradnic.PocetZamerenychBodu()); ++k)
        for (int typ = 0; typ < 3; ++typ) {
            stav.RucniPrevod.RadioGroup3 = typ;
            PrevestRadek(stav, k, 1, 1);
        }
}

void UlozitAOtevrit(const TStav& stav, FormatProjektu format)
{
    soubor::PametovyVystup vystup(format == FormatProjektu::Tabulka ? "p.csv" : "p.dat");
    try {
        ZapsatProjekt(stav.Projekt, vystup, format);
    } catch (const Chyba&) {
        return; // a text this format cannot hold, refused before writing
    }
    // A file that reads back as UTF-8 (see `CteSeJakoUtf8`) is read differently by design.
    if (fuzz::CteSeJakoUtf8(vystup.Bajty()))
        return;
    soubor::CteniRadku cteni(vystup.Bajty(), vystup.Nazev());
    auto znovu = std::make_unique<TStav>();
    fuzz::BezUzivatele zpravy;
    bool otevren = false;
    try {
        otevren = OtevritProjekt(*znovu, cteni, format, zpravy);
    } catch (const Chyba& chyba) {
        fuzz::Selhani(std::string("uložený projekt se nedá otevřít: ") + chyba.what());
    }
    // A project without a row that holds data yields nothing when opened again.
    if (otevren && znovu->Projekt.PocetBodu() != stav.Projekt.PocetBodu())
        fuzz::Selhani("uložený projekt má jiný počet bodů");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    soubor::CteniRadku vstup(fuzz::Vstup(data, size), "zamereni.txt");
    auto stav = std::make_unique<TStav>();
    // The size of the input picks the network kind and the label mode, for variety.
    NastavitDruhSite(stav->Nastaveni, static_cast<TDruhSite>(size % 3 + 1));
    stav->Nastaveni.ZpusobOznaceni = static_cast<int>(size / 3 % 3);
    fuzz::BezUzivatele zpravy;
    try {
        if (!Importovat(*stav, vstup, Typ, zpravy))
            return 0;
    } catch (const Chyba&) {
        return 0;
    }
    Prevest(*stav);
    UlozitAOtevrit(*stav, FormatProjektu::Tabulka);
    UlozitAOtevrit(*stav, FormatProjektu::Radky);
    return 0;
}
