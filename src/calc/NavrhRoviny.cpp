#include "calc/NavrhRoviny.h"

#include "zaklad/Cisla.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lineon {

namespace {

constexpr double NejmensiVyskaDna = 35; // mm of paper between the bottom and the plane

/// Whole metres as the plane's fields hold them; values beyond their range (which only absurd
/// levels or scales reach) are held at its ends, so that a shift can always be turned round.
int NaCeleMetry(double metry)
{
    constexpr double Mez = std::numeric_limits<std::int32_t>::max();
    return static_cast<int>(std::clamp(metry, -Mez, Mez));
}

/// The plane on a multiple of the step below a level (truncation, i.e. towards zero).
int NaKroku(double uroven, int krok)
{
    return NaCeleMetry(krok * cisla::Oriznout(uroven / krok));
}

/// The proposal while it is built: the first plane R0 and the shift list filled up to position k.
struct Navrh {
    TRovina& rovina;
    int v; ///< vertical scale 1:v
    int r0 = 0;
    int k = 0;

    /// The plane in force for list position k: R(k) = R0 + k × PosunRoviny.
    double R(int poloha) const
    {
        return static_cast<double>(r0) + static_cast<double>(poloha) * rovina.PosunRoviny;
    }

    /// h(Z, R): the height of a level above a plane in millimetres of paper.
    double h(double z, double r) const { return (z - r) * 1000 / v; }

    /// Writes entry k and moves to the next position; false when a further shift point finds no
    /// place (the last place keeps the closing 0).
    bool Zapsat(int bod)
    {
        if (bod != 0 && k >= MistVSeznamuPosunu - 1)
            return false;
        rovina.PosunyRoviny[static_cast<std::size_t>(k)] = bod;
        if (bod != 0)
            ++rovina.PocetPosunu;
        ++k;
        return true;
    }
};

/// The line sinks towards its end: starting from a plane that puts the first cover 10 mm under the
/// limit, the plane steps down before each point whose bottom comes closer to it than 35 mm.
void NavrhKlesajiciLinie(const TStav& stav, Navrh& navrh, int krok)
{
    const auto& body = stav.Projekt.Body;
    const int n = body.Pocet();
    const double lh = stav.Nastaveni.LimitSR;
    navrh.rovina.PosunRoviny = -navrh.rovina.PosunRoviny;
    navrh.r0 = NaKroku(body[1].ZPoklopu - (lh - 10.0) * navrh.v / 1000, krok);
    for (int i = 2; i <= n; ++i) {
        if (navrh.h(body[i].ZDna, navrh.R(navrh.k)) >= NejmensiVyskaDna && i != n)
            continue;
        if (!navrh.Zapsat(i != n ? i - 1 : 0))
            return;
    }
}

/// The line rises: the plane steps up at each point whose cover lies above the limit, or one
/// point earlier when the bottom there stays 35 mm above the raised plane.
void NavrhStoupajiciLinie(const TStav& stav, Navrh& navrh)
{
    const auto& body = stav.Projekt.Body;
    const int n = body.Pocet();
    const int lh = stav.Nastaveni.LimitSR;
    for (int i = 2; i <= n; ++i) {
        if (navrh.h(body[i].ZPoklopu, navrh.R(navrh.k)) <= lh && i != n)
            continue;
        int bod = navrh.h(body[i - 1].ZDna, navrh.R(navrh.k + 1)) <= NejmensiVyskaDna ? i : i - 1;
        if (bod == n)
            bod = 0;
        if (!navrh.Zapsat(bod))
            return;
    }
}

} // namespace

void NavrhRoviny(TStav& stav)
{
    const auto& body = stav.Projekt.Body;
    const int n = body.Pocet();
    const TNastaveni& nastaveni = stav.Nastaveni;
    Navrh navrh{stav.Rovina, nastaveni.VyskoveMeritko};

    const double zref = nastaveni.DruhSite == TDruhSite::OsaKomunikace ? body[1].ZPoklopu : body[1].ZDna;
    const int krok = std::max(1, NaCeleMetry(cisla::Oriznout(5.0 * navrh.v / 100)));
    // At least 35 mm of paper below the first point, on a multiple of the step.
    navrh.r0 = NaKroku(zref - 3.5 * navrh.v / 100, krok);
    navrh.rovina.PosunRoviny = NaCeleMetry(
        static_cast<double>(cisla::ZaokrouhlitCele(static_cast<double>(nastaveni.PosunSR) * navrh.v / 100)));
    navrh.rovina.PocetPosunu = 0;
    navrh.rovina.PosunyRoviny.fill(0);

    if (navrh.h(body[n].ZPoklopu, navrh.r0) <= nastaveni.LimitSR) {
        if (navrh.h(body[n].ZDna, navrh.r0) < NejmensiVyskaDna)
            NavrhKlesajiciLinie(stav, navrh, krok);
    } else {
        NavrhStoupajiciLinie(stav, navrh);
    }
    navrh.rovina.SrovnavaciRovina = navrh.r0;
}

} // namespace lineon
