#pragma once

#include <cpl_error.h>
#include <gdal.h>
#include <ogr_api.h>
#include <ogr_srs_api.h>

#include <string>

namespace lineon {

// GDAL is loaded when the first GeoPackage is written, not when a program starts: the library
// and the hundred and more it needs take some 60 ms to load, which every run of the batch program
// and every start of the desktop program would pay for a file most runs do not write.
#define LINEON_FUNKCE_GDAL(X)                                                                                          \
    X(CPLPushErrorHandlerEx)                                                                                           \
    X(CPLPopErrorHandler)                                                                                              \
    X(CPLGetErrorHandlerUserData)                                                                                      \
    X(GDALAllRegister)                                                                                                 \
    X(GDALGetDriverByName)                                                                                             \
    X(GDALCreate)                                                                                                      \
    X(GDALClose)                                                                                                       \
    X(GDALDatasetStartTransaction)                                                                                     \
    X(GDALDatasetCommitTransaction)                                                                                    \
    X(GDALDatasetCreateLayer)                                                                                          \
    X(OSRNewSpatialReference)                                                                                          \
    X(OSRImportFromEPSG)                                                                                               \
    X(OSRSetAxisMappingStrategy)                                                                                       \
    X(OSRRelease)                                                                                                      \
    X(OGR_Fld_Create)                                                                                                  \
    X(OGR_Fld_SetSubType)                                                                                              \
    X(OGR_Fld_Destroy)                                                                                                 \
    X(OGR_L_CreateField)                                                                                               \
    X(OGR_L_GetLayerDefn)                                                                                              \
    X(OGR_L_CreateFeature)                                                                                             \
    X(OGR_F_Create)                                                                                                    \
    X(OGR_F_Destroy)                                                                                                   \
    X(OGR_F_SetGeometryDirectly)                                                                                       \
    X(OGR_F_SetFieldNull)                                                                                              \
    X(OGR_F_SetFieldString)                                                                                            \
    X(OGR_F_SetFieldDouble)                                                                                            \
    X(OGR_F_SetFieldInteger)                                                                                           \
    X(OGR_G_CreateGeometry)                                                                                            \
    X(OGR_G_AddPoint_2D)

/// The functions of GDAL the GeoPackage writer calls, under their own names.
struct TKnihovnaGdal {
#define LINEON_UKAZATEL_GDAL(funkce) decltype(&::funkce) funkce = nullptr;
    LINEON_FUNKCE_GDAL(LINEON_UKAZATEL_GDAL)
#undef LINEON_UKAZATEL_GDAL
};

/// GDAL, loaded and its drivers registered on the first call (once for every thread). Throws Chyba
/// naming the file `cesta` that cannot be written when the library cannot be loaded.
const TKnihovnaGdal& KnihovnaGdal(const std::string& cesta);

} // namespace lineon
