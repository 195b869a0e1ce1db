#pragma once

#include "data/RozsahProfilu.h"

namespace lineon {

class KresbaProfilu;

/// The frame of the sheet around the profile, in paper millimetres from the start of the plane
/// line; "end" is the last stationing E: the outer rectangle from −81 mm to E + 235 mm and from
/// −42 mm to 255 mm, the inner one 5 mm inside it.
class RamProfilu {
public:
    explicit RamProfilu(const KresbaProfilu& kresba);

    /// The inner rectangle widened by 10 drawing units on every side.
    TRozsahProfilu Rozsah() const;

    /// The number of A4 widths of the sheet: the first i for which a fold mark at
    /// E + 235 mm − i·210 mm no longer lies right of the inner frame's left side (−76 mm).
    int PocetA4() const;

    void KreslitVnejsi(KresbaProfilu& kresba) const;
    /// The inner rectangle and the fold marks at its bottom, every 210 mm from the right edge.
    void KreslitVnitrni(KresbaProfilu& kresba) const;

private:
    /// u of the fold mark i.
    double Sklad(int i) const;

    const KresbaProfilu& kresba_;
};

/// Four lines on "CARY" around the rectangle from (u1, v1) to (u2, v2): bottom, right side, top,
/// left side.
void KreslitObdelnik(KresbaProfilu& kresba, double u1, double v1, double u2, double v2);

} // namespace lineon
