#pragma once

namespace lineon {

/// The extents of the last profile drawing in profile coordinates (drawing units): the inner
/// frame widened by 10 units on every side. The preview window maps them onto its width.
struct TRozsahProfilu {
    double Vlevo = 0;
    double Vpravo = 0;
    double Dole = 0;
    double Nahore = 0;

    bool operator==(const TRozsahProfilu&) const = default;
};

} // namespace lineon
