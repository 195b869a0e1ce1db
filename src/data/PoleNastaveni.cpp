#include "data/PoleNastaveni.h"

#include "zaklad/Chyba.h"
#include "zaklad/Cisla.h"
#include "data/HodnotaOvladace.h"

#include <array>
#include <cmath>
#include <utility>

namespace lineon {

namespace {

using T = TypNastaveni;
using N = TNastaveni;
using pole_nastaveni::Tabulka;

// The checks of the table, so that a wrong row does not compile.
template <class Clen>
constexpr bool Je(const TPoleNastaveni& pole)
{
    return std::holds_alternative<Clen>(pole.Clen);
}

constexpr bool VDoplncich(const TPoleNastaveni& pole)
{
    return Je<bool TDoplnky::*>(pole) || Je<std::string TDoplnky::*>(pole) || Je<double TLimityKontroly::*>(pole)
        || Je<std::vector<TMinimalniSpad> TLimityKontroly::*>(pole);
}

constexpr bool TypSediSeClenem(const TPoleNastaveni& pole)
{
    switch (pole.Typ) {
    case T::Zadny:
        return Je<bool TVystupy::*>(pole) || Je<std::string TVystupy::*>(pole) || VDoplncich(pole);
    case T::Cele: return Je<std::int32_t N::*>(pole) || Je<TDruhSite N::*>(pole);
    case T::Realne: return Je<double N::*>(pole);
    case T::Kod:
    case T::Text16:
    case T::Radek: return Je<std::string N::*>(pole);
    case T::Logicke: return Je<bool N::*>(pole);
    case T::Osoby: return Je<std::vector<std::string> N::*>(pole);
    }
    return false;
}

constexpr bool DruhSediSeClenem(const TPoleNastaveni& pole)
{
    using D = DruhOvladace;
    const bool logicky = Je<bool N::*>(pole) || Je<bool TVystupy::*>(pole) || Je<bool TDoplnky::*>(pole);
    const bool text =
        Je<std::string N::*>(pole) || Je<std::string TVystupy::*>(pole) || Je<std::string TDoplnky::*>(pole);
    switch (pole.Druh) {
    case D::Zadny: return pole.Stranka == StrankaVystupu::Zadna;
    case D::Zaskrtavatko:
    case D::Prepinac: return logicky;
    case D::Text:
    case D::Kombo:
    case D::Adresar:
    case D::Datum: return text;
    case D::Cislo: return Je<std::int32_t N::*>(pole) || Je<double N::*>(pole) || Je<double TLimityKontroly::*>(pole);
    case D::TabulkaSpadu: return Je<std::vector<TMinimalniSpad> TLimityKontroly::*>(pole);
    case D::Volby: return Je<std::int32_t N::*>(pole) && pole.Meze.Plati();
    }
    return false;
}

constexpr bool TabulkaPlati()
{
    std::array<bool, pole_nastaveni::PocetVSouboru()> radky{};
    for (const auto& pole : Tabulka) {
        if (!TypSediSeClenem(pole) || !DruhSediSeClenem(pole) || pole.Jmeno().empty())
            return false;
        if ((pole.Typ == T::Zadny) != (pole.Radek < 0) || (pole.Typ == T::Zadny) != pole.Nazev.empty())
            return false;
        if (pole.Radek >= 0 && std::exchange(radky.at(static_cast<std::size_t>(pole.Radek)), true))
            return false;
        for (const std::string_view odkaz : {pole.Protejsek, pole.Zavisi})
            if (!odkaz.empty() && PoradiOvladace(odkaz) == Tabulka.size())
                return false;
        for (const auto& jine : Tabulka)
            if (&jine != &pole && (jine.Jmeno() == pole.Jmeno() || (!pole.Ovladac.empty() && jine.Ovladac == pole.Ovladac)))
                return false;
    }
    return true;
}

static_assert(TabulkaPlati(), "every row names its value once, and every name it refers to is a control");

[[noreturn]] void Odmitnout(const TPoleNastaveni& pole, const std::string& ocekava, std::string_view hodnota)
{
    OdmitnoutHodnotu(pole.Jmeno(), ocekava, hodnota);
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

std::int32_t CeleCislo(const TNastaveni& nastaveni, const TPoleNastaveni& pole)
{
    if (const auto druh = std::get_if<TDruhSite N::*>(&pole.Clen))
        return static_cast<std::int32_t>(nastaveni.**druh);
    return nastaveni.*std::get<std::int32_t N::*>(pole.Clen);
}

void NastavitCele(TNastaveni& nastaveni, const TPoleNastaveni& pole, std::int32_t hodnota)
{
    if (const auto druh = std::get_if<TDruhSite N::*>(&pole.Clen))
        nastaveni.**druh = static_cast<TDruhSite>(hodnota);
    else
        nastaveni.*std::get<std::int32_t N::*>(pole.Clen) = hodnota;
}

std::string PopisMezi(const TMeze& meze)
{
    return cisla::FormatF(meze.Od, 0, meze.Desetin) + " až " + cisla::FormatF(meze.Do, 0, meze.Desetin);
}

const TPoleNastaveni* NajitPoleNastaveni(std::string_view nazev)
{
    // "$doplnky" is no settings of the options file.
    for (const auto& pole : Tabulka)
        if (pole.Jmeno() == nazev && !VDoplncich(pole))
            return &pole;
    return nullptr;
}

void NastavitHodnotu(TNastaveni& nastaveni, TVystupy& vystupy, const TPoleNastaveni& pole, std::string_view hodnota)
{
    if (const auto zaskrtnuti = std::get_if<bool TVystupy::*>(&pole.Clen)) {
        if (hodnota != "1" && hodnota != "0")
            Odmitnout(pole, "1 nebo 0", hodnota);
        vystupy.**zaskrtnuti = hodnota == "1";
        if (const auto* protejsek = NajitOvladac(pole.Protejsek))
            vystupy.*std::get<bool TVystupy::*>(protejsek->Clen) = hodnota == "0";
        return;
    }
    if (const auto text = std::get_if<std::string TVystupy::*>(&pole.Clen)) {
        vystupy.**text = TextOvladace(pole.Jmeno(), hodnota, pole.MaxZnaku);
        return;
    }
    // The kind and its display name always change together, as the menu changes them.
    if (pole.Nazev == "DruhSite") {
        NastavitDruhSite(nastaveni, static_cast<TDruhSite>(CeleVMezich(pole, hodnota)));
        return;
    }
    if (pole.Nazev == "NazevSite") {
        for (const TDruhSite druh : DruhySite)
            if (NazevDruhuSite(druh) == hodnota) {
                NastavitDruhSite(nastaveni, druh);
                return;
            }
        Odmitnout(pole, "Kanalizace, Vodovod nebo Osa komunikace", hodnota);
    }
    if (pole.Nazev == "Jazyk" && hodnota != "CZ" && hodnota != "SK")
        Odmitnout(pole, "CZ nebo SK", hodnota);

    switch (pole.Typ) {
    case TypNastaveni::Zadny:
        break;
    case TypNastaveni::Cele:
        NastavitCele(nastaveni, pole, CeleVMezich(pole, hodnota));
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
