#include "calc/DavkoveVystupy.h"

#include "written/PsanyProfil.h"

namespace lineon {

void DavkoveVystupy::PsanyProfil()
{
    ZapsatPsanyProfil(stav_);
}

void DavkoveVystupy::Situace()
{
}

void DavkoveVystupy::OtevritRovinu()
{
    rovinaVyzadana_ = true;
}

} // namespace lineon
