#pragma once

#include "data/PlatnoProfilu.h"
#include "dxf/DxfZapis.h"
#include "dxf/VrstvyProfilu.h"
#include "zaklad/RadkovyVystup.h"
#include "zaklad/Soubor.h"

#include <memory>
#include <string>

namespace lineon {

/// The longitudinal profile as a DXF file at the length scale 1:H. `Zahajit` writes the header,
/// the extents and the tables, `Ukoncit` ends the entities and the output (a file is put in place
/// of a previous one; the lines go out as they are written). Without "do DXF" the entities stay
/// out and the file holds the rest.
class DxfProfilu final : public IPlatnoProfilu {
public:
    DxfProfilu(RadkovyVystup& vystup, double H, bool doDxf);
    /// Into the file of that path, on that disk.
    DxfProfilu(const std::string& cesta, double H, bool doDxf, const soubor::Disk& disk = soubor::SystemovyDisk());
    ~DxfProfilu() override;

    void Zahajit(double x1, double y1, double x2, double y2) override;
    void Cara(int vrstva, double x1, double y1, double x2, double y2) override;
    /// Of the height H × 0.002 (× 0.0025 on the layer "ROVINA").
    void Text(const std::string& text, int zarovnani, int vrstva, double x, double y) override;
    void Cislo(int uhel, int desetin, int zarovnani, double x, double y, double hodnota, double vyska,
               int vrstva) override;
    void Kruh(double x, double y, double polomer) override;
    /// Throws Chyba naming the file when it cannot be written, leaving a previous file of that
    /// name as it was.
    void Ukoncit() override;

private:
    std::unique_ptr<RadkovyVystup> soubor_;
    DxfZapis zapis_;
    double H_;
    bool doDxf_;
};

} // namespace lineon
