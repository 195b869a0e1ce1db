#include "data/ImportZamereni.h"

#include "zaklad/Cisla.h"
#include "zaklad/Kodovani.h"
#include "zaklad/NazevSouboru.h"
#include "data/ProjektovySoubor.h"
#include "zaklad/Soubor.h"
#include "data/Stav.h"
#include "zaklad/Zpravy.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

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

/// An item and the text after its separator, as views into the text.
std::pair<std::string_view, std::string_view> RozdelitPolozku(std::string_view text)
{
    std::size_t zacatek = 0;
    while (zacatek < text.size() && JeOddelovac(text[zacatek]))
        ++zacatek;
    std::size_t konec = zacatek;
    while (konec < text.size() && !JeOddelovac(text[konec]))
        ++konec;
    return {text.substr(zacatek, konec - zacatek), text.substr(std::min(konec + 1, text.size()))};
}

/// The first N items of a text; missing items are empty.
template <std::size_t N>
std::array<std::string_view, N> PrvniPolozky(std::string_view text)
{
    std::array<std::string_view, N> polozky;
    std::string_view zbytek = Orezat(text);
    for (auto& polozka : polozky) {
        const auto [dalsi, zbytekPolozky] = RozdelitPolozku(zbytek);
        polozka = dalsi;
        zbytek = Orezat(zbytekPolozky);
    }
    return polozky;
}

std::optional<double> Cislo(std::string_view text)
{
    return cisla::CtiDesetinne(text);
}

/// The items of a line before the number test, as views into the line or into `upraveny`.
struct TPolozkyRadku {
    std::string_view CisloBodu, Y, X, Z, Kod;
};

TPolozkyRadku PolozkyRadku(std::string_view radek, TypZamereni typ, std::string& upraveny)
{
    if (typ == TypZamereni::Textovy) {
        const auto polozky = PrvniPolozky<5>(radek);
        return {polozky[0], polozky[1], polozky[2], polozky[3], polozky[4]};
    }
    // Decimal commas become points, and the minus signs of negative grid coordinates go.
    upraveny = kodovani::PrvnichZnaku(kodovani::ZnakyOd(radek, 3), 199);
    std::replace(upraveny.begin(), upraveny.end(), ',', '.');
    std::replace(upraveny.begin(), upraveny.end(), '-', ' ');
    const auto polozky = PrvniPolozky<3>(upraveny);
    return {{}, polozky[0], polozky[1], polozky[2], " "};
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
    const auto [polozka, zbytek] = RozdelitPolozku(text);
    return {std::string(polozka), std::string(zbytek)};
}

bool SestaveniSeznamu::Radek(std::string_view radek, std::size_t cislo)
{
    std::string upraveny;
    const TPolozkyRadku polozky = PolozkyRadku(radek, typ_, upraveny);
    const auto y = Cislo(polozky.Y);
    const auto x = Cislo(polozky.X);
    if (!y || !x) {
        // Header and comment lines fall out here; empty lines say nothing.
        if (!Orezat(radek).empty())
            bezSouradnic_.Pridat(cislo);
        return true;
    }
    if (seznam_.PocetZamerenychBodu() == TSeznamSouradnic::Kapacita) {
        Plny(cislo);
        return false;
    }
    // The second layout numbers its records as they come.
    TZamerenyBod bod{.CisloBodu = typ_ == TypZamereni::Textovy ? std::string(polozky.CisloBodu)
                                                               : std::to_string(seznam_.PocetZamerenychBodu() + 1),
                     .YText = std::string(polozky.Y),
                     .XText = std::string(polozky.X),
                     .ZText = std::string(polozky.Z),
                     .Y = *y,
                     .X = *x,
                     .Kod = std::string(polozky.Kod)};
    if (const auto z = Cislo(bod.ZText)) {
        bod.Z = *z;
    } else {
        bod.Kod = bod.ZText;
        bod.ZText = "0.000";
        bod.Z = 0;
    }
    std::replace(bod.Kod.begin(), bod.Kod.end(), '*', ' ');
    std::erase(bod.Kod, ' ');
    seznam_.Body.push_back(std::move(bod));
    return true;
}

