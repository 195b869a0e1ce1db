#pragma once

#include "data/LimityKontroly.h"

#include <string>
#include <vector>

namespace lineon {

/// The most projects "Naposledy otevřené" keeps.
inline constexpr std::size_t PocetNaposledyOtevrenych = 8;

/// The settings beyond "$nastav", kept in the file "$doplnky" beside it.
struct TDoplnky {
    bool gpkgcheck = false;                  ///< "do GIS (GeoPackage)"
    std::string SouborGpkg = "situace.gpkg"; ///< the GeoPackage, in the output directory
    TLimityKontroly Kontrola;                ///< what the checks of the line hold it to
    std::vector<std::string> Naposledy;      ///< "Naposledy otevřené": the projects, the latest first
};

} // namespace lineon
