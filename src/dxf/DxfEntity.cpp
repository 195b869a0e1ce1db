#include "dxf/DxfEntity.h"

#include <string>

namespace lineon::dxf {

namespace {

void Zacatek(DxfZapis& zapis, std::string_view typ, std::string_view vrstva)
{
    zapis.HolaSkupina(0, typ);
    zapis.HolaSkupina(8, vrstva);
}

void Poloha(DxfZapis& zapis, double x, double y, int sirka)
{
    zapis.HolaSkupinaF(10, -x, sirka, 3);
    zapis.HolaSkupinaF(20, -y, sirka, 3);
}

/// The alignment, and after a non-zero one the alignment point, which is the insertion point itself.
void Zarovnani(DxfZapis& zapis, int zarovnani, double x, double y)
{
    zarovnani = ZarovnaniVBode(zarovnani);
    zapis.HolaSkupina(72, zarovnani);
    if (zarovnani != 0) {
        zapis.HolaSkupinaF(11, -x, 1, 3);
        zapis.HolaSkupinaF(21, -y, 1, 3);
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
    zapis.HolaSkupinaF(11, -x2, 7, 3);
    zapis.HolaSkupinaF(21, -y2, 7, 3);
}

void TextProfilu(DxfZapis& zapis, std::string_view vrstva, double x, double y, double vyska, std::string_view text,
                 std::optional<int> uhel, int zarovnani)
{
    Zacatek(zapis, "TEXT", vrstva);
    Poloha(zapis, x, y, 1);
    zapis.HolaSkupinaF(40, vyska, 1, 2);
    zapis.HolaSkupina(1, text);
    if (uhel)
        zapis.HolaSkupina(50, *uhel);
    Zarovnani(zapis, zarovnani, x, y);
}

void KruhProfilu(DxfZapis& zapis, double x, double y, double polomer)
{
    Zacatek(zapis, "CIRCLE", "SIPKA");
    Poloha(zapis, x, y, 1);
    zapis.HolaSkupinaF(40, polomer, 1, 3);
}

void TextSituace(DxfZapis& zapis, std::string_view vrstva, double x, double y, double vyska, double uhel,
                 int zarovnani, std::string_view text)
{
    Zacatek(zapis, "TEXT", vrstva);
    Poloha(zapis, x, y, 7);
    zapis.HolaSkupinaE23(40, vyska);
    zapis.HolaSkupinaE23(50, uhel);
    Zarovnani(zapis, zarovnani, x, y);
    zapis.HolaSkupina(1, text);
}

void KruhSituace(DxfZapis& zapis, std::string_view vrstva, double x, double y, double polomer)
{
    Zacatek(zapis, "CIRCLE", vrstva);
    Poloha(zapis, x, y, 7);
    zapis.HolaSkupinaE23(40, polomer);
}

void Vlozeni(DxfZapis& zapis, std::string_view vrstva, std::string_view blok, double x, double y, double meritko)
{
    Zacatek(zapis, "INSERT", vrstva);
    zapis.HolaSkupina(2, blok);
    Poloha(zapis, x, y, 7);
    zapis.HolaSkupinaE23(41, meritko);
    zapis.HolaSkupinaE23(42, meritko);
}

} // namespace lineon::dxf
