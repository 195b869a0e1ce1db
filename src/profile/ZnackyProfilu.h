#pragma once

namespace lineon {

class KresbaProfilu;

/// A mark under the plane line every 100 m of stationing, labelled in kilometres (0.0, 0.1, ...).
void KreslitHektometry(KresbaProfilu& kresba);

/// The flow arrows of a sewer manhole at point k, above the labels: a circle, the flow leaving it
/// to the left (towards falling stationing) and arriving from the right, turned by the change of
/// direction of the line there.
void KreslitSipky(KresbaProfilu& kresba, int k);

} // namespace lineon
