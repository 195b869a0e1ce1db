#include "gis/KnihovnaGdal.h"

#include "zaklad/Chyba.h"

#include <dlfcn.h>

namespace lineon {

namespace {

struct TNacteni {
    TKnihovnaGdal Funkce;
    std::string Chyba; ///< why the library could not be loaded; empty once it is
};

TNacteni Nacist()
{
    TNacteni nacteni;
    void* const knihovna = ::dlopen(LINEON_GDAL_SONAME, RTLD_NOW | RTLD_LOCAL);
    if (!knihovna) {
        nacteni.Chyba = ::dlerror();
        return nacteni;
    }
#define LINEON_NACIST_GDAL(funkce)                                                                                     \
    nacteni.Funkce.funkce = reinterpret_cast<decltype(&::funkce)>(::dlsym(knihovna, #funkce));                         \
    if (!nacteni.Funkce.funkce) {                                                                                      \
        nacteni.Chyba = std::string("chybí v ní funkce ") + #funkce;                                                   \
        return nacteni;                                                                                                \
    }
    LINEON_FUNKCE_GDAL(LINEON_NACIST_GDAL)
#undef LINEON_NACIST_GDAL
    nacteni.Funkce.GDALAllRegister();
    return nacteni;
}

} // namespace

const TKnihovnaGdal& KnihovnaGdal(const std::string& cesta)
{
    static const TNacteni nacteni = Nacist();
    if (!nacteni.Chyba.empty())
        throw Chyba("Soubor „" + cesta + "“ nelze zapsat: knihovnu GDAL (" LINEON_GDAL_SONAME ") nelze načíst: "
                    + nacteni.Chyba + ".");
    return nacteni.Funkce;
}

} // namespace lineon
