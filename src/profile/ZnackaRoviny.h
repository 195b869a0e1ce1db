#pragma once

namespace lineon {

class KresbaProfilu;

/// The comparison-plane symbol left of point k, standing on the plane line, with the level of the
/// plane that begins there in whole metres ("240.00 m"). At the first point the plane line is
/// first extended 25 mm to the left, under the symbol.
void KreslitZnackuRoviny(KresbaProfilu& kresba, int k, int uroven);

} // namespace lineon
