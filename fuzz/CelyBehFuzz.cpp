// A whole run as the batch program makes it: the first two bytes choose the network kind, the
// project format, the cover mode and the scales; the rest is the project file. It is opened, the
// line computed, and the written profile and the site plan written into a directory of the run.
// No value that is infinite or not a number may reach a file.
#include "FuzzPomoc.h"

#include "calc/DavkoveVystupy.h"
#include "calc/Vypocet.h"
#include "data/Chyba.h"
#include "data/ProjektovySoubor.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string_view>

using namespace lineon;

namespace {

constexpr std::array<int, 6> VyskovaMeritka = {11, 50, 100, 200, 500, 2000};
constexpr std::array<int, 4> Meritka = {11, 200, 1000, 10000};

/// The settings and switches the first two bytes choose.
FormatProjektu Nastavit(TStav& stav, std::uint8_t a, std::uint8_t b)
{
    NastavitDruhSite(stav.Nastaveni, a % 3 + 1);
    stav.Nastaveni.ZobrazeniKryti = a / 6 % 3;
    stav.Vystupy.stocRcheck = a / 18 % 2 == 1;
    stav.Vystupy.stocKcheck = !stav.Vystupy.stocRcheck;
    stav.Nastaveni.VyskoveMeritko = VyskovaMeritka[b % VyskovaMeritka.size()];
    stav.Nastaveni.DelkoveMeritko = Meritka[b / 6 % Meritka.size()];
    stav.Nastaveni.MeritkoSituace = Meritka[b / 24 % Meritka.size()];
    return a / 3 % 2 == 0 ? FormatProjektu::Tabulka : FormatProjektu::Radky;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    auto stav = std::make_unique<TStav>();
    const FormatProjektu format = Nastavit(*stav, data[0], data[1]);
    const std::string projekt = fuzz::ZapsatVstup(data + 2, size - 2, "projekt");
    try {
        OtevritProjekt(*stav, projekt, format);
    } catch (const Chyba&) {
        return 0;
    }
    const std::string vystup = fuzz::Adresar() + "vystup/";
    std::filesystem::create_directories(vystup);
    stav->Nastaveni.AdresarProjektu = vystup;

    fuzz::BezUzivatele zpravy;
    DavkoveVystupy vystupy(*stav);
    try {
        Vypocet(*stav, zpravy, vystupy);
    } catch (const Chyba& chyba) {
        // The outputs refuse what no file can hold; the calculation must not produce it.
        if (std::string_view(chyba.what()).find("nelze zapsat jako číslo") != std::string_view::npos)
            fuzz::Selhani(chyba.what());
    }
    return 0;
}
