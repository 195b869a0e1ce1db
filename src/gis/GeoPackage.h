#pragma once

#include "gis/VrstvyGis.h"
#include "zaklad/Soubor.h"

#include <string>
#include <vector>

namespace lineon {

struct TStav;

/// Writes the layers into a GeoPackage in S-JTSK / Krovak East North (EPSG:5514): a position Y, X
/// of the national grid becomes easting −Y, northing −X. The file is written under a temporary
/// name in its directory and renamed over `cesta` when it is complete. Throws Chyba naming the
/// file when it cannot be written; a previous file of that name then stays as it was.
void ZapsatGeoPackage(const std::vector<TVrstvaGis>& vrstvy, const std::string& cesta,
                      const soubor::Disk& disk = soubor::SystemovyDisk());

/// "do GIS (GeoPackage)": writes the computed line into `AdresarProjektu` + `SouborGpkg` when
/// `gpkgcheck` is on; otherwise touches nothing. Throws Chyba as `ZapsatGeoPackage`.
void VytvoritGeoPackage(const TStav& stav);

} // namespace lineon
