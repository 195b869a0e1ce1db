#pragma once

#include "dxf/UzelSituace.h"

#include <vector>

namespace lineon {

struct TStav;

/// The nodes of the line ordered by stationing: the points, then the connections with a house
/// manhole (a full project gives 10000), sorted, and of equal neighbours the earlier dropped in one pass.
std::vector<UzelSituace> UzlySituace(const TStav& stav);

/// Selection by the smallest stationing, position by position; of equal stationings the first
/// found stays the choice.
void SeraditPodleStaniceni(std::vector<UzelSituace>& uzly);

/// One pass over the sorted list: where a node has the stationing of the next one it is dropped,
/// and the pass goes on with the node after the one that moved into its place, so that a run of
/// three equal stationings keeps two nodes.
void VypustitShodnaStaniceni(std::vector<UzelSituace>& uzly);

} // namespace lineon
