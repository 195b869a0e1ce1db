#include "convert/PrevestRadek.h"

#include "zaklad/Kodovani.h"
#include "data/Stav.h"

#include <optional>
#include <type_traits>

namespace lineon {

namespace {

enum VkladatNa { PrepisovatRadek = 0, NeprepisovatRadek = 1, Konec = 2 };
enum Typ { Sachta = 0, PripojkaKrizeni = 1, DomovniSachta = 2 };

constexpr std::size_t DelkaTextu = 12;

/// Writes a field of the target row; "zaměřený řádek (nepřepisovat)" writes only into an empty
/// field (an empty text, a number exactly 0).
struct Zapis {
    bool jenPrazdne;

    void operator()(std::string& pole, const std::string& text) const
    {
        if (!jenPrazdne || pole.empty())
            pole = kodovani::PrvnichZnaku(text, DelkaTextu);
    }
    /// Coordinates and levels, and the diameter.
    template <class Cislo>
    requires std::is_arithmetic_v<Cislo>
    void operator()(Cislo& pole, std::type_identity_t<Cislo> hodnota) const
    {
        if (!jenPrazdne || pole == 0)
            pole = hodnota;
    }
};

/// "Označení šachty": 0 the point number, 1 the code, 2 no label.
std::optional<std::string> Oznaceni(const TZamerenyBod& p, int zpusobOznaceni)
{
    switch (zpusobOznaceni) {
    case 0:
        return p.CisloBodu;
    case 1:
        return p.Kod;
    default:
        return std::nullopt;
    }
}

/// The focused row, or a new row appended at the end; none when the focused row does not exist.
template <class Radek> Radek* CilovyRadek(Tabulka<Radek>& tabulka, int vkladatNa, int aktivniRadek, Radek novy)
{
    if (vkladatNa == Konec)
        return &tabulka.Pridat(std::move(novy));
    if (aktivniRadek < 1 || aktivniRadek > tabulka.Pocet())
        return nullptr;
    return &tabulka[aktivniRadek];
}

void PrevestSachtu(const TStav& stav, const TZamerenyBod& p, TBod& bod, Zapis zapis)
{
    const TRucniPrevod& v = stav.RucniPrevod;
    if (const auto oznaceni = Oznaceni(p, stav.Nastaveni.ZpusobOznaceni))
        zapis(bod.Oznaceni, *oznaceni);
    if (v.Ycheck)
        zapis(bod.Y, p.Y);
    if (v.Xcheck)
        zapis(bod.X, p.X);
    if (v.Zdcheck)
        zapis(bod.ZDna, p.Z);
    if (v.Zpcheck)
        zapis(bod.ZPoklopu, p.Z);
    if (v.Zvcheck)
        zapis(bod.ZVtoku, p.Z);
    if (v.Zocheck)
        zapis(bod.ZOdtoku, p.Z);
    zapis(bod.Prumer, PrumerNovehoRadku(stav));
}

// The check box "přípojka, křížení - Y, X --> Y, X" gates the position like every other box
// gates its value; the type is always taken over.
void PrevestPripojku(const TStav& stav, const TZamerenyBod& p, TPripojka& pripojka, Zapis zapis)
{
    if (stav.RucniPrevod.pripcheck) {
        zapis(pripojka.Y, p.Y);
        zapis(pripojka.X, p.X);
    }
    zapis(pripojka.Typ, p.Kod);
}

void PrevestDomovniSachtu(const TStav& stav, const TZamerenyBod& p, TPripojka& pripojka, Zapis zapis)
{
    const TRucniPrevod& v = stav.RucniPrevod;
    if (const auto oznaceni = Oznaceni(p, stav.Nastaveni.ZpusobOznaceni))
        zapis(pripojka.OznaceniDS, *oznaceni);
    if (v.dscheck) {
        zapis(pripojka.YDS, p.Y);
        zapis(pripojka.XDS, p.X);
    }
    if (v.dsdcheck)
        zapis(pripojka.ZDnaDS, p.Z);
    if (v.dspcheck)
        zapis(pripojka.ZPoklopuDS, p.Z);
    // Over a row that keeps its values the type stays too.
    if (!zapis.jenPrazdne)
        pripojka.Typ = kodovani::PrvnichZnaku(p.Kod, DelkaTextu);
}

} // namespace

void PrevestRadek(TStav& stav, int k, int aktivniRadekBodu, int aktivniRadekPripojek)
{
    if (k < 1 || k > stav.SeznamSouradnic.PocetZamerenychBodu())
        return;
    const TZamerenyBod& p = stav.SeznamSouradnic.Body[static_cast<std::size_t>(k)];
    const int vkladatNa = stav.RucniPrevod.RadioGroup1;
    const Zapis zapis { vkladatNa == NeprepisovatRadek };
    TProjekt& projekt = stav.Projekt;
    switch (stav.RucniPrevod.RadioGroup3) {
    case Sachta: {
        TBod* bod = CilovyRadek(projekt.Body, vkladatNa, aktivniRadekBodu, PrazdnyBod());
        if (!bod)
            return;
        PrevestSachtu(stav, p, *bod, zapis);
        break;
    }
    case PripojkaKrizeni:
    case DomovniSachta: {
        TPripojka* pripojka = CilovyRadek(projekt.Pripojky, vkladatNa, aktivniRadekPripojek, TPripojka());
        if (!pripojka)
            return;
        if (stav.RucniPrevod.RadioGroup3 == PripojkaKrizeni)
            PrevestPripojku(stav, p, *pripojka, zapis);
        else
            PrevestDomovniSachtu(stav, p, *pripojka, zapis);
        break;
    }
    default:
        return;
    }
    projekt.Zmeneno = true;
}

} // namespace lineon
