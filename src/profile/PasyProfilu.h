#pragma once

namespace lineon {

class KresbaProfilu;

/// The horizontal lines of the bands along section i: the plane line, the rows of lengths and
/// pipes under it and the empty rows at the top.
void KreslitCaryPasu(KresbaProfilu& kresba, int i);

/// The separators of the bands at point k. Above the plane line the dimension lines separate the
/// points; there are no horizontal lines there.
void KreslitPredelyPasu(KresbaProfilu& kresba, int k);

} // namespace lineon
