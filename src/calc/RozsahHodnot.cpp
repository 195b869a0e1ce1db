#include "calc/RozsahHodnot.h"

#include <cmath>
#include <string>
#include <initializer_list>

namespace lineon {

namespace {

struct THodnota {
    const char* Nazev;
    double Hodnota;
};

bool VRozsahu(double x)
{
    return std::fabs(x) <= NejvetsiHodnota; // false for "not a number" too
}

bool OveritRadek(std::initializer_list<THodnota> hodnoty, const std::string& radek, IZpravy& zpravy)
{
    for (const THodnota& h : hodnoty)
        if (!VRozsahu(h.Hodnota)) {
            zpravy.Oznamit(DruhZpravy::Chyba, "Špatné vstupní údaje! - " + radek + ": " + h.Nazev
                                                  + " leží mimo rozsah ±1 000 000 000 m.");
            return false;
        }
    return true;
}

} // namespace

bool OveritRozsahHodnot(const TProjekt& projekt, IZpravy& zpravy)
{
    for (int i = 1; i <= projekt.PocetBodu(); ++i) {
        const TBod& b = projekt.Body[i];
        if (!OveritRadek({{"Y", b.Y}, {"X", b.X}, {"Z dna", b.ZDna}, {"Z poklopu", b.ZPoklopu},
                          {"Z vtoku", b.ZVtoku}, {"Z odtoku", b.ZOdtoku}},
                         "řádek " + std::to_string(i), zpravy))
            return false;
    }
    for (int j = 1; j <= projekt.PocetPripojek(); ++j) {
        const TPripojka& p = projekt.Pripojky[j];
        if (!OveritRadek({{"Y", p.Y}, {"X", p.X}, {"Y dom. šachty", p.YDS}, {"X dom. šachty", p.XDS},
                          {"Z pokl. d.š.", p.ZPoklopuDS}, {"Z dna d.š.", p.ZDnaDS}},
                         "přípojka " + std::to_string(j), zpravy))
            return false;
    }
    return true;
}

} // namespace lineon
