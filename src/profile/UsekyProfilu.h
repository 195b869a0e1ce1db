#pragma once

namespace lineon {

class KresbaProfilu;

/// The line between the points, section by section, each with the plane in force when the
/// section is reached: terrain and pipe by the network kind.
void KreslitUseky(KresbaProfilu& kresba);

} // namespace lineon
