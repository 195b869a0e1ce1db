#pragma once

#include "dxf/DxfZapis.h"
#include "zaklad/RadkovyVystup.h"
#include "dxf/VrstvySituace.h"

#include <string>

namespace lineon {

/// The writer of the site plan. The drawing calls `DxfHlavicka`, `DxfRozsah`, `DxfTabulky`, then
/// any entities, then `DxfKonec`, which ends the output (a file is put in place). Layers are indices into the operation's list (`VrstvaCarySituace`, `VrstvaTextuSituace`,
/// `VrstvaKruhuSituace`), symbols into `ZnackySituace`. Text heights are given in metres of paper
/// and written multiplied by `MeritkoSituace`.
class DxfSituace {
public:
    DxfSituace(RadkovyVystup& vystup, double meritkoSituace);

    void DxfHlavicka();

    /// Extents and limits; the larger coordinates come first, because they are written negated.
    void DxfRozsah(double x1, double y1, double x2, double y2);

    /// Rest of the header, the tables and the blocks of the symbols.
    void DxfTabulky();

    void DxfCara(int vrstva, double x1, double y1, double x2, double y2);
    void DxfText(const std::string& text, int zarovnani, int vrstva, double x, double y, double uhel, double vyska);
    void DxfCislo(int desetin, int zarovnani, int vrstva, double x, double y, double hodnota, double uhel,
                  double vyska);
    void DxfKruh(int vrstva, double x, double y, double polomer);
    void DxfZnacka(int druh, double x, double y, double meritko);

    /// Ends the entities and the output; throws Chyba naming the file when that fails,
    /// leaving a previous file of that name as it was.
    void DxfKonec();

private:
    double meritkoSituace_;
    DxfZapis zapis_;
};

} // namespace lineon
