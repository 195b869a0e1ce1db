// A whole run as the batch program makes it: the first two bytes choose the network kind, the
// project format, the scales and the options of the drawings; the rest is the project file. It is
// opened, the line computed, the written profile and the site plan written into a directory of the
// run, and the comparison-plane dialog confirmed with its proposal, which draws the profile into
// that directory and the preview list. No value that is infinite or not a number may reach a file
// or the preview.
#include "FuzzPomoc.h"

#include "prikazy/DavkoveVystupy.h"
#include "calc/Vypocet.h"
#include "zaklad/Chyba.h"
#include "data/ProjektovySoubor.h"
#include "prikazy/InformaceORovine.h"
#include "profile/NahledProfilu.h"
#include "zaklad/CteniRadku.h"

#include <array>
#include <cmath>
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
    NastavitDruhSite(stav.Nastaveni, static_cast<TDruhSite>(a % 3 + 1));
    stav.Nastaveni.ZobrazeniKryti = a / 6 % 3;
    stav.Vystupy.stocRcheck = a / 18 % 2 == 1;
    stav.Vystupy.stocKcheck = !stav.Vystupy.stocRcheck;
    stav.Nastaveni.VyskoveMeritko = VyskovaMeritka[b % VyskovaMeritka.size()];
    stav.Nastaveni.DelkoveMeritko = Meritka[b / 6 % Meritka.size()];
    stav.Nastaveni.MeritkoSituace = Meritka[b / 24 % Meritka.size()];
    stav.Vystupy.tabcheck = b / 96 >= 1;
    stav.Vystupy.RadioButton1 = b / 96 != 2;
    stav.Vystupy.RadioButton2 = !stav.Vystupy.RadioButton1;
    stav.Nastaveni.ZobrazeniDelek = a / 36 % 2;
    stav.Nastaveni.LegendaDelka = a / 72 % 2 == 1;
    stav.Nastaveni.StaniceniDo100 = a / 144 % 2 == 1;
    return a / 3 % 2 == 0 ? FormatProjektu::Tabulka : FormatProjektu::Radky;
}

void OveritNahled(const TSeznamKresby& seznam)
{
    for (const KresData& k : seznam)
        for (const double x : {k.x1, k.y1, k.x2, k.y2, k.polomer, k.vyskaTextu})
            if (!std::isfinite(x))
                fuzz::Selhani("náhled profilu obsahuje nekonečnou hodnotu");
}

/// A DXF file is pairs of lines ended by CR LF: no carriage return or line feed stands alone.
void OveritDxf(const std::string& cesta)
{
    const std::string obsah = fuzz::Obsah(cesta);
    for (std::size_t i = 0; i < obsah.size(); ++i)
        if ((obsah[i] == '\r' && (i + 1 == obsah.size() || obsah[i + 1] != '\n'))
            || (obsah[i] == '\n' && (i == 0 || obsah[i - 1] != '\r')))
            fuzz::Selhani(cesta + ": osamělý konec řádku na bajtu " + std::to_string(i));
}

/// The dialog confirmed with the calculation's proposal, as the batch program does.
void KreslitProfil(TStav& stav)
{
    InformaceORovine dialog;
    dialog.Naplnit(stav);
    BezNahledu bezNahledu;
    dialog.Potvrdit(stav, bezNahledu);
    OveritNahled(stav.SeznamKresby);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    auto stav = std::make_unique<TStav>();
    const FormatProjektu format = Nastavit(*stav, data[0], data[1]);
    soubor::CteniRadku projekt(fuzz::Vstup(data + 2, size - 2), fuzz::Adresar() + "projekt");
    fuzz::BezUzivatele zpravy;
    try {
        if (!OtevritProjekt(*stav, projekt, format, zpravy))
            return 0;
    } catch (const Chyba&) {
        return 0;
    }
    const std::string vystup = fuzz::Adresar() + "vystup/";
    std::filesystem::create_directories(vystup);
    stav->Nastaveni.AdresarProjektu = vystup;

    DavkoveVystupy vystupy(*stav);
    try {
        if (Vypocet(*stav, zpravy, vystupy) && vystupy.RovinaVyzadana()) {
            OveritDxf(vystup + stav->Vystupy.SouborSituace);
            KreslitProfil(*stav);
            OveritDxf(vystup + stav->Vystupy.SouborProfilu);
        }
    } catch (const Chyba& chyba) {
        // The outputs refuse what no file can hold; the calculation must not produce it.
        if (std::string_view(chyba.what()).find("nelze zapsat jako číslo") != std::string_view::npos)
            fuzz::Selhani(chyba.what());
    }
    return 0;
}