void SestaveniSeznamu::Vadny(const soubor::TRadekSouboru& radek)
{
    switch (radek.Vada->Druh) {
    case soubor::TVadaRadku::Druh::Bajt: sBajtem_.Pridat(radek.Cislo); break;
    case soubor::TVadaRadku::Druh::Znak: seZnakem_.Pridat(radek.Cislo, " („" + radek.Vada->Co + "“)"); break;
    case soubor::TVadaRadku::Druh::NeniUtf8: neniUtf8_.Pridat(radek.Cislo); break;
    }
}

bool SestaveniSeznamu::MaZpravu() const
{
    return seznam_.PocetZamerenychBodu() == 0 || !bezSouradnic_.Prazdne() || !sBajtem_.Prazdne()
           || !seZnakem_.Prazdne() || !neniUtf8_.Prazdne() || plnyOdRadku_ != 0;
}

std::string SestaveniSeznamu::Zprava(const std::string& cesta, std::size_t radku) const
{
    const auto bodu = static_cast<std::size_t>(seznam_.PocetZamerenychBodu());
    std::string text = "Soubor „" + cesta + "“: " + Nacteno(bodu) + " " + PocetSlovy(bodu, "bod", "body", "bodů") + " "
                       + ZRadku(radku);
    const auto pridat = [&text](const VybraneRadky& radky, const char* jake) {
        if (!radky.Prazdne())
            text += std::string("; vynechané řádky ") + jake + ": " + radky.Text();
    };
    // Without one point every line was left out; the count says it.
    if (bodu > 0)
        pridat(bezSouradnic_, "bez dvou číselných souřadnic");
    pridat(sBajtem_, "s bajtem, který v kódové stránce 1250 neoznačuje žádný znak");
    pridat(seZnakem_, "se znakem, který kódová stránka 1250 nemá");
    pridat(neniUtf8_, "s textem, který není v kódování UTF-8");
    if (plnyOdRadku_ != 0)
        text += "; seznam souřadnic pojme nejvýše " + std::to_string(TSeznamSouradnic::Kapacita)
                + " bodů, řádky od " + std::to_string(plnyOdRadku_) + " dál nebyly čteny";
    return text + (bodu == 0 ? "; jiný typ souboru?" : ".");
}

bool Importovat(TStav& stav, const std::string& cesta, TypZamereni typ, IZpravy& zpravy)
{
    // The directory is kept in the settings file, so it must fit one line in code page 1250.
    const std::string adresar = AdresarSouboru(cesta);
    if (!VadaNazvuSouboru(adresar))
        stav.Nastaveni.AdresarProjektu = adresar;
    soubor::CteniRadku cteni(cesta);
    return Importovat(stav, cteni, typ, zpravy);
}

bool Importovat(TStav& stav, soubor::CteniRadku& cteni, TypZamereni typ, IZpravy& zpravy)
{
    const std::string& cesta = cteni.Cesta();
    SestaveniSeznamu sestaveni(typ);
    soubor::TRadekSouboru radek;
    while (cteni.Dalsi(radek)) {
        // A line with a byte that names no character in code page 1250 (a heading written in
        // another code page, say) is left out like any other line without coordinates.
        if (radek.Vada) {
            sestaveni.Vadny(radek);
        } else if (!sestaveni.Radek(radek.Text, radek.Cislo)) {
            // Lines beyond what the list can hold are counted, not kept.
            cteni.PreskocitZbytek();
            break;
        }
    }
    const bool nacteno = sestaveni.Seznam().PocetZamerenychBodu() > 0;
    if (nacteno && cteni.Utf8())
        zpravy.Oznamit(DruhZpravy::Informace, soubor::ZpravaOUtf8(cesta));
    if (sestaveni.MaZpravu())
        zpravy.Oznamit(DruhZpravy::Varovani, sestaveni.Zprava(cesta, cteni.PocetRadku()));
    if (nacteno)
        stav.SeznamSouradnic = sestaveni.VzitSeznam();
    return nacteno;
}

} // namespace lineon
