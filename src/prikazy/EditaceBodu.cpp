#include "prikazy/EditaceBodu.h"

#include "zaklad/Kodovani.h"

namespace lineon {

TVyskyBodu VyskyProZpusob(const TBod& bod, ZpusobEditace zpusob)
{
    const double poklop = VyskaPoklopu(bod);
    const double vtok = VyskaVtoku(bod);
    const double odtok = VyskaOdtoku(bod);
    if (zpusob == ZpusobEditace::ZPoklopuHloubkaOdPoklopu)
        return {-poklop, vtok - poklop, odtok - poklop};
    return {poklop, vtok, odtok};
}

TPoleBodu NacistPoleBodu(const TBod& bod, ZpusobEditace zpusob)
{
    const TVyskyBodu vysky = VyskyProZpusob(bod, zpusob);
    return {bod.Oznaceni, bod.Y,   bod.X,   bod.ZDna,  bod.ZPoklopu, bod.ZVtoku,
            bod.ZOdtoku,  vysky.p, vysky.v, vysky.o,   bod.Prumer,   bod.Dno};
}

bool PovolenoPole(PoleBodu pole, ZpusobEditace zpusob)
{
    switch (pole) {
    case PoleBodu::ZdField:
        return zpusob == ZpusobEditace::VsechnyZ || zpusob == ZpusobEditace::ZDnaVyskyOdDna;
    case PoleBodu::ZpField:
        return zpusob != ZpusobEditace::ZDnaVyskyOdDna;
    case PoleBodu::ZvField:
    case PoleBodu::ZoField:
        return zpusob == ZpusobEditace::VsechnyZ;
    case PoleBodu::pField:
    case PoleBodu::vField:
    case PoleBodu::oField:
        return zpusob != ZpusobEditace::VsechnyZ;
    default:
        return true;
    }
}

std::optional<PoleBodu> PoleProSloupec(int sloupec, ZpusobEditace zpusob)
{
    using enum ZpusobEditace;
    if (zpusob == ZPoklopuHloubkaOdPoklopu && sloupec >= 4 && sloupec <= 7)
        return std::nullopt;
    switch (sloupec) {
    case 1: return PoleBodu::cField;
    case 2: return PoleBodu::YField;
    case 3: return PoleBodu::XField;
    case 4: return zpusob == ZPoklopuVyskyOdDna ? PoleBodu::pField : PoleBodu::ZdField;
    case 5: return zpusob == ZDnaVyskyOdDna ? PoleBodu::pField : PoleBodu::ZpField;
    case 6: return zpusob == VsechnyZ ? PoleBodu::ZvField : PoleBodu::vField;
    case 7: return zpusob == VsechnyZ ? PoleBodu::ZoField : PoleBodu::oField;
    case 8: return PoleBodu::PpField;
    default: return std::nullopt;
    }
}

namespace {

void UlozitUrovne(TBod& bod, const TPoleBodu& pole, ZpusobEditace zpusob)
{
    switch (zpusob) {
    case ZpusobEditace::VsechnyZ:
        bod.ZDna = pole.Zd;
        bod.ZPoklopu = pole.Zp;
        bod.ZVtoku = pole.Zv;
        bod.ZOdtoku = pole.Zo;
        break;
    case ZpusobEditace::ZDnaVyskyOdDna:
        bod.ZDna = pole.Zd;
        bod.ZPoklopu = pole.Zd + pole.p;
        bod.ZVtoku = pole.Zd + pole.v;
        bod.ZOdtoku = pole.Zd + pole.o;
        break;
    case ZpusobEditace::ZPoklopuVyskyOdDna:
        bod.ZPoklopu = pole.Zp;
        bod.ZDna = pole.Zp - pole.p;
        bod.ZVtoku = (pole.Zp - pole.p) + pole.v;
        bod.ZOdtoku = (pole.Zp - pole.p) + pole.o;
        break;
    case ZpusobEditace::ZPoklopuHloubkaOdPoklopu:
        bod.ZPoklopu = pole.Zp;
        bod.ZDna = pole.Zp + pole.p;
        bod.ZVtoku = (pole.Zp + pole.p) + (pole.v - pole.p);
        bod.ZOdtoku = (pole.Zp + pole.p) + (pole.o - pole.p);
        break;
    }
}

} // namespace

bool UlozitPoleBodu(TStav& stav, int r, const TPoleBodu& pole, ZpusobEditace zpusob)
{
    TBod& bod = stav.Projekt.Body[r];
    const TBod puvodni = bod;
    const bool osa = stav.Nastaveni.DruhSite == TDruhSite::OsaKomunikace;
    bod.Oznaceni = kodovani::PrvnichZnaku(pole.Oznaceni, 12);
    bod.Y = pole.Y;
    bod.X = pole.X;
    if (r != stav.Projekt.PocetBodu() && !osa)
        bod.Prumer = pole.Prumer;
    bod.Dno = pole.Dno;
    UlozitUrovne(bod, pole, osa ? ZpusobEditace::VsechnyZ : zpusob);
    const bool zmena = !(bod == puvodni);
    if (zmena)
        stav.Projekt.Zmeneno = true;
    return zmena;
}

} // namespace lineon
