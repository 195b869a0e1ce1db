#include "prikazy/SoubezneVystupy.h"

#include "dxf/Situace.h"
#include "gis/GeoPackage.h"
#include "written/PsanyProfil.h"

#include <exception>
#include <utility>

namespace lineon {

SoubezneVystupy::SoubezneVystupy(TStav& stav) : DavkoveVystupy(stav), disk_(*stav.Disk), puvodni_(stav.Disk)
{
    stav_.Disk = &disk_;
}

SoubezneVystupy::~SoubezneVystupy()
{
    // The threads read the state's disk until they end.
    ulohy_.clear();
    stav_.Disk = puvodni_;
}

void SoubezneVystupy::PockatNa(const std::string& cesta)
{
    for (TUloha& uloha : ulohy_)
        if (uloha.cesta == cesta)
            uloha.vysledek.wait();
}

void SoubezneVystupy::Spustit(std::string cesta, std::function<void()> prace)
{
    PockatNa(cesta);
    ulohy_.push_back({std::move(cesta), std::async(std::launch::async, std::move(prace))});
}

void SoubezneVystupy::PsanyProfil()
{
    Spustit(stav_.Nastaveni.AdresarProjektu + stav_.Vystupy.SouborPsanehoProfilu,
            [this] { ZapsatPsanyProfil(stav_); });
}

void SoubezneVystupy::Situace()
{
    Spustit(stav_.Nastaveni.AdresarProjektu + stav_.Vystupy.SouborSituace, [this] { VytvoritSituaci(stav_); });
}

void SoubezneVystupy::Gis()
{
    Spustit(stav_.Nastaveni.AdresarProjektu + stav_.Doplnky.SouborGpkg, [this] { VytvoritGeoPackage(stav_); });
}

void SoubezneVystupy::Profil(const std::function<void()>& kresleni)
{
    const std::string cesta = stav_.Nastaveni.AdresarProjektu + stav_.Vystupy.SouborProfilu;
    PockatNa(cesta);
    std::promise<void> vysledek;
    try {
        kresleni();
        vysledek.set_value();
    } catch (...) {
        vysledek.set_exception(std::current_exception());
    }
    ulohy_.push_back({cesta, vysledek.get_future()});
}

void SoubezneVystupy::Dokoncit()
{
    for (TUloha& uloha : ulohy_) {
        uloha.vysledek.get();
        disk_.Potvrdit(uloha.cesta);
    }
}

} // namespace lineon
