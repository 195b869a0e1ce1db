#include "data/RadekProjektu.h"

#include "zaklad/Chyba.h"
#include "zaklad/Cisla.h"
#include "zaklad/Kodovani.h"

namespace lineon {

namespace {

constexpr std::size_t ZnakuTextu = 12;

std::string Y(double y) { return cisla::FormatF(y, 6, 3); }
std::string X(double x) { return cisla::FormatF(x, 7, 3); }
std::string Z(double z) { return cisla::FormatF(z, 4, 3); }

std::string_view BezMezerZa(std::string_view text)
{
    const auto konec = text.find_last_not_of(" \t");
    return konec == std::string_view::npos ? std::string_view() : text.substr(0, konec + 1);
}

// Blanks around a number are allowed, an empty field gives 0.
template <class Cteni>
auto CisloPole(const TPoleSouboru& pole, Cteni cti)
{
    const auto text = BezMezerZa(pole.Text);
    return text.empty() ? decltype(cti(text))(0) : cti(text);
}

std::optional<double> Desetinne(std::string_view text)
{
    return cisla::CtiDesetinne(text);
}

class CteniPoli {
    template <class Cteni>
    auto Cislo(const TPoleSouboru& pole, const char* nazev, Cteni cti, const char* coNeni) const
    {
        const auto cislo = CisloPole(pole, cti);
        if (!cislo)
            Odmitnout(pole, nazev, coNeni);
        return *cislo;
    }

public:
    explicit CteniPoli(const std::string& cesta) : cesta_(cesta) {}

    std::string Text(const TPoleSouboru& pole) const { return kodovani::PrvnichZnaku(pole.Text, ZnakuTextu); }

    double Realne(const TPoleSouboru& pole, const char* nazev) const
    {
        return Cislo(pole, nazev, Desetinne, "není číslo");
    }

    std::int32_t Cele(const TPoleSouboru& pole, const char* nazev) const
    {
        return Cislo(pole, nazev, cisla::CtiCele, "není celé číslo");
    }

private:
    [[noreturn]] void Odmitnout(const TPoleSouboru& pole, const char* nazev, const char* co) const
    {
        throw Chyba("Soubor „" + cesta_ + "“, řádek " + std::to_string(pole.Radek) + ": pole " + nazev + " „"
                    + std::string(pole.Text) + "“ " + co + ".");
    }

    const std::string& cesta_;
};

} // namespace

std::array<std::string, PoliBodu> PoleBodu(const TBod& b)
{
    return {b.Oznaceni,   Y(b.Y),      X(b.X), Z(b.ZDna), Z(b.ZPoklopu), Z(b.ZVtoku), Z(b.ZOdtoku),
            std::to_string(b.Prumer), b.Dno ? "Ano" : "Ne"};
}

std::array<std::string, PoliPripojky> PolePripojky(const TPripojka& p)
{
    return {p.Typ,    p.OznaceniPripojky, Y(p.Y),           X(p.X),        p.OznaceniDS,
            Y(p.YDS), X(p.XDS),           Z(p.ZPoklopuDS), Z(p.ZDnaDS), std::to_string(p.Poradi)};
}

TBod BodZPoli(std::span<const TPoleSouboru, PoliBodu> pole, const std::string& cesta)
{
    const CteniPoli cteni(cesta);
    TBod bod;
    bod.Oznaceni = cteni.Text(pole[0]);
    bod.Y = cteni.Realne(pole[1], "Y");
    bod.X = cteni.Realne(pole[2], "X");
    bod.ZDna = cteni.Realne(pole[3], "Z dna");
    bod.ZPoklopu = cteni.Realne(pole[4], "Z poklopu");
    bod.ZVtoku = cteni.Realne(pole[5], "Z vtoku");
    bod.ZOdtoku = cteni.Realne(pole[6], "Z odtoku");
    bod.Prumer = cteni.Cele(pole[7], "Průměr");
    bod.DnoText = cteni.Text(pole[8]);
    bod.Dno = bod.DnoText == "Ano";
    return bod;
}

TPripojka PripojkaZPoli(std::span<const TPoleSouboru, PoliPripojky> pole, const std::string& cesta)
{
    const CteniPoli cteni(cesta);
    TPripojka pripojka;
    pripojka.Typ = cteni.Text(pole[0]);
    pripojka.OznaceniPripojky = cteni.Text(pole[1]);
    pripojka.Y = cteni.Realne(pole[2], "Y");
    pripojka.X = cteni.Realne(pole[3], "X");
    pripojka.OznaceniDS = cteni.Text(pole[4]);
    pripojka.YDS = cteni.Realne(pole[5], "Y dom. šachty");
    pripojka.XDS = cteni.Realne(pole[6], "X dom. šachty");
    pripojka.ZPoklopuDS = cteni.Realne(pole[7], "Z pokl. d.š.");
    pripojka.ZDnaDS = cteni.Realne(pole[8], "Z dna d.š.");
    pripojka.Poradi = cteni.Cele(pole[9], "Pořadí");
    return pripojka;
}

bool MaTvarPripojky(std::span<const TPoleSouboru, PoliPripojky> pole)
{
    for (const std::size_t i : {2, 3, 5, 6, 7, 8})
        if (!CisloPole(pole[i], Desetinne))
            return false;
    return CisloPole(pole[9], cisla::CtiCele).has_value();
}

} // namespace lineon
