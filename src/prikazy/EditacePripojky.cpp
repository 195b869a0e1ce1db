#include "prikazy/EditacePripojky.h"

#include "zaklad/Kodovani.h"

namespace lineon {

TUrovneDS Prepocitat(TUrovneDS u, ZpusobEditaceVysky zpusob)
{
    switch (zpusob) {
    case ZpusobEditaceVysky::VsechnyZ: u.Vyska = u.ZPoklopu - u.ZDna; break;
    case ZpusobEditaceVysky::ZDnaVyska: u.ZPoklopu = u.ZDna + u.Vyska; break;
    case ZpusobEditaceVysky::ZPoklopuVyska: u.ZDna = u.ZPoklopu - u.Vyska; break;
    }
    return u;
}

TPovoleniDS PovolenaPoleDS(ZpusobEditaceVysky zpusob)
{
    switch (zpusob) {
    case ZpusobEditaceVysky::ZDnaVyska: return {false, true, true};
    case ZpusobEditaceVysky::ZPoklopuVyska: return {true, false, true};
    default: return {true, true, false};
    }
}

TPolePripojky NacistPolePripojky(const TPripojka& p)
{
    return {p.Typ, p.OznaceniPripojky, p.Y, p.X, p.OznaceniDS, p.YDS, p.XDS,
            {p.ZPoklopuDS, p.ZDnaDS, p.ZPoklopuDS - p.ZDnaDS}};
}

namespace {

std::string BezMezer(const std::string& text)
{
    const auto zacatek = text.find_first_not_of(' ');
    if (zacatek == std::string::npos)
        return {};
    const auto konec = text.find_last_not_of(' ');
    return kodovani::PrvnichZnaku(text.substr(zacatek, konec - zacatek + 1), 12);
}

} // namespace

bool UlozitPolePripojky(TStav& stav, int r, const TPolePripojky& pole)
{
    TPripojka& p = stav.Projekt.Pripojky[r];
    const TPripojka puvodni = p;
    p.Typ = BezMezer(pole.Typ);
    p.OznaceniPripojky = BezMezer(pole.OznaceniPripojky);
    p.OznaceniDS = BezMezer(pole.OznaceniDS);
    p.Y = pole.Y;
    p.X = pole.X;
    p.YDS = pole.YDS;
    p.XDS = pole.XDS;
    p.ZPoklopuDS = pole.Urovne.ZPoklopu;
    p.ZDnaDS = pole.Urovne.ZDna;
    const bool zmena = !(p == puvodni);
    if (zmena)
        stav.Projekt.Zmeneno = true;
    return zmena;
}

} // namespace lineon
