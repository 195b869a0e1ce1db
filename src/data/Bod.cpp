#include "data/Bod.h"

#include "zaklad/Cisla.h"

namespace lineon {

TBod PrazdnyBod(std::int32_t prumer)
{
    TBod bod;
    bod.Prumer = prumer;
    bod.Dno = true;
    return bod;
}

bool MaHodnoty(const TBod& bod)
{
    return bod.Y != 0 || bod.X != 0 || bod.ZDna != 0 || bod.ZPoklopu != 0 || bod.ZVtoku != 0 || bod.ZOdtoku != 0;
}

bool DrziData(const TBod& bod)
{
    return !bod.Oznaceni.empty() || MaHodnoty(bod);
}

namespace {
// The difference is taken in whole centimetres: 245.004 − 243.006 gives 1.99, not 2.00.
double RozdilCentimetru(double horni, double dolni)
{
    return static_cast<double>(cisla::ZaokrouhlitCele(100 * horni) - cisla::ZaokrouhlitCele(100 * dolni)) / 100;
}
} // namespace

double VyskaPoklopu(const TBod& bod) { return RozdilCentimetru(bod.ZPoklopu, bod.ZDna); }
double VyskaOdtoku(const TBod& bod) { return RozdilCentimetru(bod.ZOdtoku, bod.ZDna); }
double VyskaVtoku(const TBod& bod) { return RozdilCentimetru(bod.ZVtoku, bod.ZDna); }

} // namespace lineon
