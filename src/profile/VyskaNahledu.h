#pragma once

#include "data/RozsahProfilu.h"

namespace lineon {

/// The height in pixels of a preview window `sirkaOkna` pixels wide that shows the whole extents,
/// with 25 pixels for its caption: truncation of (top − bottom) × width / (right − left), plus 25.
int VyskaNahledu(const TRozsahProfilu& rozsah, int sirkaOkna);

} // namespace lineon
