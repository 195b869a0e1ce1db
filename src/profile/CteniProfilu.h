#pragma once

#include "data/Stav.h"

#include <optional>
#include <string>

namespace lineon {

/// A point of the drawn profile read back: its stationing and the level it stands for under the
/// plane in force there.
struct TBodProfilu {
    double Staniceni = 0;
    double Kota = 0;
};

/// The stationing and level at a point of the last profile drawing, in the file's coordinates
/// (x to the right, y up); nothing outside the line, before 0 or beyond its end. The shift points
/// of the plane count as the drawing counts them: from a shift point on, the next plane holds.
std::optional<TBodProfilu> CistBodProfilu(const TStav& stav, double x, double y);

/// "staničení 0.3 km + 12.48 m, kóta 245.30 m": kilometres in hectometres as the hectometre marks
/// write them, the metres beyond as the bands do.
std::string TextBoduProfilu(const TBodProfilu& bod);

} // namespace lineon
