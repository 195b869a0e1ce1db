#pragma once

#include "dxf/DxfZapis.h"
#include "data/KresData.h"
#include "dxf/VrstvyProfilu.h"

#include <string>

namespace lineon {

struct TStav;

/// The writer of the longitudinal profile. The drawing calls `DxfHlavicka`, `DxfRozsah`,
/// `DxfTabulky`, then any entities, then `DxfKonec`, which puts the file `AdresarProjektu` +
/// `SouborProfilu` in place (the lines go out as they are written). Layers are indices into the operation's list (`VrstvaCaryProfilu`,
/// `VrstvaTextuProfilu`, `VrstvaCislaProfilu`). Each entity reaches the file only with "do DXF"
/// (`profdxfcheck`) and is added to the preview list `SeznamKresby` with "na obrazovku"
/// (`profobrcheck`); both are read at each call.
class DxfProfilu {
public:
    explicit DxfProfilu(TStav& stav);

    void DxfHlavicka();

    /// Extents and limits; the larger internal coordinates come first, because they are written
    /// negated. The four values also set the preview units.
    void DxfRozsah(double x1, double y1, double x2, double y2);

    void DxfTabulky();

    void DxfCara(int vrstva, double x1, double y1, double x2, double y2);

    /// A text of the height `DelkoveMeritko` × 0.002 (× 0.0025 on the layer "ROVINA").
    void DxfText(const std::string& text, int zarovnani, int vrstva, double x, double y);

    /// A number with `desetin` decimals, turned by `uhel` degrees, of the height
    /// `DelkoveMeritko` × `faktorVysky`; only upright numbers go to the preview.
    void DxfCislo(int uhel, int desetin, int zarovnani, double x, double y, double hodnota, double faktorVysky,
                  int vrstva);

    /// A circle on the layer "SIPKA".
    void DxfKruh(double x, double y, double polomer);

    /// Ends the entities and the file and writes it; throws Chyba naming the file when that fails,
    /// leaving a previous file of that name as it was.
    void DxfKonec();

private:
    bool DoDxf() const;
    /// The preview item to append, or nothing when the preview is off.
    KresData* NovaPolozkaNahledu();
    double NahledX(double x) const;
    double NahledY(double y) const;
    double NahledDelka(double r) const;

    TStav& stav_;
    DxfZapis zapis_;
    double rozsahX1_ = 0;
    double rozsahY2_ = 0;
    double sirka_ = 1; ///< W = x1 − x2 of the extents
};

} // namespace lineon
