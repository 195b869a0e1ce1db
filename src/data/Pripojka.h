#pragma once

#include <cstdint>
#include <string>

namespace lineon {

/// One row of the connection table: a house connection, a crossing of another network or a house manhole.
struct TPripojka {
    std::string Typ; ///< kind code; the crossing codes of the settings mark crossings
    std::string OznaceniPripojky;
    double Y = 0; ///< connection or crossing point
    double X = 0;
    std::string OznaceniDS; ///< house manhole label
    double YDS = 0;
    double XDS = 0;
    double ZPoklopuDS = 0;
    double ZDnaDS = 0;
    std::int32_t Poradi = 0; ///< number given by the automatic conversion; kept, never read by the outputs

    bool operator==(const TPripojka&) const = default;
};

/// A connection row holds data when any of its three texts or six reals is set (`Poradi` does not count).
bool DrziData(const TPripojka& pripojka);

/// A row has a house manhole when its `YDS` is set; the site plan draws only such rows.
bool MaDomovniSachtu(const TPripojka& pripojka);

} // namespace lineon
