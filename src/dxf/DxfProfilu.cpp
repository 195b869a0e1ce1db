#include "dxf/DxfProfilu.h"

#include "zaklad/Cisla.h"
#include "data/Stav.h"
#include "dxf/DxfDokument.h"
#include "dxf/DxfEntity.h"

#include <optional>

namespace lineon {

namespace {

constexpr double VyskaTextu = 0.002;
constexpr double VyskaTextuRoviny = 0.0025;

/// The crossing and connection level labels stand upright across the profile.
bool JeKotaKrizeniNeboPripojky(int vrstva)
{
    return vrstva >= VrstvaTextuProfilu::KotaKrizeni1 && vrstva <= VrstvaTextuProfilu::KotaPripojky;
}

} // namespace

DxfProfilu::DxfProfilu(TStav& stav)
    : stav_(stav)
    , zapis_(stav.Nastaveni.AdresarProjektu + stav.Vystupy.SouborProfilu)
{
}

void DxfProfilu::DxfHlavicka()
{
    dxf::Hlavicka(zapis_);
}

void DxfProfilu::DxfRozsah(double x1, double y1, double x2, double y2)
{
    dxf::Rozsah(zapis_, x1, y1, x2, y2);
    rozsahX1_ = x1;
    rozsahY2_ = y2;
    sirka_ = x1 - x2;
}

void DxfProfilu::DxfTabulky()
{
    dxf::Tabulky(zapis_, TabulkaVrstevProfilu);
    dxf::ZacatekEntit(zapis_);
}

void DxfProfilu::DxfCara(int vrstva, double x1, double y1, double x2, double y2)
{
    if (DoDxf())
        dxf::Cara(zapis_, VrstvyCarProfilu.at(static_cast<std::size_t>(vrstva)), x1, y1, x2, y2);
    if (KresData* polozka = NovaPolozkaNahledu()) {
        polozka->cara = true;
        polozka->x1 = NahledX(x1);
        polozka->y1 = NahledY(y1);
        polozka->x2 = NahledX(x2);
        polozka->y2 = NahledY(y2);
    }
}

void DxfProfilu::DxfText(const std::string& text, int zarovnani, int vrstva, double x, double y)
{
    const double meritko = stav_.Nastaveni.DelkoveMeritko;
    if (DoDxf()) {
        const double vyska = meritko * (vrstva == VrstvaTextuProfilu::Rovina ? VyskaTextuRoviny : VyskaTextu);
        dxf::TextProfilu(zapis_, VrstvyTextuProfilu.at(static_cast<std::size_t>(vrstva)), x, y, vyska, text,
                         JeKotaKrizeniNeboPripojky(vrstva) ? std::optional<int>(90) : std::nullopt, zarovnani);
    }
    if (KresData* polozka = NovaPolozkaNahledu()) {
        polozka->text = true;
        polozka->x1 = NahledX(x);
        polozka->y1 = NahledY(y);
        polozka->retezec = text;
        polozka->vyskaTextu = NahledDelka(meritko * VyskaTextu);
    }
}

void DxfProfilu::DxfCislo(int uhel, int desetin, int zarovnani, double x, double y, double hodnota,
                          double faktorVysky, int vrstva)
{
    const double vyska = stav_.Nastaveni.DelkoveMeritko * faktorVysky;
    if (DoDxf())
        dxf::TextProfilu(zapis_, VrstvyCiselProfilu.at(static_cast<std::size_t>(vrstva)), x, y, vyska,
                         cisla::CisloF(hodnota, 3, desetin), uhel, zarovnani);
    if (uhel != 0)
        return;
    if (KresData* polozka = NovaPolozkaNahledu()) {
        polozka->text = true;
        polozka->x1 = NahledX(x);
        polozka->y1 = NahledY(y);
        polozka->retezec = cisla::FormatF(hodnota, 4, desetin);
        polozka->vyskaTextu = NahledDelka(vyska);
    }
}

void DxfProfilu::DxfKruh(double x, double y, double polomer)
{
    if (DoDxf())
        dxf::KruhProfilu(zapis_, x, y, polomer);
    if (KresData* polozka = NovaPolozkaNahledu()) {
        polozka->kruh = true;
        polozka->x1 = NahledX(x);
        polozka->y1 = NahledY(y);
        polozka->polomer = NahledDelka(polomer);
    }
}

void DxfProfilu::DxfKonec()
{
    dxf::Konec(zapis_);
    zapis_.Dokoncit();
}

bool DxfProfilu::DoDxf() const
{
    return stav_.Vystupy.profdxfcheck;
}

KresData* DxfProfilu::NovaPolozkaNahledu()
{
    if (!stav_.Vystupy.profobrcheck)
        return nullptr;
    return &stav_.SeznamKresby.emplace_back();
}

// Preview units: the width of the extents is 1 and y grows downwards from their top.
double DxfProfilu::NahledX(double x) const
{
    return (rozsahX1_ - x) / sirka_;
}

double DxfProfilu::NahledY(double y) const
{
    return (y - rozsahY2_) / sirka_;
}

double DxfProfilu::NahledDelka(double r) const
{
    return r / sirka_;
}

} // namespace lineon
