#pragma once

#include <string>
#include <vector>

namespace lineon {

/// One element of the profile preview, in preview units: the width of the drawing's extents is 1
/// and y grows downwards.
struct KresData {
    bool cara = false;
    bool kruh = false;
    bool text = false;
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double polomer = 0;
    double vyskaTextu = 0;
    std::string retezec;

    bool operator==(const KresData&) const = default;
};

using TSeznamKresby = std::vector<KresData>;

} // namespace lineon
