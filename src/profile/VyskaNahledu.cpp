#include "profile/VyskaNahledu.h"

#include "zaklad/Cisla.h"

namespace lineon {

int VyskaNahledu(const TRozsahProfilu& rozsah, int sirkaOkna)
{
    const double vyska = (rozsah.Nahore - rozsah.Dole) * sirkaOkna / (rozsah.Vpravo - rozsah.Vlevo);
    return static_cast<int>(cisla::Oriznout(vyska)) + 25;
}

} // namespace lineon
