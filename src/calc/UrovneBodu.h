#pragma once

#include "data/Stav.h"

namespace lineon {

/// Point levels of rows 1..N: the four level arrays rounded to 0.01 and stored back, the cover
/// `Kryti` of each point, and an inlet or outlet level of 0 filled with the bottom level.
void UpravitUrovneBodu(TStav& stav);

} // namespace lineon
