#pragma once

namespace lineon {

class KresbaProfilu;

/// The left half of the drawing at point k under the plane r of the arriving section: a sewer's
/// manhole half (towards lower stationing), then the dimension line from the point's bottom level
/// down to the top of the bands.
void KreslitLevouPolovinu(KresbaProfilu& kresba, int k, double r);

/// The right half of a sewer manhole under the plane r of the leaving section.
void KreslitPravouPolovinu(KresbaProfilu& kresba, int k, double r);

/// The pieces of the dimension line of point k through the bands.
void KreslitKotovaciCaruPasy(KresbaProfilu& kresba, int k);

} // namespace lineon
