#pragma once

#include "data/PlatnoSituace.h"
#include "dxf/DxfZapis.h"
#include "zaklad/RadkovyVystup.h"
#include "dxf/VrstvySituace.h"

#include <string>

namespace lineon {

/// The site plan as a DXF file: `Zahajit` writes the header, the extents, the tables and the
/// blocks of the symbols, `DxfKonec` ends the entities and the output (a file is put in place).
/// Text heights are written multiplied by `MeritkoSituace`.
class DxfSituace final : public IPlatnoSituace {
public:
    DxfSituace(RadkovyVystup& vystup, double meritkoSituace);

    void Zahajit(double x1, double y1, double x2, double y2) override;
    void DxfCara(int vrstva, double x1, double y1, double x2, double y2) override;
    void DxfText(const std::string& text, int zarovnani, int vrstva, double x, double y, double uhel,
                 double vyska) override;
    void DxfKruh(int vrstva, double x, double y, double polomer) override;
    void DxfZnacka(int druh, double x, double y, double meritko) override;

    /// Ends the entities and the output; throws Chyba naming the file when that fails,
    /// leaving a previous file of that name as it was.
    void DxfKonec() override;

private:
    double meritkoSituace_;
    DxfZapis zapis_;
};

} // namespace lineon
