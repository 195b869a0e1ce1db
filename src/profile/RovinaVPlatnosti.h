#pragma once

#include "data/Stav.h"

#include <vector>

namespace lineon {

/// The comparison plane in force while the drawing walks along the line. A counter g starts at 0
/// and the plane in force is R(g) = R0 + g·dR; g passes a shift point when the walk does.
///
/// The shift points are the entries of `PosunyRoviny` up to the first 0 or the first entry that is
/// no inner point of the line. When no point was checked the dialog stores the last point N alone:
/// no section leaves N, so the plane cannot step there, and the list holds no shift point.
class RovinaVPlatnosti {
public:
    explicit RovinaVPlatnosti(const TStav& stav);

    int g() const { return g_; }
    /// Whether point k is the next shift point.
    bool JeBodPosunu(int k) const;
    /// Counts the next shift point as passed.
    void Projit() { ++g_; }

    /// g for a connection or crossing at stationing s: the shift points at the head of the list
    /// whose stationing does not exceed s.
    int ProStaniceni(double s) const;

private:
    const TStav& stav_;
    std::vector<int> body_;
    int g_ = 0;
};

} // namespace lineon
