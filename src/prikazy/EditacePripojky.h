#pragma once

#include "data/Stav.h"

#include <string>

// The connection dialog's arithmetic: the cover level, the bottom level and the height of a house
// manhole are kept consistent while the user types.
namespace lineon {

/// The ways of entering the house manhole's height ("Způsoby editace výšky d.š.").
enum class ZpusobEditaceVysky {
    VsechnyZ = 0,      ///< both levels typed, the height follows
    ZDnaVyska = 1,     ///< the bottom level and the height typed, the cover follows
    ZPoklopuVyska = 2, ///< the cover level and the height typed, the bottom follows
};

/// The cover level, bottom level and height of a house manhole as the dialog shows them.
struct TUrovneDS {
    double ZPoklopu = 0;
    double ZDna = 0;
    double Vyska = 0;
};

/// Recomputes the value that the way of entry derives from the other two.
TUrovneDS Prepocitat(TUrovneDS urovne, ZpusobEditaceVysky zpusob);

/// Which of the three fields (cover, bottom, height) can be typed in a way of entry.
struct TPovoleniDS {
    bool ZPoklopu;
    bool ZDna;
    bool Vyska;
};
TPovoleniDS PovolenaPoleDS(ZpusobEditaceVysky zpusob);

/// What the connection dialog's fields hold.
struct TPolePripojky {
    std::string Typ;
    std::string OznaceniPripojky;
    double Y = 0;
    double X = 0;
    std::string OznaceniDS;
    double YDS = 0;
    double XDS = 0;
    TUrovneDS Urovne;
};

/// The fields loaded from a row: the height is the cover level less the bottom level.
TPolePripojky NacistPolePripojky(const TPripojka& pripojka);

/// OK: stores the fields into connection row r, the texts without surrounding blanks; the height is
/// not stored. Sets `Zmeneno` and returns true when the row changed.
bool UlozitPolePripojky(TStav& stav, int r, const TPolePripojky& pole);

} // namespace lineon
