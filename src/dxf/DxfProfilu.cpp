#include "dxf/DxfProfilu.h"

#include "zaklad/Soubor.h"
#include "dxf/DxfDokument.h"
#include "dxf/DxfEntity.h"
#include "dxf/TextyProfilu.h"

namespace lineon {

DxfProfilu::DxfProfilu(RadkovyVystup& vystup, double H, bool doDxf) : zapis_(vystup), H_(H), doDxf_(doDxf) {}

DxfProfilu::DxfProfilu(const std::string& cesta, double H, bool doDxf, const soubor::Disk& disk)
    : soubor_(std::make_unique<soubor::ZapisTextu>(cesta, disk))
    , zapis_(*soubor_)
    , H_(H)
    , doDxf_(doDxf)
{
}

DxfProfilu::~DxfProfilu() = default;

void DxfProfilu::Zahajit(double x1, double y1, double x2, double y2)
{
    dxf::Hlavicka(zapis_);
    dxf::Rozsah(zapis_, x1, y1, x2, y2);
    dxf::Tabulky(zapis_, TabulkaVrstevProfilu);
    dxf::ZacatekEntit(zapis_);
}

void DxfProfilu::Cara(int vrstva, double x1, double y1, double x2, double y2)
{
    if (doDxf_)
        dxf::Cara(zapis_, VrstvyCarProfilu.at(static_cast<std::size_t>(vrstva)), x1, y1, x2, y2);
}

void DxfProfilu::Text(const std::string& text, int zarovnani, int vrstva, double x, double y)
{
    if (!doDxf_)
        return;
    dxf::TextProfilu(zapis_, VrstvyTextuProfilu.at(static_cast<std::size_t>(vrstva)), x, y,
                     dxf::VyskaTextuProfilu(vrstva, H_), text, dxf::UhelTextuProfilu(vrstva), zarovnani);
}

void DxfProfilu::Cislo(int uhel, int desetin, int zarovnani, double x, double y, double hodnota, double vyska,
                       int vrstva)
{
    if (doDxf_)
        dxf::TextProfilu(zapis_, VrstvyCiselProfilu.at(static_cast<std::size_t>(vrstva)), x, y, vyska,
                         dxf::TextCislaProfilu(hodnota, desetin), uhel, zarovnani);
}

void DxfProfilu::Kruh(double x, double y, double polomer)
{
    if (doDxf_)
        dxf::KruhProfilu(zapis_, x, y, polomer);
}

void DxfProfilu::Ukoncit()
{
    dxf::Konec(zapis_);
    zapis_.Dokoncit();
}

} // namespace lineon
