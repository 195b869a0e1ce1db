#include "convert/AutomatickyPrevod.h"

#include "zaklad/Kodovani.h"
#include "data/Stav.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace lineon {

namespace {

constexpr int NejvyssiIndex = KapacitaTabulky;
constexpr std::size_t DelkaIndexu = 5;
constexpr std::size_t DelkaOznaceni = 12;
constexpr std::size_t DelkaOznaceniPripojky = 10;

/// What the points of one connection index gave: the connection and its house manhole.
struct TPripojkaKPrevodu {
    TPripojka Radek;
    bool NalezenaPripojka = false; ///< a connection-position point was found

    bool Prazdna() const
    {
        return Radek.Y == 0 && Radek.X == 0 && Radek.YDS == 0 && Radek.XDS == 0 && Radek.ZPoklopuDS == 0
            && Radek.ZDnaDS == 0;
    }
};

/// The staging area of one run: a record per index 0..5000 and the highest index of each kind.
/// It holds rows as they will be written: a manhole's label is the point number of its position
/// point until the label mode decides; a connection's `Poradi` is the index of its house manhole.
class TOdkladiste {
public:
    int MaxSachta = 0;
    int MaxPripojka = 0;

    /// The record of index i to store into; raises the maximum.
    TBod& UlozitSachtu(int i)
    {
        MaxSachta = std::max(MaxSachta, i);
        return sachty_[static_cast<std::size_t>(i)];
    }
    TPripojkaKPrevodu& UlozitPripojku(int i)
    {
        MaxPripojka = std::max(MaxPripojka, i);
        return pripojky_[static_cast<std::size_t>(i)];
    }
    const TBod& Sachta(int i) const { return sachty_[static_cast<std::size_t>(i)]; }
    const TPripojkaKPrevodu& Pripojka(int i) const { return pripojky_[static_cast<std::size_t>(i)]; }

private:
    RadkyTabulky<TBod> sachty_;
    RadkyTabulky<TPripojkaKPrevodu> pripojky_;
};

/// A whole number with an optional sign; hexadecimal digits after "$", "x" or "0x".
std::optional<int> CtiIndex(std::string_view text)
{
    bool zaporne = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        zaporne = text.front() == '-';
        text.remove_prefix(1);
    }
    int zaklad = 10;
    for (const std::string_view predpona : { "$", "x", "0x" }) {
        if (text.starts_with(predpona)) {
            zaklad = 16;
            text.remove_prefix(predpona.size());
            break;
        }
    }
    unsigned hodnota = 0;
    const auto [konec, chyba] = std::from_chars(text.data(), text.data() + text.size(), hodnota, zaklad);
    if (text.empty() || chyba != std::errc() || konec != text.data() + text.size())
        return std::nullopt;
    const int cislo = static_cast<int>(hodnota);
    return zaporne ? -cislo : cislo;
}

/// A code matched against a prefix: the index and its text as it stands in the code.
struct TShoda {
    int Index;
    std::string IndexText;
};

/// The prefix matches when it is not empty and the code begins with it; the index text is the
/// rest of the code, at most five characters. Indexes outside the staging area are ignored.
std::optional<TShoda> Shoda(const std::string& kod, const std::string& predpona)
{
    if (predpona.empty() || !kod.starts_with(predpona))
        return std::nullopt;
    std::string indexText = kodovani::PrvnichZnaku(std::string_view(kod).substr(predpona.size()), DelkaIndexu);
    const auto index = CtiIndex(indexText);
    if (!index || *index < 0 || *index > NejvyssiIndex)
        return std::nullopt;
    return TShoda { *index, std::move(indexText) };
}

/// Stores what one point of the list measures, for every prefix its code matches.
void Roztridit(TOdkladiste& odkladiste, const TZamerenyBod& bod, const TNastaveni& n)
{
    const bool kanalizace = n.DruhSite == TDruhSite::Kanalizace;
    const bool potrubi = n.DruhSite == TDruhSite::Kanalizace || n.DruhSite == TDruhSite::Vodovod;
    const std::string& kod = bod.Kod;

    if (const auto s = Shoda(kod, n.KodZPoklopu))
        odkladiste.UlozitSachtu(s->Index).ZPoklopu = bod.Z;
    if (const auto s = Shoda(kod, n.KodXY)) {
        TBod& sachta = odkladiste.UlozitSachtu(s->Index);
        sachta.Oznaceni = kodovani::PrvnichZnaku(bod.CisloBodu, DelkaOznaceni);
        sachta.Y = bod.Y;
        sachta.X = bod.X;
    }
    if (potrubi)
        if (const auto s = Shoda(kod, n.KodZDna))
            odkladiste.UlozitSachtu(s->Index).ZDna = bod.Z;
    if (kanalizace) {
        if (const auto s = Shoda(kod, n.KodZVtoku))
            odkladiste.UlozitSachtu(s->Index).ZVtoku = bod.Z;
        if (const auto s = Shoda(kod, n.KodZOdtoku))
            odkladiste.UlozitSachtu(s->Index).ZOdtoku = bod.Z;
    }
    if (!potrubi)
        return;
    if (const auto s = Shoda(kod, n.KodXYPripojky)) {
        TPripojkaKPrevodu& pripojka = odkladiste.UlozitPripojku(s->Index);
        pripojka.NalezenaPripojka = true;
        pripojka.Radek.Y = bod.Y;
        pripojka.Radek.X = bod.X;
        pripojka.Radek.OznaceniPripojky
            = kodovani::PrvnichZnaku(n.KodOznaceniPripojky + s->IndexText, DelkaOznaceniPripojky);
    }
    if (const auto s = Shoda(kod, n.KodXYDS)) {
        TPripojka& pripojka = odkladiste.UlozitPripojku(s->Index).Radek;
        pripojka.YDS = bod.Y;
        pripojka.XDS = bod.X;
        pripojka.OznaceniDS = kodovani::PrvnichZnaku(n.KodOznaceniDS + s->IndexText, DelkaOznaceniPripojky);
        pripojka.Poradi = s->Index;
    }
    if (const auto s = Shoda(kod, n.KodZPoklopuDS))
        odkladiste.UlozitPripojku(s->Index).Radek.ZPoklopuDS = bod.Z;
    if (const auto s = Shoda(kod, n.KodZDnaDS))
        odkladiste.UlozitPripojku(s->Index).Radek.ZDnaDS = bod.Z;
}

