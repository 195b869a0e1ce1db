#include "prikazy/DavkoveVystupy.h"

#include "dxf/Situace.h"
#include "gis/GeoPackage.h"
#include "written/PsanyProfil.h"

namespace lineon {

void DavkoveVystupy::PsanyProfil()
{
    ZapsatPsanyProfil(stav_);
}

void DavkoveVystupy::Situace()
{
    VytvoritSituaci(stav_);
}

void DavkoveVystupy::Gis()
{
    VytvoritGeoPackage(stav_);
}

void DavkoveVystupy::OtevritRovinu()
{
    rovinaVyzadana_ = true;
}

} // namespace lineon
