#pragma once

namespace lineon {

class KresbaProfilu;

/// The texts of the pipe runs at point k in the band "PROFIL mm - MATERIÁL". A run begins at the
/// first point and wherever the diameter changes, and ends at the next such point or at the last
/// point: "DN" with the diameter right of where it begins, the material left of where it ends.
void KreslitBehyPotrubi(KresbaProfilu& kresba, int k);

/// Whether the diameter changes at point k: the pipe arriving there differs from the one leaving.
bool MeniSePrumer(const KresbaProfilu& kresba, int k);

} // namespace lineon
