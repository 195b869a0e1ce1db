#pragma once

namespace lineon {

class KresbaProfilu;

/// The captions of the bands in a column 55 mm left of the first point, in the language of the
/// drawing: from the labels down, then the empty rows at the top and the distance row.
void KreslitPopiskyPasu(KresbaProfilu& kresba);

} // namespace lineon
