#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace lineon {

/// The swaps of a selection sort of `klice`, in order: for each position p from the first on,
/// the smallest key among p and the positions after it is found scanning upwards, a later key
/// being taken only when strictly smaller, and swapped with p (a pair (p, m) for every m ≠ p).
/// Applying the swaps to the sorted rows gives exactly the order of that sort, ties included,
/// while the minima come from a tree, so n keys take O(n log n). Keys are numbers (no NaN).
std::vector<std::pair<std::size_t, std::size_t>> VymenyRazeniVyberem(std::vector<double> klice);

} // namespace lineon
