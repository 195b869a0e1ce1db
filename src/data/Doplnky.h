#pragma once

#include "data/LimityKontroly.h"

#include <string>

namespace lineon {

/// The settings beyond "$nastav", kept in the file "$doplnky" beside it.
struct TDoplnky {
    bool gpkgcheck = false;                  ///< "do GIS (GeoPackage)"
    std::string SouborGpkg = "situace.gpkg"; ///< the GeoPackage, in the output directory
    TLimityKontroly Kontrola;                ///< what the checks of the line hold it to
};

} // namespace lineon
