#pragma once

#include "data/RozsahProfilu.h"
#include "kontrola/Nalez.h"

#include <string>
#include <vector>

namespace lineon {

/// A finding of the checks marked on the profile preview, on screen only.
struct TZnackaNalezu {
    double x = 0; ///< across the preview: 0 at the left edge of the drawing's extents, 1 at the right
    DruhNalezu Druh = DruhNalezu::Informace;
    std::string Text;

    bool operator==(const TZnackaNalezu&) const = default;
};

/// The marks of the findings at their stationings on the preview of a drawing with these extents;
/// none when no drawing was made.
std::vector<TZnackaNalezu> ZnackyNalezu(const std::vector<TNalez>& nalezy, const TRozsahProfilu& rozsah);

} // namespace lineon
