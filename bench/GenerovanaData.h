#pragma once

#include "data/Stav.h"

#include <memory>
#include <string>
#include <vector>

// Realistic worst-case inputs at the capacity of the tables, the same on every run: a winding line
// of short sections (so that its profile still fits the longest sheet the program draws), terrain
// that rises and falls, a bottom that keeps its cover, connections on both sides of the line.
namespace lineon::bench {

inline constexpr int PocetBoduLinie = 5000;

/// A sewer of 5000 manholes with 5000 connection rows: house connections with their house
/// manholes, and every tenth row a crossing of another network under the five crossing codes.
std::unique_ptr<TStav> Stoka();

/// A water main of 5000 points with the same connection rows.
std::unique_ptr<TStav> Vodovod();

/// A road axis of 5000 points and no connections.
std::unique_ptr<TStav> OsaKomunikace();

/// The lines of a survey file of the first type ("number Y X level code"), 5000 points with the
/// default codes: manholes (s, d), house connections (p, n, m), crossings (ka..ke) and uncoded
/// points between them.
std::vector<std::string> ZamereniSKody();

} // namespace lineon::bench
