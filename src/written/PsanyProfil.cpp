#include "written/PsanyProfil.h"

#include "zaklad/Cisla.h"
#include "zaklad/Soubor.h"
#include "written/NadpisyPsanehoProfilu.h"

#include <algorithm>

namespace lineon {

namespace {

/// A line of fields joined by ";", without one at its end.
class Radek {
public:
    Radek& Text(const std::string& text)
    {
        if (!prvni_)
            text_ += ';';
        prvni_ = false;
        text_ += text;
        return *this;
    }
    /// A number with 2 decimals, right-aligned in at least `sirka` characters.
    Radek& Cislo(double hodnota, int sirka) { return Text(cisla::FormatF(hodnota, sirka, 2)); }
    std::string Konec() const { return text_ + "\n"; }

private:
    std::string text_;
    bool prvni_ = true;
};

std::string RadekBodu(const TStav& stav, int r)
{
    const TDruhSite druh = stav.Nastaveni.DruhSite;
    const bool osa = druh == TDruhSite::OsaKomunikace;
    const bool kanalizace = druh == TDruhSite::Kanalizace;
    const TBod& bod = stav.Projekt.Body[r];
    const TVysledekBodu& vysledek = stav.Vysledky.Body[r];
    // The line of a point shows the section that ends there.
    const TVysledekBodu& usek = stav.Vysledky.Body[r - 1];

    Radek radek;
    radek.Text(bod.Oznaceni).Cislo(vysledek.Staniceni, 3).Cislo(bod.Y, 6).Cislo(bod.X, 7);
    if (!osa)
        radek.Cislo(bod.ZDna, 3);
    radek.Cislo(bod.ZPoklopu, 3);
    if (kanalizace)
        radek.Cislo(bod.ZVtoku, 3).Cislo(bod.ZOdtoku, 3);
    radek.Cislo(usek.Spad, 3).Cislo(usek.Delka, 3);
    if (!osa)
        radek.Cislo(vysledek.Kryti, 2);
    return radek.Konec();
}

std::string RadekPripojky(const TStav& stav, int j)
{
    const TPripojka& p = stav.Projekt.Pripojky[j];
    const TVysledekPripojky& v = stav.Vysledky.Pripojky[j];
    return Radek()
        .Text(p.Typ)
        .Text(p.OznaceniPripojky)
        .Cislo(v.Staniceni, 3)
        .Cislo(p.Y, 6)
        .Cislo(p.X, 7)
        .Cislo(v.ZPotrubi, 3)
        .Cislo(v.ZTerenu, 3)
        .Cislo(v.Kryti, 2)
        .Cislo(p.YDS, 6)
        .Cislo(p.XDS, 7)
        .Cislo(p.ZDnaDS, 3)
        .Cislo(p.ZPoklopuDS, 3)
        .Cislo(p.ZPoklopuDS - p.ZDnaDS, 2)
        .Cislo(v.DelkaPripojky, 3)
        .Konec();
}

} // namespace

std::string TextPsanehoProfilu(const TStav& stav)
{
    const std::string& jazyk = stav.Nastaveni.Jazyk;
    std::string telo;
    for (int r = 1; r <= stav.Projekt.PocetBodu(); ++r)
        telo += RadekBodu(stav, r);
    telo += "\n";
    // An entirely empty connection row is no connection; without another the part is left out.
    const auto& pripojky = stav.Projekt.Pripojky;
    std::string radkyPripojek;
    for (int j = 1; j <= stav.Projekt.PocetPripojek(); ++j)
        if (DrziData(pripojky[j]))
            radkyPripojek += RadekPripojky(stav, j);
    if (stav.Nastaveni.DruhSite != TDruhSite::OsaKomunikace && !radkyPripojek.empty()) {
        telo += psany::NadpisPripojek(jazyk) + "\n";
        telo += psany::HlavickaPripojek(jazyk) + "\n";
        telo += radkyPripojek;
    }
    // Decimal commas for spreadsheets; the heading line keeps the dot of "Ozn.".
    std::replace(telo.begin(), telo.end(), '.', ',');
    return psany::HlavickaBodu(stav.Nastaveni.DruhSite, jazyk) + "\n" + telo;
}

void ZapsatPsanyProfil(const TStav& stav)
{
    if (!stav.Vystupy.psantxtcheck)
        return;
    soubor::ZapsatText(stav.Nastaveni.AdresarProjektu + stav.Vystupy.SouborPsanehoProfilu, TextPsanehoProfilu(stav), *stav.Disk);
}

} // namespace lineon
