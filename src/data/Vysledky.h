#pragma once

#include "zaklad/Tabulka.h"

#include <array>

namespace lineon {

/// Computed values of a point row; index 0 exists and holds zeros (the first point shows
/// the length and slope of "section 0").
struct TVysledekBodu {
    double StaniceniPresne = 0;
    double Staniceni = 0;
    double Delka = 0;
    double Spad = 0;
    double Kryti = 0;
    double Smer = 0;
    double ZmenaSmeru = 0;
    double SmerStupne = 0;
};

/// Computed values of a connection row.
struct TVysledekPripojky {
    double Staniceni = 0;
    double ZPotrubi = 0;
    double ZTerenu = 0;
    double Kryti = 0;
    double DelkaPripojky = 0;
    double UhelPripojky = 0;
};

/// The results of the calculation, kept beside the tables with the same indexing (0..Kapacita,
/// zeros where nothing was computed); shifting rows does not move them.
struct TVysledky {
    RadkyTabulky<TVysledekBodu> Body;
    RadkyTabulky<TVysledekPripojky> Pripojky;
};

inline constexpr int MistVSeznamuPosunu = 11;

/// The comparison plane: the calculation's proposal, confirmed by the dialog before the drawing.
struct TRovina {
    int SrovnavaciRovina = 0; ///< whole metres
    int PosunRoviny = 0;      ///< whole metres; negative when the plane steps downwards
    std::array<int, MistVSeznamuPosunu> PosunyRoviny{}; ///< point numbers; 0 ends the list
    int PocetPosunu = 0;
    double PomerMeritek = 0; ///< H / V
};

} // namespace lineon
