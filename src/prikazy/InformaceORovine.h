#pragma once

#include "data/Vysledky.h"

#include <string>
#include <vector>

namespace lineon {

struct TStav;
class INahledProfilu;

/// The most shift points the list `PosunyRoviny` holds: its eleventh place keeps the closing 0.
inline constexpr int NejviceBoduPosunu = MistVSeznamuPosunu - 1;

/// Throws Chyba telling the limit when `pocet` shift points do not fit the list.
void OveritPocetBoduPosunu(int pocet);

/// One item of the check list `poscombo`: a point that the plane may step at.
struct TBodPosunu {
    std::string Oznaceni;
    bool Zaskrtnut = false;

    bool operator==(const TBodPosunu&) const = default;
};

/// The comparison-plane dialog "Informace o srovnávací rovině" as values and operations. The
/// calculation fills it with its proposal; OK confirms the plane and its shift points and draws
/// the profile; closing it otherwise draws nothing. While it is open the main window is disabled.
class InformaceORovine {
public:
    static constexpr int NejnizsiRovina = -32768;
    static constexpr int NejvyssiRovina = 32767;
    static constexpr int NejvetsiPosun = 100;

    int srovField = 0;   ///< "Výška srovnávací roviny (m)"
    int posSRField = 0;  ///< "Velikost případného  posunu srovnávací roviny pro odpovídající výškové měřítko (m)"
    std::vector<TBodPosunu> poscombo; ///< the points 2..N−1; item i is point i + 2

    bool Otevren() const { return otevren_; }

    /// Opens the dialog with the calculation's proposal: the plane, its shift, and the points
    /// 2..N−1, each checked when it is the next entry of the shift list not yet taken.
    void Naplnit(const TStav& stav);

    /// OK: takes the two fields as the plane R0 and its shift dR, rebuilds the shift list from the
    /// checked points in their order (N alone when none is checked), closes the dialog, draws the
    /// profile and clears the shift list. Throws Chyba and changes nothing when more points are
    /// checked than the list holds; the dialog then stays open. The ranges of the fields hold what
    /// is typed into them; a proposal of the calculation beyond them (a shift of 200 m at 1:2000)
    /// is drawn as proposed.
    void Potvrdit(TStav& stav, INahledProfilu& nahled);

    /// Closes the dialog without drawing: the check list is emptied.
    void Zavrit();

private:
    bool otevren_ = false;
};

} // namespace lineon
