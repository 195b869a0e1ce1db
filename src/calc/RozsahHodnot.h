#pragma once

#include "data/Projekt.h"
#include "zaklad/Zpravy.h"

namespace lineon {

/// The largest magnitude of a coordinate or level the calculation takes, in metres. Grid
/// coordinates have seven digits; far beyond that the squares, slopes and roundings of the
/// calculation would leave the range of a double and reach the outputs as infinities.
inline constexpr double NejvetsiHodnota = 1e9;

/// Checks every coordinate and level of the point rows and the connection rows against
/// `NejvetsiHodnota`; the first one beyond it is reported with its row, and false returned.
bool OveritRozsahHodnot(const TProjekt& projekt, IZpravy& zpravy);

} // namespace lineon
