#pragma once

#include "calc/Vypocet.h"
#include "data/Stav.h"

#include <memory>
#include <string>
#include <vector>

// Hand-made lines for the calculation tests, laid out around a point of the national grid.
namespace lineon::test {

inline constexpr double Y0 = 744000;
inline constexpr double X0 = 1043000;

/// A manhole dy, dx metres from the grid point, with its bottom and cover levels; inlet and outlet
/// are left 0 (the calculation fills them with the bottom).
inline TBod Sachta(const std::string& oznaceni, double dy, double dx, double zDna, double zPoklopu, int prumer = 300)
{
    return TBod{.Oznaceni = oznaceni, .Y = Y0 + dy, .X = X0 + dx, .ZDna = zDna, .ZPoklopu = zPoklopu,
                .Prumer = prumer, .Dno = true};
}

/// A connection point dy, dx metres from the grid point, without a house manhole.
inline TPripojka Pripojka(double dy, double dx)
{
    return TPripojka{.Typ = "p", .OznaceniPripojky = "P1", .Y = Y0 + dy, .X = X0 + dx};
}

/// A fresh state (the tables are large, so it lives on the heap) holding the given rows.
inline std::unique_ptr<TStav> Stav(const std::vector<TBod>& body, const std::vector<TPripojka>& pripojky = {})
{
    auto stav = std::make_unique<TStav>();
    stav->Projekt.Body.NastavitPocet(0);
    for (const TBod& bod : body)
        stav->Projekt.Body.Pridat(bod);
    for (const TPripojka& pripojka : pripojky)
        stav->Projekt.Pripojky.Pridat(pripojka);
    return stav;
}

/// Records which outputs the calculation started, in order.
class ZaznamVystupu : public IVystupyVypoctu {
public:
    std::vector<std::string> volani;
    void PsanyProfil() override { volani.push_back("PsanyProfil"); }
    void Situace() override { volani.push_back("Situace"); }
    void Gis() override { volani.push_back("Gis"); }
    void OtevritRovinu() override { volani.push_back("OtevritRovinu"); }
};

} // namespace lineon::test
