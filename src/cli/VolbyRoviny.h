#pragma once

#include "prikazy/InformaceORovine.h"

#include <optional>
#include <string>
#include <vector>

// The options of `compute` that take the place of the user in the comparison-plane dialog.
namespace lineon::cli {

/// What replaces the calculation's proposal when the dialog is confirmed.
struct TVolbyRoviny {
    std::optional<int> Rovina;            ///< --plane R0: the plane height in whole metres
    std::optional<int> Posun;             ///< --plane-shift DR: the shift in whole metres
    std::optional<std::vector<int>> Body; ///< --shift-points P1,P2,...: the checked points, in order
};

/// Takes argumenty[i] with its value when it is one of the plane options; false when it is not.
/// A missing value or one outside the range of its dialog field throws Chyba.
bool PrecistVolbuRoviny(const std::vector<std::string>& argumenty, std::size_t& i, TVolbyRoviny& volby);

/// The dialog lists the points 2..N−1, and the shift list keeps at most 10 of them before its
/// closing 0: other points throw Chyba.
void OveritBodyPosunu(const TVolbyRoviny& volby, int pocetBodu);

/// Enters the given values into the filled dialog as the user would: the plane, the shift, and
/// exactly the given points checked. What is not given keeps the proposal.
void UplatnitVolbyRoviny(const TVolbyRoviny& volby, InformaceORovine& dialog);

} // namespace lineon::cli
