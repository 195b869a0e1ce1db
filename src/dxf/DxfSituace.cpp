#include "dxf/DxfSituace.h"

#include "dxf/DxfDokument.h"
#include "dxf/DxfEntity.h"

namespace lineon {

DxfSituace::DxfSituace(RadkovyVystup& vystup, double meritkoSituace)
    : meritkoSituace_(meritkoSituace)
    , zapis_(vystup)
{
}

void DxfSituace::Zahajit(double x1, double y1, double x2, double y2)
{
    dxf::Hlavicka(zapis_);
    dxf::Rozsah(zapis_, x1, y1, x2, y2);
    dxf::Tabulky(zapis_, TabulkaVrstevSituace);
    dxf::BlokySituace(zapis_);
    dxf::ZacatekEntit(zapis_);
}

void DxfSituace::DxfCara(int vrstva, double x1, double y1, double x2, double y2)
{
    dxf::Cara(zapis_, VrstvyCarSituace.at(static_cast<std::size_t>(vrstva)), x1, y1, x2, y2);
}

void DxfSituace::DxfText(const std::string& text, int zarovnani, int vrstva, double x, double y, double uhel,
                         double vyska)
{
    dxf::TextSituace(zapis_, VrstvyTextuSituace.at(static_cast<std::size_t>(vrstva)), x, y, meritkoSituace_ * vyska,
                     uhel, zarovnani, text);
}

void DxfSituace::DxfKruh(int vrstva, double x, double y, double polomer)
{
    dxf::KruhSituace(zapis_, VrstvyKruhuSituace.at(static_cast<std::size_t>(vrstva)), x, y, polomer);
}

void DxfSituace::DxfZnacka(int druh, double x, double y, double meritko)
{
    const TZnacka& znacka = ZnackySituace.at(static_cast<std::size_t>(druh));
    dxf::Vlozeni(zapis_, znacka.Vrstva, znacka.Blok, x, y, meritko);
}

void DxfSituace::DxfKonec()
{
    dxf::Konec(zapis_);
    zapis_.Dokoncit();
}

} // namespace lineon
