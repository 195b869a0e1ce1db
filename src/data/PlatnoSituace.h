#pragma once

#include "zaklad/Cisla.h"

#include <string>

namespace lineon {

/// What the drawing of the site plan draws on: the DXF file (`DxfSituace`) or a record of its
/// entities (`ZaznamSituace`). Coordinates are the writer's (x, y): negated in the file. Layers
/// are indices into the operation's list (`VrstvaCarySituace`, `VrstvaTextuSituace`,
/// `VrstvaKruhuSituace`), symbols into `ZnackySituace`. Text heights are given in metres of paper.
class IPlatnoSituace {
public:
    virtual ~IPlatnoSituace() = default;

    /// Before anything is drawn: the extents, the larger coordinates first.
    virtual void Zahajit(double x1, double y1, double x2, double y2) = 0;
    virtual void DxfCara(int vrstva, double x1, double y1, double x2, double y2) = 0;
    virtual void DxfText(const std::string& text, int zarovnani, int vrstva, double x, double y, double uhel,
                         double vyska) = 0;
    /// A number with `desetin` decimals, right-aligned in at least four characters.
    void DxfCislo(int desetin, int zarovnani, int vrstva, double x, double y, double hodnota, double uhel,
                  double vyska)
    {
        DxfText(cisla::FormatF(hodnota, 4, desetin), zarovnani, vrstva, x, y, uhel, vyska);
    }
    virtual void DxfKruh(int vrstva, double x, double y, double polomer) = 0;
    virtual void DxfZnacka(int druh, double x, double y, double meritko) = 0;
    /// After the last entity.
    virtual void DxfKonec() = 0;
};

} // namespace lineon
