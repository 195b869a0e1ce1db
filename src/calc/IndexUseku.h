#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace lineon {

struct TStav;

/// Where a connection point may lie for a section to take it. A point closer than a section's
/// length to both its ends lies in the section's box widened by that length; the boxes are
/// entered into a grid of square cells about as large as a typical box, so a point finds the few
/// sections of its cell instead of testing every section of the line. A box that would cover many
/// cells (a section much longer than the others) is listed apart and offered to every point.
class IndexUseku {
public:
    /// The sections 1..N−1 of the computed line (their lengths from the calculation).
    explicit IndexUseku(const TStav& stav);

    /// The sections above `od` whose widened box may hold the point, ascending, into `usekyOut`.
    void Kandidati(double y, double x, int od, std::vector<int>& usekyOut) const;

private:
    using Bunka = std::pair<std::int64_t, std::int64_t>;

    Bunka BunkaBodu(double y, double x) const;

    double y0_ = 0;
    double x0_ = 0;
    double strana_ = 1;                        ///< the side of a cell
    std::vector<std::pair<Bunka, int>> zapisy_; ///< (cell, section), sorted
    std::vector<int> velke_;                    ///< sections offered to every point, ascending
};

} // namespace lineon
