#include "data/Pripojka.h"

namespace lineon {

bool DrziData(const TPripojka& p)
{
    return !p.Typ.empty() || !p.OznaceniPripojky.empty() || !p.OznaceniDS.empty() || p.Y != 0 || p.X != 0
           || p.YDS != 0 || p.XDS != 0 || p.ZPoklopuDS != 0 || p.ZDnaDS != 0;
}

bool MaDomovniSachtu(const TPripojka& p)
{
    return p.YDS != 0;
}

} // namespace lineon