/// "Označení šachty" of the automatic conversion: 0 the point number of the position point,
/// 1 the index written in decimal (after the label code in a sewer), 2 no label.
std::string OznaceniSachty(const TBod& sachta, int i, const TNastaveni& n)
{
    switch (n.ZpusobOznaceni) {
    case 0:
        return sachta.Oznaceni;
    case 1:
        return kodovani::PrvnichZnaku((n.DruhSite == TDruhSite::Kanalizace ? n.KodOznaceni : "") + std::to_string(i), DelkaOznaceni);
    default:
        return "";
    }
}

TBod RadekSachty(const TBod& sachta, int i, const TStav& stav)
{
    TBod bod = sachta;
    bod.Oznaceni = OznaceniSachty(sachta, i, stav.Nastaveni);
    if (stav.AutomatickyPrevod.AvBox && bod.ZVtoku == 0)
        bod.ZVtoku = bod.ZDna;
    if (stav.AutomatickyPrevod.AoBox && bod.ZOdtoku == 0)
        bod.ZOdtoku = bod.ZDna;
    bod.Prumer = PrumerNovehoRadku(stav);
    bod.Dno = true;
    return bod;
}

// A connection row is typed by its connection point when one was surveyed, otherwise by its house
// manhole; either code is not a crossing code, so the outputs treat the row as a connection.
TPripojka RadekPripojky(const TPripojkaKPrevodu& p, const TNastaveni& n)
{
    TPripojka pripojka = p.Radek;
    pripojka.Typ = kodovani::PrvnichZnaku(p.NalezenaPripojka ? n.KodXYPripojky : n.KodXYDS, DelkaOznaceni);
    return pripojka;
}

TPripojka RadekKrizeni(const TZamerenyBod& bod)
{
    TPripojka krizeni;
    krizeni.Y = bod.Y;
    krizeni.X = bod.X;
    krizeni.Typ = kodovani::PrvnichZnaku(bod.Kod, DelkaOznaceni);
    krizeni.OznaceniPripojky = krizeni.Typ;
    return krizeni;
}

/// A table of exactly one row that holds no data counts as empty: the conversion then starts at
/// row 1. (A connection label alone is data too, so it is not overwritten.)
template <class Radek> bool JedinyPrazdnyRadek(const Tabulka<Radek>& tabulka)
{
    return tabulka.Pocet() == 1 && !DrziData(tabulka[1]);
}

} // namespace

void SpustitAutomatickyPrevod(TStav& stav)
{
    const TSeznamSouradnic& seznam = stav.SeznamSouradnic;
    if (seznam.PocetZamerenychBodu() == 0)
        return;
    const TNastaveni& n = stav.Nastaveni;

    TOdkladiste odkladiste;
    for (int k = 1; k <= seznam.PocetZamerenychBodu(); ++k)
        Roztridit(odkladiste, seznam.Body[static_cast<std::size_t>(k)], n);

    // The rows are built in copies of the tables, so that a table that runs full changes nothing.
    Tabulka<TBod> body = stav.Projekt.Body;
    if (JedinyPrazdnyRadek(body))
        body.NastavitPocet(0);
    for (int i = 1; i <= odkladiste.MaxSachta; ++i)
        if (MaHodnoty(odkladiste.Sachta(i)))
            body.Pridat(RadekSachty(odkladiste.Sachta(i), i, stav));

    Tabulka<TPripojka> pripojky = stav.Projekt.Pripojky;
    if (JedinyPrazdnyRadek(pripojky))
        pripojky.NastavitPocet(0);
    for (int i = 1; i <= odkladiste.MaxPripojka; ++i)
        if (!odkladiste.Pripojka(i).Prazdna())
            pripojky.Pridat(RadekPripojky(odkladiste.Pripojka(i), n));
    for (int k = 1; k <= seznam.PocetZamerenychBodu(); ++k) {
        const TZamerenyBod& bod = seznam.Body[static_cast<std::size_t>(k)];
        if (DruhKrizeni(n, bod.Kod) != 0)
            pripojky.Pridat(RadekKrizeni(bod));
    }

    stav.Projekt.Body = std::move(body);
    stav.Projekt.Pripojky = std::move(pripojky);
    stav.Projekt.Zmeneno = true;
}

} // namespace lineon
