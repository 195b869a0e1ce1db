#pragma once

#include "data/Stav.h"
#include "gis/VrstvyGis.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lineon::test {

/// An example project of examples/, opened and computed in the network kind `druh` as "Výpočet"
/// does, without outputs.
std::unique_ptr<TStav> SpocitanyPriklad(const std::string& nazev, int druh = 1);

/// A layer as GDAL reads it back from a GeoPackage: the EPSG code of its reference system, its
/// fields, and for every feature the positions (easting, northing) and the values.
struct TPrectenaVrstva {
    std::string Epsg;
    std::vector<std::pair<std::string, TypPoleGis>> Pole;
    std::vector<TPrvekGis> Prvky;
};

/// Every layer of a GeoPackage in file order, by name; throws std::runtime_error when GDAL
/// cannot open it.
std::vector<std::pair<std::string, TPrectenaVrstva>> PrecistGeoPackage(const std::string& cesta);

} // namespace lineon::test
