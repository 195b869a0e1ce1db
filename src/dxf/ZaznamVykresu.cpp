#include "dxf/ZaznamVykresu.h"

#include "dxf/DxfEntity.h"
#include "dxf/TextyProfilu.h"
#include "dxf/VrstvySituace.h"

#include <charconv>

namespace lineon {

namespace {

using Druh = TPrvekVykresu::Druh;

/// The extents as the file writes them: the writer's coordinates negated.
void Rozsah(TVykres& vykres, double x1, double y1, double x2, double y2, double mmNaJednotku)
{
    vykres.prvky.clear();
    vykres.minX = -x1;
    vykres.minY = -y1;
    vykres.maxX = -x2;
    vykres.maxY = -y2;
    vykres.mmNaJednotku = mmNaJednotku;
}

void Cara(TVykres& vykres, int barva, double x1, double y1, double x2, double y2)
{
    vykres.prvky.push_back({.barva = barva, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
}

void Kruh(TVykres& vykres, int barva, double x, double y, double polomer)
{
    vykres.prvky.push_back({.druh = Druh::Kruh, .barva = barva, .x1 = x, .y1 = y, .polomer = polomer});
}

void Text(TVykres& vykres, int barva, double x, double y, double vyska, double uhel, int zarovnani,
          std::string_view text)
{
    vykres.prvky.push_back({.druh = Druh::Text, .barva = barva, .x1 = x, .y1 = y, .vyska = vyska, .uhel = uhel,
                            .zarovnani = dxf::ZarovnaniVBode(zarovnani), .text = std::string(text)});
}

double CisloBloku(std::string_view text)
{
    double hodnota = 0;
    std::from_chars(text.data(), text.data() + text.size(), hodnota);
    return hodnota;
}

int BarvaProfilu(std::string_view vrstva)
{
    return dxf::BarvaVrstvy(TabulkaVrstevProfilu, vrstva);
}

int BarvaSituace(std::string_view vrstva)
{
    return dxf::BarvaVrstvy(TabulkaVrstevSituace, vrstva);
}

} // namespace

void ZaznamProfilu::Zahajit(double x1, double y1, double x2, double y2)
{
    Rozsah(vykres_, x1, y1, x2, y2, 1000 / H_);
}

void ZaznamProfilu::Cara(int vrstva, double x1, double y1, double x2, double y2)
{
    lineon::Cara(vykres_, BarvaProfilu(VrstvyCarProfilu.at(static_cast<std::size_t>(vrstva))), -x1, -y1, -x2, -y2);
}

void ZaznamProfilu::Text(const std::string& text, int zarovnani, int vrstva, double x, double y)
{
    lineon::Text(vykres_, BarvaProfilu(VrstvyTextuProfilu.at(static_cast<std::size_t>(vrstva))), -x, -y,
                 dxf::VyskaTextuProfilu(vrstva, H_), dxf::UhelTextuProfilu(vrstva).value_or(0), zarovnani, text);
}

void ZaznamProfilu::Cislo(int uhel, int desetin, int zarovnani, double x, double y, double hodnota, double vyska,
                          int vrstva)
{
    lineon::Text(vykres_, BarvaProfilu(VrstvyCiselProfilu.at(static_cast<std::size_t>(vrstva))), -x, -y, vyska, uhel,
                 zarovnani, dxf::TextCislaProfilu(hodnota, desetin));
}

void ZaznamProfilu::Kruh(double x, double y, double polomer)
{
    lineon::Kruh(vykres_, BarvaProfilu("SIPKA"), -x, -y, polomer);
}

void ZaznamSituace::Zahajit(double x1, double y1, double x2, double y2)
{
    Rozsah(vykres_, x1, y1, x2, y2, 1000 / M_);
}

void ZaznamSituace::DxfCara(int vrstva, double x1, double y1, double x2, double y2)
{
    Cara(vykres_, BarvaSituace(VrstvyCarSituace.at(static_cast<std::size_t>(vrstva))), -x1, -y1, -x2, -y2);
}

void ZaznamSituace::DxfText(const std::string& text, int zarovnani, int vrstva, double x, double y, double uhel,
                            double vyska)
{
    Text(vykres_, BarvaSituace(VrstvyTextuSituace.at(static_cast<std::size_t>(vrstva))), -x, -y, M_ * vyska, uhel,
         zarovnani, text);
}

void ZaznamSituace::DxfKruh(int vrstva, double x, double y, double polomer)
{
    Kruh(vykres_, BarvaSituace(VrstvyKruhuSituace.at(static_cast<std::size_t>(vrstva))), -x, -y, polomer);
}

// The blocks of the symbols, drawn out at the insertion point: block coordinates are not negated.
void ZaznamSituace::DxfZnacka(int druh, double x, double y, double meritko)
{
    const TZnacka& znacka = ZnackySituace.at(static_cast<std::size_t>(druh));
    const int barva = BarvaSituace(znacka.Vrstva);
    const double X = -x;
    const double Y = -y;
    for (const TBlokZnacky& blok : BlokyZnacek) {
        if (blok.Nazev != znacka.Blok)
            continue;
        const auto m = [&](std::string_view d) { return CisloBloku(d) * meritko; };
        Kruh(vykres_, barva, X, Y, m(blok.Polomer));
        for (std::size_t i = 0; i < blok.PocetCar; ++i) {
            const TCaraBloku& c = blok.Cary[i];
            Cara(vykres_, barva, X + m(c.x1), Y + m(c.y1), X + m(c.x2), Y + m(c.y2));
        }
    }
}

} // namespace lineon
