#pragma once

#include <string>

namespace lineon {

/// What the drawing of the longitudinal profile draws on: the DXF file (`DxfProfilu`), the
/// preview list (`SeznamNahledu`), or any other surface. Coordinates are the writer's (x, y):
/// negated in the file, so the larger ones lie to the lower left. Layers are indices into the
/// operation's lists (`VrstvaCaryProfilu`, `VrstvaTextuProfilu`, `VrstvaCislaProfilu`).
class IPlatnoProfilu {
public:
    virtual ~IPlatnoProfilu() = default;

    /// Before anything is drawn: the extents, the larger coordinates first.
    virtual void Zahajit(double x1, double y1, double x2, double y2) = 0;
    virtual void Cara(int vrstva, double x1, double y1, double x2, double y2) = 0;
    /// A text of the drawing's text height, justified by `zarovnani` (0 left, 4 middle).
    virtual void Text(const std::string& text, int zarovnani, int vrstva, double x, double y) = 0;
    /// A number with `desetin` decimals, turned by `uhel` degrees, of the height `vyska`.
    virtual void Cislo(int uhel, int desetin, int zarovnani, double x, double y, double hodnota, double vyska,
                       int vrstva) = 0;
    /// A circle on the layer "SIPKA".
    virtual void Kruh(double x, double y, double polomer) = 0;
    /// After the last item.
    virtual void Ukoncit() = 0;
};

} // namespace lineon
