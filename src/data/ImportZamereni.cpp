#include "data/ImportZamereni.h"

#include "data/Cisla.h"
#include "data/Kodovani.h"
#include "data/NazevSouboru.h"
#include "data/ProjektovySoubor.h"
#include "data/Soubor.h"
#include "data/Stav.h"
#include "data/Zpravy.h"

#include <algorithm>
#include <optional>

namespace lineon {

namespace {

bool JeOddelovac(char c)
{
    return c == ' ' || c == '\t';
}

bool JeBilyZnak(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

/// The first `pocet` items of a text; missing items are empty.
std::vector<std::string> PrvniPolozky(std::string_view text, int pocet)
{
    std::vector<std::string> polozky;
    std::string zbytek(Orezat(text));
    for (int i = 0; i < pocet; ++i) {
        TPolozka dalsi = DalsiPolozka(zbytek);
        polozky.push_back(std::move(dalsi.Polozka));
        zbytek = Orezat(dalsi.Zbytek);
    }
    return polozky;
}

std::optional<double> Cislo(const std::string& text)
{
    return cisla::CtiDesetinne(text);
}

/// The record of a line before the number test; `CisloBodu` of the second layout is the number
/// the record will get.
TZamerenyBod PrecistZaznam(const std::string& radek, TypZamereni typ, int j)
{
    TZamerenyBod bod;
    if (typ == TypZamereni::Textovy) {
        const auto polozky = PrvniPolozky(radek, 5);
        bod.CisloBodu = polozky[0];
        bod.YText = polozky[1];
        bod.XText = polozky[2];
        bod.ZText = polozky[3];
        bod.Kod = polozky[4];
        return bod;
    }
    // Decimal commas become points, and the minus signs of negative grid coordinates go.
    std::string text = kodovani::PrvnichZnaku(kodovani::ZnakyOd(radek, 3), 199);
    std::replace(text.begin(), text.end(), ',', '.');
    std::replace(text.begin(), text.end(), '-', ' ');
    const auto polozky = PrvniPolozky(text, 3);
    bod.CisloBodu = std::to_string(j);
    bod.YText = polozky[0];
    bod.XText = polozky[1];
    bod.ZText = polozky[2];
    bod.Kod = " ";
    return bod;
}

} // namespace

std::string_view Orezat(std::string_view text)
{
    while (!text.empty() && JeBilyZnak(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && JeBilyZnak(text.back()))
        text.remove_suffix(1);
    return text;
}

TPolozka DalsiPolozka(std::string_view text)
{
    std::size_t zacatek = 0;
    while (zacatek < text.size() && JeOddelovac(text[zacatek]))
        ++zacatek;
    std::size_t konec = zacatek;
    while (konec < text.size() && !JeOddelovac(text[konec]))
        ++konec;
    const std::size_t zbytek = std::min(konec + 1, text.size());
    return { std::string(text.substr(zacatek, konec - zacatek)), std::string(text.substr(zbytek)) };
}

namespace {

/// The warning about lines left out: "řádek 3 obsahuje …" or "řádky 3, 7, 9 obsahují …" (the
/// first ten and a count of the rest).
std::string PopisRadku(const std::vector<std::size_t>& radky)
{
    constexpr std::size_t Nejvic = 10;
    const bool jeden = radky.size() == 1;
    std::string text = jeden ? "řádek " : "řádky ";
    for (std::size_t i = 0; i < std::min(radky.size(), Nejvic); ++i)
        text += (i ? ", " : "") + std::to_string(radky[i]);
    if (radky.size() > Nejvic)
        text += " a " + std::to_string(radky.size() - Nejvic) + " dalších";
    return text + (jeden ? " obsahuje bajt, který v kódové stránce 1250 neoznačuje žádný znak; řádek byl vynechán."
                         : " obsahují bajty, které v kódové stránce 1250 neoznačují žádný znak; tyto řádky byly "
                           "vynechány.");
}

} // namespace

TSeznamSouradnic NacistSeznamSouradnic(const std::vector<std::string>& radky, TypZamereni typ, IZpravy& zpravy)
{
    TSeznamSouradnic seznam;
    int j = 1;
    for (std::size_t r = 0; r < radky.size(); ++r) {
        TZamerenyBod bod = PrecistZaznam(radky[r], typ, j);
        const auto y = Cislo(bod.YText);
        const auto x = Cislo(bod.XText);
        if (!y || !x)
            continue;
        if (seznam.PocetZamerenychBodu() == TSeznamSouradnic::Kapacita) {
            zpravy.Oznamit(DruhZpravy::Varovani,
                "Seznam souřadnic pojme nejvýše " + std::to_string(TSeznamSouradnic::Kapacita)
                    + " bodů; import skončil na řádku " + std::to_string(r + 1)
                    + " souboru a další body nebyly načteny.");
            break;
        }
        bod.Y = *y;
        bod.X = *x;
        if (const auto z = Cislo(bod.ZText)) {
            bod.Z = *z;
        } else {
            bod.Kod = bod.ZText;
            bod.ZText = "0.000";
            bod.Z = 0;
        }
        std::replace(bod.Kod.begin(), bod.Kod.end(), '*', ' ');
        std::erase(bod.Kod, ' ');
        seznam.Body.push_back(std::move(bod));
        ++j;
    }
    return seznam;
}

void Importovat(TStav& stav, const std::string& cesta, TypZamereni typ, IZpravy& zpravy)
{
    // The directory is kept in the settings file, so it must fit one line in code page 1250.
    const std::string adresar = AdresarSouboru(cesta);
    if (!VadaNazvuSouboru(adresar))
        stav.Nastaveni.AdresarProjektu = adresar;
    // A line with a byte that names no character in code page 1250 (a heading written in another
    // code page, say) is left out like any other line without coordinates, but not silently.
    std::vector<std::string> radky;
    std::vector<std::size_t> vynechane;
    for (auto& radek : soubor::PrecistRadkyPoJednom(cesta)) {
        if (!radek)
            vynechane.push_back(radky.size() + 1);
        radky.push_back(radek.value_or(""));
    }
    stav.SeznamSouradnic = NacistSeznamSouradnic(radky, typ, zpravy);
    if (!vynechane.empty())
        zpravy.Oznamit(DruhZpravy::Varovani, "Soubor „" + cesta + "“: " + PopisRadku(vynechane));
}

} // namespace lineon
