#pragma once

namespace lineon {

class KresbaProfilu;

/// The drawing at each point along the line, with the plane in force: the manhole or the point's
/// vertical, the dimension line through the bands and their separators, the pipe runs, the plane
/// symbols at the first point and at each shift point, and a sewer manhole's right half.
void KreslitBody(KresbaProfilu& kresba);

} // namespace lineon
