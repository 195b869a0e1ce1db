#include "data/SouborDoplnku.h"

#include "zaklad/CteniRadku.h"
#include "zaklad/Soubor.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <variant>

namespace lineon {

namespace {

/// Entry i (from 0) of "Naposledy otevřené"; only the entries the list holds are written.
struct TNaposledy {
    std::size_t Poradi;
};

using ClenDoplnku = std::variant<bool TDoplnky::*, std::string TDoplnky::*, double TLimityKontroly::*,
                                 std::vector<TMinimalniSpad> TLimityKontroly::*, TNaposledy>;

struct TPoleDoplnku {
    std::string_view Nazev;
    ClenDoplnku Clen;
};

using L = TLimityKontroly;

constexpr std::array<TPoleDoplnku, 12 + PocetNaposledyOtevrenych> Pole = {{
    {"gpkgcheck", &TDoplnky::gpkgcheck},
    {"SouborGpkg", &TDoplnky::SouborGpkg},
    {"KontrolaMinSpadStoky", &L::MinSpadStoky},
    {"KontrolaMaxSpadStoky", &L::MaxSpadStoky},
    {"KontrolaMinKrytiStoky", &L::MinKrytiStoky},
    {"KontrolaMinKrytiVodovodu", &L::MinKrytiVodovodu},
    {"KontrolaVzdalenostSachet", &L::VzdalenostSachet},
    {"KontrolaLimitSpadiste", &L::LimitSpadiste},
    {"KontrolaMinSpadPripojky", &L::MinSpadPripojky},
    {"KontrolaMaxSpadPripojky", &L::MaxSpadPripojky},
    {"KontrolaMinSklonKomunikace", &L::MinSklonKomunikace},
    {"KontrolaMaxSklonKomunikace", &L::MaxSklonKomunikace},
    {"Naposledy1", TNaposledy{0}}, {"Naposledy2", TNaposledy{1}}, {"Naposledy3", TNaposledy{2}}, {"Naposledy4", TNaposledy{3}},
    {"Naposledy5", TNaposledy{4}}, {"Naposledy6", TNaposledy{5}}, {"Naposledy7", TNaposledy{6}}, {"Naposledy8", TNaposledy{7}},
}};

/// The name of a `name=value` line; none for a line without "=".
std::optional<std::string_view> Nazev(std::string_view radek)
{
    const auto rovnitko = radek.find('=');
    if (rovnitko == std::string_view::npos)
        return std::nullopt;
    return radek.substr(0, rovnitko);
}

const TPoleDoplnku* NajitPole(std::string_view radek)
{
    const auto nazev = Nazev(radek);
    for (const TPoleDoplnku& pole : Pole)
        if (nazev == pole.Nazev)
            return &pole;
    return nullptr;
}

/// Sets the value from its text; what the value cannot be, for the message, or "" when it was set.
/// A value that cannot be read takes its default, also after an earlier line of its name.
std::string Nastavit(TDoplnky& doplnky, const TPoleDoplnku& pole, const std::string& hodnota)
{
    static const TDoplnky vychozi;
    if (const auto clen = std::get_if<bool TDoplnky::*>(&pole.Clen)) {
        const bool platna = hodnota == "1" || hodnota == "0";
        doplnky.*(*clen) = platna ? hodnota == "1" : vychozi.*(*clen);
        return platna ? "" : "„" + hodnota + "“ není 1 ani 0";
    }
    if (const auto clen = std::get_if<double TLimityKontroly::*>(&pole.Clen)) {
        const auto limit = CistLimit(hodnota);
        doplnky.Kontrola.*(*clen) = limit.value_or(vychozi.Kontrola.*(*clen));
        return limit ? "" : "„" + hodnota + "“ není nezáporné desetinné číslo";
    }
    if (const auto clen = std::get_if<std::vector<TMinimalniSpad> TLimityKontroly::*>(&pole.Clen)) {
        const auto tabulka = CistTabulkuSpadu(hodnota);
        doplnky.Kontrola.*(*clen) = tabulka.value_or(vychozi.Kontrola.*(*clen));
        return tabulka ? "" : "„" + hodnota + "“ není tabulka ve tvaru DN:spád;DN:spád";
    }
    if (const auto polozka = std::get_if<TNaposledy>(&pole.Clen)) {
        // Read into its place; the places left empty are closed up at the end.
        doplnky.Naposledy.resize(std::max(doplnky.Naposledy.size(), polozka->Poradi + 1));
        doplnky.Naposledy[polozka->Poradi] = hodnota;
        return "";
    }
    const auto clen = std::get<std::string TDoplnky::*>(pole.Clen);
    doplnky.*clen = hodnota.empty() ? vychozi.*clen : hodnota;
    return hodnota.empty() ? "prázdný název souboru" : "";
}

std::string Radek(const TDoplnky& doplnky, const TPoleDoplnku& pole)
{
    const std::string nazev(pole.Nazev);
    if (const auto polozka = std::get_if<TNaposledy>(&pole.Clen))
        return nazev + "=" + (polozka->Poradi < doplnky.Naposledy.size() ? doplnky.Naposledy[polozka->Poradi] : "");
    if (const auto clen = std::get_if<bool TDoplnky::*>(&pole.Clen))
        return nazev + "=" + (doplnky.*(*clen) ? "1" : "0");
    if (const auto clen = std::get_if<double TLimityKontroly::*>(&pole.Clen))
        return nazev + "=" + TextLimitu(doplnky.Kontrola.*(*clen));
    if (const auto clen = std::get_if<std::vector<TMinimalniSpad> TLimityKontroly::*>(&pole.Clen))
        return nazev + "=" + TextTabulkySpadu(doplnky.Kontrola.*(*clen));
    return nazev + "=" + doplnky.*std::get<std::string TDoplnky::*>(pole.Clen);
}

} // namespace

std::vector<TZprava> NacistDoplnky(const std::string& cesta, TDoplnky& doplnky)
{
    doplnky = TDoplnky();
    std::vector<TZprava> zpravy;
    const std::vector<std::string> radky = soubor::PrecistRadky(cesta);
    for (std::size_t i = 0; i < radky.size(); ++i) {
        const TPoleDoplnku* pole = NajitPole(radky[i]);
        if (!pole)
            continue;
        const std::string vada = Nastavit(doplnky, *pole, radky[i].substr(pole->Nazev.size() + 1));
        if (!vada.empty())
            zpravy.push_back({DruhZpravy::Varovani, "Soubor nastavení „" + cesta + "“, řádek " + std::to_string(i + 1) + " ("
                                                        + std::string(pole->Nazev) + "): " + vada
                                                        + "; platí výchozí hodnota."});
    }
    std::erase(doplnky.Naposledy, "");
    return zpravy;
}

void UlozitDoplnky(const std::string& cesta, const TDoplnky& doplnky)
{
    std::vector<std::string> radky = soubor::Existuje(cesta) ? soubor::PrecistRadky(cesta) : std::vector<std::string>();
    std::array<bool, Pole.size()> zapsano{};
    for (std::string& radek : radky)
        if (const TPoleDoplnku* pole = NajitPole(radek)) {
            radek = Radek(doplnky, *pole);
            zapsano[static_cast<std::size_t>(pole - Pole.data())] = true;
        }
    for (std::size_t k = 0; k < Pole.size(); ++k) {
        const auto polozka = std::get_if<TNaposledy>(&Pole[k].Clen);
        if (!zapsano[k] && (!polozka || polozka->Poradi < doplnky.Naposledy.size()))
            radky.push_back(Radek(doplnky, Pole[k]));
    }
    std::string text;
    for (const std::string& radek : radky)
        text += radek + "\n";
    soubor::ZapsatText(cesta, text);
}

} // namespace lineon
