#pragma once

namespace lineon {

class KresbaProfilu;

/// The label of point k and its numbers in the bands: the levels, the stationing, and the length
/// and slope of the sections beside it.
void KreslitCislaPasu(KresbaProfilu& kresba, int k);

} // namespace lineon
