#pragma once

#include <string>

namespace lineon {

/// One node of the site plan's line: a point of the line or the point where a connection with a
/// house manhole meets it.
struct UzelSituace {
    double Y = 0;
    double X = 0;
    double Staniceni = 0;
    double HorniKota = 0; ///< cover, ground or axis level
    double DolniKota = 0; ///< invert or pipe level
    std::string Oznaceni; ///< at most 12 characters
    std::string Typ;      ///< at most 12 characters; empty for a point
    bool JeBod = false;
};

} // namespace lineon
