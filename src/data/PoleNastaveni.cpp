#include "data/PoleNastaveni.h"

#include "zaklad/Chyba.h"
#include "zaklad/Cisla.h"
#include "data/HodnotaOvladace.h"

#include <array>
#include <cmath>

namespace lineon {

namespace {

using T = TypNastaveni;
using N = TNastaveni;

constexpr TMeze Meritko{11, 10000};
constexpr TMeze VyskaTextu{0.1, 99.9, 1};
constexpr TMeze Posun{-32768, 32767};
constexpr TMeze Umisteni{0, 2147483647};
constexpr int KodPrevodu = 5;      // the first five code fields of the automatic conversion
constexpr int DelsiKodPrevodu = 6; // its other code fields
constexpr int KodZnacky = 12;      // the mark codes of the site-plan page

const std::array<TPoleNastaveni, 43> Tabulka = {{
    {"DelkoveMeritko", T::Cele, &N::DelkoveMeritko, "dmField", Meritko},
    {"VyskoveMeritko", T::Cele, &N::VyskoveMeritko, "vmField", {11, 2000}},
    {"MeritkoSituace", T::Cele, &N::MeritkoSituace, "merfield", Meritko},
    {"VyskaKot", T::Realne, &N::VyskaKot, "vyskyField", VyskaTextu},
    {"VyskaPopisu", T::Realne, &N::VyskaPopisu, "vypocField", VyskaTextu},
    {"VyskaOznaceni", T::Realne, &N::VyskaOznaceni, "oznacField", VyskaTextu},
    {"PosunSR", T::Cele, &N::PosunSR, "posSRField", {0, 100}},
    {"LimitSR", T::Cele, &N::LimitSR, "lhSRField", {0, 1000}},
    {"Dx", T::Cele, &N::Dx, "dxField", Posun},
    {"Dy", T::Cele, &N::Dy, "dyField", Posun},
    {"UmisteniX", T::Cele, &N::UmisteniX, "vsXField", Umisteni},
    {"UmisteniY", T::Cele, &N::UmisteniY, "vsYField", Umisteni},
    {"PrumerPriImportu", T::Cele, &N::PrumerPriImportu, "dField", {0, 5000}},
    {"KodZPoklopu", T::Kod, &N::KodZPoklopu, "ApField", {}, KodPrevodu},
    {"KodXY", T::Kod, &N::KodXY, "AsField", {}, KodPrevodu},
    {"KodZDna", T::Kod, &N::KodZDna, "AdField", {}, KodPrevodu},
    {"KodZVtoku", T::Kod, &N::KodZVtoku, "AvField", {}, KodPrevodu},
    {"KodZOdtoku", T::Kod, &N::KodZOdtoku, "AoField", {}, KodPrevodu},
    {"KodOznaceni", T::Kod, &N::KodOznaceni, "AcField", {}, DelsiKodPrevodu},
    {"ZpusobOznaceni", T::Cele, &N::ZpusobOznaceni, "RadioGroup2", {0, 2}},
    {"NazevSite", T::Radek, &N::NazevSite},
    {"DruhSite", T::Cele, &N::DruhSite, {}, {1, 3}},
    {"AdresarProjektu", T::Radek, &N::AdresarProjektu, "FolderField"},
    {"PocetOsob", T::Osoby, &N::Osoby},
    {"Jazyk", T::Text16, &N::Jazyk},
    {"ImportFilterIndex", T::Cele, &N::ImportFilterIndex, {}, {1, 2}},
    {"ZobrazeniKryti", T::Cele, &N::ZobrazeniKryti, "Krytiradio", {0, 2}},
    {"ZobrazeniDelek", T::Cele, &N::ZobrazeniDelek, "Delkaradio", {0, 1}},
    {"KodKrizeni1", T::Kod, &N::KodKrizeni1, "AprField1", {}, DelsiKodPrevodu},
    {"KodKrizeni2", T::Kod, &N::KodKrizeni2, "AprField2", {}, DelsiKodPrevodu},
    {"KodKrizeni3", T::Kod, &N::KodKrizeni3, "AprField3", {}, DelsiKodPrevodu},
    {"KodKrizeni4", T::Kod, &N::KodKrizeni4, "AprField4", {}, DelsiKodPrevodu},
    {"KodKrizeni5", T::Kod, &N::KodKrizeni5, "AprField5", {}, DelsiKodPrevodu},
    {"KodXYPripojky", T::Kod, &N::KodXYPripojky, "AprField6", {}, DelsiKodPrevodu},
    {"KodXYDS", T::Kod, &N::KodXYDS, "AprField7", {}, DelsiKodPrevodu},
    {"KodZPoklopuDS", T::Kod, &N::KodZPoklopuDS, "AprField8", {}, DelsiKodPrevodu},
    {"KodZDnaDS", T::Kod, &N::KodZDnaDS, "AprField9", {}, DelsiKodPrevodu},
    {"KodOznaceniDS", T::Kod, &N::KodOznaceniDS, "AprField10", {}, DelsiKodPrevodu},
    {"KodOznaceniPripojky", T::Kod, &N::KodOznaceniPripojky, "AprField11", {}, DelsiKodPrevodu},
    {"LegendaDelka", T::Logicke, &N::LegendaDelka, "popdelcheck"},
    {"StaniceniDo100", T::Logicke, &N::StaniceniDo100, "Stanbez"},
    {"KodHydrant", T::Text16, &N::KodHydrant, "hydrantF", {}, KodZnacky},
    {"KodSoupe", T::Text16, &N::KodSoupe, "soupeF", {}, KodZnacky},
}};

[[noreturn]] void Odmitnout(const TPoleNastaveni& pole, const std::string& ocekava, std::string_view hodnota)
{
    OdmitnoutHodnotu(pole.Nazev, ocekava, hodnota);
}

bool MaNejvyseDesetin(double x, int desetin)
{
    const double posunute = x * std::pow(10.0, desetin);
    return std::fabs(posunute - std::nearbyint(posunute)) < 1e-6;
}

std::int32_t CeleVMezich(const TPoleNastaveni& pole, std::string_view hodnota)
{
    const auto cislo = cisla::CtiCele(hodnota);
    if (!cislo || !pole.Meze.Obsahuje(*cislo))
        Odmitnout(pole, "celé číslo " + PopisMezi(pole.Meze), hodnota);
    return *cislo;
}

double RealneVMezich(const TPoleNastaveni& pole, std::string_view hodnota)
{
    const auto cislo = cisla::CtiDesetinne(hodnota);
    if (!cislo || !pole.Meze.Obsahuje(*cislo) || (pole.Meze.Plati() && !MaNejvyseDesetin(*cislo, pole.Meze.Desetin)))
        Odmitnout(pole, "číslo " + PopisMezi(pole.Meze) + " s nejvýše " + std::to_string(pole.Meze.Desetin)
                            + " desetinným místem",
                  hodnota);
    return *cislo;
}

bool Logicka(const TPoleNastaveni& pole, std::string_view hodnota)
{
    if (hodnota == "TRUE" || hodnota == "1")
        return true;
    if (hodnota == "FALSE" || hodnota == "0")
        return false;
    Odmitnout(pole, "TRUE, FALSE, 1 nebo 0", hodnota);
}

} // namespace

std::string PopisMezi(const TMeze& meze)
{
    return cisla::FormatF(meze.Od, 0, meze.Desetin) + " až " + cisla::FormatF(meze.Do, 0, meze.Desetin);
}

std::span<const TPoleNastaveni> PoleNastaveni()
{
    return Tabulka;
}

const TPoleNastaveni* NajitPoleNastaveni(std::string_view nazev)
{
    for (const auto& pole : Tabulka)
        if (pole.Nazev == nazev)
            return &pole;
    return nullptr;
}

const TPoleNastaveni* NajitPodleOvladace(std::string_view ovladac)
{
    for (const auto& pole : Tabulka)
        if (!ovladac.empty() && pole.Ovladac == ovladac)
            return &pole;
    return nullptr;
}

void NastavitHodnotu(TNastaveni& nastaveni, const TPoleNastaveni& pole, std::string_view hodnota)
{
    // The kind and its display name always change together, as the menu changes them.
    if (pole.Nazev == "DruhSite") {
        NastavitDruhSite(nastaveni, CeleVMezich(pole, hodnota));
        return;
    }
    if (pole.Nazev == "NazevSite") {
        for (int druh = 1; druh <= 3; ++druh)
            if (NazevDruhuSite(druh) == hodnota) {
                NastavitDruhSite(nastaveni, druh);
                return;
            }
        Odmitnout(pole, "Kanalizace, Vodovod nebo Osa komunikace", hodnota);
    }
    if (pole.Nazev == "Jazyk" && hodnota != "CZ" && hodnota != "SK")
        Odmitnout(pole, "CZ nebo SK", hodnota);

    switch (pole.Typ) {
    case TypNastaveni::Cele:
        nastaveni.*std::get<std::int32_t N::*>(pole.Clen) = CeleVMezich(pole, hodnota);
        break;
    case TypNastaveni::Realne:
        nastaveni.*std::get<double N::*>(pole.Clen) = RealneVMezich(pole, hodnota);
        break;
    case TypNastaveni::Kod:
    case TypNastaveni::Text16:
    case TypNastaveni::Radek:
        nastaveni.*std::get<std::string N::*>(pole.Clen) = TextOvladace(pole.Nazev, hodnota, pole.MaxZnaku);
        break;
    case TypNastaveni::Logicke:
        nastaveni.*std::get<bool N::*>(pole.Clen) = Logicka(pole, hodnota);
        break;
    case TypNastaveni::Osoby:
        throw Chyba(std::string(pole.Nazev) + ": seznam osob nelze nastavit jednou hodnotou.");
    }
}

} // namespace lineon
