#pragma once

#include "data/Stav.h"
#include "zaklad/Zpravy.h"

namespace lineon {

/// Sections 1..N−1 in order: direction, stationing, length and slope. Stops at the first section
/// of zero length, without a diameter (a road axis needs none) or of zero rounded length, with
/// its error message; the sections before it stay computed. True when every section was computed.
bool SpocitatUseky(TStav& stav, IZpravy& zpravy);

} // namespace lineon
