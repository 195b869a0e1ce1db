#pragma once

#include "data/Stav.h"

namespace lineon {

/// The proposal of the comparison plane for the longitudinal profile: `SrovnavaciRovina`,
/// `PosunRoviny`, the shift points `PosunyRoviny` with their count `PocetPosunu`.
///
/// Heights are compared on paper, in millimetres at the vertical scale 1:V. The plane lies on a
/// multiple of a step of 5·V/100 whole metres. A vertical scale below 20 would give a step of 0;
/// the step is then 1 m, so the plane still lies on whole metres.
///
/// The list has 11 places and its last one always keeps the closing 0, so that every reader finds
/// the end of the list inside it: at most 10 shift points are proposed. A line that would need more
/// gets the first 10, and the planes after the tenth shift are left to the user.
void NavrhRoviny(TStav& stav);

} // namespace lineon
