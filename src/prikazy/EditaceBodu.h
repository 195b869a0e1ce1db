#pragma once

#include "data/Stav.h"

#include <cstdint>
#include <optional>
#include <string>

// The point dialog's arithmetic: the levels of a manhole entered absolutely or as one level plus
// heights from the bottom or depths below the cover.
namespace lineon {

/// The ways of entering the levels ("Možné způsoby editace").
enum class ZpusobEditace {
    VsechnyZ = 0,                 ///< every level absolute; the heights are only shown
    ZDnaVyskyOdDna = 1,           ///< the bottom level plus heights above it
    ZPoklopuVyskyOdDna = 2,       ///< the cover level plus heights above the bottom
    ZPoklopuHloubkaOdPoklopu = 3, ///< the cover level plus the bottom, inlet and outlet relative to the cover
};

/// The fields of the point dialog, by control name.
enum class PoleBodu { cField, YField, XField, ZdField, ZpField, ZvField, ZoField, pField, vField, oField, PpField, DnoBox };

/// What the dialog's fields hold: the label, the coordinates, the four levels (Zd, Zp, Zv, Zo),
/// the three heights (p, v, o), the diameter and the "Dno" check box.
struct TPoleBodu {
    std::string Oznaceni;
    double Y = 0;
    double X = 0;
    double Zd = 0;
    double Zp = 0;
    double Zv = 0;
    double Zo = 0;
    double p = 0;
    double v = 0;
    double o = 0;
    std::int32_t Prumer = 0;
    bool Dno = false;
};

/// The three heights of a row as the way of entry shows them: above the bottom, or in the last way
/// the bottom below the cover and the inlet and outlet relative to the cover.
struct TVyskyBodu {
    double p = 0;
    double v = 0;
    double o = 0;
};
TVyskyBodu VyskyProZpusob(const TBod& bod, ZpusobEditace zpusob);

/// The fields loaded from a row for a way of entry.
TPoleBodu NacistPoleBodu(const TBod& bod, ZpusobEditace zpusob);

/// Whether a field can be edited in a way of entry (the disabled level and height fields stay visible).
bool PovolenoPole(PoleBodu pole, ZpusobEditace zpusob);

/// The field that takes the focus when the dialog opens from table column `sloupec` (1..8);
/// none for the level columns that the way of entry does not edit.
std::optional<PoleBodu> PoleProSloupec(int sloupec, ZpusobEditace zpusob);

/// OK: stores the fields into point row r. The diameter is kept for the last row and on a road
/// axis, which always stores its levels absolutely. Sets `Zmeneno` and returns true when the row changed.
bool UlozitPoleBodu(TStav& stav, int r, const TPoleBodu& pole, ZpusobEditace zpusob);

} // namespace lineon
