#pragma once

namespace lineon {

class KresbaProfilu;

/// The house connections and the crossings of other networks, each a vertical line through the
/// bands up above the ground with its levels and its label, on the layers of its kind.
void KreslitPripojky(KresbaProfilu& kresba);

} // namespace lineon
