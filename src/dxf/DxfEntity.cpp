#include "dxf/DxfEntity.h"

#include "zaklad/Cisla.h"

#include <string>

namespace lineon::dxf {

namespace {

using cisla::CisloE23;
using cisla::CisloF;

void Zacatek(DxfZapis& zapis, std::string_view typ, std::string_view vrstva)
{
    zapis.HolaSkupina(0, typ);
    zapis.HolaSkupina(8, vrstva);
}

void Poloha(DxfZapis& zapis, double x, double y, int sirka)
{
    zapis.HolaSkupina(10, CisloF(-x, sirka, 3));
    zapis.HolaSkupina(20, CisloF(-y, sirka, 3));
}

/// The alignment, and after a non-zero one the alignment point, which is the insertion point itself.
void Zarovnani(DxfZapis& zapis, int zarovnani, double x, double y)
{
    zarovnani = ZarovnaniVBode(zarovnani);
    zapis.HolaSkupina(72, std::to_string(zarovnani));
    if (zarovnani != 0) {
        zapis.HolaSkupina(11, CisloF(-x, 1, 3));
        zapis.HolaSkupina(21, CisloF(-y, 1, 3));
    }
}

} // namespace

int ZarovnaniVBode(int zarovnani)
{
    // "Aligned" (3) and "fit" (5) stretch a text between two points, which here are one point,
    // and readers know no other values.
    return zarovnani == 1 || zarovnani == 2 || zarovnani == 4 ? zarovnani : 0;
}

void Cara(DxfZapis& zapis, std::string_view vrstva, double x1, double y1, double x2, double y2)
{
    Zacatek(zapis, "LINE", vrstva);
    zapis.HolaSkupina(6, "CONTINUOUS");
    Poloha(zapis, x1, y1, 7);
    zapis.HolaSkupina(11, CisloF(-x2, 7, 3));
    zapis.HolaSkupina(21, CisloF(-y2, 7, 3));
}

void TextProfilu(DxfZapis& zapis, std::string_view vrstva, double x, double y, double vyska, std::string_view text,
                 std::optional<int> uhel, int zarovnani)
{
    Zacatek(zapis, "TEXT", vrstva);
    Poloha(zapis, x, y, 1);
    zapis.HolaSkupina(40, CisloF(vyska, 1, 2));
    zapis.HolaSkupina(1, text);
    if (uhel)
        zapis.HolaSkupina(50, std::to_string(*uhel));
    Zarovnani(zapis, zarovnani, x, y);
}

void KruhProfilu(DxfZapis& zapis, double x, double y, double polomer)
{
    Zacatek(zapis, "CIRCLE", "SIPKA");
    Poloha(zapis, x, y, 1);
    zapis.HolaSkupina(40, CisloF(polomer, 1, 3));
}

void TextSituace(DxfZapis& zapis, std::string_view vrstva, double x, double y, double vyska, double uhel,
                 int zarovnani, std::string_view text)
{
    Zacatek(zapis, "TEXT", vrstva);
    Poloha(zapis, x, y, 7);
    zapis.HolaSkupina(40, CisloE23(vyska));
    zapis.HolaSkupina(50, CisloE23(uhel));
    Zarovnani(zapis, zarovnani, x, y);
    zapis.HolaSkupina(1, text);
}

void KruhSituace(DxfZapis& zapis, std::string_view vrstva, double x, double y, double polomer)
{
    Zacatek(zapis, "CIRCLE", vrstva);
    Poloha(zapis, x, y, 7);
    zapis.HolaSkupina(40, CisloE23(polomer));
}

void Vlozeni(DxfZapis& zapis, std::string_view vrstva, std::string_view blok, double x, double y, double meritko)
{
    Zacatek(zapis, "INSERT", vrstva);
    zapis.HolaSkupina(2, blok);
    Poloha(zapis, x, y, 7);
    zapis.HolaSkupina(41, CisloE23(meritko));
    zapis.HolaSkupina(42, CisloE23(meritko));
}

} // namespace lineon::dxf
